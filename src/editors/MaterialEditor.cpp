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

void MaterialEditor::BuildGrid() {
  grid_.SetCols(WithShearModulus() ? 4 : 3);
  grid_.SetColWidth(0, 800);
  for (int col = 1; col < grid_.Cols(); ++col) grid_.SetColWidth(col, 1500);
  grid_.SetRowHeight(0, 700);
  grid_.SetText(0, 0, "Material No. ");
  const UnitSystem& units = model_.Units;
  grid_.SetText(0, 1, WithUnit("Modulus of Elasticity - (E)", units, Quantity::Stress));
  if (WithShearModulus())
    grid_.SetText(0, 2, WithUnit("Shear Modulus - (G)", units, Quantity::Stress));
  grid_.SetText(0, grid_.Cols() - 1,
                WithUnit("Co-eff. of Thermal Expansion", units, Quantity::PerTemperature));
}

void MaterialEditor::FillRow(int item) {
  for (int col = 1; col < grid_.Cols(); ++col)
    grid_.SetText(item, col, CellText(model_.Materials(item, col)));
}

ListEditor::Prompt MaterialEditor::InsertPrompt(int row) const {
  return {"Insert Materials", "Insert new materials after material " + std::to_string(row) +
                                  " ?\n\nNote: The following materials will be renumbered."};
}

ListEditor::Prompt MaterialEditor::EditPrompt(int row) const {
  return {"Edit Materials", "Edit properties of material " + std::to_string(row) + " ?"};
}

ListEditor::Prompt MaterialEditor::DeletePrompt(int first, int last) const {
  std::string text = first == last ? "Delete Material " + std::to_string(first) + " ?"
                                   : "Delete Materials " + std::to_string(first) + " thru " +
                                         std::to_string(last) + " ?";
  return {"Delete Materials", text + "\n\nNote: The following Materials will be renumbered."};
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

void MaterialEditor::LoadFields() {
  const bool fresh = mode_ != EditMode::Edit;
  const int last = WithShearModulus() ? 4 : 3;
  for (int field = 2; field <= last; ++field)
    SetField(field, fresh ? "" : grid_.Text(currentItem_, ColumnOf(field)));
  if (fresh) SetField(3, "0");
}

void MaterialEditor::FieldChanged(int field) {
  if (field >= 2)
    grid_.SetText(currentItem_, ColumnOf(field),
                  dialog_.Text[static_cast<std::size_t>(field)].Text);
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

int MaterialEditor::ColumnOf(int field) const {
  if (field == 2) return 1;
  if (field == 4) return 2;
  return WithShearModulus() ? 3 : 2;
}

}  // namespace stavelorn
