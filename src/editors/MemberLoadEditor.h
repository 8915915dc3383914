// The member loads editor (list window MemLoadA, entry dialog MemLoadB): every kind of member
// load the structure type carries, several per member, keyed by the member number, the newest of
// a member first. The dialog offers the type's load kinds, labels and shows only the values the
// chosen kind uses, states its sign convention and checks the values before they are stored.
// The list shows a whole-span uniform load as its bare intensity and any other load in words.
#pragma once

#include <vector>

#include "editors/KeyedListEditor.h"
#include "editors/MemberLoadForm.h"
#include "model/Units.h"

namespace stavelorn {

// One member load of the list: its kind and the four stored values.
struct MemberLoadRow {
  MemberLoadKind Kind = MemberLoadKind::Uniform;
  LoadValues Values{};
};

class MemberLoadEditor : public KeyedListEditor {
 public:
  MemberLoadEditor(ModelStore& model, Messages& messages);

  // The load of data row `row` as Close will store it; null outside 1..ItemCount.
  const MemberLoadRow* RowLoad(int row) const;
  // The kinds the dialog's choice offers, in its order.
  const std::vector<const MemberLoadKindInfo*>& Kinds() const { return kinds_; }

 protected:
  void DoOpen() override;
  void DoDelete() override;
  bool DoNext() override;
  void DoOk() override;
  std::any SaveRows() const override { return loads_; }
  void RestoreRows(const std::any& rows) override;
  ColumnTable Columns() const override;
  int StoredCount() const override { return model_.MemberLoadCount; }
  void FillRow(int item) override;
  PromptWords Words() const override;
  void DescribeDialog(EntryForm& dialog) const override;
  void LoadFields() override;
  void FieldChanged(int field) override;
  void ChoiceChanged() override;
  void Commit() override;
  int KeyLimit() const override { return model_.MemberCount; }
  Placement Place(double key) override;

 private:
  const MemberLoadKindInfo& ChosenKind() const;
  // Labels, visibility and sign note of the dialog for `kind`.
  static void ShowKind(EntryForm& dialog, const MemberLoadKindInfo& kind, const UnitSystem& units);
  // The load the dialog's fields hold.
  MemberLoadRow Typed() const;
  // Whether the typed load may be stored; a refusal has shown its message.
  bool TypedLoadAccepted();
  void ShowRow(int row);

  std::vector<const MemberLoadKindInfo*> kinds_;
  std::vector<MemberLoadRow> loads_;  // by row, 1..ItemCount at index row - 1
  bool loading_ = false;              // the fields are being set from a row, not typed
};

}  // namespace stavelorn
