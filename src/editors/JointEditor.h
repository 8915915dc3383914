// The joints editor (list window JointA, entry dialog JointB): the coordinates of each joint and,
// in the same row, its support restraints as a restraint text. The support records are rebuilt
// from those texts at every Close, so they are always in joint order.
#pragma once

#include <string>

#include "editors/ListEditor.h"
#include "model/Units.h"

namespace stavelorn {

class JointEditor : public ListEditor {
 public:
  JointEditor(ModelStore& model, Messages& messages);

  // The grid column of the restraint text.
  int RestraintColumn() const { return model_.CoordColumns + 1; }

 protected:
  ColumnTable Columns() const override;
  int StoredCount() const override { return model_.JointCount; }
  void FillRow(int item) override;
  bool Referenced() const override;
  PromptWords Words() const override;
  void DescribeDialog(EntryForm& dialog) const override;
  void LoadFields() override;
  void CheckChanged(int check) override;
  void Commit() override;

 private:
  // A coordinate's heading or label with the project's length unit.
  std::string Coordinate(const std::string& label) const {
    return WithUnit(label, model_.Units, Quantity::Length);
  }
};

}  // namespace stavelorn
