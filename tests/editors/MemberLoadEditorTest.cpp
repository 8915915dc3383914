// The member loads editor without windows: every kind the type carries entered through its own
// fields, checked as the analysis will check it, listed in words, edited, deleted and stored; the
// newest load of a member first; numbers outside the model dropped.
#include <gtest/gtest.h>

#include "analysis/ModelCheck.h"
#include "editors/KeyedEntry.h"
#include "editors/MemberLoadEditor.h"
#include "model/ProjectFile.h"
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
  explicit Editor(ModelStore& model) : editor(model, messages), windows(editor) { editor.Open(); }
  ScriptedMessages messages;
  MemberLoadEditor editor;
  ScriptedEditorWindows windows;
};

// Picks `kind` in the dialog's choice by its name, as the user does.
void ChooseKind(ListEditor& editor, const std::string& name) {
  const std::vector<std::string>& options = editor.Dialog().Choice.Options;
  const auto found = std::find(options.begin(), options.end(), name);
  ASSERT_NE(found, options.end()) << name;
  editor.Choose(static_cast<int>(found - options.begin()));
}

// The labels of Text2..Text5, "" for a hidden field.
Texts ValueLabels(const ListEditor& editor) {
  Texts labels;
  for (std::size_t f = 2; f <= 5; ++f)
    labels.push_back(editor.Dialog().Text[f].Visible ? editor.Dialog().Text[f].Label : "");
  return labels;
}

// Members of length 10 along X: a space frame carries every kind.
struct KindCase {
  const char* name;
  Texts labels;  // Text2..Text5
  Texts typed;   // into the visible fields, in order
  int code;
  std::array<float, 4> stored;
  const char* listed;
};

const KindCase kKinds[] = {
    {"Concentrated force",
     {"P :", "", "a (from the beginning joint) :", ""},
     {"40", "2"},
     1,
     {40, 0, 2, 0},
     "Concentrated force: P = 40 at a = 2"},
    {"Concentrated couple",
     {"M :", "", "a (from the beginning joint) :", ""},
     {"-15", "10"},
     2,
     {-15, 0, 10, 0},
     "Concentrated couple: M = -15 at a = 10"},
    {"Uniform load",
     {"Load Intensity - w :", "", "a (from the beginning joint) :", "b (from the end joint) :"},
     {"1.5", "1", "2"},
     3,
     {1.5f, 0, 1, 2},
     "Uniform load: w = 1.5, a = 1, b = 2"},
    {"Linearly varying load",
     {"w1 :", "w2 :", "a (from the beginning joint) :", "b (from the end joint) :"},
     {"0", "6", "0", "0"},
     4,
     {0, 6, 0, 0},
     "Linearly varying load: w1 = 0, w2 = 6, a = 0, b = 0"},
    {"Axial force",
     {"P :", "", "a (from the beginning joint) :", ""},
     {"5", "0"},
     5,
     {5, 0, 0, 0},
     "Axial force: P = 5 at a = 0"},
    {"Uniform axial load",
     {"w :", "", "a (from the beginning joint) :", "b (from the end joint) :"},
     {"2", "0", "9.5"},
     6,
     {2, 0, 0, 9.5f},
     "Uniform axial load: w = 2, a = 0, b = 9.5"},
    {"Torque",
     {"T :", "", "a (from the beginning joint) :", ""},
     {"3", "7"},
     7,
     {3, 0, 7, 0},
     "Torque: T = 3 at a = 7"},
    {"Concentrated force in local z",
     {"P :", "", "a (from the beginning joint) :", ""},
     {"8", "4"},
     8,
     {8, 0, 4, 0},
     "Concentrated force in local z: P = 8 at a = 4"},
    {"Concentrated couple about local y",
     {"M :", "", "a (from the beginning joint) :", ""},
     {"1", "5"},
     9,
     {1, 0, 5, 0},
     "Concentrated couple about local y: M = 1 at a = 5"},
    {"Uniform load in local z",
     {"w :", "", "a (from the beginning joint) :", "b (from the end joint) :"},
     {"4", "0", "0"},
     10,
     {4, 0, 0, 0},
     "Uniform load in local z: w = 4, a = 0, b = 0"},
    {"Linearly varying load in local z",
     {"w1 :", "w2 :", "a (from the beginning joint) :", "b (from the end joint) :"},
     {"2", "-2", "3", "1"},
     11,
     {2, -2, 3, 1},
     "Linearly varying load in local z: w1 = 2, w2 = -2, a = 3, b = 1"},
};

