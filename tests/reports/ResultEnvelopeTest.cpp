// The envelope of a three-span continuous beam (pattern-beam.str: spans of 6 m, EI constant) under
// a pattern of uniform loads, against the three-moment equation worked by hand: with support
// moments M_B and M_C, 4 M_B + M_C = -(w1 + w2) L²/4 and M_B + 4 M_C = -(w2 + w3) L²/4.
//   Dead, 10 kN/m on every span:   M_B = M_C = -36 kN·m
//   Live 1+3, 20 kN/m on spans 1, 3: M_B = M_C = -36 kN·m
//   Live 1+2, 20 kN/m on spans 1, 2: M_B = -84 kN·m, M_C = -24 kN·m
// Reactions: R_A = w1 L/2 + M_B/L, R_D = w3 L/2 + M_C/L,
// R_B = w1 L/2 - M_B/L + w2 L/2 + (M_C - M_B)/L.
#include "reports/ResultEnvelope.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "analysis/AnalysisRun.h"
#include "reports/LoadCaseJson.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

ModelStore PatternBeam() {
  return testing::ModelFromFile("tests/reports/golden/pattern-beam.str");
}

// The vertical reaction at a support (the first value of its row).
struct ReactionExpected {
  int support;  // 0-based row
  float max;
  const char* maxBy;
  float min;
  const char* minBy;  // "" where two cases tie
};

TEST(ResultEnvelope, ThreeSpanBeamUnderPatternLoadsMatchesTheThreeMomentEquation) {
  const ModelStore model = PatternBeam();
  const AnalysisRun run = CheckAndAnalyze(model, 0, false, AnalysisPrecision::Double);
  ASSERT_TRUE(run.Results.Complete()) << run.RejectionText;
  const ResultEnvelope envelope =
      EnvelopeOf(model, EnvelopeSources(run.LoadCases, run.Combinations), true);
  ASSERT_EQ(envelope.Sources, (std::vector<std::string>{"Dead", "Live 1+3", "Live 1+2"}));

  const ReactionExpected reactions[] = {
      {0, 54, "Live 1+3", 24, "Dead"},  // A: 60 - 6, 30 - 6, 60 - 14
      {1, 144, "Live 1+2", 66, ""},     // B: 66, 66, 74 + 70
      {3, 54, "Live 1+3", -4, "Live 1+2"},
  };
  for (const ReactionExpected& r : reactions) {
    const std::size_t row = static_cast<std::size_t>(r.support);
    SCOPED_TRACE("support " + std::to_string(r.support + 1));
    EXPECT_NEAR(envelope.Reactions.Max[row].second[0], r.max, 1e-3);
    EXPECT_NEAR(envelope.Reactions.Min[row].second[0], r.min, 1e-3);
    EXPECT_EQ(envelope.Sources[static_cast<std::size_t>(envelope.Reactions.MaxBy[row][0])],
              r.maxBy);
    if (*r.minBy) {
      EXPECT_EQ(envelope.Sources[static_cast<std::size_t>(envelope.Reactions.MinBy[row][0])],
                r.minBy);
    }
  }

  // The bending moment over support B (member 1 at x = 6) and C (member 2 at x = 6), sagging
  // positive: the least is the pattern that loads both spans beside the support.
  ASSERT_EQ(envelope.Diagrams.size(), 3u);
  const std::size_t m = static_cast<std::size_t>(Index(DiagramQuantity::Mz));
  const StationEnvelope& overB = envelope.Diagrams[0].Stations.back();
  EXPECT_DOUBLE_EQ(overB.X, 6);
  EXPECT_NEAR(overB.Min[m], -84, 1e-3);
  EXPECT_EQ(envelope.Sources[static_cast<std::size_t>(overB.MinBy[m])], "Live 1+2");
  EXPECT_NEAR(overB.Max[m], -36, 1e-3);
  const StationEnvelope& overC = envelope.Diagrams[1].Stations.back();
  EXPECT_NEAR(overC.Min[m], -36, 1e-3);
  EXPECT_NEAR(overC.Max[m], -24, 1e-3);
  EXPECT_EQ(envelope.Sources[static_cast<std::size_t>(overC.MaxBy[m])], "Live 1+2");
  // Mid-span 2 (x = 3): wL²/8 + (M_B + M_C)/2 = 45 - 36 = 9 under dead load, -36 under Live 1+3,
  // 90 - 54 = 36 under Live 1+2.
  int midSpan = 0;
  for (const StationEnvelope& s : envelope.Diagrams[1].Stations)
    if (std::abs(s.X - 3) < 1e-9) {
      ++midSpan;
      EXPECT_NEAR(s.Max[m], 36, 1e-3);
      EXPECT_NEAR(s.Min[m], -36, 1e-3);
      EXPECT_EQ(envelope.Sources[static_cast<std::size_t>(s.MinBy[m])], "Live 1+3");
    }
  EXPECT_EQ(midSpan, 1);
}

// The JSON names each envelope value's case in the shape of the values.
TEST(ResultEnvelope, TheJsonHoldsEveryCaseAndTheEnvelopeInTheShapesOfTheTopLevelKeys) {
  const ModelStore model = PatternBeam();
  const AnalysisRun run = CheckAndAnalyze(model, 0, false, AnalysisPrecision::Double);
  const std::string json = LoadCasesJson(model, run.LoadCases, run.Combinations, false);
  for (const char* part :
       {"\"loadCases\": [\n  {\"name\": \"Dead\",\n \"jointDisplacements\": [",
        "\"combinations\": []", "\"envelopes\": {\"jointDisplacements\": {\"max\": [",
        "\"supportReactions\": {\"max\": [\n  {\"joint\": 1, \"values\": [5",
        "\"maxBy\": [\n  {\"joint\": 1, \"values\": [\"Live 1+3\", \"Dead\"]}"})
    EXPECT_NE(json.find(part), std::string::npos) << part << "\n" << json;
}

}  // namespace
}  // namespace stavelorn
