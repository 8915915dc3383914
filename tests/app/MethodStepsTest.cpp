// What the step-by-step window shows, for every example: the labels, the marks that follow the
// chosen member, and equilibrium checks whose residuals are round-off.
#include "app/MethodSteps.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// The marks follow the chosen member: its cells of [S] and its rows' fixed-end part of {P}.
// Every equilibrium residual is round-off.
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
  int checks = 0;
  for (const EquilibriumLine& line : steps.Equilibrium()) {
    EXPECT_LE(line.Residual, 1e-4 * line.Scale + 1e-9) << line.Text;
    checks += line.Scale > 0;
  }
  EXPECT_GT(checks, model.MemberCount / 2);
}

// Numbers in a text, in order: those after each " = " or each blank.
std::vector<double> NumbersAfter(const std::string& text, const std::string& before) {
  std::vector<double> numbers;
  for (std::size_t at = text.find(before); at != std::string::npos; at = text.find(before, at + 1))
    numbers.push_back(std::strtod(text.c_str() + at + before.size(), nullptr));
  return numbers;
}

// Every table holds exactly the trail's numbers, in place: no row, column or member left out.
// Each member's facts give its length and cosines as measured from its joints' coordinates, and
// the code numbers of its two joints.
TEST_P(ExampleSteps, TablesAndFactsHoldEveryTrailValueInPlace) {
  const MethodSteps steps(model, *run.Trail);
  const MethodTrail& trail = *run.Trail;
  const int n = trail.DofCount, per = model.CoordsPerJoint;
  auto expectTable = [](const StepTable& t, int rows, int cols, auto value) {
    ASSERT_EQ(t.Rows(), rows) << t.Title;
    ASSERT_EQ(t.Cols(), cols) << t.Title;
    EXPECT_TRUE(t.Marked.empty() || t.Marked.size() == t.Values.size()) << t.Title;
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < cols; ++c) EXPECT_EQ(t.At(r, c), value(r, c)) << t.Title;
    // Copied as text: a line per row, a tab between columns, each value read back as stored.
    const std::string tsv = TableTsv(t);
    EXPECT_EQ(std::count(tsv.begin(), tsv.end(), '\n'), rows) << t.Title;
    EXPECT_EQ(std::count(tsv.begin(), tsv.end(), '\t'), rows * (cols - 1)) << t.Title;
    EXPECT_FLOAT_EQ(std::stof(tsv), static_cast<float>(value(0, 0))) << t.Title;
  };
  auto matrix = [&](const StepTable& t, const TrailMatrix& m) {
    expectTable(t, m.Rows, m.Cols, [&](int r, int c) { return m(r, c); });
  };
  auto vector = [&](const StepTable& t, const std::vector<double>& v, int col = 0) {
    ASSERT_EQ(t.Rows(), static_cast<int>(v.size())) << t.Title;
    for (int r = 0; r < t.Rows(); ++r) EXPECT_EQ(t.At(r, col), v[static_cast<std::size_t>(r)]);
  };
  expectTable(steps.Numbering(), model.JointCount, per, [&](int j, int k) {
    return trail.CoordNumbers[static_cast<std::size_t>(j * per + k)];
  });

  ASSERT_EQ(steps.MemberCount(), model.MemberCount);
  for (int index = 0; index < steps.MemberCount(); ++index) {
    const TrailMember& m = trail.Members[static_cast<std::size_t>(index)];
    const std::vector<StepTable> tables = steps.MemberTables(index);
    ASSERT_EQ(tables.size(), 9u);
    matrix(tables[0], m.LocalStiffness);
    matrix(tables[1], m.Transformation);
    matrix(tables[2], m.GlobalStiffness);
    const std::vector<double>* vectors[] = {&m.LocalFixedEndForces,    &m.GlobalFixedEndForces,
                                            &m.GlobalEndDisplacements, &m.LocalEndDisplacements,
                                            &m.LocalEndForces,         &m.GlobalEndForces};
    for (std::size_t v = 0; v < 6; ++v) vector(tables[3 + v], *vectors[v]);

    // A cosine of a right angle stored as single-precision round-off (the space frame's rolled
    // columns) reads 0 in [T]'s cells and in the facts, while the tooltip keeps the stored value.
    const StepTable& t = tables[1];
    for (int r = 0; r < t.Rows(); ++r)
      for (int c = 0; c < t.Cols(); ++c) {
        const double stored = t.At(r, c);
        const bool roundOff = stored != 0 && std::fabs(stored) <= 1e-6;
        EXPECT_EQ(CellText(t, r, c), stored == 0 ? "" : roundOff ? "0" : StepNumber(stored));
        const std::string tip = stored == 0 ? "0" : CellTooltip(t, r, c).substr(7);
        EXPECT_EQ(static_cast<float>(std::stod(tip)), static_cast<float>(stored));
      }
    const std::vector<std::string> facts = steps.MemberFacts(index);
    EXPECT_EQ(facts[1].find("e-0"), std::string::npos) << facts[1];
    // The facts' tooltip names each value shown as 0 for round-off: a cosine and, where the type
    // has roll angles, an entry of [T]'s rotation block.
    int roundOffs = 0;
    for (double cosine : {m.DirCosX, m.DirCosY, m.DirCosZ})
      roundOffs += cosine != 0 && std::fabs(cosine) <= 1e-6;
    for (int r = 0; model.TypeInfo().RollAngles && r < 3; ++r)
      for (int c = 0; c < 3; ++c) roundOffs += t.At(r, c) != 0 && std::fabs(t.At(r, c)) <= 1e-6;
    const std::string tip = steps.MemberFactsTooltip(index);
    EXPECT_EQ(tip.empty() ? 0 : 1 + std::count(tip.begin(), tip.end(), '\n'), roundOffs) << tip;
    std::vector<double> along;
    double length = 0;
    for (int c = 1; c <= model.JointCoords.Cols(); ++c) {
      along.push_back(model.JointCoords(m.EndJoint, c) - model.JointCoords(m.BeginJoint, c));
      length += along.back() * along.back();
    }
    length = std::sqrt(length);
    EXPECT_NEAR(NumbersAfter(facts[0], " = ").at(0), length, 1e-5 * length) << facts[0];
    const std::vector<double> cosines = NumbersAfter(facts[1], " = ");
    ASSERT_EQ(cosines.size(), along.size()) << facts[1];
    for (std::size_t c = 0; c < along.size(); ++c)
      EXPECT_NEAR(cosines[c], along[c] / length, 1e-5) << facts[1];
    std::vector<double> codes;
    for (int joint : {m.BeginJoint, m.EndJoint})
      for (int k = 0; k < per; ++k)
        codes.push_back(trail.CoordNumbers[static_cast<std::size_t>((joint - 1) * per + k)]);
    const std::string& listed = facts.back();
    EXPECT_EQ(
        NumbersAfter(listed.substr(listed.find(':'), listed.find(" (") - listed.find(':')), " "),
        codes)
        << listed;

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
  matrix(s, trail.Stiffness);
  EXPECT_EQ(std::set<std::string>(s.RowLabels.begin(), s.RowLabels.end()).size(),
            static_cast<std::size_t>(n))
      << "every structure coordinate has its own label";
  vector(p, trail.JointLoads, 0);
  vector(p, trail.FixedEndPart, 1);
  vector(p, trail.LoadVector, 2);
  vector(p, trail.Displacements, 3);
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
