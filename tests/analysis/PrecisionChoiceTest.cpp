// Analysing in double precision alone: the same results as the accuracy guard's double-precision
// run, no note, a trail of that run with the whole symmetric S although only its upper band is
// stored, and the memory of one band only.
#include <gtest/gtest.h>

#include "analysis/Analysis.h"
#include "analysis/AnalysisRun.h"
#include "analysis/GeneratedStructures.h"
#include "analysis/MemoryGuard.h"
#include "support/SampleModels.h"
#include "support/StructureTexts.h"

namespace stavelorn {
namespace {

TEST(PrecisionChoice, DoubleAloneGivesTheGuardsDoubleResultsWithoutANote) {
  const struct {
    const char* name;
    ModelStore model;
    bool guardSwitches;  // whether the single-precision method ends in double results anyway
  } cases[] = {
      {"stiff portal", testing::ModelFromText(testing::PortalFrameText("1", "1E-06")), true},
      {"ordinary portal", testing::ModelFromText(testing::PortalFrameText("0.01", "0.0001")),
       false},
      {"tower of 270 unknowns", PlaneFrameGrid(2, 30), true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ModelStore guarded = c.model, chosen = c.model;
    const AnalysisRun guard = CheckAndAnalyze(guarded, 0, true, AnalysisPrecision::Single);
    const AnalysisRun alone = CheckAndAnalyze(chosen, 0, true, AnalysisPrecision::Double);
    ASSERT_EQ(chosen.AnalysisStatus, kAnalysisComplete);
    EXPECT_TRUE(alone.UsedDoublePrecision);
    EXPECT_TRUE(alone.AccuracyNote.empty()) << alone.AccuracyNote;
    EXPECT_EQ(guard.UsedDoublePrecision, c.guardSwitches);

    // The stored results are the double-precision run's, rounded: the guard's when it switched.
    const AnalysisResults<double> exact = AnalyzeInPrecision<double>(c.model);
    for (int i = 1; i <= exact.DofCount; ++i) {
      EXPECT_EQ(chosen.JointDisplacements(i), static_cast<float>(exact.JointDisplacements(i))) << i;
      if (c.guardSwitches) {
        EXPECT_EQ(chosen.JointDisplacements(i), guarded.JointDisplacements(i));
      }
    }

    // The trail holds S as assembled, both halves, every entry outside the band 0.
    ASSERT_TRUE(alone.Trail);
    EXPECT_TRUE(alone.Trail->DoublePrecision);
    const EquationSystem<double> full = AssembleEquations<double>(c.model);
    const int n = full.Size();
    ASSERT_EQ(alone.Trail->Stiffness.Values.size(), static_cast<std::size_t>(n * n));
    for (int r = 1; r <= n; ++r)
      for (int col = 1; col <= n; ++col)
        ASSERT_EQ(alone.Trail->Stiffness.Values[static_cast<std::size_t>((r - 1) * n + col - 1)],
                  full.S(r, col))
            << r << "," << col;
  }
}

// The tower's matrices: 270 unknowns with a half-bandwidth of 11; single precision needs its
// full float matrix beside the double band, double precision alone the band only, each row held
// from its diagonal to the band's edge.
TEST(PrecisionChoice, DoubleAloneNeedsTheMemoryOfHalfTheBandOnly) {
  const ModelStore tower = PlaneFrameGrid(2, 30);
  const std::uint64_t band = 270 * 12 * sizeof(double), full = 270 * 270 * sizeof(float);
  EXPECT_EQ(StiffnessMatrixBytes(270, 11, AnalysisPrecision::Double), band);
  EXPECT_EQ(StiffnessMatrixBytes(270, 11, AnalysisPrecision::Single), band + full);
  const std::uint64_t between = band + full / 2;
  EXPECT_NE(MemoryRefusal(tower, between, AnalysisPrecision::Single), "");
  EXPECT_EQ(MemoryRefusal(tower, between, AnalysisPrecision::Double), "");
}

}  // namespace
}  // namespace stavelorn
