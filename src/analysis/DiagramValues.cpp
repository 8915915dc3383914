// Reading a built diagram: the value of a quantity at a section. Tabulating the stations and
// drawing the diagrams both read diagrams this way, so it stands apart from building them.
#include <algorithm>

#include "analysis/MemberDiagrams.h"

namespace stavelorn {

double MemberDiagram::ValueAt(DiagramQuantity q, double x, StationSide side) const {
  const std::size_t i = static_cast<std::size_t>(Index(q));
  if (side == StationSide::Before) {
    if (x <= 0 || Pieces.empty()) return StartValues[i];
    for (const DiagramPiece& piece : Pieces)
      if (x <= piece.X1) return piece.Q[i].At(x - piece.X0);
    return Pieces.back().Q[i].At(Pieces.back().X1 - Pieces.back().X0);
  }
  if (x >= Length || Pieces.empty()) return x <= 0 ? StartValues[i] : EndValues[i];
  for (const DiagramPiece& piece : Pieces)
    if (x < piece.X1) return piece.Q[i].At(std::max(x, piece.X0) - piece.X0);
  return EndValues[i];
}

}  // namespace stavelorn
