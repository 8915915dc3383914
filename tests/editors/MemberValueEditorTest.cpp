// The temperature changes and fabrication errors editors without windows: the sorted insert
// keyed by member number, duplicates, the fixed member of an edit,
// Delete, and what Close stores.
#include <gtest/gtest.h>

#include <algorithm>

#include "editors/KeyedEntry.h"
#include "editors/MemberValueEditor.h"
#include "support/ScriptedMessages.h"

using namespace stavelorn;
using stavelorn::testing::EnterKeyed;
using stavelorn::testing::Keys;
using stavelorn::testing::Row;
using stavelorn::testing::ScriptedEditorWindows;
using stavelorn::testing::Structure;
using Texts = std::vector<std::string>;

namespace {

struct Editor {
  Editor(ModelStore& model, MemberData data) : editor(model, messages, data), windows(editor) {
    editor.Open();
  }
  ScriptedMessages messages;
  MemberValueEditor editor;
  ScriptedEditorWindows windows;
};

// A plane truss of 10 members.
ModelStore Truss() {
  return Structure("PTruss", 11);
}

TEST(MemberValueEditor, AnEmptyListWaitsForAddAndOffersNoEditOrDelete) {
  ModelStore model = Truss();
  Editor e(model, MemberData::TempChanges);
  e.editor.Shown();
  EXPECT_EQ(e.windows.dialogs, 0);
  EXPECT_FALSE(e.editor.Window().EditVisible);
  EXPECT_FALSE(e.editor.Window().DeleteVisible);
  EXPECT_FALSE(e.editor.Window().InsertVisible);
}

TEST(MemberValueEditor, RowsAreSortedByMemberWhateverTheOrderOfEntry) {
  Texts order = {"2", "5", "9", "10"};
  do {
    ModelStore model = Truss();
    Editor e(model, MemberData::FabErrors);
    e.windows.Then(
        EnterKeyed({{order[0], "0.1"}, {order[1], "0.2"}, {order[2], "0.3"}, {order[3], "0.4"}}));
    e.editor.Add();
    EXPECT_EQ(Keys(e.editor.Grid(), e.editor.ItemCount()), (Texts{"2", "5", "9", "10"}));
  } while (std::next_permutation(order.begin(), order.end()));
}

TEST(MemberValueEditor, ADuplicateMemberIsRefusedAndTheDialogMovesOn) {
  struct Case {
    MemberData data;
    const char* text;
  };
  for (const Case& c :
       {Case{MemberData::TempChanges, "Temperature change for Member 5 is already defined !"},
        Case{MemberData::FabErrors, "Error for Member 5 is already defined !"}}) {
    ModelStore model = Truss();
    Editor e(model, c.data);
    e.windows.Then(EnterKeyed({{"5", "30"}, {"5", "40"}}));
    e.editor.Add();
    ASSERT_EQ(e.messages.Log().size(), 1u);
    EXPECT_EQ(e.messages.Log()[0].Title, "Member Number Error");
    EXPECT_EQ(e.messages.Log()[0].Text, c.text);
    EXPECT_EQ(e.editor.ItemCount(), 1);
    EXPECT_EQ(Row(e.editor.Grid(), 1), (Texts{"5", "30"}));
  }
}

TEST(MemberValueEditor, AnEditChangesTheValueButNotTheMember) {
  ModelStore model = Truss();
  model.TempChangeCount = 2;
  model.TempChangeMembers.Redim(2);
  model.TempChangeValues.Redim(2);
  model.TempChangeMembers(1) = 3;
  model.TempChangeMembers(2) = 8;
  model.TempChangeValues(1) = 25;
  model.TempChangeValues(2) = -12.5f;
  Editor e(model, MemberData::TempChanges);
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

TEST(MemberValueEditor, DeletingEveryRowStoresNothing) {
  struct Case {
    MemberData data;
    int anchor, extent;
    const char* title;
    const char* text;
  };
  const Case cases[] = {
      {MemberData::TempChanges, 3, 1, "Delete Temperatures",
       "Delete temperatures for Members 9 thru 2 ?"},
      {MemberData::FabErrors, 1, 3, "Delete Fab.Errors", "Delete Errors for Members 2 thru 9 ?"},
  };
  for (const Case& c : cases) {
    ModelStore model = Truss();
    Editor e(model, c.data);
    e.windows.Then(EnterKeyed({{"9", "1"}, {"2", "0"}, {"5", "3"}}));
    e.editor.Add();
    e.messages.Answer(kAnswerOk);
    e.editor.Grid().Select(c.anchor, 1, c.extent, 1);
    e.editor.Delete();
    EXPECT_EQ(e.messages.Log().back().Title, c.title);
    EXPECT_EQ(e.messages.Log().back().Text, c.text);
    EXPECT_EQ(e.editor.ItemCount(), 0);
    EXPECT_EQ(Row(e.editor.Grid(), 1), (Texts{"", ""}));
    e.editor.Close();
    EXPECT_EQ(c.data == MemberData::TempChanges ? model.TempChangeCount : model.FabErrorCount, 0);
  }
}

TEST(MemberValueEditor, CloseStoresTheRowsInMemberOrder) {
  ModelStore model = Truss();
  Editor e(model, MemberData::FabErrors);
  e.messages.Answer(kAnswerOk);
  e.windows.Then(EnterKeyed({{"9", "0.5"}, {"2", "0"}, {"5", "-1e-3"}}));
  e.editor.Add();
  e.editor.Grid().Select(2, 1, 2, 1);
  e.editor.Delete();  // member 5
  e.editor.Close();
  ASSERT_EQ(model.FabErrorCount, 2);
  EXPECT_EQ(model.FabErrorMembers(1), 2);
  EXPECT_EQ(model.FabErrorValues(1), 0.0f);
  EXPECT_EQ(model.FabErrorMembers(2), 9);
  EXPECT_EQ(model.FabErrorValues(2), 0.5f);
}

}  // namespace
