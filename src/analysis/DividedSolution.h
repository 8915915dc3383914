// The divided structure solved for its loads with [K] + [Kg]: the first-order solution without
// [Kg], one step of the second-order iteration with the pieces' axial forces of the step before.
// The equations are solved by the program's own double-precision band solver.
#pragma once

#include <optional>
#include <vector>

#include "analysis/DividedStructure.h"

namespace stavelorn {

struct DividedSolution {
  std::vector<double> Displacements;            // every joint coordinate, settlements included
  std::vector<MemberVector<double>> EndForces;  // each piece's {Q}, local, (k + kg)·u + Qf
  std::vector<double> AxialForces;              // each piece's, tension positive
  std::vector<double> Reactions;                // at every held joint coordinate, else 0
};

// [k] + [kg] of a piece carrying the axial force `axialForce` (tension positive).
MemberMatrix<double> PieceStiffness(const MemberSegment& piece, double axialForce);

// The pieces' values at joint coordinates (one per coordinate of every joint) as each piece's end
// vector.
MemberVector<double> PieceEndValues(const DividedStructure& structure, const MemberSegment& piece,
                                    const std::vector<double>& values);

// The global form of each piece's local matrix `localOf(piece, index)` at the free coordinates:
// add(row, column, value), numbered from 1, for every entry (both triangles).
template <typename LocalOf, typename Add>
void ForEachFreeEntry(const DividedStructure& structure, LocalOf localOf, Add add) {
  const int n = 2 * structure.CoordsPerJoint;
  for (std::size_t p = 0; p < structure.Segments.size(); ++p) {
    const MemberSegment& piece = structure.Segments[p];
    const MemberMatrix<double> global =
        ComputeGlobalStiffness(piece.Context, piece.Geometry, localOf(piece, p));
    for (int i = 1; i <= n; ++i)
      for (int j = 1; j <= n; ++j)
        if (piece.CodeNumbers[i] <= structure.FreeCount &&
            piece.CodeNumbers[j] <= structure.FreeCount)
          add(piece.CodeNumbers[i], piece.CodeNumbers[j], global[i][j]);
  }
}

// The solution with the pieces' geometric stiffness for `axialForces` (one per piece; empty for
// the first-order solution), or nothing when [K] + [Kg] is not positive definite: the loads are
// then at or above the critical load.
std::optional<DividedSolution> SolveDivided(const DividedStructure& structure,
                                            const std::vector<double>& axialForces);

}  // namespace stavelorn
