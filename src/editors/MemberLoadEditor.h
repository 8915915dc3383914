// The member loads editor (list window MemLoadA, entry dialog MemLoadB): whole-span uniform
// loads w, several per member, keyed by the member number, the newest of a member first.
// Records of any other kind read from a file cannot be entered here; they are listed under the
// name of their kind, cannot be edited, can be deleted, and are stored again unchanged by Close.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "editors/KeyedListEditor.h"

namespace stavelorn {

class MemberLoadEditor : public KeyedListEditor {
 public:
  MemberLoadEditor(ModelStore& model, Messages& messages);

  // Says once that the list holds loads it can only keep or delete.
  void Shown() override;
  void Delete() override;
  void Next() override;
  void Ok() override;

  // Whether a row is such a kept record.
  bool KeptRow(int row) const;

 protected:
  void BuildGrid() override;
  int StoredCount() const override { return model_.MemberLoadCount; }
  void FillRow(int item) override;
  Prompt EditPrompt(int row) const override;
  Prompt DeletePrompt(int first, int last) const override;
  void DescribeDialog(EntryForm& dialog) const override;
  void LoadFields() override;
  void FieldChanged(int field) override;
  void Commit() override;
  int KeyLimit() const override { return model_.MemberCount; }
  Placement Place(double key) override;

 private:
  // A stored record as read from the model.
  struct Record {
    std::int16_t Member = 0, Type = 0;
    std::array<float, 4> Values{};
  };

  // The records the editor cannot show, by row; rows it can show have none.
  std::vector<std::optional<Record>> kept_;
};

// Whether a member load record is a uniform load over the whole span, the one kind the member
// loads editor enters.
bool WholeSpanUniform(std::int16_t type, float a, float b, float c);
// The name a list shows for a member load of another kind, as "Linear, type 4".
std::string MemberLoadKindText(std::int16_t type);

}  // namespace stavelorn
