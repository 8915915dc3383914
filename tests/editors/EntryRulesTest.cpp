// What OK accepts in every entry dialog: a field's whole text as a number, numbers that name
// existing joints, materials, sections and members, positive properties, and no blank field an
// item needs. Each table row types one item of a space frame (the type with every field) with one
// field changed, presses OK and expects the message, the dialog still open on that field, and
// the item stored once the field is corrected; a row without a message expects OK to pass.
#include <gtest/gtest.h>

#include <memory>

#include "editors/JointEditor.h"
#include "editors/JointLoadEditor.h"
#include "editors/KeyedEntry.h"
#include "editors/MaterialEditor.h"
#include "editors/MemberEditor.h"
#include "editors/MemberLoadEditor.h"
#include "editors/MemberValueEditor.h"
#include "editors/SectionEditor.h"
#include "support/ScriptedMessages.h"

using namespace stavelorn;
using stavelorn::testing::ScriptedEditorWindows;

namespace {

struct Case {
  FormId form;
  int field;
  const char* typed;
  const char* message;  // "" when OK accepts the item
};

// Four joints, two materials, one cross-section, three members.
ModelStore SpaceFrame() {
  ModelStore model = stavelorn::testing::Structure("SFrame", 4);
  model.MaterialCount = 2;
  model.Materials.Redim(2, model.MaterialColumns());
  model.SectionCount = 1;
  model.Sections.Redim(1, model.SectionColumns);
  model.RollAngles.Redim(3);
  return model;
}

std::unique_ptr<ListEditor> EditorFor(FormId form, ModelStore& model, Messages& messages) {
  switch (form) {
    case FormId::MatA: return std::make_unique<MaterialEditor>(model, messages);
    case FormId::CrossA: return std::make_unique<SectionEditor>(model, messages);
    case FormId::JointA: return std::make_unique<JointEditor>(model, messages);
    case FormId::MemberA: return std::make_unique<MemberEditor>(model, messages);
    case FormId::JLoadA:
      return std::make_unique<JointLoadEditor>(model, messages, JointData::Loads);
    case FormId::MemTempA:
      return std::make_unique<MemberValueEditor>(model, messages, MemberData::TempChanges);
    default: return std::make_unique<MemberLoadEditor>(model, messages);
  }
}

// A correct item, field by field from Text1 (Text1 of the numbered lists is the item number).
std::vector<std::string> ValidItem(FormId form) {
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

void ExpectRule(const Case& c) {
  SCOPED_TRACE(std::string(EditorFormName(c.form)) + " Text" + std::to_string(c.field) + " \"" +
               c.typed + "\"");
  ModelStore model = SpaceFrame();
  ScriptedMessages messages;
  std::unique_ptr<ListEditor> editor = EditorFor(c.form, model, messages);
  ScriptedEditorWindows windows(*editor);
  editor->Open();
  const std::vector<std::string> valid = ValidItem(c.form);
  const int items = editor->ItemCount();
  windows.Then([&](ListEditor& ed) {
    for (std::size_t f = 0; f < valid.size(); ++f)
      if (!ed.Dialog().Text[f + 1].ReadOnly) ed.TypeField(static_cast<int>(f) + 1, valid[f]);
    ed.TypeField(c.field, c.typed);
    ed.Ok();
    if (*c.message == '\0') {
      EXPECT_TRUE(messages.Log().empty());
      EXPECT_FALSE(ed.Dialog().Open);
      return;
    }
    ASSERT_EQ(messages.Log().size(), 1u);
    EXPECT_EQ(messages.Log()[0].Title, kFieldErrorTitle);
    EXPECT_EQ(messages.Log()[0].Text, c.message);
    EXPECT_EQ(messages.Log()[0].Style, kStyleCritical);
    EXPECT_TRUE(ed.Dialog().Open);
    EXPECT_EQ(ed.Dialog().FocusField, c.field);
    EXPECT_EQ(ed.Dialog().Text[static_cast<std::size_t>(c.field)].Text, c.typed);
    ed.Next();  // Next is refused the same way
    EXPECT_EQ(messages.Log().size(), 2u);
    ed.TypeField(c.field, valid[static_cast<std::size_t>(c.field - 1)]);
    ed.Ok();
    EXPECT_FALSE(ed.Dialog().Open);
  });
  editor->Add();
  EXPECT_EQ(windows.dialogs, 1);
  EXPECT_EQ(editor->ItemCount(), items + 1);
}

TEST(EntryRules, TextsThatAreNotWholeNumbersAreRefused) {
  const Case cases[] = {
      {FormId::MatA, 2, "2OOe6", "Modulus of Elasticity - E: \"2OOe6\" is not a number."},
      {FormId::CrossA, 2, "0,01", "Area -  (A): \"0,01\" is not a number."},
      {FormId::CrossA, 4, "1e39", "Moment of Inertia - (IY): \"1e39\" is too large."},
      {FormId::JointA, 3, "3.5m", "Y-Coordinate: \"3.5m\" is not a number."},
      {FormId::MemberA, 6, "thirty", "Angle of Roll (Deg.): \"thirty\" is not a number."},
      {FormId::JLoadA, 7, "-5 kNm", "Z-Moment: \"-5 kNm\" is not a number."},
      {FormId::MemTempA, 2, "25deg", "Temperature Change : ( Tu ): \"25deg\" is not a number."},
      {FormId::MemLoadA, 2, "12kN", "Load Intensity - w: \"12kN\" is not a number."},
      // Blanks around a number are no part of it.
      {FormId::MatA, 2, " 2.9e4 ", ""},
      {FormId::JointA, 2, "-1.5D2", ""},
  };
  for (const Case& c : cases) ExpectRule(c);
}

TEST(EntryRules, NumbersNamingNoJointMaterialSectionOrMemberAreRefused) {
  const Case cases[] = {
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
  };
  for (const Case& c : cases) ExpectRule(c);
}

TEST(EntryRules, PropertiesOfZeroOrLessAreRefused) {
  const Case cases[] = {
      {FormId::MatA, 2, "0", "Modulus of Elasticity - E: \"0\" must be greater than 0."},
      {FormId::MatA, 4, "-8e7", "Shear Modulus  - G: \"-8e7\" must be greater than 0."},
      {FormId::CrossA, 2, "0.0", "Area -  (A): \"0.0\" must be greater than 0."},
      {FormId::CrossA, 5, "-0", "Torsion Constant - (J): \"-0\" must be greater than 0."},
      // Values that may be negative or zero.
      {FormId::MatA, 3, "0", ""},
      {FormId::MemTempA, 2, "-40", ""},
  };
  for (const Case& c : cases) ExpectRule(c);
}

TEST(EntryRules, BlankFieldsAnItemNeedsAreRefused) {
  const char* blank = ": this field may not be left empty. Please enter a value.";
  const struct {
    FormId form;
    int field;
    const char* typed;
    const char* name;  // nullptr when the field may be left blank
  } rows[] = {
      {FormId::MatA, 2, "", "Modulus of Elasticity - E"},
      {FormId::MatA, 4, "  ", "Shear Modulus  - G"},
      {FormId::MemberA, 3, "", "End Joint"},
      {FormId::JLoadA, 1, "", "Joint No."},
      {FormId::MemTempA, 2, "", "Temperature Change : ( Tu )"},
      {FormId::MemLoadA, 2, " ", "Load Intensity - w"},
      // Blank means 0 for a thermal coefficient and a roll angle, and no component of a load.
      {FormId::MatA, 3, "", nullptr},
      {FormId::MemberA, 6, "", nullptr},
      {FormId::JLoadA, 2, "", nullptr},
  };
  for (const auto& r : rows) {
    const std::string message = r.name ? std::string(r.name) + blank : "";
    ExpectRule({r.form, r.field, r.typed, message.c_str()});
  }
}

}  // namespace
