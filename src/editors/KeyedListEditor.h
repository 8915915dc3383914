// The keyed variant of the list-and-dialog pattern, for data attached to a joint or a member:
// column 0 holds the number the user typed, not a position; rows stay sorted by it; a new item
// reaches the grid only when OK or Next confirms it, by a sorted insert; a number that names no
// joint or member is refused with a message; Delete never renumbers; there is no Insert. Each kind
// of data supplies its columns, texts, the position rule of its sorted insert and what Close
// stores.
#pragma once

#include <string>

#include "editors/ListEditor.h"

namespace stavelorn {

class KeyedListEditor : public ListEditor {
 public:
  using ListEditor::ListEditor;

 protected:
  void DoOpen() override;
  void DoAdd() override;
  bool DoNext() override;
  void DoOk() override;
  void DoCancelEntry() override;

  // Where the sorted insert puts a new item, or that it is refused.
  struct Placement {
    int Row = 1;
    bool Duplicate = false;
  };

  // The largest number an item may name (JointCount or MemberCount).
  virtual int KeyLimit() const = 0;
  // The row a new item with number `key` goes to; a refusal has shown its message already.
  virtual Placement Place(double key) = 0;
  // Whether a duplicate leaves the dialog open with what was typed (rather than closing it
  // or starting the next item).
  virtual bool KeepsRefusedItem() const { return true; }
  // What column 0 of a new row shows: the number read from Text1, or Text1 as typed.
  virtual std::string KeyText() const;
  // The number of value fields after Text1.
  virtual int ValueFields() const { return grid_.Cols() - 1; }

  bool NumberedRows() const override { return false; }
  bool Referenced() const override { return false; }
  void LoadFields() override;
  void FieldChanged(int field) override;

  // The number in column 0 of a data row, as far as its text forms one.
  double Key(int row) const;
  // The key of a row as the confirmations name it: a plain integer.
  std::string ItemName(int row) const override;

 private:
  // The sorted insert of the item typed in Add mode; false when it was refused as a duplicate.
  bool StoreTyped();
  void ClearFields();
};

}  // namespace stavelorn
