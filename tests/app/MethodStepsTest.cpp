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

// With named units a force's row reads its force unit and a displacement's column its length
// unit, so that a stiffness entry reads as the row's unit per the column's; rotations and [T]
// carry none. Without them no label changes.
TEST_P(ExampleSteps, NamedUnitsLabelForcesAndDisplacements) {
  const MethodSteps plain(model, *run.Trail);
  const StepTable plainK = plain.MemberTables(0)[0];
  model.Units = NamedUnits(ForceUnit::kN, LengthUnit::m, TemperatureUnit::C);
  const MethodSteps steps(model, *run.Trail);
  const std::vector<StepTable> tables = steps.MemberTables(0);
  const StructTypeInfo& type = model.TypeInfo();
  for (int i = 0; i < plainK.Rows(); ++i) {
    const bool rotation = CoordinateOf(type, i % type.CoordsPerJoint + 1).Rotation;
    const std::string& row = tables[0].RowLabels[static_cast<std::size_t>(i)];
    const std::string& col = tables[0].ColumnLabels[static_cast<std::size_t>(i)];
    EXPECT_EQ(row,
              plainK.RowLabels[static_cast<std::size_t>(i)] + (rotation ? " [kN·m]" : " [kN]"));
    EXPECT_EQ(col, plainK.ColumnLabels[static_cast<std::size_t>(i)] + (rotation ? "" : " [m]"));
    // {Q} is a force, {u} a displacement.
    EXPECT_EQ(tables[7].RowLabels[static_cast<std::size_t>(i)].substr(row.find(' ')),
              row.substr(row.find(' ')));
    EXPECT_EQ(tables[6].RowLabels[static_cast<std::size_t>(i)].find("kN"), std::string::npos);
  }
  EXPECT_EQ(tables[1].RowLabels, plain.MemberTables(0)[1].RowLabels) << "[T] has no unit";
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleSteps,
                         ::testing::Values("continuous-beam", "grid-floor", "space-frame"));

}  // namespace
}  // namespace stavelorn
