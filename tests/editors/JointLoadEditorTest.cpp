// The joint loads and support displacements editors without windows: the sorted insert keyed by
// joint number, duplicates, Edit and Delete by joint number, and
// what Close keeps of each row given the supports.
#include <gtest/gtest.h>

#include <algorithm>

#include "editors/JointLoadEditor.h"
#include "editors/KeyedEntry.h"
#include "support/ScriptedMessages.h"

using namespace stavelorn;
using stavelorn::testing::EnterKeyed;
using stavelorn::testing::Keys;
using stavelorn::testing::Row;
using stavelorn::testing::ScriptedEditorWindows;
using stavelorn::testing::Structure;
using Texts = std::vector<std::string>;

namespace {

// A plane frame of 7 joints: joint 1 fixed, joint 3 on a roller restraining Y only.
ModelStore Frame() {
  ModelStore model = Structure("PFrame", 7);
  model.SupportCount = 2;
  model.Supports.Redim(2, 4);
  const std::int16_t supports[2][4] = {{1, 1, 1, 1}, {3, 0, 1, 0}};
  for (int s = 1; s <= 2; ++s)
    for (int c = 1; c <= 4; ++c) model.Supports(s, c) = supports[s - 1][c - 1];
  return model;
}

struct Editor {
  Editor(ModelStore& model, JointData data) : editor(model, messages, data), windows(editor) {
    editor.Open();
  }
  ScriptedMessages messages;
  JointLoadEditor editor;
  ScriptedEditorWindows windows;
};

TEST(JointLoadEditor, RowsAreSortedByJointWhateverTheOrderOfEntry) {
  Texts order = {"2", "5", "7"};
  do {
    for (JointData data : {JointData::Loads, JointData::Settlements}) {
      ModelStore model = Frame();
      Editor e(model, data);
      e.windows.Then(EnterKeyed({{order[0], "1"}, {order[1], "2"}, {order[2], "3"}}));
      e.editor.Shown();  // an empty list opens straight into Add
      EXPECT_EQ(e.editor.ItemCount(), 3);
      EXPECT_EQ(Keys(e.editor.Grid(), 3), (Texts{"2", "5", "7"}))
          << order[0] << order[1] << order[2];
      // Each row carries what was typed with its joint.
      for (int row = 1; row <= 3; ++row) {
        const std::string key = e.editor.Grid().Text(row, 0);
        const auto at = std::find(order.begin(), order.end(), key) - order.begin();
        EXPECT_EQ(e.editor.Grid().Text(row, 1), std::to_string(at + 1));
      }
    }
  } while (std::next_permutation(order.begin(), order.end()));
}

TEST(JointLoadEditor, NothingReachesTheGridWhileTyping) {
  ModelStore model = Frame();
  Editor e(model, JointData::Loads);
  e.windows.Then([](ListEditor& ed) {
    ed.TypeField(1, "4");
    ed.TypeField(2, "10");
    EXPECT_EQ(Row(ed.Grid(), 1), (Texts{"", "", "", ""}));
    ed.Next();
    EXPECT_EQ(Row(ed.Grid(), 1), (Texts{"4", "10", "", ""}));
    for (int field = 1; field <= 4; ++field)
      EXPECT_EQ(ed.Dialog().Text[static_cast<std::size_t>(field)].Text, "");
    EXPECT_EQ(ed.Dialog().FocusField, 1);
    ed.CancelEntry();
  });
  e.editor.Shown();
  EXPECT_EQ(e.editor.ItemCount(), 1);
  EXPECT_EQ(e.windows.previews, 1);  // Next repaints the preview
}

TEST(JointLoadEditor, ASecondRecordForAJointIsRefusedAndTheDialogStaysOpen) {
  struct Case {
    JointData data;
    const char* title;
    const char* text;
  };
  for (const Case& c :
       {Case{JointData::Loads, "Joint Number Error", "Loads on Joint 2 are already defined !"},
        Case{JointData::Settlements, "Support Number Error",
             "Settlements for Support 2 are already defined !"}}) {
    ModelStore model = Frame();
    Editor e(model, c.data);
    e.windows.Then([](ListEditor& ed) {
      ed.TypeField(1, "2");
      ed.TypeField(2, "1");
      ed.Next();
      ed.TypeField(1, "2");
      ed.TypeField(2, "9");
      ed.Ok();
      EXPECT_TRUE(ed.Dialog().Open);
      EXPECT_EQ(ed.Dialog().Text[2].Text, "9");  // what was typed is kept for a correction
      ed.Next();
      EXPECT_TRUE(ed.Dialog().Open);
      ed.CancelEntry();
    });
    e.editor.Shown();
    ASSERT_EQ(e.messages.Log().size(), 2u);
    EXPECT_EQ(e.messages.Log()[0].Title, c.title);
    EXPECT_EQ(e.messages.Log()[0].Text, c.text);
    EXPECT_EQ(e.messages.Log()[0].Style, kStyleCritical);
    EXPECT_EQ(e.editor.ItemCount(), 1);
    EXPECT_EQ(Row(e.editor.Grid(), 1), (Texts{"2", "1", "", ""}));
  }
}

TEST(JointLoadEditor, OpensOnTheStoredRecordsAndEditsThemAsTyped) {
  ModelStore model = Frame();
  model.JointLoadCount = 2;
  model.JointLoadJoints.Redim(2);
  model.JointLoadValues.Redim(2, 3);
  model.JointLoadJoints(1) = 2;
  model.JointLoadJoints(2) = 6;
  model.JointLoadValues(1, 2) = -12.5f;
  model.JointLoadValues(2, 3) = 0.1f;
  Editor e(model, JointData::Loads);
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

TEST(JointLoadEditor, DeleteKeepsTheJointNumbersOfTheOtherRows) {
  struct Case {
    JointData data;
    int anchor, extent;
    const char* title;
    const char* text;
    Texts left;
  };
  const Case cases[] = {
      {JointData::Loads, 2, 2, "Delete Loads", "Delete loads on Joint 5 ?", {"2", "7"}},
      {JointData::Loads, 3, 2, "Delete Loads", "Delete loads on Joints 7 thru 5 ?", {"2"}},
      {JointData::Settlements,
       1,
       2,
       "Delete Settlements",
       "Delete settlements for Supports 2 thru 5 ?",
       {"7"}},
      {JointData::Settlements,
       1,
       1,
       "Delete Settlements",
       "Delete settlements for Support 2 ?",
       {"5", "7"}},
  };
  for (const Case& c : cases) {
    ModelStore model = Frame();
    Editor e(model, c.data);
    e.windows.Then(EnterKeyed({{"5", "1"}, {"2", "1"}, {"7", "1"}}));
    e.editor.Shown();
    e.messages.Answer(kAnswerOk);
    e.editor.Grid().Select(c.anchor, 1, c.extent, 3);
    e.editor.Delete();
    EXPECT_EQ(e.messages.Log().back().Title, c.title);
    EXPECT_EQ(e.messages.Log().back().Text, c.text);
    EXPECT_EQ(Keys(e.editor.Grid(), e.editor.ItemCount()), c.left) << c.text;
  }
}

TEST(JointLoadEditor, CloseKeepsOnlyWhatTheSupportsAllow) {
  // Joint 1 is fixed, joint 3 restrains Y only, joint 5 is free.
  struct Case {
    JointData data;
    Texts typed;
    bool kept;
    Texts stored;
  };
  const Case cases[] = {
      {JointData::Loads,
       {"3", "4", "-9", "2"},
       true,
       {"3", "4", "0", "2"}},                                // Y load dropped at a Y roller
      {JointData::Loads, {"3", "", "-9", ""}, false, {}},    // nothing else: record gone
      {JointData::Loads, {"1", "4", "-9", "2"}, false, {}},  // all restrained
      {JointData::Loads,
       {"5", "0", "", ""},
       true,
       {"5", "0", "0", "0"}},  // free joint: a zero load is a load
      {JointData::Settlements, {"3", "4", "-0.5", "2"}, true, {"3", "0", "-0.5", "0"}},
      {JointData::Settlements, {"1", "4", "-9", "2"}, true, {"1", "4", "-9", "2"}},
      {JointData::Settlements, {"3", "4", "", "2"}, false, {}},   // only free coordinates
      {JointData::Settlements, {"5", "1", "1", "1"}, false, {}},  // not a support
  };
  for (const Case& c : cases) {
    ModelStore model = Frame();
    Editor e(model, c.data);
    e.windows.Then(EnterKeyed({{"6", "", "1", ""}, c.typed}));
    e.editor.Shown();
    e.editor.Close();
    const bool loads = c.data == JointData::Loads;
    // Joint 6 carries a Y load, which stays; as a settlement it is no support and goes.
    const int expected = (loads ? 1 : 0) + (c.kept ? 1 : 0);
    ASSERT_EQ(loads ? model.JointLoadCount : model.SettlementCount, expected) << c.typed[0];
    if (!c.kept) continue;
    const int record = loads && c.typed[0] > "6" ? 2 : 1;
    const auto& joints = loads ? model.JointLoadJoints : model.SettlementJoints;
    const auto& values = loads ? model.JointLoadValues : model.SettlementValues;
    EXPECT_EQ(std::to_string(joints(record)), c.stored[0]);
    for (int k = 1; k <= 3; ++k)
      EXPECT_EQ(values(record, k), std::stof(c.stored[static_cast<std::size_t>(k)]))
          << c.typed[0] << " " << k;
  }
}

TEST(JointLoadEditor, TextsFollowTheTypeAndTheKindOfData) {
  struct Case {
    const char* type;
    JointData data;
    Texts headings;
    Texts labels;
  };
  const Case cases[] = {
      {"Beam",
       JointData::Loads,
       {"Joint", "Y-Force", "Moment"},
       {"Joint No.:", "Y-Force :", " Moment :"}},
      {"PFrame",
       JointData::Settlements,
       {"Support", "X-Displacement", "Y-Displacement", "Rotation"},
       {"Support (Joint) No.:", "X-Displacement :", "Y-Displacement :", "Rotation  :"}},
      {"Grid",
       JointData::Settlements,
       {"Support", "Y-Displacement", "X-Rotation", "Z-Rotation"},
       {"Support (Joint) No.:", "  Y-Displacement :", "   X-Rotation :", "   Z-Rotation :"}},
  };
  for (const Case& c : cases) {
    ModelStore model = Structure(c.type, 3);
    Editor e(model, c.data);
    EXPECT_EQ(Row(e.editor.Grid(), 0), c.headings);
    e.windows.Then([&c](ListEditor& ed) {
      for (std::size_t f = 1; f <= 7; ++f) {
        EXPECT_EQ(ed.Dialog().Text[f].Visible, f <= c.labels.size()) << f;
        if (f <= c.labels.size()) {
          EXPECT_EQ(ed.Dialog().Text[f].Label, c.labels[f - 1]);
        }
      }
      ed.CancelEntry();
    });
    e.editor.Shown();
  }
}

}  // namespace
