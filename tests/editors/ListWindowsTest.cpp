// Each list window as a whole against golden files read over by hand: what it shows for every
// structure type, and whole editing sessions, the window written after every command; the items
// that keep their numbers, and where the entry dialog goes beside its window.
#include <gtest/gtest.h>

#include <iterator>
#include <map>

#include "editors/DialogPlacement.h"
#include "editors/EditorSession.h"
#include "model/MemberLoadKind.h"

using namespace stavelorn;
using namespace stavelorn::testing;

namespace {

constexpr FormId kForms[] = {FormId::JointA,   FormId::MatA,     FormId::CrossA,
                             FormId::MemberA,  FormId::JLoadA,   FormId::MemLoadA,
                             FormId::JSettleA, FormId::MemTempA, FormId::MemErrA};

// Every window over a model with every table filled (units named for the plane types): its
// grid, the dialog Add opens, and the dialog Edit opens on the last item.
TEST(ListWindows, EachWindowShowsItsGridAndDialogsForEachType) {
  for (const char* type : {"PTruss", "Beam", "PFrame", "STruss", "Grid", "SFrame"}) {
    ModelStore model = FullModel(type);
    if (IsPlane(type)) model.Units = NamedUnits(ForceUnit::kN, LengthUnit::m, TemperatureUnit::C);
    std::string out;
    for (FormId form : kForms) {
      Session e(form, model);
      out += Shown(e.editor, true);
      const int last = e.editor.ItemCount();
      const auto write = [&out](ListEditor& ed) {
        out += Shown(ed.Dialog(), true);
        ed.CancelEntry();
      };
      e.windows.Then(write);
      e.editor.Add();
      e.messages.Answer(kAnswerOk);
      e.editor.Grid().Select(last, 1, last, 1);
      e.windows.Then(write);
      e.editor.Edit();
      out += "\n";
    }
    ExpectGolden(out, std::string("layout-") + type + ".txt");
  }
}

// Edit fills every field and box of the item it opens: OK on each item of every list of every
// type, nothing typed (or Cancel where the dialog refuses what the project holds), stores what
// Close alone stores; so does a list of one item (but one joint, which is no structure).
TEST(ListWindows, EditAndOkOnEveryItemStoreWhatCloseAloneStores) {
  using Count = std::int16_t ModelStore::*;
  const Count counts[] = {
      &ModelStore::JointCount,      &ModelStore::MaterialCount,   &ModelStore::SectionCount,
      &ModelStore::MemberCount,     &ModelStore::JointLoadCount,  &ModelStore::MemberLoadCount,
      &ModelStore::SettlementCount, &ModelStore::TempChangeCount, &ModelStore::FabErrorCount};
  for (const char* type : {"PTruss", "Beam", "PFrame", "STruss", "Grid", "SFrame"})
    for (std::size_t f = 0; f < std::size(kForms); ++f)
      for (const bool one : {false, true}) {
        SCOPED_TRACE(std::string(type) + " " + EditorFormName(kForms[f]) + (one ? ", one" : ""));
        ModelStore model = FullModel(type);
        if (one && (kForms[f] == FormId::JointA || model.*counts[f] == 0)) continue;
        if (one) model.*counts[f] = 1;
        ModelStore closed = model;
        Session(kForms[f], closed).editor.Close();
        Session e(kForms[f], model);
        for (int item = 1; item <= e.editor.ItemCount(); ++item) {
          e.editor.Grid().Select(item, 1, item, 1);
          e.messages.Answer(kAnswerOk);
          e.windows.Then([](ListEditor& ed) {
            ed.Ok();
            if (ed.Dialog().Open) ed.CancelEntry();
          });
          e.editor.Edit();
        }
        e.editor.Close();
        EXPECT_EQ(Records(kForms[f], model, false), Records(kForms[f], closed, false));
        EXPECT_TRUE(!one || model.*counts[f] == 1);
      }
}

// Plays `steps` (split at "; ") in the list window `form` over `model`, writing the window after
// each with the messages it showed: "add SCRIPT" and "shown SCRIPT" open the dialog by Add, or as
// an empty window is shown, and play SCRIPT in it; "insert R SCRIPT" and "edit R SCRIPT" select
// row R first, "delete R S" rows R to S; a '?' after the verb answers its question Cancel.
// "undo", "redo" and "close" take no dialog; what Close stored is written last.
std::string Walk(FormId form, ModelStore model, const std::string& steps) {
  const std::map<std::string, void (ListEditor::*)()> commands = {
      {"add", &ListEditor::Add},   {"shown", &ListEditor::Shown},   {"insert", &ListEditor::Insert},
      {"edit", &ListEditor::Edit}, {"delete", &ListEditor::Delete}, {"undo", &ListEditor::Undo},
      {"redo", &ListEditor::Redo}, {"close", &ListEditor::Close}};
  Session e(form, model);
  std::string out = Shown(e.editor, true);
  std::size_t logged = 0;
  for (const std::string& step : Split(steps, "; ")) {
    SCOPED_TRACE(step);
    out += "> " + step + "\n";
    std::istringstream words(step);
    std::string verb, script;
    int row = 0, rowSel = 0;
    words >> verb;
    const bool refuse = verb.back() == '?';
    if (refuse) verb.pop_back();
    if (verb == "insert" || verb == "edit" || verb == "delete") {
      words >> row;
      if (verb != "delete" || !(words >> rowSel)) rowSel = row;
      e.editor.Grid().Select(row, 1, rowSel, 1);
      e.messages.Answer(refuse ? kAnswerCancel : kAnswerOk);
    }
    std::getline(words >> std::ws, script);
    if (!script.empty()) e.windows.Then(Script(script, &out));
    const int dialogs = e.windows.dialogs;
    (e.editor.*commands.at(verb))();
    EXPECT_EQ(e.windows.dialogs, dialogs + (script.empty() ? 0 : 1)) << step;
    for (; logged < e.messages.Log().size(); ++logged)
      out += "  ! " + e.messages.Log()[logged].Title + ": " +
             Join(Split(e.messages.Log()[logged].Text, "\n"), "|") + "\n";
    out += "previews " + std::to_string(e.windows.previews) + "; " + Shown(e.editor, false);
  }
  return out + "stored: " + Join(Records(form, model, false), "; ") + "\n";
}

ModelStore WithHinge(ModelStore model) {
  model.ReleaseCount = 1;
  model.Releases.Redim(1, 2);
  model.Releases(1, 1) = 4, model.Releases(1, 2) = 2;
  return model;
}

ModelStore WithAxialLoad(ModelStore model) {
  model.MemberLoadCount = 1;
  model.MemberLoadInfo.Redim(1, 2);
  model.MemberLoadInfo(1, 1) = 1, model.MemberLoadInfo(1, 2) = int(MemberLoadKind::AxialForce);
  model.MemberLoadValues.Redim(1, 4);
  model.MemberLoadValues(1, 1) = 3, model.MemberLoadValues(1, 3) = 20;
  return model;
}

TEST(ListWindows, WholeSessionsLeaveTheWindowAndTheModelAsTheGoldenFilesShow) {
  const struct {
    FormId form;
    ModelStore model;
    const char* steps;
  } walks[] = {
      // Twelve items scroll the list; Insert renumbers after the row chosen.
      {FormId::MatA, Structure("PTruss", 0),
       "shown 100 / 200 / 300 / 400 / 500 / 600 / 700 / 800 / 900 / 1000 / 1100 / 1200 3e-6; "
       "insert 11 1150 / 1175; insert? 2; edit 13 1250 / 1300 !cancel; "
       "delete 2 4; delete? 1 1; undo; undo; redo; add 5 / 6 !close; delete 15 15; close"},
      {FormId::CrossA, Base("SFrame"),
       "add 1 2 3 4 / 5 6 7 8 !cancel; insert 2 9 8 7 6; undo; delete 2 1; delete 1 1; edit 1; "
       "add 9 !cancel; close"},
      {FormId::JointA, Structure("PFrame", 0),
       "shown 0 0 #1 #2 / 10 0 / 20 0 #2; undo; redo; insert 1 5 -1 #4; edit 4 =20 =0 #1 -#2 / 30; "
       "delete 2 2; undo; redo; close"},
      {FormId::JointA, Structure("SFrame", 0),
       "shown 0 0 0 #4 #6 / 10 0 0 / 20 0 0 #1 #2 #3; edit 1 -#4 -#6 / =10 / =20 #1 -#4; close"},
      {FormId::MemberA, Base("PFrame"),
       "add 1 3 1 1 #2 / 3 5 2 1 #1 #2; edit 11 =1 =3 =1 =1 -#2 #1; insert 11 5 7 1 1; "
       "delete 12 11; undo; edit 13 -#1 -#2; close"},
      {FormId::MemberA, Base("SFrame"),
       "add 1 3 1 1 45 / 3 5 2 1 ''; edit 12 =3 =5 =2 =1 7; add 2 4 1 1 9; close"},
      {FormId::JLoadA, Base("PFrame"),
       "shown 9 1 / 2 2 / 10 3 / 5 4 / 5 6 / !cancel; edit 2 =5 6 '' 7; delete 1 2; undo; add 3 1 "
       "2 3; close"},
      {FormId::JSettleA, Base("PFrame"),
       "shown 1 1 2 3 / 3 4 5 6; edit 2 =3 =4 =5 =6; delete? 1 2; close"},
      {FormId::MemTempA, Structure("PTruss", 15),
       "shown; add 8 -12.5 / 3 0 / 1 1 / 2 2 / 4 4 / 5 5 / 6 6 / 7 7 / 9 9 / 10 10 / 11 11 / 12 "
       "12; "
       "add 14 14 !cancel; edit 1 ^7 4 / 9 / !close; edit 2 ^7 10; delete 1 1; add 13 1 !cancel; "
       "close"},
      {FormId::MemErrA, Base("Beam"), "add 2 0.01 / 2 0.5 / 1 -0.02; delete 2 1; undo; close"},
      {FormId::MemLoadA, Structure("Beam", 4),
       "shown 1 @Concentrated_force 40 ~ 2 ~ / 2 @Concentrated_couple 10 ~ 5 ~ / 3 @Uniform_load "
       "2 ~ 1 3; edit 1 @Uniform_load =1 7 ~ =2 0; delete 2 2; undo; redo; delete? 1 3; "
       "edit 2 =3 =2 ~ =1 9 / !cancel; edit 1 2; add 2 @Concentrated_force 1 ~ 2 ~ / 1 1 ~ 20 ~ / "
       "!cancel; "
       "close"},
      // A lone item without its main values is no item; a number with nothing to name is refused.
      {FormId::MatA, Structure("Grid", 0), "shown 5 !cancel; close"},
      {FormId::JointA, Structure("Beam", 0), "shown 4 #1; close"},
      {FormId::MemberA, Structure("PTruss", 0, 1), "shown 1 #1 / !cancel; close"},
      {FormId::MatA, Structure("PTruss", 0), "shown 5 / !cancel; close"},
      // Another kind chosen for a stored load, nothing typed: the row and what Close stores change.
      {FormId::MemLoadA, Structure("PFrame", 3),
       "shown 1 @Concentrated_force 40 ~ 2 ~; edit 1 @Concentrated_couple; close"},
      // Every member of a frame with a hinge deleted: the hinge goes with them.
      {FormId::MemberA, WithHinge(Base("PFrame")), "delete 1 10; close"},
      // A beam's axial load 20 along a member of 10 (from a file written by hand) is edited without
      // a word: a kind the type does not offer is the analysis's to refuse.
      {FormId::MemLoadA, WithAxialLoad(Base("Beam")), "edit 1 =1; close"},
  };
  for (std::size_t i = 0; i < std::size(walks); ++i)
    ExpectGolden(Walk(walks[i].form, walks[i].model, walks[i].steps),
                 "walk-" + std::to_string(i + 1) + "-" + EditorFormName(walks[i].form) + ".txt");
}

// Materials, joints and members that other data refer to keep their numbers: no Insert or
// Delete, before or after an Add.
TEST(ListWindows, ItemsInUseKeepTheirNumbers) {
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
    model.*refer = 1;
    Session e(form, model);
    EXPECT_FALSE(e.editor.Window().InsertVisible || e.editor.Window().DeleteVisible);
    e.windows.Then(Script("1 2 / 2 1"));
    e.editor.Add();
    EXPECT_FALSE(e.editor.Window().InsertVisible || e.editor.Window().DeleteVisible);
  }
}

