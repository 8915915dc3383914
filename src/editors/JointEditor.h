// The joints editor (list window JointA, entry dialog JointB): the coordinates of each joint and,
// in the same row, its support: the restraints as a restraint text, the springs among them with
// their stiffnesses, and the angle of a turned support where the type takes one. The support,
// spring and angle records are rebuilt from those texts at every Close, so they are always in
// joint order and move with their joints.
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
  // The grid columns of the springs text and of the support's angle (the latter only where the
  // type's supports turn).
  int SpringColumn() const { return RestraintColumn() + 1; }
  int AngleColumn() const { return RestraintColumn() + 2; }

 protected:
  ColumnTable Columns() const override;
  int StoredCount() const override { return model_.JointCount; }
  void FillRow(int item) override;
  bool Referenced() const override;
  PromptWords Words() const override;
  void DescribeDialog(EntryForm& dialog) const override;
  void LoadFields() override;
  void CheckChanged(int check) override;
  void SpringChanged(int check) override;
  void Commit() override;

 private:
  bool SupportsTurn() const;
  // Shows a spring's box beside each restrained coordinate and its stiffness while it is ticked,
  // and opens the angle while the joint has a restraint; writes the springs text to the grid.
  void ShowSupportFields();
  // The support, spring and angle records from the grid's texts.
  void CommitSupports();
  // A coordinate's heading or label with the project's length unit.
  std::string Coordinate(const std::string& label) const {
    return WithUnit(label, model_.Units, Quantity::Length);
  }
};

}  // namespace stavelorn
