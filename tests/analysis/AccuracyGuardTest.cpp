#include <gtest/gtest.h>

#include <cmath>

#include "analysis/AccuracyGuard.h"
#include "analysis/Analysis.h"
#include "analysis/AnalysisRun.h"
#include "analysis/GeneratedStructures.h"

namespace stavelorn {
namespace {

// Tall and slender frames whose single-precision solution is visibly wrong: the guard must show
// the double-precision numbers instead, and say so: the stored results and the trail are those
// of the double-precision run.
TEST(AccuracyGuard, SlenderStructuresGetDoublePrecisionResults) {
  const struct {
    const char* name;
    ModelStore model;
  } cases[] = {
      {"plane tower 5 x 101 joints", PlaneFrameGrid(4, 100)},
      {"space lattice 6 x 6 x 6 joints", SpaceFrameLattice(6, 6, 5)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ModelStore model = c.model;
    AnalysisResults<float> single = AnalyzeInPrecision<float>(model);
    AnalysisResults<double> exact = AnalyzeInPrecision<double>(model);
    ASSERT_EQ(single.AnalysisStatus, kAnalysisComplete);
    EXPECT_GT(DisplacementDisagreement(model, single, exact), kAccuracyThreshold);

    AnalysisRun run = CheckAndAnalyze(model);
    ASSERT_FALSE(run.Rejected) << run.RejectionText;
    EXPECT_EQ(run.Results.AnalysisStatus, kAnalysisComplete);
    EXPECT_TRUE(run.UsedDoublePrecision);
    EXPECT_NE(run.AccuracyNote.find("double-precision solution"), std::string::npos);
    ASSERT_TRUE(run.Trail);
    EXPECT_TRUE(run.Trail->DoublePrecision);
    // The method's views say why their values are in double precision.
    const std::string note = TrailPrecisionNote(*run.Trail);
    EXPECT_NE(note.find("as single precision was not accurate enough for this structure"),
              std::string::npos)
        << note;
    EXPECT_EQ(note.find("chosen"), std::string::npos) << note;
    for (int i = 1; i <= exact.DofCount; ++i) {
      ASSERT_EQ(run.Trail->Displacements[static_cast<std::size_t>(i - 1)],
                exact.JointDisplacements(i));
      // Rounded to single precision, and round-off read as the zero it stands for.
      ASSERT_NEAR(run.Results.JointDisplacements(i), exact.JointDisplacements(i),
                  1e-6 * std::fabs(exact.JointDisplacements(i)) + 1e-12);
    }
  }
}

// The disagreement is the largest of every free coordinate's, the last one's too: a
// single-precision result off by the largest displacement in any one unknown is off by 1 or more.
TEST(AccuracyGuard, MeasuresEveryFreeCoordinate) {
  const ModelStore model = PlaneFrameGrid(1, 2);
  const AnalysisResults<double> exact = AnalyzeInPrecision<double>(model);
  ASSERT_EQ(exact.AnalysisStatus, kAnalysisComplete);
  double largest = 0;
  for (int i = 1; i <= exact.DofCount; ++i)
    largest = std::max(largest, std::fabs(exact.JointDisplacements(i)));
  AnalysisResults<float> single = AnalyzeInPrecision<float>(model);
  for (int n = 1; n <= exact.DofCount; ++n) {
    for (int i = 1; i <= exact.DofCount; ++i)
      single.JointDisplacements(i) = static_cast<float>(exact.JointDisplacements(i));
    single.JointDisplacements(n) += static_cast<float>(largest);
    EXPECT_GT(DisplacementDisagreement(model, single, exact), 0.5) << "unknown " << n;
  }
}

// A run in double precision alone says that it was chosen: single precision never ran.
TEST(AccuracyGuard, DoublePrecisionChosenIsSaidSo) {
  const AnalysisRun run = CheckAndAnalyze(PlaneFrameGrid(1, 2), 0, true, AnalysisPrecision::Double);
  ASSERT_TRUE(run.Trail);
  const std::string note = TrailPrecisionNote(*run.Trail);
  EXPECT_NE(note.find("as double precision alone was chosen for this analysis"), std::string::npos)
      << note;
  EXPECT_EQ(note.find("not accurate enough"), std::string::npos) << note;
}

}  // namespace
}  // namespace stavelorn
