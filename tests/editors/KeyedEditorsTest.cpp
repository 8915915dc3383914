// The lists keyed by joint or member number (joint loads, support displacements, temperature
// changes, fabrication errors): the sorted insert, duplicates, Edit and Delete by number, and
// what Close keeps of each row.
#include <gtest/gtest.h>

#include <algorithm>

#include "editors/EditorSession.h"

using namespace stavelorn;
using namespace stavelorn::testing;

namespace {

const FormId kKeyed[] = {FormId::JLoadA, FormId::JSettleA, FormId::MemTempA, FormId::MemErrA};

// A plane frame of 11 joints and 10 members: joint 1 fixed, joint 3 on a roller restraining Y.
ModelStore Frame() {
  ModelStore model = Structure("PFrame", 11);
  model.SupportCount = 2;
  model.Supports.Redim(2, 4);
  const std::int16_t supports[2][4] = {{1, 1, 1, 1}, {3, 0, 1, 0}};
  for (int s = 1; s <= 2; ++s)
    for (int c = 1; c <= 4; ++c) model.Supports(s, c) = supports[s - 1][c - 1];
  return model;
}

int Stored(FormId form, const ModelStore& model) {
  switch (form) {
    case FormId::JLoadA: return model.JointLoadCount;
    case FormId::JSettleA: return model.SettlementCount;
    case FormId::MemTempA: return model.TempChangeCount;
    default: return model.FabErrorCount;
  }
}

TEST(KeyedEditors, DeleteAsksByNumberAndKeepsTheNumbersOfTheOtherRows) {
  const struct {
    FormId form;
    int anchor, extent;
    const char* title;
    const char* text;
    Texts left;
  } cases[] = {
      {FormId::JLoadA, 2, 2, "Delete Loads", "Delete loads on Joint 5 ?", {"2", "9"}},
      {FormId::JLoadA, 3, 2, "Delete Loads", "Delete loads on Joints 9 thru 5 ?", {"2"}},
      {FormId::JSettleA,
       1,
       2,
       "Delete Settlements",
       "Delete settlements for Supports 2 thru 5 ?",
       {"9"}},
      {FormId::JSettleA,
       1,
       1,
       "Delete Settlements",
       "Delete settlements for Support 2 ?",
       {"5", "9"}},
      {FormId::MemTempA,
       3,
       1,
       "Delete Temperatures",
       "Delete temperatures for Members 9 thru 2 ?",
       {}},
      {FormId::MemErrA, 1, 3, "Delete Fab.Errors", "Delete Errors for Members 2 thru 9 ?", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    ModelStore model = Frame();
    Session e(c.form, model);
    e.windows.Then(Enter({{"9", "1"}, {"2", "0"}, {"5", "3"}}, 1));
    e.editor.Add();
    e.messages.Answer(kAnswerOk);
    e.editor.Grid().Select(c.anchor, 1, c.extent, 1);
    e.editor.Delete();
    EXPECT_EQ(e.messages.Log().back().Title, c.title);
    EXPECT_EQ(e.messages.Log().back().Text, c.text);
    EXPECT_EQ(Keys(e.editor), c.left);
    if (!c.left.empty()) continue;
    EXPECT_EQ(Row(e.editor.Grid(), 1), (Texts{"", ""}));
    e.editor.Close();
    EXPECT_EQ(Stored(c.form, model), 0);
  }
}

TEST(KeyedEditors, AnEmptyListWaitsForAddAndOffersNoEditOrDelete) {
  ModelStore model = Frame();
  Session e(FormId::MemTempA, model);
  e.editor.Shown();
  EXPECT_EQ(e.windows.dialogs, 0);
  EXPECT_FALSE(e.editor.Window().EditVisible || e.editor.Window().DeleteVisible ||
               e.editor.Window().InsertVisible);
}

TEST(KeyedEditors, NothingReachesTheGridWhileTyping) {
  ModelStore model = Frame();
  Session e(FormId::JLoadA, model);
  e.windows.Then([](ListEditor& ed) {
    ed.TypeField(1, "4");
    ed.TypeField(2, "10");
    EXPECT_EQ(Row(ed.Grid(), 1), (Texts{"", "", "", ""}));
    ed.Next();
    EXPECT_EQ(Row(ed.Grid(), 1), (Texts{"4", "10", "", ""}));
    for (std::size_t field = 1; field <= 4; ++field) EXPECT_EQ(ed.Dialog().Text[field].Text, "");
    EXPECT_EQ(ed.Dialog().FocusField, 1);
    ed.CancelEntry();
  });
  e.editor.Shown();
  EXPECT_EQ(e.editor.ItemCount(), 1);
  EXPECT_EQ(e.windows.previews, 1);  // Next repaints the preview
}

TEST(KeyedEditors, AJointLoadIsEditedAsTyped) {
  ModelStore model = Frame();
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
    EXPECT_EQ(ed.Dialog().Text[1].Text, "6");
    EXPECT_EQ(ed.Dialog().Text[4].Text, "0.1");
    ed.TypeField(1, "2");  // a duplicate number is taken as typed while editing
    ed.TypeField(4, "3");
    ed.Ok();
  });
  e.editor.Edit();
  EXPECT_EQ(e.messages.Log()[0].Title, "Edit Loads");
  EXPECT_EQ(e.messages.Log()[0].Text, "Edit Loads on Joint 6 ?");
  EXPECT_EQ(Row(e.editor.Grid(), 2), (Texts{"2", "0", "0", "3"}));
}

TEST(KeyedEditors, AnEditChangesAMembersValueButNotTheMember) {
  ModelStore model = Frame();
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
    ed.TypeField(2, "4");
    EXPECT_EQ(Row(ed.Grid(), 1), (Texts{"3", "4"}));  // at once
    ed.TypeField(2, "40");
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
  struct Case {
    const char* type;
    FormId form;
    Texts headings;
    Texts labels;
  };
  const Case cases[] = {
      {"Beam",
       FormId::JLoadA,
       {"Joint", "Y-Force", "Moment"},
       {"Joint No.:", "Y-Force :", " Moment :"}},
      {"PFrame",
       FormId::JSettleA,
       {"Support", "X-Displacement", "Y-Displacement", "Rotation"},
       {"Support (Joint) No.:", "X-Displacement :", "Y-Displacement :", "Rotation  :"}},
      {"Grid",
       FormId::JSettleA,
       {"Support", "Y-Displacement", "X-Rotation", "Z-Rotation"},
       {"Support (Joint) No.:", "  Y-Displacement :", "   X-Rotation :", "   Z-Rotation :"}},
  };
  for (const Case& c : cases) {
    ModelStore model = Structure(c.type, 3);
    Session e(c.form, model);
    EXPECT_EQ(Row(e.editor.Grid(), 0), c.headings);
    e.windows.Then([&c](ListEditor& ed) {
      for (std::size_t f = 1; f <= 7; ++f) {
        EXPECT_EQ(ed.Dialog().Text[f].Label, f <= c.labels.size() ? c.labels[f - 1] : "") << f;
        EXPECT_EQ(ed.Dialog().Text[f].Visible, f <= c.labels.size()) << f;
      }
      ed.CancelEntry();
    });
    e.editor.Shown();
  }
}

}  // namespace
