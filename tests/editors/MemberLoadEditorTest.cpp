// The member loads editor without windows: several loads per member with the newest first,
// Edit and Delete, Close storing whole-span uniform loads, and the
// loads of other kinds from a file, which are listed, kept and stored again unchanged.
#include <gtest/gtest.h>

#include "editors/KeyedEntry.h"
#include "editors/MemberLoadEditor.h"
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

struct Load {
  std::int16_t member, type;
  float values[4];
};

// A beam of 5 members carrying `loads` as a file would give them.
ModelStore Beam(const std::vector<Load>& loads) {
  ModelStore model = Structure("Beam", 6);
  const int count = static_cast<int>(loads.size());
  model.MemberLoadCount = static_cast<std::int16_t>(count);
  model.MemberLoadInfo.Redim(count, 2);
  model.MemberLoadValues.Redim(count, 4);
  for (int i = 1; i <= count; ++i) {
    const Load& l = loads[static_cast<std::size_t>(i - 1)];
    model.MemberLoadInfo(i, 1) = l.member;
    model.MemberLoadInfo(i, 2) = l.type;
    for (int k = 1; k <= 4; ++k) model.MemberLoadValues(i, k) = l.values[k - 1];
  }
  return model;
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
    ModelStore model = Beam({});
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

TEST(MemberLoadEditor, CloseStoresWholeSpanUniformLoads) {
  ModelStore model = Beam({});
  Editor e(model);
  e.windows.Then(EnterKeyed({{"2", "1.5"}, {"1", "-3"}, {"2", "0"}}));
  e.editor.Shown();
  e.editor.Close();
  ASSERT_EQ(model.MemberLoadCount, 3);
  const float expected[3][2] = {{1, -3}, {2, 0}, {2, 1.5f}};
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(model.MemberLoadInfo(i, 1), expected[i - 1][0]);
    EXPECT_EQ(model.MemberLoadInfo(i, 2), 3);
    EXPECT_EQ(model.MemberLoadValues(i, 1), expected[i - 1][1]);
    for (int k = 2; k <= 4; ++k) EXPECT_EQ(model.MemberLoadValues(i, k), 0.0f);
  }
}

TEST(MemberLoadEditor, CancellingTheFirstAddStoresNoRecord) {
  ModelStore model = Beam({});
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

TEST(MemberLoadEditor, APointLoadFromAFileSurvivesOpeningAndClosing) {
  ModelStore model = Beam({{2, 3, {4, 0, 0, 0}}, {3, 1, {10, 2.5f, 0, 0}}, {3, 3, {7, 1, 2, 0}}});
  Editor e(model);
  EXPECT_EQ(Row(e.editor.Grid(), 1), (Texts{"2", "4"}));
  EXPECT_EQ(Row(e.editor.Grid(), 2), (Texts{"3", "Conc., type 1"}));
  EXPECT_EQ(Row(e.editor.Grid(), 3), (Texts{"3", "Uniform, type 3"}));  // not over the whole span
  e.editor.Shown();
  ASSERT_EQ(e.messages.Log().size(), 1u);  // said once, when the list opens
  EXPECT_EQ(e.messages.Log()[0].Style, kStyleInformation);
  EXPECT_EQ(e.windows.dialogs, 0);
  e.editor.Close();
  const ModelStore original =
      Beam({{2, 3, {4, 0, 0, 0}}, {3, 1, {10, 2.5f, 0, 0}}, {3, 3, {7, 1, 2, 0}}});
  ASSERT_EQ(model.MemberLoadCount, 3);
  for (int i = 1; i <= 3; ++i) {
    for (int c = 1; c <= 2; ++c)
      EXPECT_EQ(model.MemberLoadInfo(i, c), original.MemberLoadInfo(i, c));
    for (int k = 1; k <= 4; ++k)
      EXPECT_EQ(model.MemberLoadValues(i, k), original.MemberLoadValues(i, k));
  }
}

TEST(MemberLoadEditor, KeptLoadsCannotBeEditedButFollowTheirRowsAndCanBeDeleted) {
  ModelStore model = Beam({{1, 4, {2, 5, 0, 3}}, {4, 2, {8, 1, 0, 0}}});
  Editor e(model);
  e.messages.Answer(kAnswerOk);
  e.editor.Grid().Select(1, 1, 1, 1);
  e.windows.Then([](ListEditor& ed) {
    EXPECT_TRUE(ed.Dialog().Text[1].ReadOnly);
    EXPECT_TRUE(ed.Dialog().Text[2].ReadOnly);
    ed.TypeField(2, "9");
    EXPECT_EQ(ed.Dialog().Text[2].Text, "Linear, type 4");
    EXPECT_EQ(ed.Grid().Text(1, 1), "Linear, type 4");
    ed.Ok();
  });
  e.editor.Edit();
  // New loads go around the kept ones; then the kept load of member 4 is deleted.
  e.windows.Then(EnterKeyed({{"4", "6"}, {"2", "1"}}));
  e.editor.Add();
  EXPECT_EQ(Keys(e.editor.Grid(), 4), (Texts{"1", "2", "4", "4"}));
  e.messages.Answer(kAnswerOk);
  e.editor.Grid().Select(4, 1, 4, 1);
  e.editor.Delete();
  EXPECT_EQ(e.messages.Log().back().Text, "Delete load on Member 4 ?");
  e.messages.Answer(kAnswerOk);
  e.editor.Grid().Select(2, 1, 2, 1);
  e.windows.Then([](ListEditor& ed) {
    EXPECT_FALSE(ed.Dialog().Text[2].ReadOnly);  // a load entered here stays editable
    ed.TypeField(2, "1.25");
    ed.Ok();
  });
  e.editor.Edit();
  EXPECT_EQ(e.messages.Log().back().Text, "Edit Load on Member 2 ?");
  e.editor.Close();
  ASSERT_EQ(model.MemberLoadCount, 3);
  const Load expected[] = {{1, 4, {2, 5, 0, 3}}, {2, 3, {1.25f, 0, 0, 0}}, {4, 3, {6, 0, 0, 0}}};
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(model.MemberLoadInfo(i, 1), expected[i - 1].member) << i;
    EXPECT_EQ(model.MemberLoadInfo(i, 2), expected[i - 1].type) << i;
    for (int k = 1; k <= 4; ++k)
      EXPECT_EQ(model.MemberLoadValues(i, k), expected[i - 1].values[k - 1]) << i;
  }
}

}  // namespace
