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
      const int before =
          (choice.Answer == choices.back().Answer ? choices.front() : choices.back()).Answer;
      restored.Keep(question.Question, before);
      restored.Restore(question.Question, kept.Setting(question.Question));
      EXPECT_EQ(restored.Kept(question.Question), choice.Answer) << choice.Text;
    }
    RoutineAnswers answers;
    const int neither = question.Style == kStyleYesNoQuestion ? kAnswerOk : kAnswerNo;
    for (const int refused : {int(kAnswerCancel), int(kAnswerRetry), neither, -1})
      EXPECT_FALSE(answers.Keep(question.Question, refused));
    const char* other = question.Style == kStyleYesNoQuestion ? "ok" : "yes";
    for (const char* setting : {"", "YES", "cancel", "always", other}) {
      answers.Keep(question.Question, choices.back().Answer);
      answers.Restore(question.Question, setting);
      EXPECT_EQ(answers.Kept(question.Question), 0) << setting;
    }
  }
}

}  // namespace
}  // namespace stavelorn
