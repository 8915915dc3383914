#include "editors/ListEditor.h"

#include <algorithm>
#include <utility>

#include "ui/RoutineQuestions.h"

namespace stavelorn {

ListEditor::ListEditor(ModelStore& model, Messages& messages)
    : model_(model), messages_(messages) {}

namespace {
constexpr int kTwoLineHeading = 500;  // twips
}  // namespace

void ListEditor::Open() {
  DoOpen();
  history_.Reset(Copy());
}

void ListEditor::DoOpen() {
  mode_ = EditMode::None;
  window_.Label1 = model_.ProjectTitle;
  BuildGrid();
  // A heading with its unit may take a second line.
  if (model_.Units.Named) grid_.SetRowHeight(0, std::max(grid_.RowHeight(0), kTwoLineHeading));
  grid_.SetTopRow(1);
  itemCount_ = StoredCount();
  if (itemCount_ >= 1) {
    grid_.SetRows(itemCount_ + 1);
    SizeGrid();
    window_.EditVisible = window_.InsertVisible = true;
    for (int item = 1; item <= itemCount_; ++item) {
      grid_.SetText(item, 0, std::to_string(item));
      FillRow(item);
    }
  } else {
    grid_.SetRows(2);
    SizeGrid();
    window_.EditVisible = window_.InsertVisible = false;
  }
  // Items that other data refer to by number must keep their numbers.
  if (Referenced()) window_.DeleteVisible = window_.InsertVisible = false;
}

void ListEditor::BuildGrid() {
  ColumnTable table = Columns();
  columns_ = std::move(table.Columns);
  grid_.SetCols(static_cast<int>(columns_.size()));
  grid_.SetRowHeight(0, table.HeadingHeight);
  for (std::size_t col = 0; col < columns_.size(); ++col) {
    grid_.SetColWidth(static_cast<int>(col), columns_[col].Width);
    grid_.SetText(0, static_cast<int>(col), columns_[col].Heading);
  }
}

void ListEditor::LoadFields() {
  const bool fresh = mode_ != EditMode::Edit;
  for (std::size_t col = 0; col < columns_.size(); ++col)
    if (columns_[col].Field > 0)
      SetField(columns_[col].Field, fresh ? "" : grid_.Text(currentItem_, static_cast<int>(col)));
  // A new item's fields are emptied first, so that a start it shares with the last item is
  // written to its row too.
  if (fresh)
    for (const GridColumn& column : columns_)
      if (!column.NewItemText.empty()) SetField(column.Field, column.NewItemText);
}

void ListEditor::FieldChanged(int field) {
  for (std::size_t col = 0; col < columns_.size(); ++col)
    if (columns_[col].Field == field)
      grid_.SetText(currentItem_, static_cast<int>(col),
                    dialog_.Text[static_cast<std::size_t>(field)].Text);
}

void ListEditor::Shown() {
  if (itemCount_ < 1) Add();
}

void ListEditor::DoAdd() {
  mode_ = EditMode::Add;
  ++itemCount_;
  currentItem_ = itemCount_;
  if (itemCount_ >= 2) {  // the first item takes the blank row every grid keeps
    grid_.AddRow();
    SizeGrid();
  }
  SelectRow(currentItem_);
  ScrollToCurrent();
  // The buttons are set before the dialog opens, so that the steps it records carry them.
  window_.EditVisible = window_.InsertVisible = true;
  if (Referenced()) window_.InsertVisible = false;
  ShowDialog();
}

ListEditor::Prompt ListEditor::InsertPrompt(int row) const {
  const PromptWords words = Words();
  return {"Insert " + words.Title, "Insert " + words.InsertAfter + " " + ItemName(row) +
                                       " ?\n\nNote: The following " + words.InsertRenumbered +
                                       " will be renumbered."};
}

ListEditor::Prompt ListEditor::EditPrompt(int row) const {
  const PromptWords words = Words();
  return {"Edit " + words.Title, "Edit " + words.EditOne + " " + ItemName(row) + " ?"};
}

ListEditor::Prompt ListEditor::DeletePrompt(int first, int last) const {
  const PromptWords words = Words();
  std::string text = first == last ? "Delete " + words.DeleteOne + " " + ItemName(first) + " ?"
                                   : "Delete " + words.DeleteRange + " " + ItemName(first) +
                                         " thru " + ItemName(last) + words.RangeEnd;
  if (!words.DeleteRenumbered.empty())
    text += "\n\nNote: The following " + words.DeleteRenumbered + " will be renumbered.";
  return {"Delete " + words.DeleteTitle, text};
}

void ListEditor::DoInsert() {
  mode_ = EditMode::Insert;
  TakeSelection();
  selLastRow_ = selFirstRow_;
  if (selFirstRow_ < 1 || selFirstRow_ > itemCount_) return;
  Prompt prompt = InsertPrompt(selFirstRow_);
  if (messages_.AskOkCancel(prompt.Title, prompt.Text) != kAnswerOk) return;
  ++itemCount_;
  currentItem_ = selFirstRow_ + 1;
  grid_.InsertRow(currentItem_);
  SelectRow(currentItem_);
  SizeGrid();
  ScrollToCurrent();
  Renumber(currentItem_, itemCount_);
  ShowDialog();
}

void ListEditor::DoEdit() {
  mode_ = EditMode::Edit;
  TakeSelection();
  // Every item deleted leaves only the blank row, which is no item to edit.
  if (selFirstRow_ < 1 || selFirstRow_ > itemCount_) return;
  Prompt prompt = EditPrompt(selFirstRow_);
  if (messages_.AskRoutine(RoutineQuestion::EditListItem, prompt.Title, prompt.Text) != kAnswerOk)
    return;
  currentItem_ = selFirstRow_;
  ScrollToCurrent();
  ShowDialog();
}

void ListEditor::DoDelete() {
  mode_ = EditMode::Delete;
  TakeSelection();
  Prompt prompt = DeletePrompt(selFirstRow_, selLastRow_);
  if (messages_.AskOkCancel(prompt.Title, prompt.Text) != kAnswerOk) return;
  const int first = std::min(selFirstRow_, selLastRow_);
  const int last = std::max(selFirstRow_, selLastRow_);
  for (int row = first; row <= last; ++row) {
    // The grid keeps one data row, so the last one left is blanked instead of removed.
    if (grid_.Rows() > 2)
      grid_.RemoveRow(first);
    else
      grid_.BlankRow(1);
    // The blank row of an empty list is not an item: deleting it leaves the count at 0.
    itemCount_ = std::max(itemCount_ - 1, 0);
  }
  SizeGrid();
  SelectRow(std::min(first, grid_.Rows() - 1));
  if (itemCount_ == 0) {
    // As an empty list opens: nothing to edit and nothing to insert after.
    window_.EditVisible = window_.InsertVisible = false;
    return;
  }
  Renumber(first, itemCount_);
}

void ListEditor::TypeField(int field, const std::string& text) {
  EntryField& box = dialog_.Text.at(static_cast<std::size_t>(field));
  if (box.Text == text) return;
  box.Text = text;
  FieldChanged(field);
}

void ListEditor::ClickCheck(int check, bool checked) {
  dialog_.Check.at(static_cast<std::size_t>(check)).Checked = checked;
  CheckChanged(check);
}

void ListEditor::Choose(int option) {
  EntryChoice& choice = dialog_.Choice;
  if (option < 0 || option >= static_cast<int>(choice.Options.size()) || option == choice.Selected)
    return;
  choice.Selected = option;
  ChoiceChanged();
}

bool ListEditor::DoNext() {
  if (!FieldsAccepted()) return false;
  if (windows_) windows_->RefreshPreview();
  if (mode_ == EditMode::Add || mode_ == EditMode::Insert) {
    ++itemCount_;
    if (mode_ == EditMode::Add) {
      grid_.AddRow();
      currentItem_ = itemCount_;
    } else {
      ++currentItem_;
      grid_.InsertRow(currentItem_);
      Renumber(currentItem_, itemCount_);
    }
  } else if (currentItem_ < itemCount_) {
    ++currentItem_;
  }
  SizeGrid();
  SelectRow(currentItem_);
  ScrollToCurrent();
  LoadDialog();
  return true;
}

void ListEditor::DoOk() {
  if (FieldsAccepted()) dialog_.Open = false;
}

bool ListEditor::FieldsAccepted() {
  // The text fields in order, then the stiffnesses of the springs ticked.
  std::vector<std::pair<int, const EntryField*>> boxes;
  for (int field = 1; field <= EntryForm::kFields; ++field)
    boxes.emplace_back(field, &dialog_.Text[static_cast<std::size_t>(field)]);
  for (int check = 1; check <= EntryForm::kChecks; ++check)
    boxes.emplace_back(-check, &dialog_.Spring[static_cast<std::size_t>(check)].Stiffness);
  dialog_.FocusSpring = 0;
  for (const auto& [number, box] : boxes) {
    if (!box->Visible || box->ReadOnly) continue;
    const std::string problem = FieldProblem(box->Label, box->Text, box->Rule);
    if (problem.empty()) continue;
    // The item stays in the dialog as typed, with the refused field ready to be corrected.
    messages_.ShowStop(kFieldErrorTitle, problem);
    if (number > 0) dialog_.FocusField = number;
    dialog_.FocusSpring = std::max(-number, 0);
    return false;
  }
  return true;
}

void ListEditor::DoCancelEntry() {
  if (mode_ != EditMode::Add && mode_ != EditMode::Insert) return;
  if (itemCount_ == 1) {
    grid_.BlankRow(currentItem_);
    grid_.SetText(currentItem_, 0, "1");
  } else {
    --itemCount_;
    grid_.RemoveRow(currentItem_);
    currentItem_ = std::min(currentItem_, itemCount_);
    Renumber(currentItem_, itemCount_);
    SizeGrid();
  }
  SelectRow(currentItem_);
  dialog_.Open = false;
}

void ListEditor::Add() {
  StartEntry(&ListEditor::DoAdd);
}

void ListEditor::Insert() {
  StartEntry(&ListEditor::DoInsert);
}

void ListEditor::Edit() {
  StartEntry(&ListEditor::DoEdit);
}

void ListEditor::StartEntry(void (ListEditor::*command)()) {
  entryStart_ = Copy();
  (this->*command)();
}

void ListEditor::Delete() {
  DoDelete();
  RecordStep("Delete", Copy());
}

void ListEditor::Next() {
  // A new item typed straight into the grid has its row there already; the next one gets a
  // fresh row, which is no part of the step.
  const bool typedInGrid = NumberedRows() && mode_ != EditMode::Edit;
  WorkingCopy typed = typedInGrid ? Copy() : WorkingCopy{};
  if (!DoNext()) return;
  RecordStep(ModeName(), typedInGrid ? std::move(typed) : Copy());
  entryStart_ = Copy();
}

void ListEditor::Ok() {
  DoOk();
  if (!dialog_.Open) RecordStep(ModeName(), Copy());
}

void ListEditor::CancelEntry() {
  if (mode_ == EditMode::Edit) {
    // What was typed went into the grid as it was typed; it all goes back.
    Restore(entryStart_);
    mode_ = EditMode::Edit;
    dialog_.Open = false;
  } else {
    DoCancelEntry();
  }
}

void ListEditor::Undo() {
  if (CanUndo()) Restore(history_.Undo());
}

void ListEditor::Redo() {
  if (CanRedo()) Restore(history_.Redo());
}

ListEditor::WorkingCopy ListEditor::Copy() const {
  return {grid_, itemCount_, currentItem_, window_, SaveRows()};
}

void ListEditor::Restore(const WorkingCopy& copy) {
  itemCount_ = copy.ItemCount;
  currentItem_ = copy.CurrentItem;
  window_ = copy.Window;
  RestoreRows(copy.Rows);
  mode_ = EditMode::None;
  grid_.CopyContents(copy.Grid);
}

void ListEditor::RecordStep(const std::string& name, WorkingCopy copy) {
  const WorkingCopy& now = history_.Current();
  if (copy.ItemCount == now.ItemCount && copy.Grid.SameCells(now.Grid)) return;
  history_.Record(name, std::move(copy));
}

std::string ListEditor::ModeName() const {
  switch (mode_) {
    case EditMode::Add: return "Add";
    case EditMode::Insert: return "Insert";
    case EditMode::Edit: return "Edit";
    case EditMode::Delete: return "Delete";
    default: return "";
  }
}

void ListEditor::SizeGrid() {
  const int rows = grid_.Rows();
  const int shown = std::min(rows, 11);
  const int height = grid_.RowHeight(0) + (shown - 1) * grid_.RowHeight(1) + (shown + 1) * 30;
  int width = (grid_.Cols() + 1) * 28;
  for (int col = 0; col < grid_.Cols(); ++col) width += grid_.ColWidth(col);
  const bool scrollBar = rows > 11;
  if (scrollBar) width += 255;
  grid_.SetSize(width, height, scrollBar);
}

void ListEditor::ScrollToCurrent() {
  if (currentItem_ > 10) grid_.SetTopRow(currentItem_ - 9);
}

void ListEditor::SelectRow(int row) {
  grid_.Select(row, 1, row, grid_.Cols() - 1);
}

void ListEditor::Renumber(int from, int to) {
  if (!NumberedRows()) return;
  for (int row = std::max(from, 1); row <= to && row < grid_.Rows(); ++row)
    grid_.SetText(row, 0, std::to_string(row));
}

void ListEditor::SetField(int field, const std::string& text) {
  TypeField(field, text);
}

void ListEditor::SetCheck(int check, bool checked) {
  if (dialog_.Check.at(static_cast<std::size_t>(check)).Checked != checked)
    ClickCheck(check, checked);
}

void ListEditor::LoadDialog() {
  dialog_.FocusField = 2;
  SelectRow(currentItem_);
  if (NumberedRows()) {
    grid_.SetText(currentItem_, 0, std::to_string(currentItem_));
    SetField(1, std::to_string(currentItem_));
  }
  LoadFields();
}

void ListEditor::ShowDialog() {
  // A freshly loaded dialog starts from its design: empty fields, no box checked.
  dialog_ = EntryForm{};
  DescribeDialog(dialog_);
  dialog_.Open = true;
  LoadDialog();
  if (windows_) windows_->ShowEntryDialog();
}

void ListEditor::TakeSelection() {
  selFirstRow_ = grid_.Row();
  selLastRow_ = grid_.RowSel();
}

}  // namespace stavelorn