// Enters one load of the case on member 2 through the dialog.
ScriptedEditorWindows::Hand EnterKind(const KindCase& c) {
  return [&c](ListEditor& ed) {
    ed.TypeField(1, "2");
    ChooseKind(ed, c.name);
    EXPECT_EQ(ValueLabels(ed), c.labels) << c.name;
    EXPECT_FALSE(ed.Dialog().Note.empty());
    int typed = 0;
    for (int f = 2; f <= 5; ++f)
      if (ed.Dialog().Text[static_cast<std::size_t>(f)].Visible)
        ed.TypeField(f, c.typed.at(static_cast<std::size_t>(typed++)));
    ed.Ok();
  };
}

TEST(MemberLoadEditor, EachKindIsEnteredThroughItsOwnFieldsStoredAndListedInWords) {
  for (const KindCase& c : kKinds) {
    ModelStore model = Structure("SFrame", 4);
    Editor e(model);
    e.windows.Then(EnterKind(c));
    e.editor.Shown();
    EXPECT_TRUE(e.messages.Log().empty()) << c.name;
    EXPECT_EQ(Row(e.editor.Grid(), 1), (Texts{"2", c.listed}));
    e.editor.Close();
    ASSERT_EQ(model.MemberLoadCount, 1);
    EXPECT_EQ(model.MemberLoadInfo(1, 2), c.code);
    for (int k = 1; k <= 4; ++k)
      EXPECT_EQ(model.MemberLoadValues(1, k), c.stored[static_cast<std::size_t>(k - 1)]) << c.name;
  }
}

TEST(MemberLoadEditor, TheChoiceOffersOnlyTheKindsTheTypeCarries) {
  const std::pair<const char*, std::size_t> types[] = {
      {"Beam", 4}, {"PFrame", 6}, {"Grid", 5}, {"SFrame", 11}};
  for (const auto& [type, kinds] : types) {
    ModelStore model = Structure(type, 3);
    Editor e(model);
    e.windows.Then([kinds = kinds](ListEditor& ed) {
      EXPECT_EQ(ed.Dialog().Choice.Options.size(), kinds);
      // A new load starts as a uniform load, entered by its member and intensity as always.
      EXPECT_EQ(ed.Dialog().Choice.Options[static_cast<std::size_t>(ed.Dialog().Choice.Selected)],
                "Uniform load");
      ed.CancelEntry();
    });
    e.editor.Shown();
  }
}

