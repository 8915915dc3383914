#include <gtest/gtest.h>

#include "app/ProjectTitleForm.h"

namespace stavelorn {
namespace {

int VisibleOptions(const ProjectTitleForm& form) {
  int visible = 0;
  for (const TypeOption& option : TypeOptions()) visible += form.OptionVisible(option);
  return visible;
}

// Once data laid out for a type exists the type is fixed; OK stores the title and the selected
// type only.
TEST(ProjectTitleForm, TheTypeIsFixedOnceDataExistsAndOkStoresTheSelection) {
  ModelStore m;
  m.Reset();
  ProjectTitleForm form = ProjectTitleForm::Load(m);
  EXPECT_EQ(VisibleOptions(form), 6);
  form.Title = "Frame A";
  form.Apply(m);
  EXPECT_EQ(m.StructType, "") << "no option chosen: the type stays";
  form.SelectedType = "SFrame";
  form.Apply(m);
  EXPECT_EQ(m.ProjectTitle, "Frame A");
  EXPECT_EQ(m.CoordsPerJoint, 6);
  m.SectionCount = 1;
  form = ProjectTitleForm::Load(m);
  EXPECT_EQ(VisibleOptions(form), 1);
  EXPECT_EQ(form.SelectedType, "SFrame");
}

TEST(ProjectTitleForm, OkNeedsATitleAndATypeForAProjectWithoutOne) {
  // The refusal's words are the form's own texts; what matters is whether and about which
  // field it refuses.
  const struct {
    const char* modelType;  // the project's type before the dialog
    const char* title;
    const char* selected;
    bool refused, aboutTitle;
  } cases[] = {
      {"", "", "", true, true},           {"", "  ", "Beam", true, true},
      {"", "Shed", "", true, false},      {"", "Shed", "PTruss", false, false},
      {"Grid", "Shed", "", false, false},  // the type stays as it was
  };
  for (const auto& c : cases) {
    ModelStore m;
    m.Reset();
    if (*c.modelType) m.SetStructType(c.modelType);
    ProjectTitleForm form = ProjectTitleForm::Load(m);
    form.Title = c.title;
    form.SelectedType = c.selected;
    const ProjectTitleForm::Refusal refusal = form.Check();
    EXPECT_EQ(!refusal.Text.empty(), c.refused) << c.title << "/" << c.selected;
    EXPECT_EQ(refusal.AboutTitle, c.aboutTitle) << c.title << "/" << c.selected;
  }
}

}  // namespace
}  // namespace stavelorn
