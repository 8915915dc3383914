#include "editors/SectionEditor.h"

#include <vector>

#include "editors/CellValues.h"
#include "model/ModelQuantities.h"

namespace stavelorn {

SectionEditor::SectionEditor(ModelStore& model, Messages& messages) : ListEditor(model, messages) {
  window_.Id = FormId::CrossA;
  window_.Caption = window_.Label2 = "Cross-Sectional Properties";
  window_.AddCaption = "Add Cross-Sections";
  window_.CloseCaption = "End Of Cross-Sections Input. Close";
}

std::string SectionEditor::SectionText(int col, const char* SectionPropertyNames::*text) const {
  const SectionPropertyNames& property =
      model_.TypeInfo().Sections.at(static_cast<std::size_t>(col - 1));
  return WithUnit(property.*text, model_.Units, SectionQuantity(property));
}

ListEditor::ColumnTable SectionEditor::Columns() const {
  ColumnTable table{700, {{"Cross- Section No. ", 800, 0}}};
  // Column c holds the type's property c, edited in field c + 1.
  const StructTypeInfo* type = model_.Type();
  for (int col = 1; col <= model_.SectionColumns; ++col)
    table.Columns.push_back({type && col <= type->SectionColumns
                                 ? SectionText(col, &SectionPropertyNames::Heading)
                                 : "",
                             1500, col + 1});
  return table;
}

void SectionEditor::FillRow(int item) {
  for (int col = 1; col < grid_.Cols(); ++col)
    grid_.SetText(item, col, CellText(model_.Sections(item, col)));
}

ListEditor::PromptWords SectionEditor::Words() const {
  return {"Cross-Sections", "Cross-Sections", "properties of Cross-Section",
          "Cross-Section",  "Cross-Sections", "new cross-sections\nafter Cross-Section",
          "cross-sections", "cross-sections", "?"};
}

void SectionEditor::DescribeDialog(EntryForm& dialog) const {
  dialog.Id = FormId::CrossB;
  dialog.Caption = "Input & Edit: Cross-Sectional Properties";
  dialog.NextCaption = "Next Cross-Section";
  dialog.Text[1] = {"Cross-Section No. :", "", true, true, {}};
  dialog.Text[2] = {"Area -  (A)  :", "", true, false, {}};
  dialog.Text[3] = {"Moment of Inertia - (I) :", "", false, false, {}};
  dialog.Text[4] = {"Moment of Inertia - (IY) :", "", false, false, {}};
  dialog.Text[5] = {"Torsion Constant - (J) :", "", false, false, {}};
  // Each of the type's section columns has its field, labelled as the type names it; every
  // property of a cross-section is a size that only a positive number can describe.
  const StructTypeInfo* info = model_.Type();
  for (int col = 1; info && col <= info->SectionColumns; ++col)
    dialog.Text[static_cast<std::size_t>(col) + 1] = {
        SectionText(col, &SectionPropertyNames::Label), "", true, false, PositiveRule()};
}

void SectionEditor::Commit() {
  int count = itemCount_;
  // A single set whose last property (I, J, or A for trusses) reads 0 is no set.
  if (count == 1 && CellSingle(grid_.Text(1, model_.SectionColumns)) == 0) count = 0;
  model_.SectionCount = static_cast<std::int16_t>(count);
  if (count < 1) return;
  model_.Sections.Redim(count, model_.SectionColumns);
  for (int s = 1; s <= count; ++s)
    for (int col = 1; col <= model_.SectionColumns; ++col)
      model_.Sections(s, col) = CellSingle(grid_.Text(s, col));
}

}  // namespace stavelorn
