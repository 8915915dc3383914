// Items read from the model and edited in their dialogs: restraint and hinge boxes set from the
// grid's texts, a member's value edited under a fixed member number, member loads edited into
// another kind or deleted; and the items other data refer to, which keep their numbers.
#include <gtest/gtest.h>

#include "editors/EditorSession.h"
#include "editors/MemberEditor.h"

using namespace stavelorn;
using namespace stavelorn::testing;

namespace {

TEST(EditWalkthrough, RestraintBoxesComeFromTheTextAndClearingThemFreesTheJoint) {
  ModelStore model = Structure("SFrame", 0);
  Enter(model, FormId::JointA, "0 0 0 #4 #6 / 10 0 0 / 20 0 0 #1 #2 #3");
  Session e(FormId::JointA, model);
  EXPECT_EQ(Row(e.editor.Grid(), 1), (Texts{"1", "0", "0", "0", "XR,ZR"}));
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
  EXPECT_EQ(e.messages.Log().at(0).Text, "Edit coordinates of Joint 1 ?");
  e.editor.Close();
  ASSERT_EQ(model.SupportCount, 1);
  EXPECT_EQ(model.Supports(1, 1), 3);
}

TEST(EditWalkthrough, HingeBoxesComeFromTheTextAndClearingThemRemovesTheRelease) {
  ModelStore model = Base("PFrame");
  Enter(model, FormId::MemberA, "1 2 1 1 #1 #2 / 2 3 1 1 / 3 4 1 1 #2");  // members 11 to 13
  Session e(FormId::MemberA, model);
  EXPECT_EQ(e.editor.Grid().Text(13, MemberEditor::kHingeColumn), "End");
  e.messages.Answer(kAnswerOk);
  e.editor.Grid().Select(11, 1, 11, 1);
  e.windows.Then([](ListEditor& ed) {
    Play(ed, "#1 #2", true);
    Script("-#1 -#2")(ed);
  });
  e.editor.Edit();
  e.editor.Close();
  ASSERT_EQ(model.ReleaseCount, 1);
  EXPECT_EQ(model.Releases(1, 1), 13);
}

TEST(EditWalkthrough, AnEditChangesAMembersValueButNotTheMember) {
  ModelStore model = Structure("PTruss", 11);
  Enter(model, FormId::MemTempA, "3 0 / 8 -12.5");
  Session e(FormId::MemTempA, model);
  e.messages.Answer(kAnswerOk);
  e.editor.Grid().Select(1, 1, 2, 1);  // only the anchor row counts
  e.windows.Then([](ListEditor& ed) {
    ed.TypeField(1, "7");  // read-only
    EXPECT_EQ(ed.Dialog().Text[1].Text, "3");
    Play(ed, "4");
    EXPECT_EQ(Row(ed.Grid(), 1), (Texts{"3", "4"}));  // at once
    ed.Next();
    ed.Next();  // not beyond the last row
    Script("=-12.5")(ed);
    Play(ed, "9");
    EXPECT_EQ(Row(ed.Grid(), 2), (Texts{"8", "9"}));
    Script("!close")(ed);  // closing the dialog takes back only the item it shows
  });
  e.editor.Edit();
  EXPECT_EQ(e.messages.Log()[0].Text, "Edit temperature for Member 3 ?");
  e.editor.Close();
  EXPECT_EQ(model.TempChangeValues(1), 4.0f);
  EXPECT_EQ(model.TempChangeValues(2), -12.5f);
}

// A load from a file edited into another kind keeps the values both kinds have; a deleted row
// takes only its own load.
TEST(EditWalkthrough, AMemberLoadIsEditedIntoAnotherKindOrDeleted) {
  ModelStore model = Structure("Beam", 4);
  Enter(
      model, FormId::MemLoadA,
      "1 @Concentrated_force 40 ~ 2 ~ / 2 @Concentrated_couple 10 ~ 5 ~ / 3 @Uniform_load 2 ~ 1 3");
  Session e(FormId::MemLoadA, model);
  e.messages.Answer(kAnswerOk);
  e.editor.Grid().Select(1, 1, 1, 1);
  e.windows.Then([](ListEditor& ed) {
    Play(ed, "@Uniform_load");
    Script("=1 7 ~ =2 0")(ed);
  });
  e.editor.Edit();
  e.messages.Answer(kAnswerOk);
  e.editor.Grid().Select(2, 1, 2, 1);
  e.editor.Delete();
  e.editor.Close();
  ASSERT_EQ(model.MemberLoadCount, 2);
  EXPECT_EQ(Join(model.MemberLoadInfo, 1) + " " + Join(model.MemberLoadValues, 1), "1 3 7 0 2 0");
  EXPECT_EQ(Join(model.MemberLoadInfo, 2) + " " + Join(model.MemberLoadValues, 2), "3 3 2 0 1 3");
}

// Materials, joints and members that other data refer to keep their numbers: no Insert or
// Delete, before or after an Add. Next repaints the preview.
TEST(EditWalkthrough, ItemsInUseKeepTheirNumbersAndNextRefreshesThePreview) {
  using Count = std::int16_t ModelStore::*;
  const std::pair<FormId, Count> cases[] = {{FormId::JointA, &ModelStore::MemberCount},
                                            {FormId::JointA, &ModelStore::JointLoadCount},
                                            {FormId::JointA, &ModelStore::SettlementCount},
                                            {FormId::MemberA, &ModelStore::MemberLoadCount},
                                            {FormId::MemberA, &ModelStore::TempChangeCount},
                                            {FormId::MemberA, &ModelStore::FabErrorCount},
                                            {FormId::MatA, &ModelStore::MemberCount}};
  for (const auto& [form, refer] : cases) {
    ModelStore model = Structure("PTruss", 5, 1);
    model.MemberCount = static_cast<std::int16_t>(form == FormId::MemberA ? 1 : 0);
    model.SectionCount = 1;
    model.Sections.Redim(1, model.SectionColumns);
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

}  // namespace
