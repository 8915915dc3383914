// Items typed into each list's entry dialog, against what the list shows, what Close stores (a
// project file keeps what the model holds: the model's own round trips), and the message that
// refuses an item. Every row starts from the
// same model: 11 joints 10 apart on X, 10 members, 2 materials, 1 cross-section, joint 1 fixed
// and joint 3 restrained in its second coordinate only.
#include <gtest/gtest.h>

#include <sstream>

#include "analysis/ModelCheck.h"
#include "editors/EditorSession.h"
#include "support/SampleModels.h"

using namespace stavelorn;
using namespace stavelorn::testing;

namespace {

struct Entry {
  FormId form;
  const char* type;
  const char* items;    // typed in one dialog, Next between the items and OK after the last
  const char* listed;   // the new grid rows, cells joined by '|' and rows by "; "; "*": unread
  const char* stored;   // Records() after Close, by "; "
  const char* refusal;  // "title|words" of the first message ("words" of a field's), "" if none
};

constexpr FormId Mat = FormId::MatA, Cross = FormId::CrossA, Joint = FormId::JointA,
                 Member = FormId::MemberA, Loads = FormId::JLoadA, Settle = FormId::JSettleA,
                 Temp = FormId::MemTempA, Err = FormId::MemErrA, MLoad = FormId::MemLoadA;

const Entry kEntries[] = {
    {Mat, "PFrame", "2.9e4 / 12 1.2E-05", "3|2.9e4|0; 4|12|1.2E-05", "29000 0; 12 1.2e-05", ""},
    {Mat, "Grid", "7 0.1 8e7", "3|7|8e7|0.1", "7 8e+07 0.1", ""},
    // Check boxes write the restraint text; Close stores the flags.
    {Joint, "Beam", "0 ~ #1 #4", "12|0|Y, Rot.|", "0; S 12 1 1", ""},
    {Joint, "STruss", "0 0 0 #3 #2", "12|0|0|0|Y, Z|", "0 0 0; S 12 0 1 1", ""},
    {Joint, "Grid", "0 0 ~ #1 #4 #5", "12|0|0|Y, XR, ZR||", "0 0; S 12 1 1 1", ""},
    {Joint, "SFrame", "0 0 0 #6 #5 #4 #3 #2 #1", "12|0|0|0|X,Y,Z,XR,YR,ZR|",
     "0 0 0; S 12 1 1 1 1 1 1", ""},
    // A spring beside a restraint makes it elastic; a turned support takes an angle once it holds
    // something, a beam's never. Freeing a coordinate drops its spring, freeing the last one the
    // angle.
    {Joint, "PFrame", "0 0 ~ #1 #2 %2=500 30", "12|0|0|X, Y|Y=500|30",
     "0 0; S 12 1 1 0; K 12 2 500; A 12 30", ""},
    {Joint, "Grid", "0 0 ~ #1 %1=2e3 #4 #5 %5=7 -30", "12|0|0|Y, XR, ZR|Y=2e3, ZR=7|-30",
     "0 0; S 12 1 1 1; K 12 1 2000; K 12 3 7; A 12 -30", ""},
    {Joint, "Beam", "0 ~ ~ ~ #1 %1=1e3 #4 %4=2e4", "12|0|Y, Rot.|Y=1e3, Rot.=2e4",
     "0; S 12 1 1; K 12 1 1000; K 12 2 20000", ""},
    {Joint, "PFrame", "0 0 ~ #1 #2 %2=500 %1=9 -%1 -#2", "12|0|0|X||", "0 0; S 12 1 0 0", ""},
    {Joint, "PFrame", "0 0 ~ #1 45 -#1", "12|0|0|||", "0 0", ""},
    {Joint, "PFrame", "0 0 ~ #2 %2=0", "", "", "Y Spring Stiffness: \"0\" must be greater than 0."},
    {Joint, "SFrame", "0 0 0 #6 %6=''", "", "",
     "ZR Spring Stiffness (per Rad.): this field may not be left empty."},
    {Joint, "PFrame", "0 0 ~ #1 1x", "", "", "Support Angle (Deg.): \"1x\" is not a number."},
    // Hinge boxes write the hinge text; Close stores the releases in member order.
    {Member, "PFrame", "1 2 1 1 #1 #2 / 1 2 2 1 / 1 2 1 1 #2 / 1 2 1 1 #1",
     "11|1|2|1|1|Both Ends; 12|1|2|2|1|; 13|1|2|1|1|End; 14|1|2|1|1|Beginning",
     "1 2 1 1; 1 2 2 1; 1 2 1 1; 1 2 1 1; R 11 3; R 13 2; R 14 1", ""},
    {Member, "STruss", "1 2 1 1 ~", "11|1|2|1|1", "1 2 1 1", ""},
    // A second record for a member is refused, the dialog moving on.
    {Temp, "PFrame", "5 30 / 5 40", "5|30", "5 30",
     ">Member Number Error|Temperature change for Member 5 is already defined !"},
    // Close keeps loads on free coordinates and settlements on restrained ones; a zero load at a
    // free joint is a load, a settlement away from a support is none.
    {Loads, "PFrame", "3 4 -9 2", "3|4|-9|2", "3 4 0 2", ""},
    {Loads, "PFrame", "3 '' -9 ''", "*", "", ""},
    {Loads, "PFrame", "1 4 -9 2", "*", "", ""},
    {Loads, "PFrame", "5 0 '' ''", "*", "5 0 0 0", ""},
    {Settle, "PFrame", "3 4 -0.5 2", "*", "3 0 -0.5 0", ""},
    {Settle, "PFrame", "1 4 -9 2", "*", "1 4 -9 2", ""},
    {Settle, "PFrame", "3 4 '' 2", "*", "", ""},
    {Settle, "PFrame", "5 1 1 1", "*", "", ""},
    // Each kind of member load through its own fields, listed by its symbols.
    {MLoad, "SFrame", "2 @Linearly_varying_load 0 6 0 0",
     "2|w1 = 0, w2 = 6 (in local -y), a = 0, b = 0", "2 4 0 6 0 0", ""},
    {MLoad, "SFrame", "2 @Uniform_axial_load 2 ~ 0 9.5", "2|w = 2 (in local -x), a = 0, b = 9.5",
     "2 6 2 0 0 9.5", ""},
    {MLoad, "SFrame", "2 @Torque 3 ~ 7 ~", "2|T = 3 (about local -x), a = 7", "2 7 3 0 7 0", ""},
    // The newest load of a member goes before the first row of the same or a higher member.
    {MLoad, "Beam", "4 1 / 1 2 / 4 3",
     "1|w = 2 (in local -y), a = 0, b = 0; 4|w = 3 (in local -y), a = 0, b = 0; 4|w = 1 (in local "
     "-y), a = 0, "
     "b = 0",
     "1 3 2 0 0 0; 4 3 3 0 0 0; 4 3 1 0 0 0", ""},
    // Member-load values are checked per kind as the analysis checks them.
    {MLoad, "PFrame", "1 @Concentrated_force 40 ~ 10 ~", "*", "1 1 40 0 10 0", ""},
    {MLoad, "PFrame", "1 @Concentrated_force 40 ~ 10.5 ~", "", "",
     "Member Load Error|0 <= a <= L = 10, but a = 10.5"},
    {MLoad, "PFrame", "1 @Concentrated_force 40 ~ -1 ~", "", "",
     "Member Load Error|0 <= a <= L = 10"},
    {MLoad, "PFrame", "1 @Concentrated_force 0 ~ 2 ~", "", "",
     "Member Load Error|P cannot be zero"},
    {MLoad, "PFrame", "1 @Concentrated_couple 0 ~ 2 ~", "", "",
     "Member Load Error|M cannot be zero"},
    {MLoad, "PFrame", "1 @Uniform_load 3 ~ 4 5.9", "*", "1 3 3 0 4 5.9", ""},
    {MLoad, "PFrame", "1 @Uniform_load 3 ~ 4 6", "", "",
     "Member Load Error|a + b must be less than L = 10"},
    {MLoad, "PFrame", "1 @Uniform_load 3 ~ -1 0", "", "",
     "Member Load Error|a and b cannot be negative"},
    {MLoad, "PFrame", "1 @Linearly_varying_load 0 2 0 0", "*", "1 4 0 2 0 0", ""},
    {MLoad, "PFrame", "1 @Linearly_varying_load 0 0 0 0", "", "",
     "Member Load Error|w1 and w2 cannot both be zero"},
    // What OK refuses in every dialog, one row for each kind of rule (each field's rule and range
    // stand in the layout golden files): texts that are not whole numbers (blanks around a number
    // are no part of it), numbers naming nothing, properties of zero or less, blanks an item
    // needs. Blank means 0 for a thermal coefficient and a roll angle and no load component.
    {Mat, "SFrame", "2OOe6 1.2e-5 8e7", "", "",
     "Modulus of Elasticity - E: \"2OOe6\" is not a number."},
    {Cross, "SFrame", "0.01 2e-4 1e39 3e-4", "", "",
     "Moment of Inertia - (IY): 1e39 is larger than the largest value this program stores, "
     "3.4E+38."},
    {Joint, "SFrame", "0 -4e38 -2", "", "",
     "Y-Coordinate: -4e38 is below the lowest value this program stores, -3.4E+38."},
    {Mat, "SFrame", "2e8 1e-50 8e7", "", "",
     "1e-50 is closer to 0 than the smallest non-zero value this program stores, 1.2E-38."},
    {MLoad, "SFrame", "1 12kN", "", "", "Load Intensity - w: \"12kN\" is not a number."},
    {Mat, "SFrame", "_2.9e4_ 1.2e-5 8e7", "*", "29000 8e+07 1.2e-05", ""},
    {Member, "SFrame", "1 12 2 1 30", "", "",
     "End Joint: \"12\" is out of range. Enter a whole number from 1 to 11."},
    {Member, "SFrame", "2.5 4 2 1 30", "", "",
     "Beginning Joint: \"2.5\" is out of range. Enter a whole number from 1 to 11."},
    {Temp, "SFrame", "-1 25", "", "",
     "Member No.: \"-1\" is out of range. Enter a whole number from 1 to 10."},
    {Member, "SFrame", "1 4.0 2 1 30", "*", "1 4 2 1 30.000000", ""},
    {Mat, "SFrame", "0 1.2e-5 8e7", "", "",
     "Modulus of Elasticity - E: \"0\" must be greater than 0."},
    {Mat, "SFrame", "'' 1.2e-5 8e7", "", "",
     "Modulus of Elasticity - E: this field may not be left empty. Please enter a value."},
    {MLoad, "SFrame", "1 _", "", "", "Load Intensity - w: this field may not be left empty."},
    {Mat, "SFrame", "2e8 '' 8e7", "*", "2e+08 8e+07 0", ""},
    {Member, "SFrame", "1 4 2 1 ''", "*", "1 4 2 1 0.000000", ""},
    {Loads, "SFrame", "2 '' '' '' '' '' -5", "*", "2 0 0 0 0 0 -5", ""},
};

TEST(EntryTable, EachEntryIsListedStoredAndKeptOrRefused) {
  for (const Entry& c : kEntries) {
    SCOPED_TRACE(std::string(EditorFormName(c.form)) + " " + c.type + " " + c.items);
    const Texts items = Split(c.items, " / ");
    // A refused item keeps the dialog open for a correction, refused again by Next; a member's
    // second value (marked '>') is dropped and the dialog moves on.
    const bool movesOn = *c.refusal == '>';
    const std::string refusal = c.refusal + (movesOn ? 1 : 0);
    ModelStore model = Base(c.type);
    Session e(c.form, model);
    const int before = e.editor.ItemCount();
    e.windows.Then([&](ListEditor& ed) {
      for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) ed.Next();
        Play(ed, items[i]);
      }
      ed.Ok();
      EXPECT_EQ(ed.Dialog().Open, !refusal.empty() && !movesOn);
      if (!ed.Dialog().Open) return;
      Play(ed, items.back(), true);  // refused: what was typed stays for a correction
      // A refused field takes the focus, and the message begins with its label.
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
    if (refusal.empty()) {
      EXPECT_TRUE(e.messages.Log().empty());
    } else {
      ASSERT_EQ(e.messages.Log().size(), movesOn ? 1u : 2u);
      const auto& shown = e.messages.Log()[0];
      const std::size_t bar = refusal.find('|');
      EXPECT_EQ(shown.Title, bar == std::string::npos ? kFieldErrorTitle : refusal.substr(0, bar));
      EXPECT_NE(shown.Text.find(refusal.substr(bar + 1)), std::string::npos) << shown.Text;
    }
    Texts listed;
    for (int row = before + 1; row <= e.editor.ItemCount(); ++row)
      listed.push_back(Join(Row(e.editor.Grid(), row), "|"));
    EXPECT_EQ(listed, std::string(c.listed) == "*" ? listed : Split(c.listed, "; "));
    e.editor.Close();
    EXPECT_EQ(Records(c.form, model), Split(c.stored, "; "));
    for (const std::string& problem : CheckModel(model))
      EXPECT_EQ(problem.find("Member load"), std::string::npos) << problem;
  }
}

// A joint's springs and angle open in its dialog as stored; unticking a spring is one Edit step
// that Undo takes back whole, and what Close stores then is what was read.
TEST(EntryTable, AStoredSpringAndAngleOpenForEditingAndComeBackWithUndo) {
  ModelStore model = ModelFromText(
      "\"t\",\"PFrame\"\n\"Joints\",2\n0,0\n4,0\n\"Supports\",2\n1,1,1,1\n"
      "2,0,1,0\n\"Support Springs\",1\n1,3,50\n\"Support Angles\",1\n2,20\n");
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
