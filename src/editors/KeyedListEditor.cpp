#include "editors/KeyedListEditor.h"

#include <cmath>

#include "editors/CellValues.h"
#include "model/NumberText.h"

namespace stavelorn {

void KeyedListEditor::DoOpen() {
  ListEditor::DoOpen();
  window_.InsertVisible = false;
}

void KeyedListEditor::DoAdd() {
  mode_ = EditMode::Add;
  // The new item has no row until it is confirmed; the last one stays in view meanwhile.
  currentItem_ = itemCount_;
  ScrollToCurrent();
  ShowDialog();
}

bool KeyedListEditor::DoNext() {
  if (mode_ != EditMode::Add) return ListEditor::DoNext();
  if (!FieldsAccepted()) return false;
  const bool stored = StoreTyped();
  if (!stored && KeepsRefusedItem()) return false;
  ClearFields();
  if (windows_) windows_->RefreshPreview();
  return stored;
}

void KeyedListEditor::DoOk() {
  if (mode_ != EditMode::Add) {
    ListEditor::DoOk();
    return;
  }
  if (!FieldsAccepted()) return;
  if (!StoreTyped() && KeepsRefusedItem()) return;
  dialog_.Open = false;
}

void KeyedListEditor::DoCancelEntry() {
  if (mode_ != EditMode::Add) return;
  // Nothing typed has reached the grid, so there is nothing to take back.
  if (currentItem_ > 0) {
    SelectRow(currentItem_);
    ScrollToCurrent();
  }
  dialog_.Open = false;
}

std::string KeyedListEditor::KeyText() const {
  return CellText(static_cast<float>(FieldNumber(dialog_.Text[1].Text).value_or(0)));
}

void KeyedListEditor::LoadFields() {
  // An item belongs to a joint or member that exists; any other number is refused, never
  // dropped or moved.
  dialog_.Text[1].Rule = WholeRule(1, KeyLimit());
  ListEditor::LoadFields();
  dialog_.FocusField = mode_ == EditMode::Edit ? 2 : 1;
}

void KeyedListEditor::FieldChanged(int field) {
  // Only an item being edited has a row; a new one is written when it is confirmed.
  if (mode_ == EditMode::Edit) ListEditor::FieldChanged(field);
}

double KeyedListEditor::Key(int row) const {
  return LeadingNumber(grid_.Text(row, 0));
}

std::string KeyedListEditor::ItemName(int row) const {
  return std::to_string(CellInteger(grid_.Text(row, 0)));
}

bool KeyedListEditor::StoreTyped() {
  const double key = FieldNumber(dialog_.Text[1].Text).value_or(0);
  const Placement place = Place(key);
  if (place.Duplicate) return false;
  // An empty list keeps one blank row, which the first item takes.
  if (itemCount_ > 0) grid_.InsertRow(place.Row);
  ++itemCount_;
  // Set here, not when the dialog closes, so that the step Next records carries them.
  window_.EditVisible = window_.DeleteVisible = true;
  SizeGrid();
  grid_.SetText(place.Row, 0, KeyText());
  for (int field = 2; field <= ValueFields() + 1; ++field)
    grid_.SetText(place.Row, field - 1, dialog_.Text[static_cast<std::size_t>(field)].Text);
  currentItem_ = place.Row;
  SelectRow(currentItem_);
  ScrollToCurrent();
  return true;
}

void KeyedListEditor::ClearFields() {
  for (int field = 1; field <= ValueFields() + 1; ++field) SetField(field, "");
  dialog_.FocusField = 1;
}

}  // namespace stavelorn
