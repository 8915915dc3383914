#include "reports/PrintCommand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "reports/RecordingPrinter.h"
#include "reports/ReportFixtures.h"
#include "support/ScriptedMessages.h"

namespace stavelorn {
namespace {

ModelStore AnalysedFrame() {
  ModelStore model = LoadGoldenModel("pframe");
  FillHandResults(model);
  return model;
}

std::vector<std::string> CleanRun(const ModelStore& model) {
  RecordingPrinter printer;
  ScriptedMessages messages;
  PrintReport(model, printer, messages);
  return printer.events;
}

TEST(PrintCommand, SetsTheReportFontThenRestoresTheOldName) {
  std::vector<std::string> events = CleanRun(AnalysedFrame());
  ASSERT_GE(events.size(), 6u);
  EXPECT_EQ(events[0], "font:Courier New");
  EXPECT_EQ(events[1], "bold:0");
  EXPECT_EQ(events[2], "size:10");
  EXPECT_EQ(events[events.size() - 2], "end");
  EXPECT_EQ(events.back(), "font:Arial");
}

TEST(PrintCommand, StartsOnTheCurrentPageWhenAtMostATenthIsUsed) {
  for (double used : {0.0, 6.0, 6.5}) {
    RecordingPrinter printer;
    printer.usedAtStart = used;
    ScriptedMessages messages;
    PrintReport(AnalysedFrame(), printer, messages);
    std::vector<std::string>& e = printer.events;
    bool newPage = used > 6.0;
    EXPECT_EQ(e[3] == "newpage", newPage) << used;
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(e[3 + (newPage ? 1 : 0) + i], "line:") << used;
    EXPECT_EQ(e[8 + (newPage ? 1 : 0)], "line:" + std::string(26, ' ') + std::string(28, '*'))
        << used;
  }
}

TEST(PrintCommand, RetryRepeatsTheFailedLineAndGoesOn) {
  ModelStore model = AnalysedFrame();
  std::vector<std::string> clean = CleanRun(model);
  RecordingPrinter printer;
  printer.failLine[40] = 2;  // the printer refuses line 40 twice
  ScriptedMessages messages({kAnswerRetry, kAnswerRetry});
  EXPECT_EQ(PrintReport(model, printer, messages), PrintOutcome::Printed);
  EXPECT_EQ(printer.events, clean);
  ASSERT_EQ(messages.Log().size(), 2u);
  EXPECT_EQ(messages.Log()[0].Title, "Printer Error");
  EXPECT_EQ(messages.Log()[0].Text, "Unexpected error # 482 occurred: \n\nPrinter error");
  EXPECT_EQ(messages.Log()[0].Style, kStyleRetryCancelCritical);
}

TEST(PrintCommand, CancelAbandonsTheDocumentAndRestoresTheFont) {
  RecordingPrinter printer;
  printer.failLine[40] = 1;
  ScriptedMessages messages({kAnswerCancel});
  EXPECT_EQ(PrintReport(AnalysedFrame(), printer, messages), PrintOutcome::Cancelled);
  std::vector<std::string>& e = printer.events;
  ASSERT_GE(e.size(), 2u);
  EXPECT_EQ(e[e.size() - 2], "abandon");
  EXPECT_EQ(e.back(), "font:Arial");
  EXPECT_EQ(printer.Lines().size(), 39u);
  EXPECT_EQ(std::count(e.begin(), e.end(), "end"), 0);
}

TEST(PrintCommand, AModelShorterThanItsCountsLeavesNoDocumentBehind) {
  ModelStore model = AnalysedFrame();
  model.MemberCount = 11;  // one member more than the tables hold
  RecordingPrinter printer;
  ScriptedMessages messages;
  EXPECT_THROW(PrintReport(model, printer, messages), std::out_of_range);
  ASSERT_GE(printer.events.size(), 2u);
  EXPECT_EQ(printer.events[printer.events.size() - 2], "abandon");
  EXPECT_EQ(printer.events.back(), "font:Arial");
  EXPECT_TRUE(messages.Log().empty());
}

}  // namespace
}  // namespace stavelorn