// The values each kind refuses, with the words of the refusal; whatever the dialog stores also
// passes the analysis's checks.
TEST(MemberLoadEditor, ValuesAreCheckedPerKindAsTheAnalysisChecksThem) {
  struct Case {
    const char* kind;
    Texts typed;
    const char* refusal;  // "" when accepted
  };
  const Case cases[] = {
      {"Concentrated force", {"40", "10"}, ""},
      {"Concentrated force", {"40", "10.5"}, "0 <= a <= L = 10, but a = 10.5"},
      {"Concentrated force", {"40", "-1"}, "0 <= a <= L = 10"},
      {"Concentrated force", {"0", "2"}, "P cannot be zero"},
      {"Concentrated couple", {"0", "2"}, "M cannot be zero"},
      {"Uniform load", {"3", "4", "5.9"}, ""},
      {"Uniform load", {"3", "4", "6"}, "a + b must be less than L = 10"},
      {"Uniform load", {"3", "-1", "0"}, "a and b cannot be negative"},
      {"Linearly varying load", {"0", "2", "0", "0"}, ""},
      {"Linearly varying load", {"0", "0", "0", "0"}, "w1 and w2 cannot both be zero"},
      {"Linearly varying load", {"1", "2", "10", "0"}, "a + b must be less than L"},
  };
  for (const Case& c : cases) {
    ModelStore model = Structure("PFrame", 3);
    Editor e(model);
    e.windows.Then([&c](ListEditor& ed) {
      ed.TypeField(1, "1");
      ChooseKind(ed, c.kind);
      int typed = 0;
      for (int f = 2; f <= 5; ++f)
        if (ed.Dialog().Text[static_cast<std::size_t>(f)].Visible)
          ed.TypeField(f, c.typed.at(static_cast<std::size_t>(typed++)));
      ed.Ok();
      if (ed.Dialog().Open) ed.CancelEntry();  // refused: the dialog stayed open
    });
    e.editor.Shown();
    const std::string refusal = c.refusal;
    if (refusal.empty()) {
      EXPECT_TRUE(e.messages.Log().empty()) << c.kind;
      EXPECT_EQ(e.editor.ItemCount(), 1);
    } else {
      ASSERT_EQ(e.messages.Log().size(), 1u) << c.kind << " " << refusal;
      EXPECT_EQ(e.messages.Log()[0].Title, "Member Load Error");
      EXPECT_NE(e.messages.Log()[0].Text.find(refusal), std::string::npos)
          << e.messages.Log()[0].Text;
      EXPECT_EQ(e.editor.ItemCount(), 0);
    }
    e.editor.Close();
    // The sample has no supports or sections, so only the member-load checks are looked at.
    for (const std::string& problem : CheckModel(model))
      EXPECT_EQ(problem.find("Member load"), std::string::npos) << problem;
  }
}

// Every kind through the dialog, into a project file and back, and into the dialog again: the
// same kind chosen and the same values shown for every row.
TEST(MemberLoadEditor, EveryKindSurvivesDialogFileDialog) {
  ModelStore model = Structure("SFrame", 4);
  model.RollAngles.Redim(model.MemberCount);
  {
    Editor e(model);
    for (const KindCase& c : kKinds) e.windows.Then(EnterKind(c));
    e.editor.Shown();
    for (std::size_t i = 1; i < std::size(kKinds); ++i) e.editor.Add();
    e.editor.Close();
  }
  std::string text;
  ASSERT_FALSE(ProjectFileText(model, text));
  ModelStore read;
  read.Reset();
  ASSERT_FALSE(ReadProjectText(read, text));
  ASSERT_EQ(read.MemberLoadCount, static_cast<int>(std::size(kKinds)));
  Editor e(read);
  for (int row = 1; row <= read.MemberLoadCount; ++row) {
    // The newest load of a member comes first, so the rows run from the last kind entered.
    const KindCase& c = kKinds[std::size(kKinds) - static_cast<std::size_t>(row)];
    e.messages.Answer(kAnswerOk);
    e.editor.Grid().Select(row, 1, row, 1);
    e.windows.Then([&c](ListEditor& ed) {
      const EntryChoice& choice = ed.Dialog().Choice;
      EXPECT_EQ(choice.Options[static_cast<std::size_t>(choice.Selected)], c.name);
      Texts shown;
      for (std::size_t f = 2; f <= 5; ++f)
        if (ed.Dialog().Text[f].Visible) shown.push_back(ed.Dialog().Text[f].Text);
      EXPECT_EQ(shown, c.typed) << c.name;
      ed.Ok();
    });
    e.editor.Edit();
  }
  e.editor.Close();
  for (int i = 1; i <= read.MemberLoadCount; ++i)
    for (int k = 1; k <= 4; ++k)
      EXPECT_EQ(read.MemberLoadValues(i, k), model.MemberLoadValues(i, k));
}

