#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "analysis/AccuracyGuard.h"
#include "analysis/Analysis.h"
#include "analysis/AnalysisRun.h"
#include "analysis/GeneratedStructures.h"
#include "model/ProjectFile.h"
#include "reports/BatchReport.h"
#include "reports/MiniJson.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

// Largest difference between the stored displacements and a double-precision solution, over the
// largest displacement of that solution.
double DistanceFromDoublePrecision(const ModelStore& model) {
  AnalysisResults<double> exact = AnalyzeInPrecision<double>(model);
  double largest = 0, difference = 0;
  for (int n = 1; n <= exact.DofCount; ++n) {
    largest = std::max(largest, std::fabs(exact.JointDisplacements(n)));
    difference =
        std::max(difference, std::fabs(model.JointDisplacements(n) - exact.JointDisplacements(n)));
  }
  return difference / largest;
}

struct Slender {
  const char* name;
  ModelStore (*build)();
};

// Tall and slender frames whose single-precision solution is visibly wrong: the guard must show
// the double-precision numbers instead, and say so.
TEST(AccuracyGuard, SlenderStructuresGetDoublePrecisionResults) {
  const Slender cases[] = {
      {"plane tower 5 x 101 joints", [] { return PlaneFrameGrid(4, 100); }},
      {"plane frame 10 x 51 joints", [] { return PlaneFrameGrid(9, 50); }},
      {"space tower 2 x 2 x 51 joints", [] { return SpaceFrameLattice(2, 2, 50); }},
      {"space lattice 6 x 6 x 6 joints", [] { return SpaceFrameLattice(6, 6, 5); }},
  };
  for (const Slender& c : cases) {
    ModelStore model = c.build();
    AnalysisResults<float> single = AnalyzeInPrecision<float>(model);
    AnalysisResults<double> exact = AnalyzeInPrecision<double>(model);
    ASSERT_EQ(single.AnalysisStatus, kAnalysisComplete) << c.name;
    EXPECT_GT(DisplacementDisagreement(model, single, exact), kAccuracyThreshold) << c.name;

    AnalysisRun run = CheckAndAnalyze(model);
    ASSERT_FALSE(run.Rejected) << c.name << ": " << run.RejectionText;
    EXPECT_EQ(model.AnalysisStatus, kAnalysisComplete) << c.name;
    EXPECT_TRUE(run.UsedDoublePrecision) << c.name;
    EXPECT_LE(DistanceFromDoublePrecision(model), 1e-5) << c.name;
    EXPECT_NE(run.AccuracyNote.find("double-precision solution"), std::string::npos);
    // The trail is that of the double-precision run, the one whose results are stored.
    ASSERT_TRUE(run.Trail) << c.name;
    EXPECT_TRUE(run.Trail->DoublePrecision) << c.name;
    for (int i = 1; i <= exact.DofCount; ++i)
      ASSERT_EQ(run.Trail->Displacements[static_cast<std::size_t>(i - 1)],
                exact.JointDisplacements(i))
          << c.name;
  }
}

}  // namespace
}  // namespace stavelorn
