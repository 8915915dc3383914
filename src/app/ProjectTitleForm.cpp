#include "app/ProjectTitleForm.h"

#include "editors/FieldRules.h"
#include "model/StructType.h"

namespace stavelorn {

const std::array<TypeOption, 6>& TypeOptions() {
  static const std::array<TypeOption, 6> options = [] {
    // The dialog's order: the plane types first, then the space types.
    constexpr std::array<StructKind, 6> kOrder = {StructKind::PTruss, StructKind::Beam,
                                                  StructKind::PFrame, StructKind::STruss,
                                                  StructKind::Grid,   StructKind::SFrame};
    std::array<TypeOption, 6> list{};
    for (std::size_t i = 0; i < kOrder.size(); ++i) {
      const StructTypeInfo& type = TypeOf(kOrder[i]);
      list[i] = {type.TitleOption, type.Name, type.Code};
    }
    return list;
  }();
  return options;
}

ProjectTitleForm ProjectTitleForm::Load(const ModelStore& model) {
  ProjectTitleForm form;
  form.Title = model.ProjectTitle;
  form.TypeRequired = model.StructType.empty();
  // Joint coordinates, materials and cross-sections are laid out for the current type (a grid's
  // material has a shear modulus a frame's lacks), so the type is fixed as soon as any of them
  // exists: a change would leave tables the new type cannot read.
  if (model.JointCount > 0 || model.MaterialCount > 0 || model.SectionCount > 0) {
    form.TypeLocked = true;
    form.SelectedType = model.StructType;
  }
  return form;
}

bool ProjectTitleForm::OptionVisible(const TypeOption& option) const {
  return !TypeLocked || SelectedType == option.Code;
}

ProjectTitleForm::Refusal ProjectTitleForm::Check() const {
  // The title heads every printed page, and the type decides every table of the project.
  const std::string title = FieldProblem(" Project Title : ", Title, TextRule());
  if (!title.empty()) return {title, true};
  if (TypeRequired && SelectedType.empty())
    return {"Structure Type: no type is chosen. Please choose one of the six types.", false};
  return {};
}

void ProjectTitleForm::Apply(ModelStore& model) const {
  model.ProjectTitle = Title;
  if (!SelectedType.empty()) model.SetStructType(SelectedType);
}

}  // namespace stavelorn
