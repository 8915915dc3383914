// What OK accepts in every entry dialog: a field's whole text as a number, numbers that name
// existing joints, materials, sections and members, positive properties, and no blank field an
// item needs. Each row types one item of a space frame (the type with every field) with one field
// changed, presses OK and expects the message, the dialog still open on that field, and the item
// stored once the field is corrected; a row without a message expects OK to pass.
#include <gtest/gtest.h>

#include "editors/EditorSession.h"

using namespace stavelorn;
using namespace stavelorn::testing;

namespace {

// A correct item, field by field from Text1 (Text1 of the numbered lists is the item number).
Texts ValidItem(FormId form) {
  switch (form) {
    case FormId::MatA: return {"", "2e8", "1.2e-5", "8e7"};
    case FormId::CrossA: return {"", "0.01", "2e-4", "1e-4", "3e-4"};
    case FormId::JointA: return {"", "0", "3.5", "-2"};
    case FormId::MemberA: return {"", "1", "4", "2", "1", "30"};
    case FormId::JLoadA: return {"2", "10", "", "", "", "", "-5"};
    case FormId::MemTempA: return {"3", "25"};
    default: return {"1", "-12.5"};
  }
}

const char* const kBlank = ": this field may not be left empty. Please enter a value.";

TEST(EntryRules, EachDialogRefusesWhatTheAnalysisCouldNotRead) {
  const struct {
    FormId form;
    int field;
    const char* typed;
    std::string message;  // "" when OK accepts the item
  } cases[] = {
      // Texts that are not whole numbers; blanks around a number are no part of it.
      {FormId::MatA, 2, "2OOe6", "Modulus of Elasticity - E: \"2OOe6\" is not a number."},
      {FormId::CrossA, 2, "0,01", "Area -  (A): \"0,01\" is not a number."},
      {FormId::CrossA, 4, "1e39", "Moment of Inertia - (IY): \"1e39\" is too large."},
      {FormId::JointA, 3, "3.5m", "Y-Coordinate: \"3.5m\" is not a number."},
      {FormId::MemberA, 6, "thirty", "Angle of Roll (Deg.): \"thirty\" is not a number."},
      {FormId::JLoadA, 7, "-5 kNm", "Z-Moment: \"-5 kNm\" is not a number."},
      {FormId::MemTempA, 2, "25deg", "Temperature Change : ( Tu ): \"25deg\" is not a number."},
      {FormId::MemLoadA, 2, "12kN", "Load Intensity - w: \"12kN\" is not a number."},
      {FormId::MatA, 2, " 2.9e4 ", ""},
      {FormId::JointA, 2, "-1.5D2", ""},
      // Numbers naming no joint, material, section or member.
      {FormId::MemberA, 3, "7",
       "End Joint: \"7\" is out of range. Enter a whole number from 1 to 4."},
      {FormId::MemberA, 2, "2.5",
       "Beginning Joint: \"2.5\" is out of range. Enter a whole number from 1 to 4."},
      {FormId::MemberA, 4, "3",
       "Material No.: \"3\" is out of range. Enter a whole number from 1 to 2."},
      {FormId::MemberA, 5, "2",
       "Cross-Section No.: \"2\" is out of range. Enter a whole number from 1 to 1."},
      {FormId::JLoadA, 1, "5",
       "Joint No.: \"5\" is out of range. Enter a whole number from 1 to 4."},
      {FormId::MemTempA, 1, "-1",
       "Member No.: \"-1\" is out of range. Enter a whole number from 1 to 3."},
      {FormId::MemLoadA, 1, "4",
       "Member No.: \"4\" is out of range. Enter a whole number from 1 to 3."},
      {FormId::MemberA, 3, "4.0", ""},
      {FormId::MemberA, 3, "1", ""},  // a member from a joint to itself is left to the analysis
      // Properties of zero or less; other values may be negative or zero.
      {FormId::MatA, 2, "0", "Modulus of Elasticity - E: \"0\" must be greater than 0."},
      {FormId::MatA, 4, "-8e7", "Shear Modulus  - G: \"-8e7\" must be greater than 0."},
      {FormId::CrossA, 2, "0.0", "Area -  (A): \"0.0\" must be greater than 0."},
      {FormId::CrossA, 5, "-0", "Torsion Constant - (J): \"-0\" must be greater than 0."},
      {FormId::MatA, 3, "0", ""},
      {FormId::MemTempA, 2, "-40", ""},
      // Blank fields an item needs; blank means 0 for a thermal coefficient and a roll angle, and
      // no component of a load.
      {FormId::MatA, 2, "", std::string("Modulus of Elasticity - E") + kBlank},
      {FormId::MatA, 4, "  ", std::string("Shear Modulus  - G") + kBlank},
      {FormId::MemberA, 3, "", std::string("End Joint") + kBlank},
      {FormId::JLoadA, 1, "", std::string("Joint No.") + kBlank},
      {FormId::MemTempA, 2, "", std::string("Temperature Change : ( Tu )") + kBlank},
      {FormId::MemLoadA, 2, " ", std::string("Load Intensity - w") + kBlank},
      {FormId::MatA, 3, "", ""},
      {FormId::MemberA, 6, "", ""},
      {FormId::JLoadA, 2, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(EditorFormName(c.form)) + " Text" + std::to_string(c.field) + " \"" +
                 c.typed + "\"");
    // Four joints, two materials, one cross-section, three members.
    ModelStore model = Structure("SFrame", 4, 2);
    model.SectionCount = 1;
    model.Sections.Redim(1, model.SectionColumns);
    Session e(c.form, model);
    const Texts valid = ValidItem(c.form);
    const int items = e.editor.ItemCount();
    e.windows.Then([&](ListEditor& ed) {
      for (std::size_t f = 0; f < valid.size(); ++f)
        if (!ed.Dialog().Text[f + 1].ReadOnly) ed.TypeField(static_cast<int>(f) + 1, valid[f]);
      ed.TypeField(c.field, c.typed);
      ed.Ok();
      if (c.message.empty()) {
        EXPECT_TRUE(e.messages.Log().empty());
        EXPECT_FALSE(ed.Dialog().Open);
        return;
      }
      ASSERT_EQ(e.messages.Log().size(), 1u);
      EXPECT_EQ(e.messages.Log()[0].Title, kFieldErrorTitle);
      EXPECT_EQ(e.messages.Log()[0].Text, c.message);
      EXPECT_EQ(e.messages.Log()[0].Style, kStyleCritical);
      EXPECT_TRUE(ed.Dialog().Open);
      EXPECT_EQ(ed.Dialog().FocusField, c.field);
      EXPECT_EQ(ed.Dialog().Text[static_cast<std::size_t>(c.field)].Text, c.typed);
      ed.Next();  // Next is refused the same way
      EXPECT_EQ(e.messages.Log().size(), 2u);
      ed.TypeField(c.field, valid[static_cast<std::size_t>(c.field - 1)]);
      ed.Ok();
      EXPECT_FALSE(ed.Dialog().Open);
    });
    e.editor.Add();
    EXPECT_EQ(e.windows.dialogs, 1);
    EXPECT_EQ(e.editor.ItemCount(), items + 1);
  }
}

}  // namespace
