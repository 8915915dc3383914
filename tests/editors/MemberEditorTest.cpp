// The members editor: preset sets, hinge texts and release records, roll angles; and the
// cross-section editor's own rules. What OK refuses is tested with every editor's dialog in
// EntryRulesTest.
#include <gtest/gtest.h>

#include "analysis/ModelCheck.h"
#include "editors/MemberEditor.h"
#include "editors/ScriptedEditorWindows.h"
#include "editors/SectionEditor.h"
#include "support/ScriptedMessages.h"

using namespace stavelorn;
using stavelorn::testing::EnterItems;
using stavelorn::testing::Row;
using stavelorn::testing::ScriptedEditorWindows;
using Rows = std::vector<std::string>;

namespace {

// Five joints on a line, `materials` and `sections` sets.
ModelStore Project(const std::string& type, int materials = 1, int sections = 1) {
  ModelStore model;
  model.Reset();
  model.SetStructType(type);
  model.JointCount = 5;
  model.JointCoords.Redim(5, model.CoordColumns);
  for (int j = 1; j <= 5; ++j) model.JointCoords(j, 1) = static_cast<float>(j);
  model.MaterialCount = static_cast<std::int16_t>(materials);
  model.Materials.Redim(materials, model.MaterialColumns());
  model.SectionCount = static_cast<std::int16_t>(sections);
  model.Sections.Redim(sections, model.SectionColumns);
  for (int s = 1; s <= sections; ++s) model.Sections(s, model.SectionColumns) = 1;
  return model;
}

template <typename EditorType>
struct Editor {
  explicit Editor(ModelStore& model) : editor(model, messages), windows(editor) { editor.Open(); }
  ScriptedMessages messages;
  EditorType editor;
  ScriptedEditorWindows windows;
};

TEST(MemberEditor, WithOneMaterialAndOneSectionANewMemberStartsWithThem) {
  ModelStore model = Project("PFrame", 1, 1);
  Editor<MemberEditor> e(model);
  e.windows.Then([](ListEditor& ed) {
    EXPECT_EQ(ed.Dialog().Text[4].Text, "1");
    EXPECT_EQ(ed.Dialog().Text[5].Text, "1");
    EXPECT_EQ(Row(ed.Grid(), 1), (Rows{"1", "", "", "1", "1", ""}));
    ed.CancelEntry();
  });
  e.editor.Shown();
}

TEST(MemberEditor, HingeBoxesWriteTheHingeTextAndCloseStoresReleasesInMemberOrder) {
  ModelStore model = Project("PFrame");
  Editor<MemberEditor> e(model);
  e.windows.Then([](ListEditor& ed) {
    const std::pair<std::vector<int>, const char*> members[] = {
        {{1, 2}, "Both Ends"}, {{}, ""}, {{2}, "End"}, {{1}, "Beginning"}};
    for (std::size_t m = 0; m < 4; ++m) {
      if (m) ed.Next();
      for (const char* joint : {"1", "2"}) ed.TypeField(joint[0] == '1' ? 2 : 3, joint);
      for (int check : members[m].first) ed.ClickCheck(check, true);
      EXPECT_EQ(ed.Grid().Text(static_cast<int>(m) + 1, MemberEditor::kHingeColumn),
                members[m].second);
    }
    ed.Ok();
  });
  e.editor.Shown();
  e.editor.Close();
  ASSERT_EQ(model.ReleaseCount, 3);
  const int expected[3][2] = {{1, 3}, {3, 2}, {4, 1}};
  for (int r = 1; r <= 3; ++r) {
    EXPECT_EQ(model.Releases(r, 1), expected[r - 1][0]);
    EXPECT_EQ(model.Releases(r, 2), expected[r - 1][1]);
  }

  // Reopened, the hinge texts come back; unchecking both boxes removes the record at Close.
  Editor<MemberEditor> again(model);
  EXPECT_EQ(again.editor.Grid().Text(1, MemberEditor::kHingeColumn), "Both Ends");
  again.messages.Answer(kAnswerOk);
  again.windows.Then([](ListEditor& ed) {
    EXPECT_TRUE(ed.Dialog().Check[1].Checked && ed.Dialog().Check[2].Checked);
    ed.ClickCheck(1, false);
    ed.ClickCheck(2, false);
    ed.Ok();
  });
  again.editor.Edit();
  EXPECT_EQ(again.messages.Log().at(0).Text, "Edit Member 1 ?");
  again.editor.Close();
  EXPECT_EQ(model.ReleaseCount, 2);
  EXPECT_EQ(model.Releases(1, 1), 3);
}

TEST(MemberEditor, TrussesNeverShowOrStoreHingesAndSpaceFramesKeepRollAngles) {
  ModelStore truss = Project("STruss");
  truss.ReleaseCount = 2;
  Editor<MemberEditor> t(truss);
  EXPECT_EQ(t.editor.Grid().Cols(), 5);
  t.windows.Then([](ListEditor& ed) {
    EXPECT_FALSE(ed.Dialog().Check[1].Visible || ed.Dialog().Check[2].Visible ||
                 ed.Dialog().Text[6].Visible);
    ed.TypeField(2, "1");
    ed.TypeField(3, "2");
    ed.Ok();
  });
  t.editor.Shown();
  t.editor.Close();
  EXPECT_EQ(truss.ReleaseCount, 0);

  ModelStore frame = Project("SFrame");
  Editor<MemberEditor> f(frame);
  EXPECT_EQ(f.editor.Grid().Text(0, 6), "Angle of Roll");
  f.windows.Then(EnterItems({{"1", "2", "1", "1", "90"}, {"2", "3", "1", "1", "-30.5"}}));
  f.editor.Shown();
  f.editor.Close();
  ASSERT_EQ(frame.MemberCount, 2);
  EXPECT_EQ(frame.RollAngles(1), 90.0f);
  EXPECT_EQ(frame.RollAngles(2), -30.5f);
}

TEST(MemberEditor, AMemberFromAJointToItselfIsAcceptedHereAndRefusedBeforeAnalysis) {
  ModelStore model = Project("PFrame");
  Editor<MemberEditor> e(model);
  e.windows.Then(EnterItems({{"3", "3", "1", "1"}, {"1", "2", "1", "1"}}));
  e.editor.Shown();
  e.editor.Close();
  ASSERT_EQ(model.MemberCount, 2);
  std::vector<std::string> problems = CheckModel(model);
  ASSERT_FALSE(problems.empty());
  EXPECT_EQ(problems[0].rfind("Member 1:", 0), 0u) << problems[0];
  for (const std::string& problem : problems)
    EXPECT_EQ(problem.find("Member 2:"), std::string::npos) << problem;
}

TEST(MemberEditor, MembersCarryingLoadsKeepTheirNumbers) {
  for (auto refer :
       {&ModelStore::MemberLoadCount, &ModelStore::TempChangeCount, &ModelStore::FabErrorCount}) {
    ModelStore model = Project("PFrame");
    model.MemberCount = 1;
    model.MemberProps.Redim(1, 4);
    model.*refer = 1;
    Editor<MemberEditor> e(model);
    EXPECT_FALSE(e.editor.Window().InsertVisible || e.editor.Window().DeleteVisible);
  }
}

TEST(SectionEditor, TheColumnsFollowTheType) {
  struct Case {
    const char* type;
    Rows typed;
    const char* lastHeading;
  };
  const Case cases[] = {
      {"PFrame", {"0.01", "2e-4"}, "Moment of Inertia (I)"},
      {"PTruss", {"0.01"}, "Area (A)"},
      {"Beam", {"3e-4"}, "Moment of Inertia (I)"},
      {"Grid", {"3", "0.5"}, "Torsion Constant (J)"},
      {"SFrame", {"1", "2", "3", "4"}, "Torsion Constant (J)"},
  };
  for (const Case& c : cases) {
    ModelStore model = Project(c.type, 1, 0);
    Editor<SectionEditor> e(model);
    EXPECT_EQ(e.editor.Grid().Text(0, e.editor.Grid().Cols() - 1), c.lastHeading);
    e.windows.Then(EnterItems({c.typed}));
    e.editor.Shown();
    e.editor.Close();
    ASSERT_EQ(model.SectionCount, 1) << c.type;
    for (std::size_t col = 1; col <= c.typed.size(); ++col)
      EXPECT_EQ(model.Sections(1, static_cast<int>(col)), std::stof(c.typed[col - 1])) << c.type;
  }
}

TEST(SectionEditor, QuestionsAndDialogLabels) {
  ModelStore model = Project("SFrame", 1, 4);
  Editor<SectionEditor> e(model);
  e.messages.Answer(kAnswerOk);
  e.messages.Answer(kAnswerCancel);
  e.messages.Answer(kAnswerCancel);
  e.editor.Grid().Select(2, 1, 3, 1);
  e.windows.Then([](ListEditor& ed) {
    const EntryForm& d = ed.Dialog();
    EXPECT_EQ(d.Caption, "Input & Edit: Cross-Sectional Properties");
    EXPECT_EQ(d.Text[2].Label, "Area -  (A)  :");
    EXPECT_EQ(d.Text[3].Label, "Moment of Inertia - (IZ):");
    EXPECT_EQ(d.Text[4].Label, "Moment of Inertia - (IY) :");
    EXPECT_EQ(d.Text[5].Label, "Torsion Constant - (J) :");
    EXPECT_TRUE(d.Text[5].Visible);
    ed.CancelEntry();
  });
  e.editor.Insert();
  e.editor.Grid().Select(2, 1, 3, 1);
  e.editor.Delete();
  e.editor.Grid().Select(2, 1, 2, 1);
  e.editor.Delete();
  const auto& log = e.messages.Log();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0].Text,
            "Insert new cross-sections\nafter Cross-Section 2 ?\n\nNote: The following "
            "cross-sections will be renumbered.");
  EXPECT_EQ(
      log[1].Text,
      "Delete Cross-Sections 2 thru 3?\n\nNote: The following cross-sections will be renumbered.");
  EXPECT_EQ(log[2].Text,
            "Delete Cross-Section 2 ?\n\nNote: The following cross-sections will be renumbered.");
}

}  // namespace
