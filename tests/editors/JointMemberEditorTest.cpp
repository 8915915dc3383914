// The joints and members lists: restraint texts and flags and the support records rebuilt at
// Close; preset sets, hinge texts and release records, roll angles.
#include <gtest/gtest.h>

#include "editors/EditorSession.h"
#include "editors/MemberEditor.h"
#include "editors/RestraintText.h"

using namespace stavelorn;
using namespace stavelorn::testing;
using Flags = std::vector<int>;

namespace {

// Types one item from Text2 on and clicks the given check boxes.
void Type(ListEditor& ed, const Texts& texts, const std::vector<int>& checks = {}) {
  for (std::size_t k = 0; k < texts.size(); ++k) ed.TypeField(static_cast<int>(k) + 2, texts[k]);
  for (int check : checks) ed.ClickCheck(check, true);
}

// Five joints on a line, one material and one cross-section, no members yet.
ModelStore Joints(const std::string& type) {
  ModelStore model = Structure(type, 5, 1);
  model.MemberCount = 0;
  model.SectionCount = 1;
  model.Sections.Redim(1, model.SectionColumns);
  model.Sections(1, model.SectionColumns) = 1;
  return model;
}

TEST(JointEditor, EditingSetsTheCheckBoxesFromTheTextAndClearingThemFreesTheJoint) {
  ModelStore model = Structure("SFrame", 3);
  model.JointCoords(2, 1) = 6;
  model.JointCoords(3, 1) = 0;
  model.SupportCount = 2;
  model.Supports.Redim(2, 7);
  const std::int16_t supports[2][7] = {{3, 1, 1, 1, 0, 0, 0}, {1, 0, 0, 0, 1, 0, 1}};
  for (int s = 0; s < 2; ++s)
    for (int k = 0; k < 7; ++k) model.Supports(s + 1, k + 1) = supports[s][k];
  Session e(FormId::JointA, model);
  EXPECT_EQ(Row(e.editor.Grid(), 1), (Texts{"1", "0", "0", "0", "XR,ZR"}));
  EXPECT_EQ(Row(e.editor.Grid(), 2), (Texts{"2", "6", "0", "0", ""}));
  e.messages.Answer(kAnswerOk);
  e.windows.Then([](ListEditor& ed) {
    EXPECT_TRUE(ed.Dialog().Check[4].Checked && ed.Dialog().Check[6].Checked);
    EXPECT_FALSE(ed.Dialog().Check[1].Checked);
    ed.ClickCheck(4, false);
    ed.ClickCheck(6, false);
    ed.Next();
    ed.Next();
    EXPECT_TRUE(ed.Dialog().Check[1].Checked);
    EXPECT_FALSE(ed.Dialog().Check[4].Checked);
    ed.Ok();
  });
  e.editor.Edit();
  EXPECT_EQ(e.messages.Log().at(0).Title, "Edit Joints");
  EXPECT_EQ(e.messages.Log().at(0).Text, "Edit coordinates of Joint 1 ?");
  e.editor.Close();
  ASSERT_EQ(model.SupportCount, 1);
  EXPECT_EQ(model.Supports(1, 1), 3);
}

TEST(JointEditor, CloseRebuildsSupportsInJointOrderAndGridJointsKeepXAndZ) {
  ModelStore model = Blank("Grid");
  Session e(FormId::JointA, model);
  e.windows.Then([](ListEditor& ed) {
    Type(ed, {"4", "3"});
    ed.Next();
    Type(ed, {"8", "3"}, {1});
    ed.Ok();
  });
  e.editor.Shown();
  e.messages.Answer(kAnswerOk);
  e.editor.Grid().Select(1, 1, 1, 1);
  e.windows.Then([](ListEditor& ed) {
    Type(ed, {"0", "0"}, {1, 4, 5});
    ed.Ok();
  });
  e.editor.Insert();  // a new joint 2 before the supported one
  EXPECT_EQ(e.messages.Log().at(0).Text,
            "Insert new joints after Joint 1 ?\n\nNote: The following joints will be renumbered.");
  e.editor.Close();
  ASSERT_EQ(model.JointCount, 3);
  EXPECT_EQ(model.JointCoords(1, 1), 4.0f);
  EXPECT_EQ(model.JointCoords(1, 2), 3.0f);
  ASSERT_EQ(model.SupportCount, 2);
  EXPECT_EQ(model.Supports(1, 1), 2);
  EXPECT_EQ(model.Supports(2, 1), 3);
  EXPECT_EQ((Flags{model.Supports(2, 2), model.Supports(2, 3), model.Supports(2, 4)}),
            (Flags{1, 0, 0}));
}

TEST(JointEditor, AListOfOneJointIsStoredAsNoJointsAndKeepsTheOldSupports) {
  ModelStore model = Blank("PFrame");
  model.SupportCount = 1;
  model.Supports.Redim(1, 4);
  Session e(FormId::JointA, model);
  e.windows.Then([](ListEditor& ed) {
    Type(ed, {"5", "5"}, {1, 2});
    ed.Ok();
  });
  e.editor.Shown();
  e.editor.Close();
  EXPECT_EQ(model.JointCount, 0);
  EXPECT_EQ(model.SupportCount, 1);
}

TEST(JointEditor, DeletingEveryJointBlanksTheRestraintTooAndANewJointStartsFree) {
  ModelStore model = Blank("SFrame");
  Session e(FormId::JointA, model);
  e.windows.Then([](ListEditor& ed) {
    Type(ed, {"1", "2", "3"}, {1, 2});
    ed.Ok();
  });
  e.editor.Shown();
  e.messages.Answer(kAnswerOk);
  e.editor.Delete();
  EXPECT_EQ(e.messages.Log().at(0).Text,
            "Delete Joint 1 ?\n\nNote: The following joints will be renumbered.");
  EXPECT_EQ(Row(e.editor.Grid(), 1), (Texts{"", "", "", "", ""}));
  e.windows.Then(Enter({{"7", "0", "0"}}));
  e.editor.Add();
  EXPECT_EQ(Row(e.editor.Grid(), 1), (Texts{"1", "7", "0", "0", ""}));
}

// Joints that members or joint data refer to, and members that member data refer to, keep their
// numbers: no Insert or Delete. Next repaints the preview.
TEST(JointEditor, ItemsInUseKeepTheirNumbersAndNextRefreshesThePreview) {
  using Count = std::int16_t ModelStore::*;
  const std::pair<FormId, Count> cases[] = {
      {FormId::JointA, &ModelStore::MemberCount},
      {FormId::JointA, &ModelStore::JointLoadCount},
      {FormId::JointA, &ModelStore::SettlementCount},
      {FormId::MemberA, &ModelStore::MemberLoadCount},
      {FormId::MemberA, &ModelStore::TempChangeCount},
      {FormId::MemberA, &ModelStore::FabErrorCount},
  };
  for (const auto& [form, refer] : cases) {
    ModelStore model = Joints("PTruss");
    model.MemberCount = static_cast<std::int16_t>(form == FormId::MemberA ? 1 : 0);
    model.*refer = 1;
    Session e(form, model);
    EXPECT_FALSE(e.editor.Window().InsertVisible || e.editor.Window().DeleteVisible);
    e.windows.Then(Enter({{"1", "2"}, {"2", "1"}}));
    e.editor.Add();
    EXPECT_FALSE(e.editor.Window().InsertVisible);
    EXPECT_EQ(e.windows.previews, 1);
  }
}

TEST(MemberEditor, WithOneMaterialAndOneSectionANewMemberStartsWithThem) {
  ModelStore model = Joints("PFrame");
  Session e(FormId::MemberA, model);
  e.windows.Then([](ListEditor& ed) {
    EXPECT_EQ(ed.Dialog().Text[4].Text, "1");
    EXPECT_EQ(ed.Dialog().Text[5].Text, "1");
    EXPECT_EQ(Row(ed.Grid(), 1), (Texts{"1", "", "", "1", "1", ""}));
    ed.CancelEntry();
  });
  e.editor.Shown();
}

TEST(MemberEditor, HingeTextsComeBackAndUncheckingBothBoxesRemovesTheRecord) {
  ModelStore model = Joints("PFrame");
  model.MemberCount = 3;
  model.ReleaseCount = 2;
  model.Releases.Redim(2, 2);
  const int releases[2][2] = {{1, 3}, {3, 2}};
  for (int r = 1; r <= 2; ++r)
    for (int k = 1; k <= 2; ++k)
      model.Releases(r, k) = static_cast<std::int16_t>(releases[r - 1][k - 1]);
  Session e(FormId::MemberA, model);
  EXPECT_EQ(e.editor.Grid().Text(1, MemberEditor::kHingeColumn), "Both Ends");
  EXPECT_EQ(e.editor.Grid().Text(3, MemberEditor::kHingeColumn), "End");
  e.messages.Answer(kAnswerOk);
  e.windows.Then([](ListEditor& ed) {
    EXPECT_TRUE(ed.Dialog().Check[1].Checked && ed.Dialog().Check[2].Checked);
    ed.ClickCheck(1, false);
    ed.ClickCheck(2, false);
    ed.Ok();
  });
  e.editor.Edit();
  EXPECT_EQ(e.messages.Log().at(0).Text, "Edit Member 1 ?");
  e.editor.Close();
  EXPECT_EQ(model.ReleaseCount, 1);
  EXPECT_EQ(model.Releases(1, 1), 3);
}

TEST(MemberEditor, TrussesNeverShowOrStoreHinges) {
  ModelStore truss = Joints("STruss");
  truss.ReleaseCount = 2;
  Session t(FormId::MemberA, truss);
  EXPECT_EQ(t.editor.Grid().Cols(), 5);
  t.windows.Then([](ListEditor& ed) {
    EXPECT_FALSE(ed.Dialog().Check[1].Visible || ed.Dialog().Check[2].Visible);
    Type(ed, {"1", "2"});
    ed.Ok();
  });
  t.editor.Shown();
  t.editor.Close();
  EXPECT_EQ(truss.ReleaseCount, 0);
}

}  // namespace
