// The materials editor (list window MatA, entry dialog MatB): modulus of elasticity, for grids
// and space frames the shear modulus, and the coefficient of thermal expansion of each set.
#pragma once

#include "editors/ListEditor.h"

namespace stavelorn {

class MaterialEditor : public ListEditor {
 public:
  MaterialEditor(ModelStore& model, Messages& messages);

 protected:
  ColumnTable Columns() const override;
  int StoredCount() const override { return model_.MaterialCount; }
  void FillRow(int item) override;
  bool Referenced() const override { return model_.MemberCount >= 1; }
  PromptWords Words() const override;
  void DescribeDialog(EntryForm& dialog) const override;
  void Commit() override;

 private:
  bool WithShearModulus() const { return model_.MaterialColumns() == 3; }
};

}  // namespace stavelorn
