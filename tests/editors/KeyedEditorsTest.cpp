// The lists keyed by joint or member number: an empty list, the grid while typing, what an edit
// may change, and the texts of each kind of joint data.
#include <gtest/gtest.h>

#include "editors/EditorSession.h"

using namespace stavelorn;
using namespace stavelorn::testing;

namespace {

TEST(KeyedEditors, AnEmptyMemberListWaitsForAddAndOffersNoEditOrDelete) {
  ModelStore model = Structure("PTruss", 11);
  Session e(FormId::MemTempA, model);
  e.editor.Shown();
  EXPECT_EQ(e.windows.dialogs, 0);
  EXPECT_FALSE(e.editor.Window().EditVisible || e.editor.Window().DeleteVisible ||
               e.editor.Window().InsertVisible);
}

TEST(KeyedEditors, NothingReachesTheGridWhileTyping) {
  ModelStore model = Structure("PFrame", 11);
  Session e(FormId::JLoadA, model);
  e.windows.Then([](ListEditor& ed) {
    Play(ed, "4 10");
    EXPECT_EQ(Row(ed.Grid(), 1), (Texts{"", "", "", ""}));
    ed.Next();
    EXPECT_EQ(Row(ed.Grid(), 1), (Texts{"4", "10", "", ""}));
    Play(ed, "='' ='' ='' =''");
    EXPECT_EQ(ed.Dialog().FocusField, 1);
    ed.CancelEntry();
  });
  e.editor.Shown();  // an empty list of joint data opens straight into Add
  EXPECT_EQ(e.editor.ItemCount(), 1);
  EXPECT_EQ(e.windows.previews, 1);  // Next repaints the preview
}

TEST(KeyedEditors, AJointLoadIsEditedAsTyped) {
  ModelStore model = Structure("PFrame", 11);
  model.JointLoadCount = 2;
  model.JointLoadJoints.Redim(2);
  model.JointLoadValues.Redim(2, 3);
  model.JointLoadJoints(1) = 2;
  model.JointLoadJoints(2) = 6;
  model.JointLoadValues(1, 2) = -12.5f;
  model.JointLoadValues(2, 3) = 0.1f;
  Session e(FormId::JLoadA, model);
  EXPECT_EQ(Row(e.editor.Grid(), 1), (Texts{"2", "0", "-12.5", "0"}));
  EXPECT_EQ(Row(e.editor.Grid(), 2), (Texts{"6", "0", "0", "0.1"}));
  EXPECT_FALSE(e.editor.Window().InsertVisible);
  e.messages.Answer(kAnswerOk);
  e.editor.Grid().Select(2, 1, 2, 3);
  e.windows.Then([](ListEditor& ed) {
    Play(ed, "=6 =0 =0 =0.1");
    Script("2 =0 =0 3")(ed);  // a duplicate number is taken as typed while editing
  });
  e.editor.Edit();
  EXPECT_EQ(e.messages.Log()[0].Title, "Edit Loads");
  EXPECT_EQ(e.messages.Log()[0].Text, "Edit Loads on Joint 6 ?");
  EXPECT_EQ(Row(e.editor.Grid(), 2), (Texts{"2", "0", "0", "3"}));
}

TEST(KeyedEditors, AnEditChangesAMembersValueButNotTheMember) {
  ModelStore model = Structure("PTruss", 11);
  model.TempChangeCount = 2;
  model.TempChangeMembers.Redim(2);
  model.TempChangeValues.Redim(2);
  model.TempChangeMembers(1) = 3;
  model.TempChangeMembers(2) = 8;
  model.TempChangeValues(1) = 25;
  model.TempChangeValues(2) = -12.5f;
  Session e(FormId::MemTempA, model);
  EXPECT_TRUE(e.editor.Window().EditVisible);
  e.messages.Answer(kAnswerOk);
  e.editor.Grid().Select(1, 1, 1, 1);
  e.windows.Then([](ListEditor& ed) {
    EXPECT_TRUE(ed.Dialog().Text[1].ReadOnly);
    EXPECT_FALSE(ed.Dialog().CancelVisible);
    ed.TypeField(1, "7");
    EXPECT_EQ(ed.Dialog().Text[1].Text, "3");
    Play(ed, "4");
    EXPECT_EQ(Row(ed.Grid(), 1), (Texts{"3", "4"}));  // at once
    Play(ed, "40");
    ed.Next();
    EXPECT_EQ(ed.Dialog().Text[1].Text, "8");
    ed.Next();  // not beyond the last row
    EXPECT_EQ(ed.CurrentItem(), 2);
    ed.Ok();
  });
  e.editor.Edit();
  EXPECT_EQ(e.messages.Log()[0].Title, "Edit Temperatures");
  EXPECT_EQ(e.messages.Log()[0].Text, "Edit temperature for Member 3 ?");
  e.editor.Close();
  ASSERT_EQ(model.TempChangeCount, 2);
  EXPECT_EQ(model.TempChangeMembers(1), 3);
  EXPECT_EQ(model.TempChangeValues(1), 40.0f);
  EXPECT_EQ(model.TempChangeValues(2), -12.5f);
}

TEST(KeyedEditors, JointTextsFollowTheTypeAndTheKindOfData) {
  const struct {
    const char* type;
    FormId form;
    const char* headings;
    const char* labels;
  } cases[] = {
      {"Beam", FormId::JLoadA, "Joint|Y-Force|Moment", "Joint No.:|Y-Force :| Moment :"},
      {"PFrame", FormId::JSettleA, "Support|X-Displacement|Y-Displacement|Rotation",
       "Support (Joint) No.:|X-Displacement :|Y-Displacement :|Rotation  :"},
      {"Grid", FormId::JSettleA, "Support|Y-Displacement|X-Rotation|Z-Rotation",
       "Support (Joint) No.:|  Y-Displacement :|   X-Rotation :|   Z-Rotation :"},
  };
  for (const auto& c : cases) {
    ModelStore model = Structure(c.type, 3);
    Session e(c.form, model);
    EXPECT_EQ(Row(e.editor.Grid(), 0), Split(c.headings, "|"));
    const Texts labels = Split(c.labels, "|");
    e.windows.Then([&labels](ListEditor& ed) {
      for (std::size_t f = 1; f <= 7; ++f) {
        EXPECT_EQ(ed.Dialog().Text[f].Label, f <= labels.size() ? labels[f - 1] : "") << f;
        EXPECT_EQ(ed.Dialog().Text[f].Visible, f <= labels.size()) << f;
      }
      ed.CancelEntry();
    });
    e.editor.Shown();
  }
}

}  // namespace
