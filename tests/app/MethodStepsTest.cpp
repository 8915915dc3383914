// What the step-by-step window shows, for every example: the labels, the marks that follow the
// chosen member, and equilibrium checks whose residuals are round-off.
#include "app/MethodSteps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "analysis/AnalysisRun.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

class ExampleSteps : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    std::string problem;
    model = testing::ExampleModel(GetParam(), problem);
    ASSERT_EQ(problem, "");
    run = CheckAndAnalyze(model);
    ASSERT_TRUE(run.Trail);
  }
  ModelStore model;
  AnalysisRun run;
};

TEST_P(ExampleSteps, MarksAndEquilibriumChecks) {
  const MethodSteps steps(model, *run.Trail);
  const int n = run.Trail->DofCount;
  for (int index = 0; index < steps.MemberCount(); ++index) {
    std::set<int> free;
    for (int code : run.Trail->Members[static_cast<std::size_t>(index)].CodeNumbers)
      if (code <= n) free.insert(code);
    const StepTable s = steps.Stiffness(index), p = steps.Loads(index);
    for (int r = 0; r < n; ++r) {
      const bool row = free.count(r + 1) > 0;
      for (int c = 0; c < n; ++c) EXPECT_EQ(s.IsMarked(r, c), row && free.count(c + 1) > 0);
      EXPECT_EQ(p.IsMarked(r, 1), row) << "the fixed-end part of row " << r + 1;
    }
  }
  EXPECT_FALSE(steps.Stiffness(-1).IsMarked(0, 0));

  // Every equilibrium residual is round-off.
  int checks = 0;
  for (const EquilibriumLine& line : steps.Equilibrium()) {
    EXPECT_LE(line.Residual, 1e-4 * line.Scale + 1e-9) << line.Text;
    checks += line.Scale > 0;
  }
  EXPECT_GT(checks, model.MemberCount / 2);
}

// The space frame's columns are rolled by 0 and 90 degrees: entries of [T] that are cosines of
// right angles are stored as single-precision round-off. They read 0 in the cells and the facts,
// while the tooltip keeps the stored value; every other entry shows as computed.
TEST(MethodSteps, CosineRoundOffShowsAsZeroButKeepsItsStoredValue) {
  std::string problem;
  ModelStore model = testing::ExampleModel("space-frame", problem);
  const AnalysisRun run = CheckAndAnalyze(model);
  ASSERT_TRUE(run.Trail);
  const MethodSteps steps(model, *run.Trail);
  int roundOffs = 0;
  for (int index = 0; index < steps.MemberCount(); ++index) {
    const StepTable t = steps.MemberTables(index)[1];
    for (int r = 0; r < t.Rows(); ++r)
      for (int c = 0; c < t.Cols(); ++c) {
        const double stored = t.At(r, c);
        const std::string shown = CellText(t, r, c), tip = CellTooltip(t, r, c);
        const bool roundOff = stored != 0 && std::fabs(stored) <= 1e-6;
        roundOffs += roundOff;
        EXPECT_EQ(shown, stored == 0 ? "" : roundOff ? "0" : StepNumber(stored));
        if (stored != 0) {
          EXPECT_EQ(static_cast<float>(std::stod(tip.substr(7))), float(stored));
        }
      }
    EXPECT_EQ(steps.MemberFacts(index)[1].find("e-0"), std::string::npos);
  }
  EXPECT_GT(roundOffs, 0);
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleSteps,
                         ::testing::Values("continuous-beam", "grid-floor", "space-frame"));

}  // namespace
}  // namespace stavelorn
