#include "app/EnvelopeViews.h"

#include <cmath>
#include <string>

#include "model/NumberMask.h"

namespace stavelorn {

namespace {

using Strings = std::vector<std::string>;

constexpr const char* kValueMask = " 0.0000E+00;-0.0000E+00";
// The extra width of a value column for the name after the value, and the greatest/least column.
constexpr int kSourceWidth = 1300;
constexpr int kExtremeWidth = 700;

// "1.2500E+01 (1.2D+1.6L)"; a truss bar's force as its results window words it.
std::string ValueBy(float value, int source, const ResultEnvelope& envelope, bool bar) {
  std::string text = FormatMasked(bar ? std::fabs(value) : value, kValueMask);
  if (bar && value > 0) text += " (C)";
  if (bar && value < 0) text += " (T)";
  return text + "  " + envelope.Sources.at(static_cast<std::size_t>(source));
}

// Values `first`..`first + count - 1` of row `r` of the envelope, greatest or least.
Strings Values(const TableEnvelope& table, std::size_t r, bool greatest, int first, int count,
               const ResultEnvelope& envelope, bool bar) {
  const std::vector<float>& values = (greatest ? table.Max : table.Min).at(r).second;
  const std::vector<int>& by = (greatest ? table.MaxBy : table.MinBy).at(r);
  Strings cells;
  for (int k = first; k < first + count; ++k)
    cells.push_back(ValueBy(values.at(static_cast<std::size_t>(k)),
                            by.at(static_cast<std::size_t>(k)), envelope, bar));
  return cells;
}

// The table's rows again, each as a greatest and a least row: `lead` cells of every data row of
// `table` (a member's second row leads with its joint), then the row's values.
void FillRows(ResultTable& table, const TableEnvelope& values, const ResultEnvelope& envelope,
              int lead, int rowsPerEntry, int perRow, bool bar) {
  std::vector<Strings> cells{table.Cells.front()};
  cells.front().insert(cells.front().begin() + lead, "Envelope");
  for (int row = 1; row < table.Rows(); ++row) {
    const std::size_t entry = static_cast<std::size_t>((row - 1) / rowsPerEntry);
    const int first = ((row - 1) % rowsPerEntry) * perRow;
    for (bool greatest : {true, false}) {
      Strings line(table.Cells[static_cast<std::size_t>(row)].begin(),
                   table.Cells[static_cast<std::size_t>(row)].begin() + lead);
      if (!greatest) line.assign(static_cast<std::size_t>(lead), "");
      line.push_back(greatest ? "greatest" : "least");
      for (std::string& cell : Values(values, entry, greatest, first, perRow, envelope, bar))
        line.push_back(cell);
      cells.push_back(line);
    }
  }
  table.Cells = cells;
  for (std::size_t c = static_cast<std::size_t>(lead); c < table.ColWidths.size(); ++c)
    table.ColWidths[c] += kSourceWidth;
  table.ColWidths.insert(table.ColWidths.begin() + lead, kExtremeWidth);
}

// A diagram along one member from the envelope's stations, greatest or least.
MemberDiagram CurveOf(const MemberEnvelope& member, bool greatest) {
  MemberDiagram d;
  d.Member = member.Member;
  d.Quantities = member.Quantities;
  if (member.Stations.empty()) return d;
  auto values = [greatest](const StationEnvelope& s) { return greatest ? s.Max : s.Min; };
  d.Length = member.Stations.back().X;
  d.StartValues = values(member.Stations.front());
  d.EndValues = values(member.Stations.back());
  for (std::size_t s = 0; s + 1 < member.Stations.size(); ++s) {
    const StationEnvelope& a = member.Stations[s];
    const StationEnvelope& b = member.Stations[s + 1];
    if (!(b.X > a.X)) {
      if (d.Jumps.empty() || d.Jumps.back() != a.X) d.Jumps.push_back(a.X);
      continue;
    }
    DiagramPiece piece;
    piece.X0 = a.X;
    piece.X1 = b.X;
    for (DiagramQuantity q : d.Quantities) {
      const std::size_t i = static_cast<std::size_t>(Index(q));
      piece.Q[i].C[0] = values(a)[i];
      piece.Q[i].C[1] = (values(b)[i] - values(a)[i]) / (b.X - a.X);
    }
    d.Pieces.push_back(piece);
  }
  for (const StationEnvelope& s : member.Stations) {
    DiagramStation station;
    station.X = s.X;
    station.Side = s.Side;
    station.Values = values(s);
    d.Stations.push_back(station);
  }
  for (DiagramQuantity q : d.Quantities) {
    const std::size_t i = static_cast<std::size_t>(Index(q));
    DiagramExtreme high{q, true, 0, d.Stations.front().Values[i]};
    DiagramExtreme low{q, false, 0, d.Stations.front().Values[i]};
    for (const DiagramStation& s : d.Stations) {
      if (s.Values[i] > high.Value) high.X = s.X, high.Value = s.Values[i];
      if (s.Values[i] < low.Value) low.X = s.X, low.Value = s.Values[i];
    }
    d.Extremes.push_back(high);
    d.Extremes.push_back(low);
  }
  return d;
}

}  // namespace

ResultTable EnvelopeTable(const ModelStore& model, const ResultEnvelope& envelope,
                          const StructureResults& layout, FormId form) {
  ResultTable table = BuildResultTable(model, layout, form);
  const int n = model.CoordsPerJoint;
  switch (form) {
    case FormId::Disp: FillRows(table, envelope.Displacements, envelope, 1, 1, n, false); break;
    case FormId::Reac: FillRows(table, envelope.Reactions, envelope, 1, 1, n, false); break;
    default:
      if (model.TypeInfo().Truss)
        FillRows(table, envelope.EndForces, envelope, 1, 1, 1, true);
      else
        FillRows(table, envelope.EndForces, envelope, 2, 2, n, false);
  }
  table.Label2 += ": Envelope";
  table.Alignment = CellAlignment::General;
  table.Size = SizeResultGrid(table.ColWidths, table.Rows(), table.HeadingHeight, table.RowHeight);
  return table;
}

std::pair<std::vector<MemberDiagram>, std::vector<MemberDiagram>> EnvelopeCurves(
    const ResultEnvelope& envelope) {
  std::pair<std::vector<MemberDiagram>, std::vector<MemberDiagram>> curves;
  for (const MemberEnvelope& member : envelope.Diagrams) {
    curves.first.push_back(CurveOf(member, true));
    curves.second.push_back(CurveOf(member, false));
  }
  return curves;
}

}  // namespace stavelorn
