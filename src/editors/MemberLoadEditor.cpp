#include "editors/MemberLoadEditor.h"

#include "editors/FieldRules.h"

#include <algorithm>

#include "analysis/ModelCheck.h"
#include "editors/CellValues.h"
#include "model/LoadSymbols.h"
#include "model/ModelQuantities.h"
#include "model/NumberText.h"

namespace stavelorn {

namespace {

// The dialog's fields: Text1 the member, Text2..Text5 the four stored values.
constexpr int kFirstValueField = 2;

constexpr const char* kNote =
    "Choose the kind of load, then its values. Loads act in the member's local axes; ";

std::size_t Index(int row) {
  return static_cast<std::size_t>(row - 1);
}

}  // namespace

MemberLoadEditor::MemberLoadEditor(ModelStore& model, Messages& messages)
    : KeyedListEditor(model, messages), kinds_(AcceptedLoadKinds(model.Kind())) {
  window_.Id = FormId::MemLoadA;
  window_.Caption = window_.Label2 = "Member Loads";
  window_.AddCaption = "Add Loads";
  window_.CloseCaption = "End Of Loads Input. Close";
  window_.Preview = true;
}

const MemberLoadRow* MemberLoadEditor::RowLoad(int row) const {
  return row >= 1 && row <= static_cast<int>(loads_.size()) ? &loads_[Index(row)] : nullptr;
}

void MemberLoadEditor::DoOpen() {
  loads_.clear();
  KeyedListEditor::DoOpen();
}

ListEditor::ColumnTable MemberLoadEditor::Columns() const {
  // Rows of every kind share the column, so each row names its values with their own units and
  // the heading names none. The values reach the row through the loads kept beside the grid.
  return {500, {{" Member ", 800, 1}, {"Load Values", 5200, 0}}};
}

void MemberLoadEditor::FillRow(int item) {
  MemberLoadRow load;
  const int code = model_.MemberLoadInfo(item, 2);
  for (int k = 1; k <= 4; ++k) load.Values[Index(k)] = model_.MemberLoadValues(item, k);
  // A code outside the table (from a hand-edited file) is kept as it is, for the checks to name.
  load.Kind = static_cast<MemberLoadKind>(code);
  grid_.SetText(item, 0, std::to_string(model_.MemberLoadInfo(item, 1)));
  loads_.resize(static_cast<std::size_t>(item));
  loads_.back() = load;
  ShowRow(item);
}

void MemberLoadEditor::ShowRow(int row) {
  const MemberLoadRow& load = loads_.at(Index(row));
  const MemberLoadKindInfo* kind = FindMemberLoadKind(static_cast<int>(load.Kind));
  grid_.SetText(row, 1,
                kind ? MemberLoadValuesText(*kind, load.Values, model_.Units)
                     : "Type " + std::to_string(static_cast<int>(load.Kind)));
}

ListEditor::PromptWords MemberLoadEditor::Words() const {
  return {"Loads", "Loads", "Load on Member", "load on Member", "loads on Members"};
}

void MemberLoadEditor::DescribeDialog(EntryForm& dialog) const {
  dialog.Id = FormId::MemLoadB;
  dialog.Caption = "Input & Edit: Member Loads";
  dialog.NextCaption = "Next Member";
  dialog.Text[1] = {"Member No.:", "", true, false, {}};
  dialog.Choice.Label = "Kind of load :";
  dialog.Choice.Visible = true;
  for (const MemberLoadKindInfo* kind : kinds_) dialog.Choice.Options.emplace_back(kind->LongName);
  // A new load starts as the uniform load the list has always taken.
  const auto uniform = std::find_if(kinds_.begin(), kinds_.end(), [](const auto* kind) {
    return kind->Kind == MemberLoadKind::Uniform;
  });
  dialog.Choice.Selected = uniform == kinds_.end() ? 0 : static_cast<int>(uniform - kinds_.begin());
  dialog.NoteField = kFirstValueField;
  if (!kinds_.empty())
    ShowKind(dialog, *kinds_[static_cast<std::size_t>(dialog.Choice.Selected)], model_.Units);
}

void MemberLoadEditor::ShowKind(EntryForm& dialog, const MemberLoadKindInfo& kind,
                                const UnitSystem& units) {
  for (int k = 0; k < 4; ++k) {
    EntryField& field = dialog.Text[static_cast<std::size_t>(kFirstValueField + k)];
    field.Label = LoadFieldLabel(kind, k);
    field.Visible = !field.Label.empty();
    // Every value the kind uses is a number; the magnitudes are what the load is, so they may
    // not be left empty, while an empty distance means the load starts (or ends) at the joint.
    field.Rule = NumberRule(k < 2);
  }
  // The uniform load keeps the caption its field has always had.
  if (kind.Kind == MemberLoadKind::Uniform)
    dialog.Text[kFirstValueField].Label = "Load Intensity - w :";
  for (int k = 0; k < 4; ++k) {
    EntryField& field = dialog.Text[static_cast<std::size_t>(kFirstValueField + k)];
    if (field.Visible) field.Label = WithUnit(field.Label, units, LoadValueQuantity(kind, k + 1));
  }
  dialog.Note = LoadSignNote(kind) + "\n" + kNote + LoadDistanceNote(kind);
}

const MemberLoadKindInfo& MemberLoadEditor::ChosenKind() const {
  // Trusses carry no member loads and never open this window; the uniform load stands in.
  if (kinds_.empty()) return InfoOf(MemberLoadKind::Uniform);
  return *kinds_.at(static_cast<std::size_t>(dialog_.Choice.Selected));
}

void MemberLoadEditor::LoadFields() {
  const bool fresh = mode_ != EditMode::Edit;
  // A load belongs to a member of the model; any other number is refused, never dropped.
  dialog_.Text[1].Rule = WholeRule(1, KeyLimit());
  loading_ = true;
  SetField(1, fresh ? "" : grid_.Text(currentItem_, 0));
  if (!fresh) {
    const MemberLoadRow& load = loads_.at(Index(currentItem_));
    const auto found = std::find_if(kinds_.begin(), kinds_.end(),
                                    [&](const auto* kind) { return kind->Kind == load.Kind; });
    if (found != kinds_.end()) dialog_.Choice.Selected = static_cast<int>(found - kinds_.begin());
  }
  if (!kinds_.empty()) ShowKind(dialog_, ChosenKind(), model_.Units);
  for (int k = 0; k < 4; ++k) {
    const bool used = dialog_.Text[static_cast<std::size_t>(kFirstValueField + k)].Visible;
    const float value = fresh ? 0 : loads_.at(Index(currentItem_)).Values[Index(k + 1)];
    SetField(kFirstValueField + k, fresh || !used ? "" : CellText(value));
  }
  loading_ = false;
  dialog_.FocusField = fresh ? 1 : 2;
}

MemberLoadRow MemberLoadEditor::Typed() const {
  MemberLoadRow load;
  const MemberLoadKindInfo& kind = ChosenKind();
  load.Kind = kind.Kind;
  // A hidden field stores 0: the file keeps four values for every kind.
  for (int k = 0; k < 4; ++k) {
    const EntryField& field = dialog_.Text[static_cast<std::size_t>(kFirstValueField + k)];
    load.Values[Index(k + 1)] = field.Visible ? CellSingle(field.Text) : 0.0f;
  }
  return load;
}

void MemberLoadEditor::FieldChanged(int field) {
  // Only a load being edited has a row; a new one is written when it is confirmed.
  if (loading_ || mode_ != EditMode::Edit) return;
  if (field == 1) {
    grid_.SetText(currentItem_, 0, dialog_.Text[1].Text);
    return;
  }
  loads_.at(Index(currentItem_)) = Typed();
  ShowRow(currentItem_);
}

void MemberLoadEditor::ChoiceChanged() {
  ShowKind(dialog_, ChosenKind(), model_.Units);
  // Values the new kind does not use are cleared, so none is stored unseen.
  for (int k = 0; k < 4; ++k)
    if (!dialog_.Text[static_cast<std::size_t>(kFirstValueField + k)].Visible)
      SetField(kFirstValueField + k, "");
  if (mode_ == EditMode::Edit) {
    loads_.at(Index(currentItem_)) = Typed();
    ShowRow(currentItem_);
  }
}

bool MemberLoadEditor::TypedLoadAccepted() {
  // The fields' own rules first (numbers, a member of the model), then the load as a whole.
  if (!FieldsAccepted()) return false;
  // An edited row is checked as it stands: a kind the type does not offer (from a hand-edited
  // file) is left to the analysis's checks until the user picks another.
  const MemberLoadRow load = mode_ == EditMode::Edit ? loads_.at(Index(currentItem_)) : Typed();
  const MemberLoadKindInfo* kind = FindMemberLoadKind(static_cast<int>(load.Kind));
  if (!kind || !TypeAcceptsLoad(model_.Kind(), *kind)) return true;
  // The member as Close will store it: the number in the list, rounded.
  const int member = CellInteger(mode_ == EditMode::Edit ? grid_.Text(currentItem_, 0) : KeyText());
  const std::string problem =
      MemberLoadProblem(*kind, load.Values, CheckedMemberLength(model_, member));
  if (problem.empty()) return true;
  messages_.ShowStop("Member Load Error", problem);
  return false;
}

bool MemberLoadEditor::DoNext() {
  if (mode_ == EditMode::Add || mode_ == EditMode::Edit)
    if (!TypedLoadAccepted()) return false;
  const int before = itemCount_;
  const MemberLoadRow typed = kinds_.empty() ? MemberLoadRow{} : Typed();
  const bool taken = KeyedListEditor::DoNext();
  if (itemCount_ > before) {
    loads_.insert(loads_.begin() + (currentItem_ - 1), typed);
    ShowRow(currentItem_);
    if (windows_) windows_->RefreshPreview();
  }
  // The next new load keeps the kind just used; its values start empty.
  if (mode_ == EditMode::Add)
    for (int k = 0; k < 4; ++k) SetField(kFirstValueField + k, "");
  return taken;
}

void MemberLoadEditor::RestoreRows(const std::any& rows) {
  loads_ = std::any_cast<const std::vector<MemberLoadRow>&>(rows);
}

void MemberLoadEditor::DoOk() {
  if ((mode_ == EditMode::Add || mode_ == EditMode::Edit) && !TypedLoadAccepted()) return;
  const int before = itemCount_;
  const MemberLoadRow typed = kinds_.empty() ? MemberLoadRow{} : Typed();
  KeyedListEditor::DoOk();
  if (itemCount_ > before) {
    loads_.insert(loads_.begin() + (currentItem_ - 1), typed);
    ShowRow(currentItem_);
  }
}

void MemberLoadEditor::DoDelete() {
  const int first = std::min(grid_.Row(), grid_.RowSel()),
            last = std::max(grid_.Row(), grid_.RowSel());
  const int before = itemCount_;
  KeyedListEditor::DoDelete();
  if (itemCount_ == before) return;  // called off
  const auto end = std::min(static_cast<std::size_t>(last), loads_.size());
  if (static_cast<std::size_t>(first - 1) < end)
    loads_.erase(loads_.begin() + (first - 1), loads_.begin() + static_cast<std::ptrdiff_t>(end));
}

KeyedListEditor::Placement MemberLoadEditor::Place(double key) {
  // Before the first row of the same or a higher member: the newest load of a member first.
  for (int row = 1; row <= itemCount_; ++row)
    if (Key(row) >= key) return {row, false};
  return {itemCount_ + 1, false};
}

void MemberLoadEditor::Commit() {
  struct Record {
    std::int16_t Member;
    MemberLoadRow Load;
  };
  std::vector<Record> records;
  for (int row = 1; row <= itemCount_ && row <= static_cast<int>(loads_.size()); ++row)
    records.push_back({CellInteger(grid_.Text(row, 0)), loads_[Index(row)]});
  const int count = static_cast<int>(records.size());
  model_.MemberLoadCount = static_cast<std::int16_t>(count);
  if (count < 1) return;
  model_.MemberLoadInfo.Redim(count, 2);
  model_.MemberLoadValues.Redim(count, 4);
  for (int i = 1; i <= count; ++i) {
    const Record& r = records[Index(i)];
    model_.MemberLoadInfo(i, 1) = r.Member;
    model_.MemberLoadInfo(i, 2) = static_cast<std::int16_t>(r.Load.Kind);
    for (int k = 1; k <= 4; ++k) model_.MemberLoadValues(i, k) = r.Load.Values[Index(k)];
  }
}

}  // namespace stavelorn
