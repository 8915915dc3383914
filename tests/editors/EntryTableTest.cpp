// Items typed into each list's entry dialog, against what the list shows, what Close stores (a
// project file keeps what the model holds: the model's own round trips), and the message that
// refuses an item. Every row starts from the
// same model: 11 joints 10 apart on X, 10 members, 2 materials, 1 cross-section, joint 1 fixed
// and joint 3 restrained in its second coordinate only.
#include <gtest/gtest.h>

#include "analysis/ModelCheck.h"
#include "editors/EditorSession.h"
#include "support/SampleModels.h"

using namespace stavelorn;
using namespace stavelorn::testing;

namespace {

struct Entry {
  FormId form;
  const char* type;
  const char* items;  // typed in one dialog, Next between the items and OK after the last
};

constexpr FormId Mat = FormId::MatA, Joint = FormId::JointA, Member = FormId::MemberA,
                 Loads = FormId::JLoadA, Settle = FormId::JSettleA, Temp = FormId::MemTempA,
                 Err = FormId::MemErrA, MLoad = FormId::MemLoadA;

const Entry kEntries[] = {
    {Mat, "PFrame", "2.9e4 / 12 1.2E-05"},
    {Mat, "Grid", "7 0.1 8e7"},
    // Check boxes write the restraint text; Close stores the flags.
    {Joint, "Beam", "0 ~ #1 #4"},
    {Joint, "SFrame", "0 0 0 #6 #5 #4 #3 #2 #1"},
    // A spring beside a restraint makes it elastic; a turned support takes an angle once it holds
    // something, a beam's never. Freeing a coordinate drops its spring, freeing the last one the
    // angle.
    {Joint, "PFrame", "0 0 ~ #1 #2 %2=500 30"},
    {Joint, "Grid", "0 0 ~ #1 %1=2e3 #4 #5 %5=7 -30"},
    {Joint, "PFrame", "0 0 ~ #1 #2 %2=500 %1=9 -%1 -#2"},
    {Joint, "PFrame", "0 0 ~ #1 45 -#1"},
    {Joint, "PFrame", "0 0 ~ #2 %2=0"},
    {Joint, "SFrame", "0 0 0 #6 %6=''"},
    {Joint, "PFrame", "0 0 ~ #1 1x"},
    // Hinge boxes write the hinge text; Close stores the releases in member order.
    {Member, "PFrame", "1 2 1 1 #1 #2 / 1 2 2 1 / 1 2 1 1 #2 / 1 2 1 1 #1"},
    {Member, "STruss", "1 2 1 1 ~"},
    // A second record for a member is refused, the dialog moving on.
    {Temp, "PFrame", "5 30 / 5 40"},
    // Close keeps loads on free coordinates and settlements on restrained ones; a zero load at a
    // free joint is a load, a settlement away from a support is none.
    {Loads, "PFrame", "3 4 -9 2"},
    {Loads, "PFrame", "3 '' -9 ''"},
    {Loads, "PFrame", "5 0 '' ''"},
    {Settle, "PFrame", "3 4 -0.5 2"},
    {Settle, "PFrame", "1 4 -9 2"},
    {Settle, "PFrame", "3 4 '' 2"},
    {Settle, "PFrame", "5 1 1 1"},
    // Each kind of member load through its own fields, listed by its symbols.
    {MLoad, "SFrame", "2 @Linearly_varying_load 0 6 0 0"},
    {MLoad, "SFrame", "2 @Uniform_axial_load 2 ~ 0 9.5"},
    {MLoad, "SFrame", "2 @Torque 3 ~ 7 ~"},
    // The newest load of a member goes before the first row of the same or a higher member.
    {MLoad, "Beam", "4 1 / 1 2 / 4 3"},
    // Member-load values are checked per kind as the analysis checks them.
    {MLoad, "PFrame", "1 @Concentrated_force 40 ~ 10 ~"},
    {MLoad, "PFrame", "1 @Concentrated_force 40 ~ 10.5 ~"},
    {MLoad, "PFrame", "1 @Concentrated_force 40 ~ -1 ~"},
    {MLoad, "PFrame", "1 @Concentrated_force 0 ~ 2 ~"},
    {MLoad, "PFrame", "1 @Uniform_load 3 ~ 4 5.9"},
    {MLoad, "PFrame", "1 @Uniform_load 3 ~ 4 6"},
    {MLoad, "PFrame", "1 @Uniform_load 3 ~ -1 0"},
    {MLoad, "PFrame", "1 @Linearly_varying_load 0 2 0 0"},
    {MLoad, "PFrame", "1 @Linearly_varying_load 0 0 0 0"},
    // What OK refuses in every dialog, one row for each kind of rule (each field's rule and range
    // stand in the layout golden files): texts that are not whole numbers (blanks around a number
    // are no part of it), numbers naming nothing, properties of zero or less, blanks an item
    // needs. Blank means 0 for a thermal coefficient and a roll angle and no load component.
    {Mat, "SFrame", "2OOe6 1.2e-5 8e7"},
    {Joint, "SFrame", "0 -4e38 -2"},
    {Mat, "SFrame", "_2.9e4_ 1.2e-5 8e7"},
    {Member, "SFrame", "1 12 2 1 30"},
    {Member, "SFrame", "2.5 4 2 1 30"},
    {Temp, "SFrame", "-1 25"},
    {Member, "SFrame", "1 4.0 2 1 30"},
    {Mat, "SFrame", "0 1.2e-5 8e7"},
    {MLoad, "SFrame", "1 _"},
    {Mat, "SFrame", "2e8 '' 8e7"},
    {Member, "SFrame", "1 4 2 1 ''"},
    {Loads, "SFrame", "2 '' '' '' '' '' -5"},
};

// Each entry against a file checked by eye: the messages it was met with, the new grid rows and
// what Close stored. A refused item keeps the dialog open for a correction (a member's second
// value is dropped instead, the dialog moving on), with what was typed still there, the refused
// field holding the focus and the message beginning with its label; Next refuses it again.
TEST(EntryTable, EachEntryIsListedStoredAndKeptOrRefused) {
  std::string log;
  for (const Entry& c : kEntries) {
    SCOPED_TRACE(std::string(EditorFormName(c.form)) + " " + c.type + " " + c.items);
    const Texts items = Split(c.items, " / ");
    ModelStore model = Base(c.type);
    Session e(c.form, model);
    const int before = e.editor.ItemCount();
    bool keptOpen = false;
    e.windows.Then([&](ListEditor& ed) {
      for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) ed.Next();
        Play(ed, items[i]);
      }
      ed.Ok();
      keptOpen = ed.Dialog().Open;
      if (!keptOpen) return;
      Play(ed, items.back(), true);
      const EntryForm& d = ed.Dialog();
      std::string label = d.FocusSpring > 0
                              ? d.Spring[static_cast<std::size_t>(d.FocusSpring)].Stiffness.Label
                              : d.Text[static_cast<std::size_t>(d.FocusField)].Label;
      label.erase(label.find_last_not_of(" :") + 1);
      const auto& shown = e.messages.Log().at(0);
      EXPECT_TRUE(shown.Title != kFieldErrorTitle || shown.Text.rfind(label, 0) == 0) << label;
      ed.Next();
      EXPECT_TRUE(ed.Dialog().Open);
      ed.CancelEntry();
    });
    e.editor.Add();
    log += std::string(EditorFormName(c.form)) + " " + c.type + " " + c.items +
           (keptOpen ? ", kept open\n" : "\n");
    for (const auto& shown : e.messages.Log())
      log += "  ! " + shown.Title + ": " + Join(Split(shown.Text, "\n"), "|") + "\n";
    for (int row = before + 1; row <= e.editor.ItemCount(); ++row)
      log += "  listed " + Join(Row(e.editor.Grid(), row), "|") + "\n";
    e.editor.Close();
    log += "  stored " + Join(Records(c.form, model), "; ") + "\n";
    for (const std::string& problem : CheckModel(model))
      EXPECT_EQ(problem.find("Member load"), std::string::npos) << problem;
  }
  ExpectGolden(log, "entries.txt");
}

