// The list-and-dialog pattern, driven through the materials and cross-sections lists: the grid as
// the working copy, the commands of the list window and of the entry dialog, and what Close and
// Cancel leave in the model.
#include <gtest/gtest.h>

#include "editors/EditorSession.h"

using namespace stavelorn;
using namespace stavelorn::testing;

namespace {

TEST(ListEditor, NewProjectOpensStraightIntoTheDialogAndStoresWhatWasTyped) {
  ModelStore model = Blank("PFrame");
  Session e(FormId::MatA, model);
  EXPECT_EQ(model.CurrentForm, FormId::MatA);
  EXPECT_EQ(e.editor.Window().Label1, "Bay");
  EXPECT_FALSE(e.editor.Window().EditVisible || e.editor.Window().InsertVisible);
  e.windows.Then([](ListEditor& ed) {
    EXPECT_EQ(ed.Dialog().Text[1].Text, "1");
    EXPECT_EQ(ed.Dialog().Text[3].Text, "0");  // thermal expansion defaults to 0, in the grid too
    EXPECT_EQ(Row(ed.Grid(), 1), (Texts{"1", "", "0"}));
    ed.TypeField(2, "2.9e4");
    EXPECT_EQ(Row(ed.Grid(), 1), (Texts{"1", "2.9e4", "0"}));  // at once, as typed
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
  EXPECT_TRUE(e.editor.Window().EditVisible && e.editor.Window().InsertVisible);
  EXPECT_EQ(model.MaterialCount, 0);  // nothing reaches the model before Close
  e.editor.Close();
  ASSERT_EQ(model.MaterialCount, 3);
  EXPECT_EQ(model.Materials(1, 1), 29000.0f);
  EXPECT_EQ(model.Materials(2, 2), 1.2e-5f);
  EXPECT_EQ(model.Materials(3, 1), 3000.0f);
}

TEST(ListEditor, CancellingTheFirstItemLeavesOneBlankNumberedRow) {
  ModelStore model = Blank("PTruss");
  Session e(FormId::MatA, model);
  e.windows.Then([](ListEditor& ed) {
    ed.TypeField(2, "5");
    ed.CancelEntry();
  });
  e.editor.Shown();
  EXPECT_EQ(e.editor.ItemCount(), 1);
  EXPECT_EQ(Row(e.editor.Grid(), 1), (Texts{"1", "", ""}));
  e.editor.Close();
  EXPECT_EQ(model.MaterialCount, 0);
}

// Cancel, or the window's close button, while adding drops the item being typed only.
TEST(ListEditor, CancellingALaterItemRemovesItsRow) {
  for (bool closeButton : {false, true}) {
    ModelStore model = Structure("PTruss", 0, 2);
    Session e(FormId::MatA, model);
    e.windows.Then([closeButton](ListEditor& ed) {
      ed.TypeField(2, "5");
      ed.Next();
      ed.TypeField(2, "6");
      closeButton ? ed.DialogClosed() : ed.CancelEntry();
    });
    e.editor.Add();
    EXPECT_EQ(e.editor.ItemCount(), 3);
    EXPECT_EQ(e.editor.Grid().Rows(), 4);
    EXPECT_EQ(Row(e.editor.Grid(), 3), (Texts{"3", "5", "0"}));
  }
}

TEST(ListEditor, InsertOpensNewItemsAfterTheSelectedOneAndRenumbers) {
  for (int answer : {kAnswerOk, kAnswerCancel}) {
    ModelStore model = Structure("PTruss", 0, 3);
    Session e(FormId::MatA, model);
    e.messages.Answer(answer);
    e.editor.Grid().Select(2, 1, 2, 2);
    if (answer == kAnswerOk) e.windows.Then(Enter({{"7"}, {"8"}}));
    e.editor.Insert();
    ASSERT_EQ(e.messages.Log().size(), 1u);
    EXPECT_EQ(e.messages.Log()[0].Title, "Insert Materials");
    EXPECT_EQ(e.messages.Log()[0].Text,
              "Insert new materials after material 2 ?\n\nNote: The following materials will be "
              "renumbered.");
    EXPECT_EQ(e.messages.Log()[0].Style, kStyleOkCancelQuestion);
    EXPECT_EQ(e.windows.dialogs, answer == kAnswerOk ? 1 : 0);
    Texts values;
    for (int row = 1; row <= e.editor.ItemCount(); ++row)
      values.push_back(Row(e.editor.Grid(), row)[1]);
    EXPECT_EQ(Keys(e.editor),
              answer == kAnswerOk ? (Texts{"1", "2", "3", "4", "5"}) : (Texts{"1", "2", "3"}));
    EXPECT_EQ(values, answer == kAnswerOk ? (Texts{"100", "200", "7", "8", "300"})
                                          : (Texts{"100", "200", "300"}));
  }
}

TEST(ListEditor, DeleteTakesTheSameRowsWhicheverWayTheSelectionWasMade) {
  struct Case {
    int anchor, extent;
    const char* text;
  };
  for (const Case& c :
       {Case{2, 4, "Delete Materials 2 thru 4 ?"}, Case{4, 2, "Delete Materials 4 thru 2 ?"},
        Case{3, 3, "Delete Material 3 ?"}}) {
    ModelStore model = Structure("PTruss", 0, 5);
    Session e(FormId::MatA, model);
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
              (deleted == 1 ? Texts{"2", "200", "0"} : Texts{"2", "500", "0"}));
    e.editor.Close();
    EXPECT_EQ(model.MaterialCount, 5 - deleted);
  }
}

TEST(ListEditor, DeletingEveryRowLeavesOneBlankRowAndNoItems) {
  ModelStore model = Structure("PTruss", 0, 3);
  Session e(FormId::MatA, model);
  e.messages.Answer(kAnswerOk);
  e.messages.Answer(kAnswerOk);
  e.editor.Grid().Select(1, 1, 3, 2);
  e.editor.Delete();
  EXPECT_EQ(e.editor.ItemCount(), 0);
  EXPECT_EQ(e.editor.Grid().Rows(), 2);
  EXPECT_EQ(Row(e.editor.Grid(), 1), (Texts{"", "", ""}));
  e.editor.Delete();  // the blank row again: still no items
  EXPECT_EQ(e.editor.ItemCount(), 0);
  e.editor.Close();
  EXPECT_EQ(model.MaterialCount, 0);
}

TEST(ListEditor, EditChangesTheGridOnlyAndCancelOfTheListLeavesTheModel) {
  ModelStore model = Structure("SFrame", 0, 3);
  const ModelStore before = model;
  Session e(FormId::MatA, model);
  e.messages.Answer(kAnswerOk);
  e.editor.Grid().Select(2, 2, 1, 1);  // only the anchor row counts
  e.windows.Then([](ListEditor& ed) {
    EXPECT_FALSE(ed.Dialog().CancelVisible);
    EXPECT_EQ(ed.Dialog().Text[2].Text, "200");
    ed.TypeField(2, "250");
    ed.TypeField(4, "5");  // G, column 2; its 0 would be refused
    ed.Next();
    EXPECT_EQ(ed.CurrentItem(), 3);
    ed.TypeField(4, "9");
    ed.Next();
    EXPECT_EQ(ed.CurrentItem(), 3);  // not beyond the last item
    ed.DialogClosed();               // the window's close button keeps the edit
  });
  e.editor.Edit();
  EXPECT_EQ(e.messages.Log().at(0).Text, "Edit properties of material 2 ?");
  EXPECT_EQ(Row(e.editor.Grid(), 2), (Texts{"2", "250", "5", "0"}));
  EXPECT_EQ(Row(e.editor.Grid(), 3), (Texts{"3", "300", "9", "0"}));
  // The list window's Cancel: the model is left as it was.
  EXPECT_EQ(model.Materials, before.Materials);
  EXPECT_EQ(model.MaterialCount, before.MaterialCount);
}

TEST(ListEditor, MaterialsInUseCanOnlyBeAddedOrEdited) {
  ModelStore model = Structure("PFrame", 2, 2);
  Session e(FormId::MatA, model);
  EXPECT_FALSE(e.editor.Window().InsertVisible || e.editor.Window().DeleteVisible);
  EXPECT_TRUE(e.editor.Window().EditVisible);
  e.windows.Then(Enter({{"5"}}));
  e.editor.Add();
  EXPECT_FALSE(e.editor.Window().InsertVisible || e.editor.Window().DeleteVisible);
}

TEST(ListEditor, GridSizeAndScrollingFollowTheRowCount) {
  ModelStore model = Structure("PTruss", 0, 9);
  Session e(FormId::MatA, model);
  const GridModel& grid = e.editor.Grid();
  // 10 rows: 700 + 9 * 240 + 11 * 30 high; 800 + 2 * 1500 + 4 * 28 wide.
  EXPECT_EQ(grid.Height(), 3190);
  EXPECT_EQ(grid.Width(), 3912);
  EXPECT_FALSE(grid.VerticalScrollBar());
  e.windows.Then(Enter({{"1"}, {"2"}}));
  e.editor.Add();  // items 10 and 11: 12 rows
  EXPECT_TRUE(grid.VerticalScrollBar());
  EXPECT_EQ(grid.Width(), 3912 + 255);
  EXPECT_EQ(grid.Height(), 700 + 10 * 240 + 12 * 30);
  EXPECT_EQ(grid.TopRow(), 2);  // item 11 is the tenth row shown
  EXPECT_EQ(grid.Row(), 11);
}

TEST(ListEditor, TheCrossSectionsListAsksInItsOwnWords) {
  ModelStore model = Blank("SFrame");
  model.SectionCount = 4;
  model.Sections.Redim(4, model.SectionColumns);
  Session e(FormId::CrossA, model);
  for (int answer : {kAnswerOk, kAnswerCancel, kAnswerCancel}) e.messages.Answer(answer);
  e.editor.Grid().Select(2, 1, 3, 1);
  e.windows.Then([](ListEditor& ed) {
    EXPECT_EQ(ed.Dialog().Caption, "Input & Edit: Cross-Sectional Properties");
    EXPECT_EQ(ed.Dialog().Text[5].Label, "Torsion Constant - (J) :");
    EXPECT_TRUE(ed.Dialog().Text[5].Visible);
    ed.CancelEntry();
  });
  e.editor.Insert();
  e.editor.Grid().Select(2, 1, 3, 1);
  e.editor.Delete();
  e.editor.Grid().Select(2, 1, 2, 1);
  e.editor.Delete();
  const auto& log = e.messages.Log();
  ASSERT_EQ(log.size(), 3u);
  const std::string note = "\n\nNote: The following cross-sections will be renumbered.";
  EXPECT_EQ(log[0].Text, "Insert new cross-sections\nafter Cross-Section 2 ?" + note);
  EXPECT_EQ(log[1].Text, "Delete Cross-Sections 2 thru 3?" + note);
  EXPECT_EQ(log[2].Text, "Delete Cross-Section 2 ?" + note);
}

}  // namespace