// A 1000 x 800 screen, at the origin or as a second screen at (1000, 200); the dialog is 300 x 400.
// The dialog never overlaps the list window when there is room beside it, and never leaves the
// screen.
TEST(PlaceBeside, PutsTheDialogNextToTheListWindowOnTheScreen) {
  const struct {
    ScreenRect window;
    int left, top;
  } cases[] = {
      {{500, 50, 450, 500}, 192, 50},    // room on the left only
      {{50, 500, 500, 250}, 558, 400},   // room on the right, lifted onto the screen
      {{100, 100, 850, 250}, 100, 358},  // no room beside: below
      {{100, 450, 850, 300}, 100, 42},   // room above only
      {{307, 406, 600, 300}, 0, 400},    // no room anywhere: the left, short of above by a pixel
      {{250, 50, 500, 700}, 700, 50},    // as short on either side: the right, the first tried
  };
  for (const auto& c : cases)
    for (const int x : {0, 1000}) {
      const ScreenRect w = c.window, screen{x, x / 5, 1000, 800};
      const ScreenRect placed =
          PlaceBeside({w.Left + x, w.Top + x / 5, w.Width, w.Height}, 300, 400, screen);
      EXPECT_EQ(placed.Left - x, c.left) << w.Left << " " << x;
      EXPECT_EQ(placed.Top - x / 5, c.top) << w.Left << " " << x;
    }
}

}  // namespace
