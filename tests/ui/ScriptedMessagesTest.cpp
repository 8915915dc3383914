#include "ui/ScriptedMessages.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace stavelorn {
namespace {

TEST(ScriptedMessages, AnswersInScriptOrderAndLogsEveryBox) {
  ScriptedMessages messages({kAnswerNo, kAnswerRetry, kAnswerCancel});
  EXPECT_EQ(messages.AskQuestion("Save Data ?", "Save Input Data in File ?"), kAnswerNo);
  EXPECT_EQ(messages.ReportErrorRetry("Printer Error", RunError{482, "Printer error"}),
            kAnswerRetry);
  EXPECT_EQ(messages.AskOkCancel("Edit Materials", "Edit properties of material 1 ?"),
            kAnswerCancel);
  ASSERT_EQ(messages.Log().size(), 3u);
  EXPECT_EQ(messages.Log()[0].Style, kStyleYesNoQuestion);
  EXPECT_EQ(messages.Log()[1].Title, "Printer Error");
  EXPECT_EQ(messages.Log()[1].Text, "Unexpected error # 482 occurred: \n\nPrinter error");
  EXPECT_EQ(messages.Log()[1].Style, kStyleRetryCancelCritical);
  EXPECT_EQ(messages.Log()[2].Answer, kAnswerCancel);
  EXPECT_EQ(messages.Unused(), 0u);
}

TEST(ScriptedMessages, OkBoxesNeedNoScriptAndLeaveItAlone) {
  ScriptedMessages messages({kAnswerYes});
  EXPECT_EQ(messages.ShowStop("Analysis Results", "Check Input Data."), kAnswerOk);
  EXPECT_EQ(messages.ReportError("File_Reading Error", RunError{53, "File not found"}), kAnswerOk);
  EXPECT_EQ(messages.Log()[1].Style, kStyleCritical);
  EXPECT_EQ(messages.AskYesNo("Analysis Results", "Print ?"), kAnswerYes);
  EXPECT_EQ(messages.Log()[2].Style, kStyleYesNo);
}

TEST(ScriptedMessages, AnUnscriptedQuestionFailsLoudly) {
  ScriptedMessages messages;
  EXPECT_THROW(messages.AskYesNo("Analysis Results", "Print ?"), std::logic_error);
}

TEST(ScriptedMessages, AnAnswerThatIsNoButtonOfTheBoxFailsLoudly) {
  ScriptedMessages messages({kAnswerYes, kAnswerRetry});
  EXPECT_THROW(messages.AskOkCancel("Delete Materials", "Delete Material 1 ?"), std::logic_error);
  EXPECT_THROW(messages.AskYesNoCancel("Save Data ?", "Save ?"), std::logic_error);
}

}  // namespace
}  // namespace stavelorn
