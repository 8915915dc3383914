// How springs and turned supports are shown: the printed report (a golden file read by eye: the
// springs and angles after the supports, the reactions in global axes and again in the turned
// supports' own), and the results JSON's "supportReactionsLocal", one row per turned support,
// in the results of the project and of each load case and combination.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "analysis/AnalysisRun.h"
#include "model/LoadCombination.h"
#include "reports/JsonReader.h"
#include "reports/LoadCaseJson.h"
#include "reports/LoadCaseReport.h"
#include "reports/PrintCommand.h"
#include "reports/ResultEnvelope.h"
#include "reports/ResultsJson.h"
#include "reports/TrailJson.h"
#include "support/Golden.h"
#include "support/SampleModels.h"
#include "support/ScriptedMessages.h"

namespace stavelorn {
namespace {

using testing::Occurrences;

// A beam on a pin at joint 1 and a roller at joint 3 turned by 30 degrees, joint 1 held in
// rotation by a spring, two load cases and their sum (inclined-roller-frame.str).
ModelStore InclinedFrame() {
  return testing::ModelFromFile("tests/reports/golden/inclined-roller-frame.str");
}

TEST(ElasticSupportReport, ThePrintedReportShowsSpringsAnglesAndBothReactions) {
  const ModelStore model = InclinedFrame();
  const ModelStore dead = ModelWithLoads(model, model.LoadsOfCase(1));
  const AnalysisRun run = CheckAndAnalyze(dead);
  ASSERT_FALSE(run.Rejected) << run.RejectionText;
  ScriptedMessages messages;
  testing::ExpectGoldenFile(testing::PrintedText([&](ReportPrinter& printer) {
                              EXPECT_EQ(PrintReport(dead, run.Results, printer, messages),
                                        PrintOutcome::Printed);
                            }),
                            "tests/reports/golden/elastic-supports.txt");
}

TEST(ElasticSupportReport, EveryResultsJsonCarriesTheTurnedSupportsLocalReactions) {
  const ModelStore model = InclinedFrame();
  const AnalysisRun run = CheckAndAnalyze(model);
  ASSERT_FALSE(run.Rejected) << run.RejectionText;
  const std::string json = ResultKeysJson(model, run.Results) +
                           LoadCasesJson(model, run.LoadCases, run.Combinations, false);
  // The project's own results, both cases and the combination: the turned joint 3 alone.
  EXPECT_EQ(Occurrences(json, "\"supportReactionsLocal\": [\n  {\"joint\": 3, \"values\": ["), 4)
      << json;
  // And in the envelope, as the global reactions are.
  EXPECT_EQ(Occurrences(json, "\"supportReactionsLocal\": {\"max\": [\n  {\"joint\": 3, "), 1);
  EXPECT_EQ(Occurrences(json, "\"supportReactionsLocal\""), 5);
  EXPECT_EQ(Occurrences(json, "\"supportReactions\""), 5);
  // Without a turned support the key is left out.
  ModelStore square = model;
  square.SupportAngleCount = 0;
  const AnalysisRun plain = CheckAndAnalyze(square);
  EXPECT_EQ(ResultKeysJson(square, plain.Results).find("Local"), std::string::npos);
}

// The envelope of the turned roller's reaction along its y' (-sin 30 X + cos 30 Y of its global
// reaction) over the two cases is the greater and the lesser of the cases' own, each given by
// its case; the printed envelope shows the table once.
TEST(ElasticSupportReport, TheEnvelopeOfTheLocalReactionsFollowsTheGlobalOnes) {
  const ModelStore model = InclinedFrame();
  const AnalysisRun run = CheckAndAnalyze(model);
  ASSERT_FALSE(run.Rejected) << run.RejectionText;
  const ResultEnvelope envelope = EnvelopeOf(model, run.LoadCases, false);
  ASSERT_EQ(envelope.ReactionsInSupportAxes.Max.size(), 1u);
  EXPECT_EQ(envelope.ReactionsInSupportAxes.Max[0].first, 3);
  std::vector<double> along;
  for (const CaseResults& loadCase : run.LoadCases) {
    const ShownResults shown =
        ShownResultsOf(ModelWithLoads(model, loadCase.Loads), loadCase.Results);
    const std::vector<float>& global = shown.Reactions[1].second;
    along.push_back(-0.5 * global[0] + std::sqrt(0.75) * global[1]);
  }
  const int larger = along[1] > along[0] ? 1 : 0;
  EXPECT_NEAR(envelope.ReactionsInSupportAxes.Max[0].second[1], along[larger], 1e-4);
  EXPECT_NEAR(envelope.ReactionsInSupportAxes.Min[0].second[1], along[1 - larger], 1e-4);
  EXPECT_EQ(envelope.ReactionsInSupportAxes.MaxBy[0][1], larger);
  EXPECT_EQ(envelope.ReactionsInSupportAxes.MinBy[0][1], 1 - larger);
  const std::string printed = testing::PrintedText([&](ReportPrinter& printer) {
    PrintEveryCaseResults(model, run.LoadCases, run.Combinations, printer);
  });
  EXPECT_EQ(Occurrences(printed, "Support Reactions in the Supports' Axes"), 1);
}

// The trail JSON's matrices of a member on the turned roller: "supportAxesStiffness" is its
// [K] turned to the support's axes, [Tn][K][Tn]^T with the roller's X and Y turned by 30 degrees
// (that [S] sums what entered it is checked on every example, on springs and turned supports);
// and the spring as it entered [S].
TEST(ElasticSupportReport, TheTrailJsonTurnsTheRollersMemberAndNamesTheSpring) {
  const ModelStore model = InclinedFrame();
  const AnalysisRun run = CheckAndAnalyze(ModelWithLoads(model, model.LoadsOfCase(1)));
  ASSERT_TRUE(run.Trail);
  const JsonValue trail = ParseJson(TrailJson(*run.Trail));
  const auto at = [](const JsonValue& matrix, int i, int j) {
    return matrix[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)].Number();
  };
  const double c = std::sqrt(0.75), s = 0.5;
  for (const JsonValue& member : trail["members"].items) {
    const JsonValue& global = member["globalStiffness"];
    const JsonValue* turned = member.Find("supportAxesStiffness");
    // Member 2 ends on the turned roller (its end's X and Y, entries 3 and 4); member 1 does not.
    ASSERT_EQ(turned != nullptr, member["member"].Number() == 2);
    if (!turned) continue;
    double tn[6][6] = {};
    for (int i = 0; i < 6; ++i) tn[i][i] = 1;
    tn[3][3] = tn[4][4] = c, tn[3][4] = s, tn[4][3] = -s;
    for (int i = 0; i < 6; ++i)
      for (int j = 0; j < 6; ++j) {
        double expected = 0;
        for (int a = 0; a < 6; ++a)
          for (int b = 0; b < 6; ++b) expected += tn[i][a] * at(global, a, b) * tn[j][b];
        EXPECT_NEAR(at(*turned, i, j), expected, 1e-3 * (1 + std::fabs(expected)));
      }
  }
  ASSERT_EQ(trail["springs"].items.size(), 1u);
  const JsonValue& spring = trail["springs"][0];
  EXPECT_EQ(spring["joint"].Number(), 1);
  EXPECT_EQ(spring["coordinate"].Number(), 3);
  EXPECT_EQ(spring["stiffness"].Number(), 5000);
  EXPECT_EQ(spring["code"].Number(), run.Trail->Springs.at(0).Code);
}

}  // namespace
}  // namespace stavelorn
