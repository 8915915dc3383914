// The joint loads editor (list window JLoadA, entry dialog JLoadB) and the support displacements
// editor (JSettleA, JSettleB): one row per loaded joint or displaced support, its joint number in
// column 0 and one component per joint coordinate. Close keeps only what the supports allow: a
// load at a restrained coordinate and a settlement at a free one or at a joint that is no
// support are dropped, and so is a row left without any value.
#pragma once

#include <string>

#include "editors/KeyedListEditor.h"
#include "model/StructType.h"

namespace stavelorn {

enum class JointData { Loads, Settlements };

class JointLoadEditor : public KeyedListEditor {
 public:
  JointLoadEditor(ModelStore& model, Messages& messages, JointData data);

 protected:
  ColumnTable Columns() const override;
  int StoredCount() const override;
  void FillRow(int item) override;
  PromptWords Words() const override;
  void DescribeDialog(EntryForm& dialog) const override;
  void Commit() override;
  int KeyLimit() const override { return model_.JointCount; }
  Placement Place(double key) override;

 private:
  bool Loads() const { return data_ == JointData::Loads; }
  // The heading (or, with `label`, the dialog label) of joint coordinate k (1-based) of the type,
  // with the unit of its load or settlement.
  std::string ValueText(int k, bool label) const;
  // Empties the value cells of a row that Close does not keep, by the support of its joint.
  void ClearUnsupported(int row);

  JointData data_;
};

}  // namespace stavelorn
