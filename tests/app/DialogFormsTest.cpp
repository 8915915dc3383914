// Two dialogs' fields and their refusals: the project's title and type, and Exercise > Make
// Variants…, whose command explains a project without variations and writes a template's variants
// into the folder chosen.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/ProjectCommandsFixture.h"
#include "app/ProjectTitleForm.h"
#include "app/VariantsForm.h"

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

TEST(VariantsForm, FieldsReadIntoTheChoiceOrNameTheFieldAtFault) {
  struct Case {
    int count;
    const char* seed;
    const char* folder;
    const char* problem;  // "" for a choice
  };
  const Case cases[] = {
      {999, "2024", "class", ""},  // the most a class may have
      {0, "1", "class", "Variants: make from 1 to 999, not 0."},
      {5, "", "class", "Seed: \"\" is not a whole number"},
      {5, "7", "", "Folder: choose the folder"},
  };
  for (const Case& c : cases) {
    const auto read = ReadVariantsForm(c.count, c.seed, c.folder);
    if (!*c.problem) {
      ASSERT_TRUE(std::holds_alternative<VariantsChoice>(read));
      const VariantsChoice& choice = std::get<VariantsChoice>(read);
      EXPECT_EQ(choice.Count * 10000 + static_cast<int>(choice.Seed), 9992024);
      EXPECT_EQ(choice.Folder, c.folder);
    } else {
      ASSERT_TRUE(std::holds_alternative<std::string>(read)) << c.problem;
      EXPECT_EQ(std::get<std::string>(read).rfind(c.problem, 0), 0u) << std::get<std::string>(read);
    }
  }
}

// A template's class written into the folder chosen, a variant alone, and a folder that cannot be
// made (under a file), which stops with the reason and writes nothing.
TEST_F(ProjectCommandsTest, MakeVariantsWritesATemplatesClassAndExplainsAPlainProject) {
  OpenCopyOf("roof-truss.str");
  VariantsChoice chosen;
  bool asked = false;
  windows_.variants = [&](VariantsChoice& choice) {
    asked = true;
    choice = chosen;
    return true;
  };
  EXPECT_EQ(commands_.Run(MenuItem::MnuMakeVariants), "");
  EXPECT_FALSE(asked);
  EXPECT_EQ(messages_.Log().back().Title, "Make Variants");
  EXPECT_NE(messages_.Log().back().Text.find("no section \"Variations\""), std::string::npos);

  std::ofstream(InFolder("roof-truss.str"), std::ios::app | std::ios::binary)
      << "\"Variations\",1\r\n\"Joints\",7,2,2.5,3.5,0.25\r\n";
  dialogs_.Answer(InFolder("roof-truss.str"));
  commands_.OpenProject();
  const struct {
    int count;
    std::string folder, notice;
  } runs[] = {
      {3, InFolder("class"), "3 variants and key.json written in " + InFolder("class")},
      {1, InFolder("one"), "1 variant and key.json written in " + InFolder("one")},
      {2, InFolder("roof-truss.str/class"), ""},
  };
  for (const auto& run : runs) {
    chosen = {run.count, 5, run.folder};
    EXPECT_EQ(commands_.Run(MenuItem::MnuMakeVariants), run.notice);
    EXPECT_EQ(messages_.Log().back().Style,
              run.notice.empty() ? kStyleCritical : kStyleInformation);
    const std::string last = "roof-truss-0" + std::to_string(run.count) + ".str";
    for (const std::string& name :
         {std::string("roof-truss-01.str"), last, std::string("key.json")})
      EXPECT_EQ(std::filesystem::exists(std::filesystem::path(run.folder) / name),
                !run.notice.empty())
          << run.folder << " " << name;
  }
}

}  // namespace
}  // namespace stavelorn
