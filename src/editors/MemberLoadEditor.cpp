#include "editors/MemberLoadEditor.h"

#include <algorithm>

#include "editors/CellValues.h"
#include "model/MemberLoadKind.h"

namespace stavelorn {

bool WholeSpanUniform(std::int16_t type, float a, float b, float c) {
  return type == static_cast<int>(MemberLoadKind::Uniform) && a == 0 && b == 0 && c == 0;
}

std::string MemberLoadKindText(std::int16_t type) {
  static const char* const names[] = {"Conc.",    "Moment",   "Uniform", "Linear",
                                      "Axial W",  "Axial w",  "Torque",  "Conc.-z",
                                      "Moment-y", "Unifr.-y", "Linear-y"};
  if (type < 1 || type > 11) return "Type " + std::to_string(type);
  return std::string(names[type - 1]) + ", type " + std::to_string(type);
}

MemberLoadEditor::MemberLoadEditor(ModelStore& model, Messages& messages)
    : KeyedListEditor(model, messages) {
  window_.Id = FormId::MemLoadA;
  window_.Caption = window_.Label2 = "Member Loads";
  window_.AddCaption = "Add Loads";
  window_.CloseCaption = "End Of Loads Input. Close";
  window_.Preview = true;
}

bool MemberLoadEditor::KeptRow(int row) const {
  return row >= 1 && row <= static_cast<int>(kept_.size()) &&
         kept_[static_cast<std::size_t>(row - 1)].has_value();
}

void MemberLoadEditor::Shown() {
  const auto kept =
      std::count_if(kept_.begin(), kept_.end(), [](const auto& r) { return r.has_value(); });
  if (kept > 0)
    messages_.ShowInformation(
        "Member Loads",
        std::to_string(kept) +
            (kept == 1 ? " load of this project is" : " loads of this project are") +
            " not a uniform load over a whole member. The list names each by its kind; it cannot "
            "be edited "
            "here, but it can be deleted, and End Of Loads Input stores it unchanged.");
  KeyedListEditor::Shown();
}

void MemberLoadEditor::BuildGrid() {
  grid_.SetCols(2);
  grid_.SetColWidth(0, 800);
  grid_.SetColWidth(1, 1600);
  grid_.SetRowHeight(0, 500);
  grid_.SetText(0, 0, " Member ");
  grid_.SetText(0, 1, "Load Intensity (w)");
  kept_.clear();
}

void MemberLoadEditor::FillRow(int item) {
  Record r;
  r.Member = model_.MemberLoadInfo(item, 1);
  r.Type = model_.MemberLoadInfo(item, 2);
  for (int k = 1; k <= 4; ++k)
    r.Values[static_cast<std::size_t>(k - 1)] = model_.MemberLoadValues(item, k);
  grid_.SetText(item, 0, std::to_string(r.Member));
  const bool shown = WholeSpanUniform(r.Type, r.Values[1], r.Values[2], r.Values[3]);
  grid_.SetText(item, 1, shown ? CellText(r.Values[0]) : MemberLoadKindText(r.Type));
  kept_.resize(static_cast<std::size_t>(item));
  if (!shown) kept_.back() = r;
}

ListEditor::Prompt MemberLoadEditor::EditPrompt(int row) const {
  return {"Edit Loads", "Edit Load on Member " + KeyName(row) + " ?"};
}

ListEditor::Prompt MemberLoadEditor::DeletePrompt(int first, int last) const {
  return {"Delete Loads", first == last ? "Delete load on Member " + KeyName(first) + " ?"
                                        : "Delete loads on Members " + KeyName(first) + " thru " +
                                              KeyName(last) + " ?"};
}

void MemberLoadEditor::DescribeDialog(EntryForm& dialog) const {
  dialog.Id = FormId::MemLoadB;
  dialog.Caption = "Input & Edit: Member Loads";
  dialog.NextCaption = "Next Member";
  dialog.Text[1] = {"Member No.:", "", true, false};
  dialog.Text[2] = {"Load Intensity - w :", "", true, false};
  dialog.Note =
      "Note: Only uniformly distributed loads over the entire member lengths are considered. "
      "Member loads are "
      "defined in the local coordinate system, with the load intensity w considered to be positive "
      "when in the "
      "direction opposite to the local y-axis.";
  dialog.NoteField = 2;
}

void MemberLoadEditor::LoadFields() {
  KeyedListEditor::LoadFields();
  // A kept record is shown but cannot be changed.
  const bool locked = mode_ == EditMode::Edit && KeptRow(currentItem_);
  dialog_.Text[1].ReadOnly = dialog_.Text[2].ReadOnly = locked;
}

void MemberLoadEditor::FieldChanged(int field) {
  if (mode_ == EditMode::Edit && KeptRow(currentItem_)) {
    dialog_.Text[static_cast<std::size_t>(field)].Text = grid_.Text(currentItem_, field - 1);
    return;
  }
  KeyedListEditor::FieldChanged(field);
}

void MemberLoadEditor::Delete() {
  const int first = std::min(grid_.Row(), grid_.RowSel()),
            last = std::max(grid_.Row(), grid_.RowSel());
  const int before = itemCount_;
  KeyedListEditor::Delete();
  if (itemCount_ == before) return;  // called off
  const auto end = std::min(static_cast<std::size_t>(last), kept_.size());
  if (static_cast<std::size_t>(first - 1) < end)
    kept_.erase(kept_.begin() + (first - 1), kept_.begin() + static_cast<std::ptrdiff_t>(end));
}

void MemberLoadEditor::Next() {
  const int before = itemCount_;
  KeyedListEditor::Next();
  // A stored item is a shown one: its row has no kept record.
  if (itemCount_ > before) kept_.insert(kept_.begin() + (currentItem_ - 1), std::nullopt);
}

void MemberLoadEditor::Ok() {
  const int before = itemCount_;
  KeyedListEditor::Ok();
  if (itemCount_ > before) kept_.insert(kept_.begin() + (currentItem_ - 1), std::nullopt);
}

KeyedListEditor::Placement MemberLoadEditor::Place(double key) {
  // Before the first row of the same or a higher member: the newest load of a member first.
  for (int row = 1; row <= itemCount_; ++row)
    if (Key(row) >= key) return {row, false};
  return {itemCount_ + 1, false};
}

void MemberLoadEditor::Commit() {
  std::vector<Record> records;
  for (int row = 1; row <= itemCount_; ++row) {
    if (KeptRow(row)) {
      records.push_back(*kept_[static_cast<std::size_t>(row - 1)]);
      continue;
    }
    // A row left blank holds no load.
    if (grid_.Text(row, 0).empty() && grid_.Text(row, 1).empty()) continue;
    Record r;
    r.Member = CellInteger(grid_.Text(row, 0));
    r.Type = 3;
    r.Values[0] = CellSingle(grid_.Text(row, 1));
    records.push_back(r);
  }
  const int count = static_cast<int>(records.size());
  model_.MemberLoadCount = static_cast<std::int16_t>(count);
  if (count < 1) return;
  model_.MemberLoadInfo.Redim(count, 2);
  model_.MemberLoadValues.Redim(count, 4);
  for (int i = 1; i <= count; ++i) {
    const Record& r = records[static_cast<std::size_t>(i - 1)];
    model_.MemberLoadInfo(i, 1) = r.Member;
    model_.MemberLoadInfo(i, 2) = r.Type;
    for (int k = 1; k <= 4; ++k)
      model_.MemberLoadValues(i, k) = r.Values[static_cast<std::size_t>(k - 1)];
  }
}

}  // namespace stavelorn
