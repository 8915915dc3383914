// The texts the windows speak by, without a window: the console's message boxes, which never
// answer for the user; the answers kept for the routine questions, which go through the settings
// and come back the same (what the settings cannot mean, or an answer a question cannot keep, asks
// again); and the names a screen reader speaks for captions and labelled values.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "ui/AccessibleNames.h"
#include "ui/ConsoleMessages.h"
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

TEST(ConsoleMessages, WritesEachBoxAndNeverGoesOnByItself) {
  std::ostringstream out;
  ConsoleMessages messages(out);
  EXPECT_EQ(messages.ReportErrorRetry("Printer Error", RunError{482, "Printer error"}),
            kAnswerCancel);
  EXPECT_EQ(messages.AskQuestion("Save Data ?", "Save Input Data in File ?"), kAnswerNo);
  EXPECT_EQ(messages.AskYesNo("Analysis Results", "Print ?"), kAnswerNo);
  EXPECT_EQ(messages.AskOkCancel("Delete Materials", "Delete Material 1 ?"), kAnswerCancel);
  EXPECT_EQ(messages.AskYesNoCancel("Save Data ?", "Save ?"), kAnswerCancel);
  EXPECT_EQ(messages.ShowStop("Analysis Results", "Check Input Data."), kAnswerOk);
  const std::string first = "Printer Error\nUnexpected error # 482 occurred: \n\nPrinter error\n";
  EXPECT_EQ(out.str().substr(0, first.size()), first);
}

TEST(AccessibleNames, CaptionsAreSpokenWithoutMarksPaddingOrPunctuation) {
  const struct {
    const char* caption;
    const char* spoken;
    const char* unpadded;
  } cases[] = {
      {"&New Project...     ", "New Project", "&New Project..."},
      {" Project Title : ", "Project Title", "Project Title :"},
      {"End Of Joints Input. Close", "End Of Joints Input. Close", "End Of Joints Input. Close"},
      {"Title && Type", "Title & Type", "Title && Type"},
      {"Trailing mark&", "Trailing mark", "Trailing mark&"},
      {"   ", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SpokenCaption(c.caption), c.spoken) << c.caption;
    EXPECT_EQ(UnpaddedCaption(c.caption), c.unpadded) << c.caption;
  }
}

TEST(AccessibleNames, ValueLabelsSayWhatAndTheValue) {
  const struct {
    const char* what;
    const char* value;
    const char* spoken;
  } cases[] = {
      {"Precision of the results", " Double precision ",
       "Precision of the results: Double precision"},
      {"Units", "Units: kip, in, °C", "Units: kip, in, °C"},
      {"Units", "Unitsless", "Units: Unitsless"},
      {"Units", "", "Units"},
  };
  for (const auto& c : cases) EXPECT_EQ(LabelledValue(c.what, c.value), c.spoken) << c.value;
}

}  // namespace
}  // namespace stavelorn
