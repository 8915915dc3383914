// The answers kept for the routine questions go through the settings and come back the same;
// what the settings cannot mean, or an answer a question cannot keep, asks again.
#include <gtest/gtest.h>

#include "ui/RoutineQuestions.h"

namespace stavelorn {
namespace {

TEST(RoutineAnswers, EveryChoiceComesBackFromTheSettingsAndNothingElseIsKept) {
  for (const RoutineQuestionInfo& question : RoutineQuestions()) {
    SCOPED_TRACE(question.Setting);
    const std::vector<RoutineChoice> choices = RoutineChoicesOf(question.Question);
    EXPECT_EQ(choices.front().Answer, 0);
    EXPECT_EQ(choices.size(), question.Style == kStyleYesNoQuestion ? 3u : 2u);
    for (const RoutineChoice& choice : choices) {
      RoutineAnswers kept;
      ASSERT_TRUE(kept.Keep(question.Question, choice.Answer)) << choice.Text;
      RoutineAnswers restored;
      restored.Keep(question.Question, kAnswerYes == choice.Answer ? kAnswerNo : kAnswerYes);
      restored.Restore(question.Question, kept.Setting(question.Question));
      EXPECT_EQ(restored.Kept(question.Question), choice.Answer) << choice.Text;
    }
    RoutineAnswers answers;
    for (const int refused : {int(kAnswerCancel), int(kAnswerRetry), -1})
      EXPECT_FALSE(answers.Keep(question.Question, refused));
    for (const char* setting : {"", "YES", "cancel", "always"}) {
      answers.Restore(question.Question, setting);
      EXPECT_EQ(answers.Kept(question.Question), 0) << setting;
    }
  }
  // An OK/Cancel question keeps neither Yes nor No, read from the settings or not.
  RoutineAnswers edit;
  EXPECT_FALSE(edit.Keep(RoutineQuestion::EditListItem, kAnswerNo));
  edit.Restore(RoutineQuestion::EditListItem, "yes");
  EXPECT_EQ(edit.Kept(RoutineQuestion::EditListItem), 0);
}

}  // namespace
}  // namespace stavelorn
