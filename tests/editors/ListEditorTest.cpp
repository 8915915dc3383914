// The list-and-dialog pattern, driven through the materials editor without windows: the grid as
// the working copy, the commands of the list window and of the entry dialog, and what Close and
// Cancel leave in the model.
#include <gtest/gtest.h>

#include "editors/MaterialEditor.h"
#include "editors/ScriptedEditorWindows.h"
#include "support/ScriptedMessages.h"

using namespace stavelorn;
using stavelorn::testing::EnterItems;
using stavelorn::testing::Row;
using stavelorn::testing::ScriptedEditorWindows;
using Rows = std::vector<std::string>;

namespace {

ModelStore Project(const std::string& type, int materials = 0) {
  ModelStore model;
  model.Reset();
  model.SetStructType(type);
  model.ProjectTitle = "Shed";
  model.MaterialCount = static_cast<std::int16_t>(materials);
  model.Materials.Redim(materials, model.MaterialColumns());
  for (int m = 1; m <= materials; ++m) model.Materials(m, 1) = static_cast<float>(100 * m);
  return model;
}

struct Editor {
  explicit Editor(ModelStore& model) : editor(model, messages), windows(editor) { editor.Open(); }
  ScriptedMessages messages;
  MaterialEditor editor;
  ScriptedEditorWindows windows;
};

TEST(ListEditor, NewProjectOpensStraightIntoTheDialogAndStoresWhatWasTyped) {
  ModelStore model = Project("PFrame");
  Editor e(model);
  EXPECT_EQ(model.CurrentForm, FormId::MatA);
  EXPECT_EQ(e.editor.Window().Label1, "Shed");
  EXPECT_FALSE(e.editor.Window().EditVisible);
  EXPECT_FALSE(e.editor.Window().InsertVisible);
  e.windows.Then([](ListEditor& ed) {
    EXPECT_EQ(ed.Dialog().Text[1].Text, "1");
    EXPECT_EQ(ed.Dialog().Text[3].Text, "0");  // thermal expansion defaults to 0, in the grid too
    EXPECT_EQ(Row(ed.Grid(), 1), (Rows{"1", "", "0"}));
    ed.TypeField(2, "2.9e4");
    EXPECT_EQ(Row(ed.Grid(), 1), (Rows{"1", "2.9e4", "0"}));  // at once, as typed
    ed.Next();
    EXPECT_EQ(ed.Dialog().Text[1].Text, "2");
    EXPECT_EQ(ed.Dialog().Text[2].Text, "");
    ed.TypeField(2, "12");
    ed.TypeField(3, "1.2E-05");
    ed.Next();
    ed.TypeField(2, "3e3");
    ed.Ok();
  });
  e.editor.Shown();
  EXPECT_EQ(e.editor.ItemCount(), 3);
  EXPECT_TRUE(e.editor.Window().EditVisible);
  EXPECT_TRUE(e.editor.Window().InsertVisible);
  EXPECT_EQ(model.MaterialCount, 0);  // nothing reaches the model before Close
  e.editor.Close();
  ASSERT_EQ(model.MaterialCount, 3);
  EXPECT_EQ(model.Materials(1, 1), 29000.0f);
  EXPECT_EQ(model.Materials(2, 1), 12.0f);
  EXPECT_EQ(model.Materials(2, 2), 1.2e-5f);
  EXPECT_EQ(model.Materials(3, 1), 3000.0f);
}

TEST(ListEditor, AGridMaterialKeepsItsShearModulusInColumnTwo) {
  ModelStore model = Project("Grid");
  Editor e(model);
  e.windows.Then(EnterItems({{" 7", "0.1", "8e7"}}));
  e.editor.Shown();
  e.editor.Close();
  ASSERT_EQ(model.MaterialCount, 1);
  EXPECT_EQ(model.Materials(1, 1), 7.0f);
  EXPECT_EQ(model.Materials(1, 2), 8e7f);
  EXPECT_EQ(model.Materials(1, 3), 0.1f);
}

TEST(ListEditor, CancellingTheFirstItemLeavesOneBlankNumberedRow) {
  ModelStore model = Project("PTruss");
  Editor e(model);
  e.windows.Then([](ListEditor& ed) {
    ed.TypeField(2, "5");
    ed.CancelEntry();
  });
  e.editor.Shown();
  EXPECT_EQ(e.editor.ItemCount(), 1);
  EXPECT_EQ(Row(e.editor.Grid(), 1), (Rows{"1", "", ""}));
  e.editor.Close();
  EXPECT_EQ(model.MaterialCount, 0);
}

TEST(ListEditor, CancellingALaterItemRemovesItsRow) {
  ModelStore model = Project("PTruss", 2);
  Editor e(model);
  e.windows.Then([](ListEditor& ed) {
    ed.TypeField(2, "5");
    ed.Next();
    ed.TypeField(2, "6");
    ed.CancelEntry();
  });
  e.editor.Add();
  EXPECT_EQ(e.editor.ItemCount(), 3);
  EXPECT_EQ(e.editor.Grid().Rows(), 4);
  EXPECT_EQ(Row(e.editor.Grid(), 3), (Rows{"3", "5", "0"}));
}

TEST(ListEditor, InsertOpensANewItemAfterTheSelectedOneAndRenumbers) {
  ModelStore model = Project("PTruss", 3);
  Editor e(model);
  e.messages.Answer(kAnswerOk);
  e.editor.Grid().Select(2, 1, 2, 2);
  e.windows.Then(EnterItems({{"7"}, {"8"}}));
  e.editor.Insert();
  ASSERT_EQ(e.messages.Log().size(), 1u);
  EXPECT_EQ(e.messages.Log()[0].Title, "Insert Materials");
  EXPECT_EQ(e.messages.Log()[0].Text,
            "Insert new materials after material 2 ?\n\nNote: The following materials will be "
            "renumbered.");
  EXPECT_EQ(e.messages.Log()[0].Style, kStyleOkCancelQuestion);
  EXPECT_EQ(e.editor.ItemCount(), 5);
  const char* expected[][2] = {{"1", "100"}, {"2", "200"}, {"3", "7"}, {"4", "8"}, {"5", "300"}};
  for (int row = 1; row <= 5; ++row) {
    EXPECT_EQ(e.editor.Grid().Text(row, 0), expected[row - 1][0]);
    EXPECT_EQ(e.editor.Grid().Text(row, 1), expected[row - 1][1]);
  }
}

TEST(ListEditor, InsertCalledOffChangesNothing) {
  ModelStore model = Project("PTruss", 3);
  Editor e(model);
  e.messages.Answer(kAnswerCancel);
  e.editor.Insert();
  EXPECT_EQ(e.editor.ItemCount(), 3);
  EXPECT_EQ(e.windows.dialogs, 0);
}

TEST(ListEditor, DeleteTakesTheSameRowsWhicheverWayTheSelectionWasMade) {
  struct Case {
    int anchor, extent;
    const char* text;
  };
  for (const Case& c :
       {Case{2, 4, "Delete Materials 2 thru 4 ?"}, Case{4, 2, "Delete Materials 4 thru 2 ?"},
        Case{3, 3, "Delete Material 3 ?"}}) {
    ModelStore model = Project("PTruss", 5);
    Editor e(model);
    e.messages.Answer(kAnswerOk);
    e.editor.Grid().Select(c.anchor, 1, c.extent, 2);
    e.editor.Delete();
    EXPECT_EQ(e.messages.Log().at(0).Title, "Delete Materials");
    EXPECT_EQ(e.messages.Log().at(0).Text,
              std::string(c.text) + "\n\nNote: The following Materials will be renumbered.");
    const int deleted = std::abs(c.extent - c.anchor) + 1;
    EXPECT_EQ(e.editor.ItemCount(), 5 - deleted);
    EXPECT_EQ(e.editor.Grid().Rows(), 6 - deleted);
    // The rows after the block move up and are renumbered.
    EXPECT_EQ(Row(e.editor.Grid(), 2),
              (deleted == 1 ? Rows{"2", "200", "0"} : Rows{"2", "500", "0"}));
    e.editor.Close();
    EXPECT_EQ(model.MaterialCount, 5 - deleted);
  }
}

TEST(ListEditor, DeletingEveryRowLeavesOneBlankRowAndNoItems) {
  ModelStore model = Project("PTruss", 3);
  Editor e(model);
  e.messages.Answer(kAnswerOk);
  e.messages.Answer(kAnswerOk);
  e.editor.Grid().Select(1, 1, 3, 2);
  e.editor.Delete();
  EXPECT_EQ(e.editor.ItemCount(), 0);
  EXPECT_EQ(e.editor.Grid().Rows(), 2);
  EXPECT_EQ(Row(e.editor.Grid(), 1), (Rows{"", "", ""}));
  e.editor.Delete();  // the blank row again: still no items
  EXPECT_EQ(e.editor.ItemCount(), 0);
  e.editor.Close();
  EXPECT_EQ(model.MaterialCount, 0);
}

TEST(ListEditor, EditChangesTheGridOnlyAndCancelOfTheListLeavesTheModel) {
  ModelStore model = Project("SFrame", 3);
  const ModelStore before = model;
  Editor e(model);
  e.messages.Answer(kAnswerOk);
  e.editor.Grid().Select(2, 2, 1, 1);  // only the anchor row counts
  e.windows.Then([](ListEditor& ed) {
    EXPECT_FALSE(ed.Dialog().CancelVisible);
    EXPECT_EQ(ed.Dialog().Text[2].Text, "200");
    ed.TypeField(2, "250");
    ed.TypeField(4, "5");  // G, column 2; its 0 would be refused
    ed.Next();
    EXPECT_EQ(ed.CurrentItem(), 3);
    ed.TypeField(4, "9");  // G, column 2
    ed.Next();
    EXPECT_EQ(ed.CurrentItem(), 3);  // not beyond the last item
    ed.DialogClosed();               // the window's close button keeps the edit
  });
  e.editor.Edit();
  EXPECT_EQ(e.messages.Log().at(0).Text, "Edit properties of material 2 ?");
  EXPECT_EQ(Row(e.editor.Grid(), 2), (Rows{"2", "250", "5", "0"}));
  EXPECT_EQ(Row(e.editor.Grid(), 3), (Rows{"3", "300", "9", "0"}));
  // The list window's Cancel: the model is left as it was.
  EXPECT_EQ(model.Materials, before.Materials);
  EXPECT_EQ(model.MaterialCount, before.MaterialCount);
}

TEST(ListEditor, ClosingTheDialogWhileAddingActsAsCancel) {
  ModelStore model = Project("PTruss", 1);
  Editor e(model);
  e.windows.Then([](ListEditor& ed) {
    ed.TypeField(2, "5");
    ed.DialogClosed();
  });
  e.editor.Add();
  EXPECT_EQ(e.editor.ItemCount(), 1);
  EXPECT_EQ(e.editor.Grid().Rows(), 2);
}

TEST(ListEditor, MaterialsInUseCanOnlyBeAddedOrEdited) {
  ModelStore model = Project("PFrame", 2);
  model.MemberCount = 1;
  Editor e(model);
  EXPECT_FALSE(e.editor.Window().InsertVisible);
  EXPECT_FALSE(e.editor.Window().DeleteVisible);
  EXPECT_TRUE(e.editor.Window().EditVisible);
  e.windows.Then(EnterItems({{"5"}}));
  e.editor.Add();
  EXPECT_FALSE(e.editor.Window().InsertVisible);
  EXPECT_FALSE(e.editor.Window().DeleteVisible);
}

TEST(ListEditor, GridSizeAndScrollingFollowTheRowCount) {
  ModelStore model = Project("PTruss", 9);
  Editor e(model);
  const GridModel& grid = e.editor.Grid();
  // 10 rows: 700 + 9 * 240 + 11 * 30 high; 800 + 2 * 1500 + 4 * 28 wide.
  EXPECT_EQ(grid.Height(), 3190);
  EXPECT_EQ(grid.Width(), 3912);
  EXPECT_FALSE(grid.VerticalScrollBar());
  e.windows.Then(EnterItems({{"1"}, {"2"}}));
  e.editor.Add();  // items 10 and 11: 12 rows
  EXPECT_TRUE(grid.VerticalScrollBar());
  EXPECT_EQ(grid.Width(), 3912 + 255);
  EXPECT_EQ(grid.Height(), 700 + 10 * 240 + 12 * 30);
  EXPECT_EQ(grid.TopRow(), 2);  // item 11 is the tenth row shown
  EXPECT_EQ(grid.Row(), 11);
}

}  // namespace
