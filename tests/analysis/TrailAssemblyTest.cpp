// The structure's [S] as the method's trail records it, entry by entry over the whole matrix,
// against each member's own [K] scattered at its code numbers and each spring's k on the
// diagonal; in both precisions (the double-precision run holds only a band of [S]); and the
// solution {d} against [S]{d} = {P}.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "analysis/AnalysisRun.h"
#include "analysis/GeneratedStructures.h"
#include "analysis/TrailEquilibrium.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

void ExpectAssembledAndSolved(const MethodTrail& trail) {
  const int n = trail.DofCount;
  ASSERT_TRUE(trail.HasStiffness());
  std::vector<double> sum(static_cast<std::size_t>(n) * static_cast<std::size_t>(n));
  auto at = [n](int code, int other) {
    return static_cast<std::size_t>(code - 1) * static_cast<std::size_t>(n) +
           static_cast<std::size_t>(other - 1);
  };
  for (const TrailMember& m : trail.Members) {
    const TrailMatrix& k =
        m.SupportAxesStiffness.Rows > 0 ? m.SupportAxesStiffness : m.GlobalStiffness;
    for (std::size_t a = 0; a < m.CodeNumbers.size(); ++a)
      for (std::size_t b = 0; b < m.CodeNumbers.size(); ++b)
        if (m.CodeNumbers[a] <= n && m.CodeNumbers[b] <= n)
          sum[at(m.CodeNumbers[a], m.CodeNumbers[b])] +=
              k(static_cast<int>(a), static_cast<int>(b));
  }
  for (const TrailSpring& spring : trail.Springs)
    if (spring.Code <= n) sum[at(spring.Code, spring.Code)] += spring.Stiffness;
  for (int i = 1; i <= n; ++i) {
    double residual = trail.LoadVector[static_cast<std::size_t>(i - 1)], size = 0;
    for (int j = 1; j <= n; ++j) {
      // [S] is positive definite: no entry is larger than the larger of its two diagonals.
      const double scale = std::max(std::fabs(sum[at(i, i)]), std::fabs(sum[at(j, j)]));
      ASSERT_NEAR(trail.Stiffness(i - 1, j - 1), sum[at(i, j)], 1e-5 * scale) << i << ", " << j;
      const double term = trail.Stiffness(i - 1, j - 1) * trail.Displacements[j - 1];
      residual -= term;
      size += std::fabs(term);
    }
    EXPECT_LE(std::fabs(residual), 1e-4 * size + 1e-12) << "row " << i;
  }
}

TEST(TrailAssembly, TheStiffnessIsTheMembersAndSpringsAndItSolvesTheLoads) {
  for (const char* name : testing::kExampleNames)
    for (const bool elastic : {false, true})
      for (const AnalysisPrecision precision :
           {AnalysisPrecision::Single, AnalysisPrecision::Double}) {
        SCOPED_TRACE(std::string(name) + (elastic ? " on springs" : "") +
                     (precision == AnalysisPrecision::Double ? ", double" : ""));
        ModelStore model = testing::ExampleModel(name);
        if (elastic) model = testing::OnSpringsAndTurned(model);
        const AnalysisRun run = CheckAndAnalyze(model, AvailableMemoryBytes(), true, precision);
        ASSERT_TRUE(run.Trail);
        ExpectAssembledAndSolved(*run.Trail);
        // The equilibrium checks open with a heading, which sums nothing.
        EXPECT_EQ(TrailEquilibrium(model, run.Results, *run.Trail).front().Scale, 0);
      }
}

// The trail keeps [S] up to three hundred unknowns, and not one more.
TEST(TrailAssembly, TheStiffnessIsKeptUpToThreeHundredUnknowns) {
  ModelStore frame = PlaneFrameGrid(9, 10);
  for (const int unknowns : {300, 301}) {
    if (unknowns == 301) frame.Supports(1, 4) = 0;
    const AnalysisRun run = CheckAndAnalyze(frame);
    ASSERT_EQ(run.Trail->DofCount, unknowns);
    EXPECT_EQ(run.Trail->HasStiffness(), unknowns == 300);
  }
}

}  // namespace
}  // namespace stavelorn
