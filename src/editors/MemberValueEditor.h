// The temperature changes editor (list window MemTempA, entry dialog MemTempB) and the
// fabrication errors editor (MemErrA, MemErrB): one value per member, keyed by the member
// number, which an edit cannot change.
#pragma once

#include "editors/KeyedListEditor.h"

namespace stavelorn {

enum class MemberData { TempChanges, FabErrors };

class MemberValueEditor : public KeyedListEditor {
 public:
  MemberValueEditor(ModelStore& model, Messages& messages, MemberData data);

  // An empty list waits for Add.
  void Shown() override {}

 protected:
  void DoOpen() override;
  ColumnTable Columns() const override;
  int StoredCount() const override;
  void FillRow(int item) override;
  PromptWords Words() const override;
  void DescribeDialog(EntryForm& dialog) const override;
  void FieldChanged(int field) override;
  void Commit() override;
  int KeyLimit() const override { return model_.MemberCount; }
  Placement Place(double key) override;
  bool KeepsRefusedItem() const override { return false; }
  std::string KeyText() const override { return dialog_.Text[1].Text; }

 private:
  bool Temps() const { return data_ == MemberData::TempChanges; }
  // A temperature change, or a fabrication error, which is a length.
  Quantity ValueQuantity() const {
    return Temps() ? Quantity::TemperatureChange : Quantity::Length;
  }

  MemberData data_;
};

}  // namespace stavelorn
