#include "editors/JointEditor.h"

#include "editors/CellValues.h"
#include "editors/RestraintText.h"
#include "model/SupportSprings.h"
#include "model/Units.h"

namespace stavelorn {

JointEditor::JointEditor(ModelStore& model, Messages& messages) : ListEditor(model, messages) {
  window_.Id = FormId::JointA;
  window_.Caption = window_.Label2 = "Joint Coordinates & Supports";
  window_.AddCaption = "Add Joints";
  window_.CloseCaption = "End Of Joints Input. Close";
  window_.Preview = true;
}

bool JointEditor::Referenced() const {
  return model_.MemberCount >= 1 || model_.JointLoadCount >= 1 || model_.SettlementCount >= 1;
}

ListEditor::ColumnTable JointEditor::Columns() const {
  // Coordinate c is edited in field c + 1; a grid's second coordinate is Z. The restraints
  // follow the check boxes.
  const char* coordinates[] = {"X-Coordinate",
                               model_.Kind() == StructKind::Grid ? "Z-Coordinate" : "Y-Coordinate",
                               "Z-Coordinate"};
  ColumnTable table{300, {{"Joint", 500, 0}}};
  for (int col = 1; col <= model_.CoordColumns; ++col)
    table.Columns.push_back({Coordinate(coordinates[col - 1]), 1200, col + 1});
  table.Columns.push_back({"Restraints", model_.Kind() == StructKind::SFrame ? 1500 : 1000, 0});
  return table;
}

void JointEditor::FillRow(int item) {
  for (int col = 1; col <= model_.CoordColumns; ++col)
    grid_.SetText(item, col, CellText(model_.JointCoords(item, col)));
  for (int s = 1; s <= model_.SupportCount; ++s) {
    if (model_.Supports(s, 1) != item) continue;
    std::vector<int> flags;
    for (int k = 1; k <= model_.CoordsPerJoint; ++k) flags.push_back(model_.Supports(s, k + 1));
    grid_.SetText(item, RestraintColumn(), RestraintText(model_.StructType, flags));
  }
}

ListEditor::PromptWords JointEditor::Words() const {
  return {"Joints", "Joints", "coordinates of Joint", "Joint", "Joints", "new joints after Joint",
          "joints", "joints"};
}

void JointEditor::DescribeDialog(EntryForm& dialog) const {
  const std::string& type = model_.StructType;
  const int columns = model_.Type() ? model_.Type()->CoordColumns : 0;
  dialog.Id = FormId::JointB;
  dialog.Caption = "Input & Edit: Joint & Support Data";
  dialog.NextCaption = "Next Joint";
  dialog.CheckGroup = "Support Restraints:";
  dialog.Text[1] = {"Joint No. :", "", true, true, {}};
  dialog.Text[2] = {Coordinate("X-Coordinate :"), "", true, false, NumberRule(true)};
  // A grid lies in the X-Z plane: its second coordinate is Z.
  dialog.Text[3] = {
      Coordinate(model_.Kind() == StructKind::Grid ? "  Z-Coordinate :" : "Y-Coordinate :"), "",
      columns >= 2, false, NumberRule(true)};
  dialog.Text[4] = {Coordinate("Z-Coordinate :"), "", columns >= 3, false, NumberRule(true)};
  const char* captions[] = {"",
                            "X-Restr. :",
                            "Y-Restr. :",
                            "Z-Restr. :",
                            "X-Rot. Restr.:",
                            "Y-Rot. Restr.:",
                            "Z-Rot. Restr.:"};
  for (int check = 1; check <= EntryForm::kChecks; ++check)
    dialog.Check[static_cast<std::size_t>(check)].Caption = captions[check];
  // Each type shows the boxes of its own coordinates, some with captions of their own.
  for (const RestraintName& name : RestraintNames(type)) {
    EntryCheck& box = dialog.Check[static_cast<std::size_t>(name.Check)];
    box.Visible = true;
    box.Caption = name.Caption;
  }
}

void JointEditor::LoadFields() {
  ListEditor::LoadFields();
  const bool fresh = mode_ != EditMode::Edit;
  const std::vector<RestraintName>& names = RestraintNames(model_.StructType);
  std::vector<int> flags(names.size(), 0);
  if (!fresh)
    flags = RestraintFlags(model_.StructType, grid_.Text(currentItem_, RestraintColumn()));
  for (std::size_t k = 0; k < names.size(); ++k) SetCheck(names[k].Check, flags[k] == 1);
}

void JointEditor::CheckChanged(int) {
  std::vector<int> flags;
  for (const RestraintName& name : RestraintNames(model_.StructType))
    flags.push_back(dialog_.Check[static_cast<std::size_t>(name.Check)].Checked ? 1 : 0);
  grid_.SetText(currentItem_, RestraintColumn(), RestraintText(model_.StructType, flags));
}

void JointEditor::Commit() {
  // A list of one joint is no structure: it is stored as no joints, leaving the old arrays.
  model_.JointCount = static_cast<std::int16_t>(itemCount_ == 1 ? 0 : itemCount_);
  if (model_.JointCount == 0) return;
  const int joints = model_.JointCount;
  model_.JointCoords.Redim(joints, model_.CoordColumns);
  for (int j = 1; j <= joints; ++j)
    for (int col = 1; col <= model_.CoordColumns; ++col)
      model_.JointCoords(j, col) = CellSingle(grid_.Text(j, col));

  std::vector<std::vector<int>> supports;
  for (int j = 1; j <= joints; ++j) {
    std::vector<int> flags = RestraintFlags(model_.StructType, grid_.Text(j, RestraintColumn()));
    bool restrained = false;
    for (int flag : flags) restrained = restrained || flag == 1;
    if (!restrained) continue;
    flags.insert(flags.begin(), j);
    supports.push_back(flags);
  }
  model_.SupportCount = static_cast<std::int16_t>(supports.size());
  model_.Supports.Redim(model_.SupportCount, model_.CoordsPerJoint + 1);
  for (int s = 1; s <= model_.SupportCount; ++s)
    for (int col = 1; col <= model_.CoordsPerJoint + 1; ++col)
      model_.Supports(s, col) = static_cast<std::int16_t>(
          supports[static_cast<std::size_t>(s - 1)][static_cast<std::size_t>(col - 1)]);
  DropSpringsAndAnglesWithoutSupport(model_);
}

}  // namespace stavelorn
