#include "model/ModelQuantities.h"

#include <algorithm>

namespace stavelorn {

Quantity ForceQuantity(const JointCoordNames& coordinate) {
  return coordinate.Rotation ? Quantity::Moment : Quantity::Force;
}

Quantity DisplacementQuantity(const JointCoordNames& coordinate) {
  return coordinate.Rotation ? Quantity::Angle : Quantity::Length;
}

Quantity MaterialQuantity(int columns, int column) {
  return column == columns ? Quantity::PerTemperature : Quantity::Stress;
}

Quantity SectionQuantity(const SectionPropertyNames& property) {
  return property.Measure;
}

Quantity LoadValueQuantity(const MemberLoadKindInfo& kind, int value) {
  if (value >= 3) return Quantity::Length;
  switch (kind.Form) {
    case LoadForm::PointForce: return Quantity::Force;
    case LoadForm::PointCouple: return Quantity::Moment;
    case LoadForm::UniformForce:
    case LoadForm::LinearForce: return Quantity::ForcePerLength;
  }
  return Quantity::Force;
}

Quantity EndForceQuantity(const StructTypeInfo& type, int column) {
  return ForceQuantity(CoordinateOf(type, (column - 1) % type.CoordsPerJoint + 1));
}

namespace {

// Every row and column a table holds within its count and the columns its layout needs; a table
// shorter than that (a model the writer would refuse anyway) is visited as far as it goes.
void ForEachCell(Table<float>& table, int count, int columns,
                 const std::function<void(float&, int column)>& visit) {
  const int rows = std::min(count, table.Rows());
  const int cols = std::min(columns, table.Cols());
  for (int r = 1; r <= rows; ++r)
    for (int c = 1; c <= cols; ++c) visit(table(r, c), c);
}

void ForEachItem(Array<float>& values, int count, Quantity quantity,
                 const std::function<void(float&, Quantity)>& visit) {
  for (int i = 1; i <= std::min(count, values.Size()); ++i) visit(values(i), quantity);
}

}  // namespace

void ForEachInputValue(ModelStore& m, const std::function<void(float&, Quantity)>& visit) {
  const StructTypeInfo* type = m.Type();
  if (!type) return;
  const int dof = type->CoordsPerJoint;
  ForEachCell(m.JointCoords, m.JointCount, type->CoordColumns,
              [&](float& v, int) { visit(v, Quantity::Length); });
  const int materialColumns = type->MaterialColumns;
  ForEachCell(m.Materials, m.MaterialCount, materialColumns,
              [&](float& v, int c) { visit(v, MaterialQuantity(materialColumns, c)); });
  ForEachCell(m.Sections, m.SectionCount, type->SectionColumns, [&](float& v, int c) {
    visit(v, SectionQuantity(type->Sections.at(static_cast<std::size_t>(c - 1))));
  });
  ForEachCell(m.JointLoadValues, m.JointLoadCount, dof,
              [&](float& v, int c) { visit(v, ForceQuantity(CoordinateOf(*type, c))); });
  ForEachCell(m.SettlementValues, m.SettlementCount, dof,
              [&](float& v, int c) { visit(v, DisplacementQuantity(CoordinateOf(*type, c))); });
  const int loads = std::min<int>(m.MemberLoadCount, m.MemberLoadInfo.Rows());
  for (int i = 1; i <= std::min(loads, m.MemberLoadValues.Rows()); ++i) {
    const MemberLoadKindInfo* kind =
        m.MemberLoadInfo.Cols() >= 2 ? FindMemberLoadKind(m.MemberLoadInfo(i, 2)) : nullptr;
    if (!kind) continue;
    for (int c = 1; c <= std::min(4, m.MemberLoadValues.Cols()); ++c)
      visit(m.MemberLoadValues(i, c), LoadValueQuantity(*kind, c));
  }
  ForEachItem(m.TempChangeValues, m.TempChangeCount, Quantity::TemperatureChange, visit);
  ForEachItem(m.FabErrorValues, m.FabErrorCount, Quantity::Length, visit);
}

}  // namespace stavelorn
