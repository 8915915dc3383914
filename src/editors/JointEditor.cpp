#include "editors/JointEditor.h"

#include <utility>

#include "editors/CellValues.h"
#include "editors/RestraintText.h"
#include "model/SupportAxes.h"
#include "model/SupportSprings.h"
#include "model/Units.h"

namespace stavelorn {

namespace {

// The dialog's field of a turned support's angle.
constexpr int kAngleField = 5;

}  // namespace

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
  const bool space = model_.Kind() == StructKind::SFrame;
  table.Columns.push_back({"Restraints", space ? 1500 : 1000, 0});
  table.Columns.push_back({"Springs", space ? 2000 : 1500, 0});
  if (SupportsTurn()) table.Columns.push_back({"Angle (Deg.)", 800, kAngleField});
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
  std::vector<std::string> stiffnesses;
  for (int k = 1; k <= model_.CoordsPerJoint; ++k) {
    const std::optional<float> stiffness = SpringAt(model_, item, k);
    stiffnesses.push_back(stiffness ? CellText(*stiffness) : "");
  }
  grid_.SetText(item, SpringColumn(), SpringText(model_.StructType, stiffnesses));
  if (const int angle = SupportAngleRecord(model_, item); angle > 0 && SupportsTurn())
    grid_.SetText(item, AngleColumn(), CellText(model_.SupportAngleValues(angle)));
}

bool JointEditor::SupportsTurn() const {
  return model_.Type() && model_.Type()->SupportTurnAxis != 0;
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
  // The angle opens once the joint has a restraint; blank leaves the support square.
  dialog.Text[kAngleField] = {"Support Angle (Deg.) :", "", SupportsTurn(), true,
                              NumberRule(false)};
  // Each type shows the boxes of its own coordinates, some with captions of their own, and
  // beside each a spring.
  const std::vector<RestraintName>& names = RestraintNames(type);
  for (std::size_t k = 0; k < names.size(); ++k) {
    const RestraintName& name = names[k];
    EntryCheck& box = dialog.Check[static_cast<std::size_t>(name.Check)];
    box.Visible = true;
    box.Caption = name.Caption;
    // A translation's spring takes a force per length, a rotation's a moment per radian.
    const bool rotation = model_.Type()->Coords[k].Rotation;
    const std::string label =
        std::string(name.Name) + " Spring Stiffness" + (rotation ? " (per Rad.)" : "") + " :";
    dialog.Spring[static_cast<std::size_t>(name.Check)].Stiffness = {
        WithUnit(label, model_.Units, rotation ? Quantity::Moment : Quantity::ForcePerLength), "",
        false, false, PositiveRule()};
  }
}

void JointEditor::LoadFields() {
  const bool fresh = mode_ != EditMode::Edit;
  // Read before the boxes are set: setting them rewrites the row's texts.
  const std::string restraints = fresh ? "" : grid_.Text(currentItem_, RestraintColumn());
  const std::string springs = fresh ? "" : grid_.Text(currentItem_, SpringColumn());
  ListEditor::LoadFields();
  const std::vector<RestraintName>& names = RestraintNames(model_.StructType);
  const std::vector<int> flags = RestraintFlags(model_.StructType, restraints);
  const std::vector<std::string> stiffnesses = SpringStiffnesses(model_.StructType, springs);
  for (std::size_t k = 0; k < names.size(); ++k) {
    SetCheck(names[k].Check, flags[k] == 1);
    EntrySpring& spring = dialog_.Spring[static_cast<std::size_t>(names[k].Check)];
    spring.Checked = flags[k] == 1 && !stiffnesses[k].empty();
    spring.Stiffness.Text = spring.Checked ? stiffnesses[k] : "";
  }
  ShowSupportFields();
}

void JointEditor::CheckChanged(int) {
  std::vector<int> flags;
  for (const RestraintName& name : RestraintNames(model_.StructType))
    flags.push_back(dialog_.Check[static_cast<std::size_t>(name.Check)].Checked ? 1 : 0);
  grid_.SetText(currentItem_, RestraintColumn(), RestraintText(model_.StructType, flags));
  ShowSupportFields();
}

