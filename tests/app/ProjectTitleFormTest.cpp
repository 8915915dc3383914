#include <gtest/gtest.h>

#include "app/ProjectTitleForm.h"

namespace stavelorn {
namespace {

// OK needs a title, and a type for a project without one; what matters is whether and about
// which field it refuses (the refusal's words are the form's own texts). OK stores the title and
// the selected type only; once data laid out for a type exists the type is fixed.
TEST(ProjectTitleForm, OkNeedsATitleAndATypeAndTheTypeIsFixedOnceDataExist) {
  const struct {
    const char* modelType;  // the project's type before the dialog
    const char *title, *selected;
    bool refused, aboutTitle;
    const char* typeAfter;
  } cases[] = {
      {"", "", "", true, true, ""},
      {"", "Shed", "", true, false, ""},
      {"", "Shed", "PTruss", false, false, "PTruss"},
      {"Grid", "Shed", "", false, false, "Grid"},  // the type stays as it was
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
    if (c.refused) continue;
    form.Apply(m);
    EXPECT_EQ(m.ProjectTitle, c.title);
    EXPECT_EQ(m.StructType, c.typeAfter);
  }
  using Count = std::int16_t ModelStore::*;
  for (Count data : {Count{&ModelStore::JointCount}, Count{&ModelStore::MaterialCount},
                     Count{&ModelStore::SectionCount}, Count{}}) {
    ModelStore m;
    m.Reset();
    m.SetStructType("SFrame");
    m.ProjectTitle = "Bridge";
    if (data) m.*data = 1;
    const ProjectTitleForm form = ProjectTitleForm::Load(m);
    int visible = 0;
    for (const TypeOption& option : TypeOptions()) visible += form.OptionVisible(option);
    EXPECT_EQ(visible, data ? 1 : 6);
    EXPECT_EQ(form.SelectedType, data ? "SFrame" : "");
    EXPECT_EQ(form.Title, "Bridge");
  }
}

}  // namespace
}  // namespace stavelorn
