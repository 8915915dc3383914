#include "reports/PrintOptions.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "reports/PrintCommand.h"
#include "reports/RecordingPrinter.h"
#include "reports/ReportFixtures.h"
#include "support/ScriptedMessages.h"

namespace stavelorn {
namespace {

using S = ReportSection;

// Results exist only after a completed analysis; a missing section stays unticked, and with
// nothing ticked there is nothing to print.
TEST(PrintOptions, ResultsCanBePrintedOnlyAfterACompletedAnalysis) {
  for (std::int16_t status : {kNoResults, kAnalysisComplete, kNotStable, kSolutionFailed}) {
    SCOPED_TRACE(status);
    const bool results = status == kAnalysisComplete;
    ModelStore model;
    model.AnalysisStatus = status;
    PrintOptions options(model);
    EXPECT_TRUE(options.Available(S::InputData) && options.Chosen(S::InputData));
    EXPECT_EQ(options.Available(S::Results), results);
    EXPECT_EQ(options.Chosen(S::Results), results);
    options.Choose(S::Results, true);
    EXPECT_EQ(options.Chosen(S::Results), results);
    options.Choose(S::InputData, false);
    EXPECT_EQ(options.AnythingChosen(), results);
    options.Choose(S::Results, false);
    EXPECT_FALSE(options.AnythingChosen());
  }
}

TEST(PrintOptions, TheReportHoldsTheTickedSectionsOnly) {
  ModelStore model = LoadGoldenModel("pframe");
  FillHandResults(model);
  const std::string inputEnd = "************** End of Input Data **************";
  const std::string resultsEnd = "*************** End of Analysis ***************";
  struct Case {
    bool input, results;
  };
  for (Case c : {Case{true, true}, Case{true, false}, Case{false, true}}) {
    PrintOptions options(model);
    options.Choose(S::InputData, c.input);
    options.Choose(S::Results, c.results);
    RecordingPrinter printer;
    ScriptedMessages messages;
    ASSERT_EQ(PrintReport(model, printer, messages, options), PrintOutcome::Printed);
    const std::vector<std::string> lines = printer.Lines();
    auto has = [&](const std::string& text) {
      return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.find(text) != std::string::npos;
      });
    };
    EXPECT_EQ(has(inputEnd), c.input) << c.input << c.results;
    EXPECT_EQ(has(resultsEnd), c.results) << c.input << c.results;
  }
}

}  // namespace
}  // namespace stavelorn
