// The print command around the reports: the font, the first page, the sections ticked, a printer
// that fails, and the text printer the batch tool prints on.
#include "reports/PrintCommand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "reports/PrintOptions.h"
#include "reports/RecordingPrinter.h"
#include "reports/ReportFixtures.h"
#include "reports/TextReportPrinter.h"
#include "support/ScriptedMessages.h"

namespace stavelorn {
namespace {

using S = ReportSection;

ModelStore AnalysedFrame() {
  ModelStore model = LoadGoldenModel("pframe");
  FillHandResults(model);
  return model;
}

// A clean run sets the report font, starts on the current page when at most a tenth of it is
// used (else on a new one), and at the end restores the font's old name.
TEST(PrintCommand, SetsTheFontStartsOnTheCurrentPageIfFreeAndRestoresTheFont) {
  for (double used : {0.0, 6.0, 6.5}) {
    RecordingPrinter printer;
    printer.usedAtStart = used;
    ScriptedMessages messages;
    EXPECT_EQ(PrintReport(AnalysedFrame(), printer, messages), PrintOutcome::Printed);
    const std::vector<std::string>& e = printer.events;
    const std::vector<std::string> start = {"font:Courier New", "bold:0", "size:10"};
    EXPECT_TRUE(std::equal(start.begin(), start.end(), e.begin()));
    const bool newPage = used > 6.0;
    EXPECT_EQ(e[3] == "newpage", newPage) << used;
    EXPECT_EQ(e[8 + (newPage ? 1 : 0)], "line:" + std::string(26, ' ') + std::string(28, '*'));
    EXPECT_EQ(e[e.size() - 2], "end");
    EXPECT_EQ(e.back(), "font:Arial");
  }
}

TEST(PrintCommand, RetryRepeatsTheFailedLineAndCancelAbandonsTheDocument) {
  RecordingPrinter clean;
  ScriptedMessages none;
  PrintReport(AnalysedFrame(), clean, none);
  RecordingPrinter printer;
  printer.failLine[40] = 2;  // the printer refuses line 40 twice
  ScriptedMessages messages({kAnswerRetry, kAnswerRetry});
  EXPECT_EQ(PrintReport(AnalysedFrame(), printer, messages), PrintOutcome::Printed);
  EXPECT_EQ(printer.events, clean.events);
  ASSERT_EQ(messages.Log().size(), 2u);
  EXPECT_EQ(messages.Log()[0].Title, "Printer Error");
  EXPECT_EQ(messages.Log()[0].Text, "Unexpected error # 482 occurred: \n\nPrinter error");
  EXPECT_EQ(messages.Log()[0].Style, kStyleRetryCancelCritical);

  RecordingPrinter cancelled;
  cancelled.failLine[40] = 1;
  ScriptedMessages cancel({kAnswerCancel});
  EXPECT_EQ(PrintReport(AnalysedFrame(), cancelled, cancel), PrintOutcome::Cancelled);
  EXPECT_EQ(cancelled.Lines().size(), 39u);
  const std::vector<std::string> tail = {"abandon", "font:Arial"};
  EXPECT_TRUE(std::equal(tail.begin(), tail.end(), cancelled.events.end() - 2));
  EXPECT_EQ(std::count(cancelled.events.begin(), cancelled.events.end(), "end"), 0);

  ModelStore model = AnalysedFrame();
  model.MemberCount = 11;  // one member more than the tables hold: no document is left behind
  RecordingPrinter broken;
  EXPECT_THROW(PrintReport(model, broken, none), std::out_of_range);
  EXPECT_TRUE(std::equal(tail.begin(), tail.end(), broken.events.end() - 2));
  EXPECT_TRUE(none.Log().empty());
}

// Results exist only after a completed analysis; a missing section stays unticked, and with
// nothing ticked there is nothing to print.
TEST(PrintOptions, ResultsCanBePrintedOnlyAfterACompletedAnalysis) {
  for (std::int16_t status : {kNoResults, kAnalysisComplete, kNotStable, kSolutionFailed}) {
    const bool results = status == kAnalysisComplete;
    ModelStore model;
    model.AnalysisStatus = status;
    PrintOptions options(model);
    EXPECT_TRUE(options.Available(S::InputData) && options.Chosen(S::InputData));
    EXPECT_EQ(options.Available(S::Results), results) << status;
    EXPECT_EQ(options.Chosen(S::Results), results) << status;
    options.Choose(S::Results, true);
    EXPECT_EQ(options.Chosen(S::Results), results) << status;
    options.Choose(S::InputData, false);
    EXPECT_EQ(options.AnythingChosen(), results) << status;
    options.Choose(S::Results, false);
    EXPECT_FALSE(options.AnythingChosen());
  }
}

TEST(PrintOptions, TheReportHoldsTheTickedSectionsOnly) {
  const ModelStore model = AnalysedFrame();
  for (auto [input, results] : {std::pair{true, true}, {true, false}, {false, true}}) {
    PrintOptions options(model);
    options.Choose(S::InputData, input);
    options.Choose(S::Results, results);
    std::ostringstream out;
    TextReportPrinter printer(out);
    ScriptedMessages messages;
    ASSERT_EQ(PrintReport(model, printer, messages, options), PrintOutcome::Printed);
    EXPECT_EQ(out.str().find("End of Input Data") != std::string::npos, input);
    EXPECT_EQ(out.str().find("End of Analysis") != std::string::npos, results);
  }
}

// A new page is a form feed before its first line, never an empty page; the document reaches
// the stream only when it ends, and a new document starts on a new sheet.
TEST(TextReportPrinter, PagesAndDocumentsReachTheStreamOnlyWhenTheDocumentEnds) {
  std::ostringstream out;
  TextReportPrinter printer(out);
  printer.PrintLine("dropped");
  printer.AbandonDocument();
  printer.NewPage();
  printer.PrintLine("a");
  printer.NewPage();
  printer.NewPage();
  EXPECT_EQ(printer.CurrentY(), 0);
  printer.PrintLine("");
  printer.PrintLine("b");
  EXPECT_EQ(printer.CurrentY(), 2);
  EXPECT_EQ(out.str(), "");
  printer.EndDocument();
  EXPECT_EQ(out.str(), "a\n\f\nb\n");
  printer.PrintLine("c");
  printer.EndDocument();
  EXPECT_EQ(out.str(), "a\n\f\nb\n\fc\n");
  out.setstate(std::ios::badbit);
  printer.PrintLine("lost");
  EXPECT_THROW(printer.EndDocument(), PrinterFailure);
}

}  // namespace
}  // namespace stavelorn
