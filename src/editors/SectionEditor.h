// The cross-section editor (list window CrossA, entry dialog CrossB): the sets of section
// properties members refer to, whose columns depend on the structure type (A | I | A, I | I, J |
// A, Iz, Iy, J).
#pragma once

#include <string>

#include "editors/ListEditor.h"
#include "model/StructType.h"

namespace stavelorn {

class SectionEditor : public ListEditor {
 public:
  SectionEditor(ModelStore& model, Messages& messages);

 protected:
  ColumnTable Columns() const override;
  int StoredCount() const override { return model_.SectionCount; }
  void FillRow(int item) override;
  bool Referenced() const override { return model_.MemberCount >= 1; }
  PromptWords Words() const override;
  void DescribeDialog(EntryForm& dialog) const override;
  void Commit() override;

 private:
  // A heading or label of section column `col`, as the type words it, with its unit.
  std::string SectionText(int col, const char* SectionPropertyNames::*text) const;
};

}  // namespace stavelorn
