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

// Every table holds exactly the trail's numbers, in place: no row, column or member left out.
TEST_P(ExampleSteps, TablesHoldEveryTrailValueInPlace) {
  const MethodSteps steps(model, *run.Trail);
  const MethodTrail& trail = *run.Trail;
  const int n = trail.DofCount;
  auto expectVector = [](const StepTable& t, const std::vector<double>& values, int col) {
    ASSERT_EQ(t.Rows(), static_cast<int>(values.size())) << t.Title;
    for (int r = 0; r < t.Rows(); ++r) EXPECT_EQ(t.At(r, col), values[static_cast<std::size_t>(r)]);
  };
  auto expectMatrix = [](const StepTable& t, const TrailMatrix& m) {
    ASSERT_EQ(t.Rows(), m.Rows) << t.Title;
    ASSERT_EQ(t.Cols(), m.Cols) << t.Title;
    EXPECT_TRUE(t.Marked.empty() || t.Marked.size() == t.Values.size()) << t.Title;
    for (int r = 0; r < m.Rows; ++r)
      for (int c = 0; c < m.Cols; ++c) EXPECT_EQ(t.At(r, c), m(r, c)) << t.Title;
  };
  const StepTable numbering = steps.Numbering();
  ASSERT_EQ(numbering.Rows(), model.JointCount);
  ASSERT_EQ(numbering.Cols(), model.CoordsPerJoint);
  for (int j = 0; j < model.JointCount; ++j)
    for (int k = 0; k < model.CoordsPerJoint; ++k)
      EXPECT_EQ(numbering.At(j, k),
                trail.CoordNumbers[static_cast<std::size_t>(j * model.CoordsPerJoint + k)]);

  ASSERT_EQ(steps.MemberCount(), model.MemberCount);
  for (int index = 0; index < steps.MemberCount(); ++index) {
    const TrailMember& m = trail.Members[static_cast<std::size_t>(index)];
    const std::vector<StepTable> tables = steps.MemberTables(index);
    ASSERT_EQ(tables.size(), 9u);
    expectMatrix(tables[0], m.LocalStiffness);
    expectMatrix(tables[1], m.Transformation);
    expectMatrix(tables[2], m.GlobalStiffness);
    const std::vector<double>* vectors[] = {&m.LocalFixedEndForces,    &m.GlobalFixedEndForces,
                                            &m.GlobalEndDisplacements, &m.LocalEndDisplacements,
                                            &m.LocalEndForces,         &m.GlobalEndForces};
    for (std::size_t v = 0; v < 6; ++v) expectVector(tables[3 + v], *vectors[v], 0);
    // One line for each of the member's own loads, temperature changes, fabrication errors and
    // settled joints, and one closing line.
    int sources = 1;
    for (int r = 1; r <= model.MemberLoadCount; ++r)
      sources += model.MemberLoadInfo(r, 1) == m.Member;
    for (int r = 1; r <= model.TempChangeCount; ++r)
      sources += model.TempChangeMembers(r) == m.Member;
    for (int r = 1; r <= model.FabErrorCount; ++r) sources += model.FabErrorMembers(r) == m.Member;
    for (int r = 1; r <= model.SettlementCount; ++r)
      sources +=
          model.SettlementJoints(r) == m.BeginJoint || model.SettlementJoints(r) == m.EndJoint;
    EXPECT_EQ(steps.FixedEndSources(index).size(), static_cast<std::size_t>(sources))
        << "member " << m.Member;
  }

  const StepTable s = steps.Stiffness(-1), p = steps.Loads(-1);
  expectMatrix(s, trail.Stiffness);
  EXPECT_EQ(std::set<std::string>(s.RowLabels.begin(), s.RowLabels.end()).size(),
            static_cast<std::size_t>(n))
      << "every structure coordinate has its own label";
  expectVector(p, trail.JointLoads, 0);
  expectVector(p, trail.FixedEndPart, 1);
  expectVector(p, trail.LoadVector, 2);
  expectVector(p, trail.Displacements, 3);
  for (int i = 1; i <= n; ++i)
    EXPECT_EQ(static_cast<float>(trail.Displacements[static_cast<std::size_t>(i - 1)]),
              model.JointDisplacements(i))
        << "the trail's {d} is the stored displacement " << i;
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleSteps,
                         ::testing::Values("continuous-beam", "roof-truss", "portal-frame",
                                           "space-truss-tower", "grid-floor", "space-frame"));

}  // namespace
}  // namespace stavelorn
