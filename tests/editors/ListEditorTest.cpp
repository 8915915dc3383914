// The list-and-dialog pattern, driven through the materials and cross-sections lists and the
// keyed lists: the grid as the working copy, the commands of the list window and of the entry
// dialog, what Close and Cancel leave in the model, and where the entry dialog goes beside its
// list window.
#include <gtest/gtest.h>

#include "editors/DialogPlacement.h"
#include "editors/EditorSession.h"

using namespace stavelorn;
using namespace stavelorn::testing;

namespace {

// A new item shows in the grid as it is typed; nothing reaches the model before Close. Cancel, or
// the window's close button, while adding drops the item being typed only; the first item of an
// empty list, which a new list opens straight into, stays as a blank numbered row.
TEST(ListEditor, NewItemsShowAtOnceAndCancellingDropsOnlyTheItemBeingTyped) {
  for (int materials : {0, 2}) {
    for (const char* end : {" !cancel", " !close"}) {
      ModelStore model = Structure("PTruss", 0, materials);
      Session e(FormId::MatA, model);
      EXPECT_EQ(e.editor.Window().EditVisible, materials > 0);
      EXPECT_EQ(e.editor.Window().InsertVisible, materials > 0);
      e.windows.Then([&](ListEditor& ed) {
        if (materials > 0) {
          Play(ed, "2.9e4 =0");
          EXPECT_EQ(Row(ed.Grid(), 3), (Texts{"3", "2.9e4", "0"}));
          ed.Next();
        }
        Script("5" + std::string(end))(ed);
      });
      materials ? e.editor.Add() : e.editor.Shown();
      EXPECT_EQ(e.editor.ItemCount(), materials + 1);
      EXPECT_EQ(e.editor.Grid().Rows(), materials + 2);
      const Texts left = materials ? Texts{"3", "2.9e4", "0"} : Texts{"1", "", ""};
      EXPECT_EQ(Row(e.editor.Grid(), materials + 1), left);
      EXPECT_EQ(model.MaterialCount, materials);
      e.editor.Close();
      EXPECT_EQ(model.MaterialCount, materials ? 3 : 0);
    }
  }
}

// A list of one item offers it for Edit and Delete, and Edit shows that item; OK without a
// change leaves nothing to undo.
TEST(ListEditor, AListOfOneItemOffersItForEditAndDelete) {
  const struct {
    FormId form;
    const char *item, *shown;
  } cases[] = {
      {FormId::JLoadA, "2 1 2 3", "=2 =1 =2 =3"},
      {FormId::MemTempA, "2 25", "=25"},
      {FormId::MemErrA, "2 0.01", "=0.01"},
      {FormId::MemLoadA, "2 @Uniform_load 4 ~ 1 2", "=2 =4 ~ =1 =2"},
  };
  for (const auto& c : cases) {
    ModelStore model = Base("PFrame");
    Enter(model, c.form, c.item);
    Session e(c.form, model);
    EXPECT_TRUE(e.editor.Window().EditVisible && e.editor.Window().DeleteVisible) << c.item;
    e.messages.Answer(kAnswerOk);
    e.editor.Grid().Select(1, 1, 1, 1);
    e.windows.Then([&](ListEditor& ed) {
      Play(ed, c.shown, true);
      ed.Ok();
    });
    e.editor.Edit();
    EXPECT_FALSE(e.editor.CanUndo()) << c.item << ": OK on an unchanged item is no step to undo";
  }
}

// The member-load dialog offers the kinds and labels each value with its unit when the project
// names its units: a uniform load's w in kN/m, a concentrated force's P in kN and its a in m.
TEST(ListEditor, TheMemberLoadDialogOffersTheKindsAndNamesTheUnits) {
  ModelStore model = Base("PFrame");
  model.Units = NamedUnits(ForceUnit::kN, LengthUnit::m, TemperatureUnit::C);
  Session e(FormId::MemLoadA, model);
  e.windows.Then([](ListEditor& ed) {
    auto label = [&ed](int field) {
      return ed.Dialog().Text[static_cast<std::size_t>(field)].Label;
    };
    EXPECT_TRUE(ed.Dialog().Choice.Visible);
    EXPECT_NE(label(2).find("[kN/m]"), std::string::npos) << label(2);
    Play(ed, "@Concentrated_force");
    EXPECT_NE(label(2).find("[kN]"), std::string::npos) << label(2);
    EXPECT_NE(label(4).find("[m]"), std::string::npos) << label(4);
    ed.CancelEntry();
  });
  e.editor.Shown();
}

// Five materials E = 100..500, four sections A = 0, 20, 30, 40, joint loads, temperature
// changes and fabrication errors on joints or members 2, 5 and 9, settlements of supports 1 and 3.
ModelStore Filled() {
  ModelStore model = Base("PTruss");
  Enter(model, FormId::MatA, "300 / 400 / 500");
  Enter(model, FormId::CrossA, "20 / 30 / 40");
  for (FormId form : {FormId::JLoadA, FormId::MemTempA, FormId::MemErrA})
    Enter(model, form, "2 1 / 5 2 / 9 3");
  Enter(model, FormId::JSettleA, "1 1 / 3 '' 2");
  return model;
}

// Insert and Delete ask first, in each list's words, then act on the rows the selection names,
// whichever way it was made; the numbered lists renumber, the keyed ones keep their numbers.
TEST(ListEditor, InsertAndDeleteAskFirstAndKeepOrRenumberTheRows) {
  const std::string mats = "\n\nNote: The following Materials will be renumbered.";
  const std::string secs = "\n\nNote: The following cross-sections will be renumbered.";
  const std::string ins =
      "Insert new materials after material 2 ?\n\nNote: The following materials "
      "will be renumbered.";
  const struct {
    FormId form;
    bool insert, yes;
    int anchor, extent;
    const char* script;  // of the dialog Insert opens
    const char* title;
    std::string prompt;
    const char* keys;  // column 0 after the command, then column 1
    const char* values;
  } cases[] = {
      {FormId::MatA, true, true, 2, 2, "7 / 8", "Insert Materials", ins, "1 2 3 4 5 6 7",
       "100 200 7 8 300 400 500"},
      {FormId::MatA, true, false, 2, 2, "", "Insert Materials", ins, "1 2 3 4 5",
       "100 200 300 400 500"},
      {FormId::MatA, false, true, 2, 4, "", "Delete Materials",
       "Delete Materials 2 thru 4 ?" + mats, "1 2", "100 500"},
      {FormId::MatA, false, true, 1, 5, "", "Delete Materials",
       "Delete Materials 1 thru 5 ?" + mats, "", ""},
      {FormId::CrossA, true, true, 2, 3, "!cancel", "Insert Cross-Sections",
       "Insert new cross-sections\nafter Cross-Section 2 ?" + secs, "1 2 3 4", "0 20 30 40"},
      {FormId::JLoadA, false, true, 2, 2, "", "Delete Loads", "Delete loads on Joint 5 ?", "2 9",
       "1 3"},
      {FormId::JSettleA, false, true, 1, 2, "", "Delete Settlements",
       "Delete settlements for Supports 1 thru 3 ?", "", ""},
      {FormId::MemTempA, false, true, 3, 1, "", "Delete Temperatures",
       "Delete temperatures for Members 9 thru 2 ?", "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.prompt);
    ModelStore model = Filled();
    Session e(c.form, model);
    e.messages.Answer(c.yes ? kAnswerOk : kAnswerCancel);
    e.editor.Grid().Select(c.anchor, 1, c.extent, 1);
    if (c.yes && c.insert) e.windows.Then(Script(c.script));
    c.insert ? e.editor.Insert() : e.editor.Delete();
    ASSERT_EQ(e.messages.Log().size(), 1u);
    EXPECT_EQ(e.messages.Log()[0].Title, c.title);
    EXPECT_EQ(e.messages.Log()[0].Text, c.prompt);
    Texts keys, values;
    for (int row = 1; row <= e.editor.ItemCount(); ++row) {
      keys.push_back(e.editor.Grid().Text(row, 0));
      values.push_back(e.editor.Grid().Text(row, 1));
    }
    EXPECT_EQ(keys, Split(c.keys, " "));
    EXPECT_EQ(values, Split(c.values, " "));
    EXPECT_EQ(e.editor.Grid().Rows(), std::max(e.editor.ItemCount(), 1) + 1);
    if (e.editor.ItemCount() > 0) continue;
    // Nothing left: one blank row, which Delete leaves alone, and nothing stored.
    EXPECT_EQ(Row(e.editor.Grid(), 1), Texts(static_cast<std::size_t>(e.editor.Grid().Cols()), ""));
    e.messages.Answer(kAnswerOk);
    e.editor.Delete();
    EXPECT_EQ(e.editor.ItemCount(), 0);
    e.editor.Close();
    EXPECT_EQ(c.form == FormId::MatA       ? model.MaterialCount
              : c.form == FormId::MemErrA  ? model.FabErrorCount
              : c.form == FormId::JSettleA ? model.SettlementCount
                                           : model.TempChangeCount,
              0);
  }
}

// A 1000 x 800 screen; the dialog is 300 x 400. The dialog never overlaps the list window when
// there is room beside it, and never leaves the screen.
TEST(PlaceBeside, PutsTheDialogNextToTheListWindowOnTheScreen) {
  const ScreenRect screen{0, 0, 1000, 800};
  const struct {
    ScreenRect window;
    int left, top;
  } cases[] = {
      {{100, 50, 500, 500}, 608, 50},    // room on the right
      {{500, 50, 450, 500}, 192, 50},    // room on the left only
      {{50, 500, 500, 250}, 558, 400},   // level with the window, lifted onto the screen
      {{100, 100, 850, 250}, 100, 358},  // no room beside: below
      {{0, 0, 990, 700}, 700, 0},        // no room anywhere: where it overlaps least
  };
  for (const auto& c : cases) {
    const ScreenRect placed = PlaceBeside(c.window, 300, 400, screen);
    EXPECT_EQ(placed.Left, c.left) << c.window.Left;
    EXPECT_EQ(placed.Top, c.top) << c.window.Left;
  }
}

}  // namespace