// A joint's springs and angle (stored-spring-and-angle.str) open in its dialog as stored; unticking
// a spring is one Edit step that Undo takes back whole, and what Close stores then is what was
// read.
TEST(EntryTable, AStoredSpringAndAngleOpenForEditingAndComeBackWithUndo) {
  ModelStore model = ModelFromFile("tests/editors/golden/stored-spring-and-angle.str");
  Session e(Joint, model);
  e.messages.Answer(kAnswerOk);
  EXPECT_EQ(Join(Row(e.editor.Grid(), 1), "|"), "1|0|0|X, Y, Rot.|Rot.=50|");
  EXPECT_EQ(Join(Row(e.editor.Grid(), 2), "|"), "2|4|0|Y||20");
  e.windows.Then([](ListEditor& ed) {
    Play(ed, "=0 =0 ~ #1 #2 #4 %4=50", true);
    Play(ed, "-%4");
    ed.Ok();
  });
  e.editor.Grid().Select(1, 1, 1, 1);
  e.editor.Edit();
  EXPECT_EQ(Join(Row(e.editor.Grid(), 1), "|"), "1|0|0|X, Y, Rot.||");
  EXPECT_EQ(e.editor.UndoName(), "Edit");
  e.editor.Undo();
  e.editor.Close();
  EXPECT_EQ(Records(Joint, model, false),
            Split("0 0; 4 0; S 1 1 1 1; S 2 0 1 0; K 1 3 50; A 2 20", "; "));
}

}  // namespace
