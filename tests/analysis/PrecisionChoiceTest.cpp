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

// The memory an analysis needs, worked out here: the tower's 270 unknowns with a half-bandwidth
// of 11 need the double band (each row from its diagonal to the band's edge) and, unless double
// precision is chosen, the full float matrix; an unstable beam's mechanism is sought in the full
// double matrix of its 3 unknowns. An analysis fits exactly the memory it needs, not a byte less.
TEST(PrecisionChoice, AnAnalysisIsRefusedOnlyWhenItsMatricesDoNotFit) {
  const std::uint64_t band = 270 * 12 * sizeof(double), full = 270 * 270 * sizeof(float);
  const struct {
    ModelStore model;
    AnalysisPrecision precision;
    std::uint64_t needed;
    const char* unknowns;
  } cases[] = {
      {PlaneFrameGrid(2, 30), AnalysisPrecision::Single, band + full, "270 unknowns"},
      {PlaneFrameGrid(2, 30), AnalysisPrecision::Double, band, "270 unknowns"},
      {testing::ModelFromText(testing::kBeamOnOneRoller), AnalysisPrecision::Single,
       3 * 3 * sizeof(double), "3 unknowns"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MemoryRefusal(c.model, c.needed, c.precision), "") << c.unknowns;
    EXPECT_EQ(MemoryRefusal(c.model, 0, c.precision), "") << "unknown memory is taken as enough";
    const std::string refusal = MemoryRefusal(c.model, c.needed - 1, c.precision);
    EXPECT_NE(refusal.find(std::string("The analysis of ") + c.unknowns), std::string::npos)
        << refusal;
  }
}

}  // namespace
}  // namespace stavelorn
