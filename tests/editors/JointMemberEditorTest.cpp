// The joints and members lists: restraint boxes set from the text and support records rebuilt at
// Close; preset sets, hinge texts and release records; items in use keep their numbers.
#include <gtest/gtest.h>

#include "editors/EditorSession.h"
#include "editors/MemberEditor.h"

using namespace stavelorn;
using namespace stavelorn::testing;

namespace {

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
    Play(ed, "-#1 #4 #6", true);
    Play(ed, "-#4 -#6");
    ed.Next();
    ed.Next();
    Play(ed, "#1 -#4", true);
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
  e.windows.Then(Script("4 3 / 8 3 #1"));
  e.editor.Shown();
  e.messages.Answer(kAnswerOk);
  e.editor.Grid().Select(1, 1, 1, 1);
  e.windows.Then(Script("0 0 #1 #4 #5"));
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
  EXPECT_EQ(model.Supports(2, 2), 1);
  EXPECT_EQ(model.Supports(2, 3) + model.Supports(2, 4), 0);
}

TEST(JointEditor, AListOfOneJointIsStoredAsNoJointsAndKeepsTheOldSupports) {
  ModelStore model = Blank("PFrame");
  model.SupportCount = 1;
  model.Supports.Redim(1, 4);
  Session e(FormId::JointA, model);
  e.windows.Then(Script("5 5 #1 #2"));
  e.editor.Shown();
  e.editor.Close();
  EXPECT_EQ(model.JointCount, 0);
  EXPECT_EQ(model.SupportCount, 1);
}

TEST(JointEditor, DeletingEveryJointBlanksTheRestraintTooAndANewJointStartsFree) {
  ModelStore model = Blank("SFrame");
  Session e(FormId::JointA, model);
  e.windows.Then(Script("1 2 3 #1 #2"));
  e.editor.Shown();
  e.messages.Answer(kAnswerOk);
  e.editor.Delete();
  EXPECT_EQ(e.messages.Log().at(0).Text,
            "Delete Joint 1 ?\n\nNote: The following joints will be renumbered.");
  EXPECT_EQ(Row(e.editor.Grid(), 1), (Texts{"", "", "", "", ""}));
  e.windows.Then(Script("7 0 0"));
  e.editor.Add();
  EXPECT_EQ(Row(e.editor.Grid(), 1), (Texts{"1", "7", "0", "0", ""}));
}

// Materials, joints and members that other data refer to keep their numbers: no Insert or
// Delete, before or after an Add. Next repaints the preview.
TEST(JointEditor, ItemsInUseKeepTheirNumbersAndNextRefreshesThePreview) {
  using Count = std::int16_t ModelStore::*;
  const std::pair<FormId, Count> cases[] = {
      {FormId::JointA, &ModelStore::MemberCount},
      {FormId::JointA, &ModelStore::JointLoadCount},
      {FormId::JointA, &ModelStore::SettlementCount},
      {FormId::MemberA, &ModelStore::MemberLoadCount},
      {FormId::MemberA, &ModelStore::TempChangeCount},
      {FormId::MemberA, &ModelStore::FabErrorCount},
      {FormId::MatA, &ModelStore::MemberCount},
  };
  for (const auto& [form, refer] : cases) {
    ModelStore model = Joints("PTruss");
    model.MemberCount = static_cast<std::int16_t>(form == FormId::MemberA ? 1 : 0);
    model.*refer = 1;
    Session e(form, model);
    EXPECT_FALSE(e.editor.Window().InsertVisible || e.editor.Window().DeleteVisible);
    EXPECT_TRUE(e.editor.Window().EditVisible);
    e.windows.Then(Script("1 2 / 2 1"));
    e.editor.Add();
    EXPECT_FALSE(e.editor.Window().InsertVisible || e.editor.Window().DeleteVisible);
    EXPECT_EQ(e.windows.previews, 1);
  }
}

TEST(MemberEditor, WithOneMaterialAndOneSectionANewMemberStartsWithThem) {
  ModelStore model = Joints("PFrame");
  Session e(FormId::MemberA, model);
  e.windows.Then([](ListEditor& ed) {
    EXPECT_EQ(Row(ed.Grid(), 1), (Texts{"1", "", "", "1", "1", ""}));
    Script("='' ='' =1 =1 !cancel")(ed);
  });
  e.editor.Shown();
}

TEST(MemberEditor, HingeTextsComeBackAndUncheckingBothBoxesRemovesTheRecord) {
  ModelStore model = Joints("PFrame");
  model.MemberCount = 3;
  model.ReleaseCount = 2;
  model.Releases.Redim(2, 2);
  model.Releases(1, 1) = 1;  // both ends of member 1, the end of member 3
  model.Releases(1, 2) = model.Releases(2, 1) = 3;
  model.Releases(2, 2) = 2;
  Session e(FormId::MemberA, model);
  EXPECT_EQ(e.editor.Grid().Text(1, MemberEditor::kHingeColumn), "Both Ends");
  EXPECT_EQ(e.editor.Grid().Text(3, MemberEditor::kHingeColumn), "End");
  e.messages.Answer(kAnswerOk);
  e.windows.Then([](ListEditor& ed) {
    Play(ed, "#1 #2", true);
    Script("-#1 -#2")(ed);
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
    Script("1 2")(ed);
  });
  t.editor.Shown();
  t.editor.Close();
  EXPECT_EQ(truss.ReleaseCount, 0);
}

}  // namespace
