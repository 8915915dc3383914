#include "editors/MaterialEditor.h"

#include "editors/CellValues.h"
#include "model/Units.h"

namespace stavelorn {

MaterialEditor::MaterialEditor(ModelStore& model, Messages& messages)
    : ListEditor(model, messages) {
  window_.Id = FormId::MatA;
  window_.Caption = window_.Label2 = "Material Properties";
  window_.AddCaption = "Add Materials";
  window_.CloseCaption = "End Of Materials Input. Close";
}

ListEditor::ColumnTable MaterialEditor::Columns() const {
  const UnitSystem& units = model_.Units;
  // Text2 edits E, Text4 G and Text3 the thermal expansion, which a new material starts at 0.
  ColumnTable table{700,
                    {{"Material No. ", 800, 0},
                     {WithUnit("Modulus of Elasticity - (E)", units, Quantity::Stress), 1500, 2}}};
  if (WithShearModulus())
    table.Columns.push_back({WithUnit("Shear Modulus - (G)", units, Quantity::Stress), 1500, 4});
  table.Columns.push_back(
      {WithUnit("Co-eff. of Thermal Expansion", units, Quantity::PerTemperature), 1500, 3, "0"});
  return table;
}

void MaterialEditor::FillRow(int item) {
  for (int col = 1; col < grid_.Cols(); ++col)
    grid_.SetText(item, col, CellText(model_.Materials(item, col)));
}

ListEditor::PromptWords MaterialEditor::Words() const {
  return {"Materials", "Materials", "properties of material",
          "Material",  "Materials", "new materials after material",
          "materials", "Materials"};
}

void MaterialEditor::DescribeDialog(EntryForm& dialog) const {
  dialog.Id = FormId::MatB;
  dialog.Caption = "Input & Edit: Material Properties";
  dialog.NextCaption = "Next Material";
  dialog.Text[1] = {"Material No.:", "", true, true, {}};
  // A modulus of 0 or less describes no material the stiffness method can use.
  const UnitSystem& units = model_.Units;
  dialog.Text[2] = {WithUnit("Modulus of Elasticity - E :", units, Quantity::Stress), "", true,
                    false, PositiveRule()};
  dialog.Text[3] = {WithUnit("Co-eff. of Thermal Expansion :", units, Quantity::PerTemperature), "",
                    true, false, NumberRule(false)};
  dialog.Text[4] = {WithUnit("Shear Modulus  - G :", units, Quantity::Stress), "",
                    WithShearModulus(), false, PositiveRule()};
  dialog.Note = "( Default value = 0 )";
  dialog.NoteField = 3;
}

void MaterialEditor::Commit() {
  int count = itemCount_;
  // A single material without a modulus of elasticity is no material.
  if (count == 1 && CellSingle(grid_.Text(1, 1)) == 0) count = 0;
  model_.MaterialCount = static_cast<std::int16_t>(count);
  if (count < 1) return;
  const int cols = model_.MaterialColumns();
  model_.Materials.Redim(count, cols);
  for (int m = 1; m <= count; ++m)
    for (int col = 1; col <= cols; ++col) model_.Materials(m, col) = CellSingle(grid_.Text(m, col));
}

}  // namespace stavelorn
