#include "editors/MemberValueEditor.h"

#include "editors/CellValues.h"
#include "model/Units.h"

namespace stavelorn {

MemberValueEditor::MemberValueEditor(ModelStore& model, Messages& messages, MemberData data)
    : KeyedListEditor(model, messages), data_(data) {
  window_.Id = Temps() ? FormId::MemTempA : FormId::MemErrA;
  window_.Caption = window_.Label2 =
      Temps() ? "Member Temperature Changes" : "Member Fabrication Errors";
  window_.AddCaption = Temps() ? "Add Temperature Changes" : "Add Fabrication Errors";
  window_.CloseCaption =
      Temps() ? "End Of Temperatures Input. Close" : "End Of Errors Input. Close";
  window_.Preview = true;
}

void MemberValueEditor::DoOpen() {
  KeyedListEditor::DoOpen();
  window_.EditVisible = window_.DeleteVisible = itemCount_ >= 1;
}

int MemberValueEditor::StoredCount() const {
  return Temps() ? model_.TempChangeCount : model_.FabErrorCount;
}

ListEditor::ColumnTable MemberValueEditor::Columns() const {
  return {300,
          {{"Member", 850, 1},
           {WithUnit(Temps() ? "Temperature Change" : "Fabrication Error", model_.Units,
                     ValueQuantity()),
            2000, 2}}};
}

void MemberValueEditor::FillRow(int item) {
  grid_.SetText(
      item, 0,
      std::to_string(Temps() ? model_.TempChangeMembers(item) : model_.FabErrorMembers(item)));
  grid_.SetText(item, 1,
                CellText(Temps() ? model_.TempChangeValues(item) : model_.FabErrorValues(item)));
}

ListEditor::PromptWords MemberValueEditor::Words() const {
  if (Temps())
    return {"Temperatures", "Temperatures", "temperature for Member", "temperature for Member",
            "temperatures for Members"};
  return {"Fab. Errors", "Fab.Errors", "Error for Member", "Error for Member",
          "Errors for Members"};
}

void MemberValueEditor::DescribeDialog(EntryForm& dialog) const {
  dialog.Id = Temps() ? FormId::MemTempB : FormId::MemErrB;
  dialog.Caption =
      Temps() ? "Input & Edit:Temperature Changes" : "Input & Edit: Fabrication Errors";
  dialog.NextCaption = "Next Member";
  // The member of an item being edited is fixed: the field is passed over and cannot be typed in.
  dialog.Text[1] = {"Member No.:", "", true, mode_ == EditMode::Edit, {}};
  dialog.Text[2] = {WithUnit(Temps() ? "Temperature Change : ( Tu )" : "Fabrication Error :",
                             model_.Units, ValueQuantity()),
                    "", true, false, NumberRule(true)};
  dialog.Note =
      Temps() ? " Notes: 1.The value of the coefficient of                       thermal expansion "
                "for this member                   must be specified as a material                 "
                "      property data.                                            2.An Increase in "
                "temperature is                        considered to be positive."
              : "Note: An error is considered to be positive if it increases the member length.";
  dialog.NoteField = 2;
}

void MemberValueEditor::FieldChanged(int field) {
  if (mode_ == EditMode::Edit && field == 1) {
    // Whatever is typed, the field shows the member of the row again.
    dialog_.Text[1].Text = grid_.Text(currentItem_, 0);
    return;
  }
  KeyedListEditor::FieldChanged(field);
}

KeyedListEditor::Placement MemberValueEditor::Place(double key) {
  Placement place;
  for (int row = 1; row <= itemCount_; ++row) {
    place.Row = row + 1;
    if (Key(row) == key) {
      const std::string n = ItemName(row);
      messages_.ShowStop("Member Number Error",
                         Temps() ? "Temperature change for Member " + n + " is already defined !"
                                 : "Error for Member " + n + " is already defined !");
      place.Duplicate = true;
    }
    if (key < Key(row)) {
      place.Row = row;
      break;
    }
  }
  return place;
}

void MemberValueEditor::Commit() {
  const int count = itemCount_;
  (Temps() ? model_.TempChangeCount : model_.FabErrorCount) = static_cast<std::int16_t>(count);
  if (count < 1) return;
  Array<std::int16_t>& members = Temps() ? model_.TempChangeMembers : model_.FabErrorMembers;
  Array<float>& values = Temps() ? model_.TempChangeValues : model_.FabErrorValues;
  members.Redim(count);
  values.Redim(count);
  for (int i = 1; i <= count; ++i) {
    members(i) = CellInteger(grid_.Text(i, 0));
    values(i) = CellSingle(grid_.Text(i, 1));
  }
}

}  // namespace stavelorn
