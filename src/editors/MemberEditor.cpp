#include "editors/MemberEditor.h"

#include <vector>

#include "editors/CellValues.h"

namespace stavelorn {

std::string HingeText(int releaseCode) {
  switch (releaseCode) {
    case 1: return "Beginning";
    case 2: return "End";
    case 3: return "Both Ends";
    default: return "";
  }
}

int ReleaseCode(const std::string& hingeText) {
  for (int code = 1; code <= 3; ++code)
    if (hingeText == HingeText(code)) return code;
  return 0;
}

MemberEditor::MemberEditor(ModelStore& model, Messages& messages) : ListEditor(model, messages) {
  window_.Id = FormId::MemberA;
  window_.Caption = window_.Label2 = "Member Data";
  window_.AddCaption = "Add Members";
  window_.CloseCaption = "End Of Members Input. Close";
  window_.Preview = true;
}

bool MemberEditor::WithHinges() const {
  return !IsTruss(model_.StructType);
}

bool MemberEditor::Referenced() const {
  return model_.MemberLoadCount >= 1 || model_.TempChangeCount >= 1 || model_.FabErrorCount >= 1;
}

ListEditor::ColumnTable MemberEditor::Columns() const {
  // The hinges follow the check boxes.
  ColumnTable table{680,
                    {{"Member No.", 750, 0},
                     {"Beginning Joint", 950, 2},
                     {" End Joint", 630, 3},
                     {"Material No.", 800, 4},
                     {"Cross- Section No.", 775, 5}}};
  if (WithHinges()) table.Columns.push_back({"Hinge @", 1000, 0});
  if (WithRoll()) table.Columns.push_back({"Angle of Roll", 800, 6});
  return table;
}

void MemberEditor::FillRow(int item) {
  for (int col = 1; col <= 4; ++col)
    grid_.SetText(item, col, std::to_string(model_.MemberProps(item, col)));
  if (WithHinges())
    for (int r = 1; r <= model_.ReleaseCount; ++r)
      if (model_.Releases(r, 1) == item)
        grid_.SetText(item, kHingeColumn, HingeText(model_.Releases(r, 2)));
  if (WithRoll()) grid_.SetText(item, kRollColumn, CellText(model_.RollAngles(item)));
}

ListEditor::PromptWords MemberEditor::Words() const {
  return {"Members", "Members", "Member", "Member", "Members", "new members after Member",
          "members", "Members"};
}

void MemberEditor::DescribeDialog(EntryForm& dialog) const {
  dialog.Id = FormId::MemberB;
  dialog.Caption = "Input & Edit: Member Data";
  dialog.NextCaption = "Next Member";
  dialog.Text[1] = {"Member No. :", "", true, true, {}};
  // A member joins joints that exist, of a material and a cross-section that exist.
  dialog.Text[2] = {"Beginning Joint :", "", true, false, WholeRule(1, model_.JointCount)};
  dialog.Text[3] = {"End Joint :", "", true, false, WholeRule(1, model_.JointCount)};
  dialog.Text[4] = {"Material No. :", "", true, false, WholeRule(1, model_.MaterialCount)};
  dialog.Text[5] = {"Cross-Section No. :", "", true, false, WholeRule(1, model_.SectionCount)};
  dialog.Text[6] = {"Angle of Roll (Deg.) :", "", WithRoll(), false, NumberRule(false)};
  dialog.CheckGroup = "Member Releases :";
  dialog.Check[1] = {"Hinge @ Beginning", false, WithHinges()};
  dialog.Check[2] = {"Hinge @ End", false, WithHinges()};
}

void MemberEditor::LoadFields() {
  if (mode_ != EditMode::Edit) {
    for (int field = 2; field <= 6; ++field) SetField(field, "");
    // With a single set to choose from, the set is already chosen.
    if (model_.MaterialCount == 1) SetField(4, "1");
    if (model_.SectionCount == 1) SetField(5, "1");
    SetCheck(1, false);
    SetCheck(2, false);
    return;
  }
  ListEditor::LoadFields();
  const int code = WithHinges() ? ReleaseCode(grid_.Text(currentItem_, kHingeColumn)) : 0;
  SetCheck(1, code == 1 || code == 3);
  SetCheck(2, code == 2 || code == 3);
}

void MemberEditor::CheckChanged(int) {
  if (!WithHinges()) return;
  const bool begin = dialog_.Check[1].Checked;
  const bool end = dialog_.Check[2].Checked;
  grid_.SetText(currentItem_, kHingeColumn, HingeText((begin ? 1 : 0) + (end ? 2 : 0)));
}

void MemberEditor::Commit() {
  int count = itemCount_;
  // A single member without both of its joints is no member.
  if (count == 1 && (CellSingle(grid_.Text(1, 1)) == 0 || CellSingle(grid_.Text(1, 2)) == 0))
    count = 0;
  model_.MemberCount = static_cast<std::int16_t>(count);
  model_.ReleaseCount = 0;  // a hinge belongs to a member: none is kept past the list
  if (count == 0) return;
  model_.MemberProps.Redim(count, 4);
  for (int m = 1; m <= count; ++m)
    for (int col = 1; col <= 4; ++col) model_.MemberProps(m, col) = CellInteger(grid_.Text(m, col));

  if (WithHinges()) {
    std::vector<std::pair<int, int>> releases;
    for (int m = 1; m <= count; ++m)
      if (int code = ReleaseCode(grid_.Text(m, kHingeColumn))) releases.emplace_back(m, code);
    model_.ReleaseCount = static_cast<std::int16_t>(releases.size());
    if (!releases.empty()) {
      model_.Releases.Redim(model_.ReleaseCount, 2);
      for (int r = 1; r <= model_.ReleaseCount; ++r) {
        model_.Releases(r, 1) =
            static_cast<std::int16_t>(releases[static_cast<std::size_t>(r - 1)].first);
        model_.Releases(r, 2) =
            static_cast<std::int16_t>(releases[static_cast<std::size_t>(r - 1)].second);
      }
    }
  }
  if (WithRoll()) {
    model_.RollAngles.Redim(count);
    for (int m = 1; m <= count; ++m) model_.RollAngles(m) = CellSingle(grid_.Text(m, kRollColumn));
  }
}

}  // namespace stavelorn
