// The members editor (list window MemberA, entry dialog MemberB): the two joints, material and
// cross-section of each member, its end hinges as a hinge text (all types but trusses) and its
// angle of roll (space frames). The release records are rebuilt from the hinge texts at every
// Close, so they are always in member order.
#pragma once

#include "editors/ListEditor.h"

namespace stavelorn {

class MemberEditor : public ListEditor {
 public:
  MemberEditor(ModelStore& model, Messages& messages);

  static constexpr int kHingeColumn = 5;
  static constexpr int kRollColumn = 6;

 protected:
  ColumnTable Columns() const override;
  int StoredCount() const override { return model_.MemberCount; }
  void FillRow(int item) override;
  bool Referenced() const override;
  PromptWords Words() const override;
  void DescribeDialog(EntryForm& dialog) const override;
  void LoadFields() override;
  void CheckChanged(int check) override;
  void Commit() override;

 private:
  bool WithHinges() const;
  bool WithRoll() const { return model_.Type() && model_.Type()->RollAngles; }
};

// The hinge text of a release code (1 "Beginning", 2 "End", 3 "Both Ends", else "") and back
// (0 for any other text).
std::string HingeText(int releaseCode);
int ReleaseCode(const std::string& hingeText);

}  // namespace stavelorn