void JointEditor::SpringChanged(int) {
  ShowSupportFields();
}

void JointEditor::ShowSupportFields() {
  bool restrained = false;
  std::vector<std::string> stiffnesses;
  for (const RestraintName& name : RestraintNames(model_.StructType)) {
    const bool held = dialog_.Check[static_cast<std::size_t>(name.Check)].Checked;
    EntrySpring& spring = dialog_.Spring[static_cast<std::size_t>(name.Check)];
    // Freeing a coordinate drops its spring; clearing a spring drops its stiffness.
    spring.Visible = held;
    spring.Checked = spring.Checked && held;
    spring.Stiffness.Visible = spring.Checked;
    if (!spring.Checked) spring.Stiffness.Text.clear();
    stiffnesses.push_back(spring.Stiffness.Text);
    restrained = restrained || held;
  }
  grid_.SetText(currentItem_, SpringColumn(), SpringText(model_.StructType, stiffnesses));
  if (!SupportsTurn()) return;
  // A joint that is no support has no angle.
  dialog_.Text[kAngleField].ReadOnly = !restrained;
  if (!restrained) SetField(kAngleField, "");
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

  CommitSupports();
}

void JointEditor::CommitSupports() {
  std::vector<std::vector<int>> supports;
  struct Spring {
    int Joint, Coordinate;
    float Stiffness;
  };
  std::vector<Spring> springs;
  std::vector<std::pair<int, float>> angles;
  for (int j = 1; j <= model_.JointCount; ++j) {
    std::vector<int> flags = RestraintFlags(model_.StructType, grid_.Text(j, RestraintColumn()));
    const std::vector<std::string> stiffnesses =
        SpringStiffnesses(model_.StructType, grid_.Text(j, SpringColumn()));
    bool restrained = false;
    for (std::size_t k = 0; k < flags.size(); ++k) {
      restrained = restrained || flags[k] == 1;
      if (flags[k] == 1 && !stiffnesses[k].empty())
        springs.push_back({j, static_cast<int>(k) + 1, CellSingle(stiffnesses[k])});
    }
    if (!restrained) continue;
    if (SupportsTurn() && !grid_.Text(j, AngleColumn()).empty())
      angles.emplace_back(j, CellSingle(grid_.Text(j, AngleColumn())));
    flags.insert(flags.begin(), j);
    supports.push_back(flags);
  }
  model_.SupportCount = static_cast<std::int16_t>(supports.size());
  model_.Supports.Redim(model_.SupportCount, model_.CoordsPerJoint + 1);
  for (int s = 1; s <= model_.SupportCount; ++s)
    for (int col = 1; col <= model_.CoordsPerJoint + 1; ++col)
      model_.Supports(s, col) = static_cast<std::int16_t>(
          supports[static_cast<std::size_t>(s - 1)][static_cast<std::size_t>(col - 1)]);
  model_.SpringCount = static_cast<std::int16_t>(springs.size());
  model_.SpringCoords.Redim(model_.SpringCount, 2);
  model_.SpringStiffness.Redim(model_.SpringCount);
  for (int r = 1; r <= model_.SpringCount; ++r) {
    const Spring& spring = springs[static_cast<std::size_t>(r - 1)];
    model_.SpringCoords(r, 1) = static_cast<std::int16_t>(spring.Joint);
    model_.SpringCoords(r, 2) = static_cast<std::int16_t>(spring.Coordinate);
    model_.SpringStiffness(r) = spring.Stiffness;
  }
  model_.SupportAngleCount = static_cast<std::int16_t>(angles.size());
  model_.SupportAngleJoints.Redim(model_.SupportAngleCount);
  model_.SupportAngleValues.Redim(model_.SupportAngleCount);
  for (int r = 1; r <= model_.SupportAngleCount; ++r) {
    model_.SupportAngleJoints(r) =
        static_cast<std::int16_t>(angles[static_cast<std::size_t>(r - 1)].first);
    model_.SupportAngleValues(r) = angles[static_cast<std::size_t>(r - 1)].second;
  }
}

}  // namespace stavelorn
