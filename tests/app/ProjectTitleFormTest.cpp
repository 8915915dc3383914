#include <gtest/gtest.h>

#include "app/ProjectTitleForm.h"

namespace stavelorn {
namespace {

int VisibleOptions(const ProjectTitleForm& form) {
  int visible = 0;
  for (const TypeOption& option : TypeOptions()) visible += form.OptionVisible(option);
  return visible;
}

TEST(ProjectTitleForm, TheTypeIsFixedOnceDataLaidOutForItExists) {
  for (std::int16_t ModelStore::*count :
       {&ModelStore::JointCount, &ModelStore::MaterialCount, &ModelStore::SectionCount}) {
    ModelStore m;
    m.Reset();
    m.SetStructType("Grid");
    EXPECT_EQ(VisibleOptions(ProjectTitleForm::Load(m)), 6) << "no data yet";
    EXPECT_EQ(ProjectTitleForm::Load(m).SelectedType, "") << "no option selected";
    m.*count = 1;
    ProjectTitleForm form = ProjectTitleForm::Load(m);
    EXPECT_EQ(VisibleOptions(form), 1);
    EXPECT_EQ(form.SelectedType, "Grid");
  }
}

TEST(ProjectTitleForm, OkStoresTheTitleAndTheSelectedTypeOnly) {
  ModelStore m;
  m.Reset();
  ProjectTitleForm form = ProjectTitleForm::Load(m);
  form.Title = "Frame A";
  form.Apply(m);
  EXPECT_EQ(m.ProjectTitle, "Frame A");
  EXPECT_EQ(m.StructType, "") << "no option chosen: the type stays";
  form.SelectedType = "SFrame";
  form.Apply(m);
  EXPECT_EQ(m.StructType, "SFrame");
  EXPECT_EQ(m.CoordsPerJoint, 6);
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
