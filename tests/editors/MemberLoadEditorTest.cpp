// The member loads list: the kinds each type offers, and loads from a file edited into another
// kind or deleted. What each kind stores and refuses is in EntryTableTest.
#include <gtest/gtest.h>

#include "editors/EditorSession.h"

using namespace stavelorn;
using namespace stavelorn::testing;

namespace {

TEST(MemberLoadEditor, TheChoiceOffersOnlyTheKindsTheTypeCarries) {
  const std::pair<const char*, std::size_t> types[] = {
      {"Beam", 4}, {"PFrame", 6}, {"Grid", 5}, {"SFrame", 11}};
  for (const auto& [type, kinds] : types) {
    ModelStore model = Structure(type, 3);
    Session e(FormId::MemLoadA, model);
    e.windows.Then([kinds = kinds](ListEditor& ed) {
      EXPECT_EQ(ed.Dialog().Choice.Options.size(), kinds);
      // A new load starts as a uniform load, entered by its member and intensity as always.
      Play(ed, "@Uniform_load", true);
      ed.CancelEntry();
    });
    e.editor.Shown();
  }
}

// Loads of every kind from a file are listed without a notice, and each row can be edited into
// another kind or deleted.
TEST(MemberLoadEditor, EveryRowFromAFileCanBeEditedAndDeleted) {
  ModelStore model = Structure("Beam", 4);
  model.MemberLoadCount = 3;
  model.MemberLoadInfo.Redim(3, 2);
  model.MemberLoadValues.Redim(3, 4);
  const float values[3][4] = {{40, 0, 2, 0}, {10, 0, 5, 0}, {2, 0, 1, 3}};
  for (int i = 1; i <= 3; ++i) {
    model.MemberLoadInfo(i, 1) = model.MemberLoadInfo(i, 2) = static_cast<std::int16_t>(i);
    for (int k = 1; k <= 4; ++k) model.MemberLoadValues(i, k) = values[i - 1][k - 1];
  }
  Session e(FormId::MemLoadA, model);
  e.editor.Shown();
  EXPECT_TRUE(e.messages.Log().empty());
  EXPECT_EQ(Row(e.editor.Grid(), 1), (Texts{"1", "Concentrated force: P = 40 at a = 2"}));
  e.messages.Answer(kAnswerOk);
  e.editor.Grid().Select(1, 1, 1, 1);
  e.windows.Then([](ListEditor& ed) {
    Play(ed, "@Concentrated_force =1 =40 ~ =2 ~", true);
    Play(ed, "@Uniform_load");
    EXPECT_EQ(ed.Dialog().Text[3].Text, "");  // w2: not a uniform load's value
    Play(ed, "=1 7 ~ =2");                    // a: the new kind has it too
    Script("=1 =7 ~ 0 0")(ed);
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
  Session e(FormId::MemLoadA, model);
  e.windows.Then(Script("2 !cancel"));
  e.editor.Shown();
  EXPECT_EQ(e.editor.ItemCount(), 0);
  e.editor.Close();
  EXPECT_EQ(model.MemberLoadCount, 0);
}

}  // namespace