TEST(MemberLoadEditor, LoadsGoBeforeTheFirstRowOfTheSameOrAHigherMember) {
  struct Case {
    Texts entered;
    Texts rows;
    Texts values;
  };
  const Case cases[] = {
      {{"4", "1", "4"}, {"1", "4", "4"}, {"2", "3", "1"}},
      {{"3", "3"}, {"3", "3"}, {"2", "1"}},
      {{"5", "2", "5"}, {"2", "5", "5"}, {"2", "3", "1"}},
  };
  for (const Case& c : cases) {
    ModelStore model = Structure("Beam", 6);
    Editor e(model);
    std::vector<Texts> items;
    for (std::size_t i = 0; i < c.entered.size(); ++i)
      items.push_back({c.entered[i], std::to_string(i + 1)});
    e.windows.Then(EnterKeyed(items));
    e.editor.Shown();
    ASSERT_EQ(Keys(e.editor.Grid(), e.editor.ItemCount()), c.rows);
    for (int row = 1; row <= e.editor.ItemCount(); ++row)
      EXPECT_EQ(e.editor.Grid().Text(row, 1), c.values[static_cast<std::size_t>(row - 1)]);
    EXPECT_TRUE(e.messages.Log().empty());
  }
}

// Loads of every kind from a file are listed without a notice, and each row can be edited into
// another kind or deleted.
TEST(MemberLoadEditor, EveryRowFromAFileCanBeEditedAndDeleted) {
  ModelStore model = Structure("Beam", 4);
  model.MemberLoadCount = 3;
  model.MemberLoadInfo.Redim(3, 2);
  model.MemberLoadValues.Redim(3, 4);
  const std::int16_t info[3][2] = {{1, 1}, {2, 2}, {3, 3}};
  const float values[3][4] = {{40, 0, 2, 0}, {10, 0, 5, 0}, {2, 0, 1, 3}};
  for (int i = 1; i <= 3; ++i) {
    for (int c = 1; c <= 2; ++c) model.MemberLoadInfo(i, c) = info[i - 1][c - 1];
    for (int k = 1; k <= 4; ++k) model.MemberLoadValues(i, k) = values[i - 1][k - 1];
  }
  Editor e(model);
  e.editor.Shown();
  EXPECT_TRUE(e.messages.Log().empty());
  EXPECT_EQ(Row(e.editor.Grid(), 1), (Texts{"1", "Concentrated force: P = 40 at a = 2"}));
  e.messages.Answer(kAnswerOk);
  e.editor.Grid().Select(1, 1, 1, 1);
  e.windows.Then([](ListEditor& ed) {
    ChooseKind(ed, "Uniform load");
    EXPECT_EQ(ed.Dialog().Text[3].Text, "");   // w2: not a uniform load's value
    EXPECT_EQ(ed.Dialog().Text[4].Text, "2");  // a: the new kind has it too
    ed.TypeField(2, "7");
    ed.TypeField(4, "0");
    ed.TypeField(5, "0");
    ed.Ok();
  });
  e.editor.Edit();
  EXPECT_EQ(Row(e.editor.Grid(), 1), (Texts{"1", "7"}));  // a whole-span uniform load
  e.messages.Answer(kAnswerOk);
  e.editor.Grid().Select(2, 1, 2, 1);
  e.editor.Delete();
  e.editor.Close();
  ASSERT_EQ(model.MemberLoadCount, 2);
  EXPECT_EQ(model.MemberLoadInfo(1, 2), 3);
  EXPECT_EQ(model.MemberLoadValues(1, 1), 7.0f);
  EXPECT_EQ(model.MemberLoadValues(1, 3), 0.0f);
  EXPECT_EQ(model.MemberLoadInfo(2, 1), 3);
  EXPECT_EQ(model.MemberLoadValues(2, 4), 3.0f);
}

TEST(MemberLoadEditor, CancellingTheFirstAddStoresNoRecord) {
  ModelStore model = Structure("Beam", 6);
  Editor e(model);
  e.windows.Then([](ListEditor& ed) {
    ed.TypeField(1, "2");
    ed.CancelEntry();
  });
  e.editor.Shown();
  EXPECT_EQ(e.editor.ItemCount(), 0);
  e.editor.Close();
  EXPECT_EQ(model.MemberLoadCount, 0);
}

}  // namespace
