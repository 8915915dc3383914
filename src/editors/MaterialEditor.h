// The materials editor (list window MatA, entry dialog MatB): modulus of elasticity, for grids
// and space frames the shear modulus, and the coefficient of thermal expansion of each set.
#pragma once

#include "editors/ListEditor.h"

namespace stavelorn {

class MaterialEditor : public ListEditor {
 public:
  MaterialEditor(ModelStore& model, Messages& messages);

 protected:
  void BuildGrid() override;
  int StoredCount() const override { return model_.MaterialCount; }
  void FillRow(int item) override;
  bool Referenced() const override { return model_.MemberCount >= 1; }
  Prompt InsertPrompt(int row) const override;
  Prompt EditPrompt(int row) const override;
  Prompt DeletePrompt(int first, int last) const override;
  void DescribeDialog(EntryForm& dialog) const override;
  void LoadFields() override;
  void FieldChanged(int field) override;
  void Commit() override;

 private:
  // The grid column of a dialog field: Text2 E, Text3 thermal expansion, Text4 G.
  int ColumnOf(int field) const;
  bool WithShearModulus() const { return model_.MaterialColumns() == 3; }
};

}  // namespace stavelorn
