#include "app/MemberDiagramTable.h"

#include "model/NumberMask.h"
#include "model/NumberText.h"
#include "model/StructType.h"

namespace stavelorn {

namespace {

constexpr const char* kValueMask = " 0.0000E+00;-0.0000E+00";

std::string Value(double value) {
  return FormatMasked(static_cast<float>(value), kValueMask);
}

// Where a section lies, in words: a joint, a tenth point, one side of a load, an extreme.
std::string Place(const ModelStore& model, const MemberDiagram& d, const DiagramStation& s) {
  std::string place;
  if (s.Side == StationSide::Before) place = "before load";
  if (s.Side == StationSide::After) place = "after load";
  if (s.Tenth && place.empty()) {
    if (s.X == 0)
      place = "joint " + std::to_string(model.MemberProps(d.Member, 1));
    else if (s.X == d.Length)
      place = "joint " + std::to_string(model.MemberProps(d.Member, 2));
    else
      place = std::to_string(static_cast<int>(s.X / d.Length * 10 + 0.5)) + "/10 L";
  }
  if (s.Extreme) place += place.empty() ? "extreme" : ", extreme";
  return place;
}

}  // namespace

ResultTable BuildMemberDiagramTable(const ModelStore& model, const MemberDiagram& d) {
  ResultTable table;
  table.Caption = "Member " + std::to_string(d.Member) + " Internal Forces";
  table.Label1 = model.ProjectTitle;
  const std::string lengthUnit = UnitText(model.Units, Quantity::Length);
  table.Label2 = "Member " + std::to_string(d.Member) + ", length " +
                 FormatShortest(static_cast<float>(d.Length)) +
                 (lengthUnit.empty() ? "" : " " + lengthUnit);
  std::vector<std::string> headings{WithUnit("x", model.Units, Quantity::Length), "Section"};
  for (DiagramQuantity q : d.Quantities)
    headings.push_back(WithUnit(QuantityName(model.StructType, q), model.Units, UnitQuantity(q)));
  table.Cells.push_back(headings);
  for (const DiagramStation& s : d.Stations) {
    std::vector<std::string> row{FormatShortest(static_cast<float>(s.X)), Place(model, d, s)};
    for (DiagramQuantity q : d.Quantities)
      row.push_back(Value(s.Values[static_cast<std::size_t>(Index(q))]));
    table.Cells.push_back(row);
  }
  for (const DiagramExtreme& e : d.Extremes) {
    std::vector<std::string> row{
        FormatShortest(static_cast<float>(e.X)),
        std::string(e.Maximum ? "max " : "min ") + QuantityName(model.StructType, e.Quantity)};
    for (DiagramQuantity q : d.Quantities) row.push_back(q == e.Quantity ? Value(e.Value) : "");
    table.Cells.push_back(row);
  }
  table.ColWidths = {1100, 1500};
  table.ColWidths.insert(table.ColWidths.end(), d.Quantities.size(), 1300);
  table.HeadingHeight = 300;
  table.RowHeight = 300;
  table.Alignment = CellAlignment::General;
  table.Size = SizeResultGrid(table.ColWidths, table.Rows(), table.HeadingHeight, table.RowHeight);
  return table;
}

int MemberOfForceRow(const ModelStore& model, int row) {
  return IsTruss(model.StructType) ? row : (row + 1) / 2;
}

}  // namespace stavelorn
