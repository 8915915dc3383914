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

TEST(PrintOptions, ResultsCanBePrintedOnlyAfterACompletedAnalysis) {
  struct Case {
    int status;
    bool results;
  };
  for (Case c : {Case{kNoResults, false}, Case{kAnalysisComplete, true}, Case{kNotStable, false},
                 Case{kSolutionFailed, false}}) {
    ModelStore model;
    model.AnalysisStatus = static_cast<std::int16_t>(c.status);
    PrintOptions options(model);
    EXPECT_TRUE(options.Available(S::InputData) && options.Chosen(S::InputData)) << c.status;
    EXPECT_EQ(options.Available(S::Results), c.results) << c.status;
    EXPECT_EQ(options.Chosen(S::Results), c.results) << c.status;
    options.Choose(S::Results, true);
    EXPECT_EQ(options.Chosen(S::Results), c.results) << "a missing section stays unticked";
  }
}

TEST(PrintOptions, SomethingMustBeTicked) {
  ModelStore model;
  model.AnalysisStatus = kAnalysisComplete;
  PrintOptions options(model);
  options.Choose(S::InputData, false);
  EXPECT_TRUE(options.AnythingChosen());
  options.Choose(S::Results, false);
  EXPECT_FALSE(options.AnythingChosen());
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
