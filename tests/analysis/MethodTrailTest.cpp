// The method's trail against independent statements of the method: [K] = [T]'[k][T], the
// assembly by code numbers, [S]{d} = {P}, {Q} = [k]{u} + {Qf}, and the stored results.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "analysis/Analysis.h"
#include "analysis/AnalysisRun.h"
#include "analysis/Arithmetic.h"
#include "analysis/ExactZeros.h"
#include "analysis/MemberAxes.h"
#include "model/ProjectFile.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

// Every example analysed as the program does it, with its trail.
class ExampleTrail : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    std::string problem;
    model = testing::ExampleModel(GetParam(), problem);
    ASSERT_EQ(problem, "");
    run = CheckAndAnalyze(model);
    ASSERT_EQ(model.AnalysisStatus, kAnalysisComplete);
    ASSERT_TRUE(run.Trail);
    ASSERT_FALSE(run.Trail->DoublePrecision) << "the examples keep to single precision";
  }
  ModelStore model;
  AnalysisRun run;
};

double Largest(const TrailMatrix& m) {
  double largest = 0;
  for (double v : m.Values) largest = std::max(largest, std::fabs(v));
  return largest;
}

// Each member: [K] = [T]'[k][T], {u} = [T]{v}, {Q} = [k]{u} + {Qf} as stored, {F} = [T]'{Q};
// {Ff} = [T]'{Qf} + [K]{v} of the settled supports at its joints, as the records give them; the
// drawn local x axis is the member's direction.
TEST_P(ExampleTrail, MemberMatricesFollowTheMethod) {
  for (const TrailMember& m : run.Trail->Members) {
    const std::size_t n = m.CodeNumbers.size();
    const std::optional<MemberAxes> axes = MemberLocalAxes(model, m.Member);
    ASSERT_TRUE(axes);
    EXPECT_NEAR(axes->Length, m.Length, 1e-6 * m.Length);
    EXPECT_NEAR(axes->X[0], m.DirCosX, 1e-6);
    EXPECT_NEAR(axes->X[1], m.DirCosY, 1e-6);
    EXPECT_NEAR(axes->X[2], m.DirCosZ, 1e-6);
    const double scale = Largest(m.LocalStiffness);
    double largestU = 0;
    for (double u : m.LocalEndDisplacements) largestU = std::max(largestU, std::fabs(u));
    for (std::size_t i = 0; i < n; ++i) {
      const int joint = i < n / 2 ? m.BeginJoint : m.EndJoint,
                k = static_cast<int>(i % (n / 2)) + 1;
      double settled = 0, ff = 0, ku = 0, uFromV = 0, f = 0;
      for (int r = 1; r <= model.SettlementCount; ++r)
        if (model.SettlementJoints(r) == joint) settled = model.SettlementValues(r, k);
      EXPECT_NEAR(m.SettlementDisp[i], settled, 1e-9) << m.Member;
      for (std::size_t j = 0; j < n; ++j) {
        const int row = static_cast<int>(i), col = static_cast<int>(j);
        double tkt = 0;
        for (int a = 0; a < static_cast<int>(n); ++a)
          for (int b = 0; b < static_cast<int>(n); ++b)
            tkt += m.Transformation(a, row) * m.LocalStiffness(a, b) * m.Transformation(b, col);
        EXPECT_NEAR(m.GlobalStiffness(row, col), tkt, 1e-6 * scale) << "member " << m.Member;
        ff += m.Transformation(col, row) * m.LocalFixedEndForces[j] +
              m.GlobalStiffness(row, col) * m.SettlementDisp[j];
        ku += m.LocalStiffness(row, col) * m.LocalEndDisplacements[j];
        uFromV += m.Transformation(row, col) * m.GlobalEndDisplacements[j];
        f += m.Transformation(col, row) * m.LocalEndForces[j];
      }
      EXPECT_NEAR(m.GlobalFixedEndForces[i], ff, 1e-5 * (1 + std::fabs(ff)))
          << "member " << m.Member << " Ff" << i + 1;
      EXPECT_NEAR(m.LocalEndForces[i], ku + m.LocalFixedEndForces[i],
                  1e-5 * (scale * largestU + std::fabs(m.LocalEndForces[i])) + 1e-9)
          << "member " << m.Member << " Q" << i + 1;
      EXPECT_EQ(m.LocalEndForces[i], model.MemberEndForces(m.Member, static_cast<int>(i) + 1));
      EXPECT_NEAR(m.GlobalEndForces[i], f, 1e-5 * (1 + std::fabs(f)));
      if (!m.Aligned) {
        EXPECT_NEAR(m.LocalEndDisplacements[i], uFromV, 1e-6 * (1 + largestU));
      }
    }
  }
}

// Adding the members' [K] by code numbers, in the engine's arithmetic, gives [S] bit for bit;
// [S]{d} = {P}, and {P} is the joint loads less the members' fixed-end forces.
TEST_P(ExampleTrail, AssemblyGivesSAndSolvesSdEqualsP) {
  const MethodTrail& t = *run.Trail;
  ASSERT_TRUE(t.HasStiffness());
  const int n = t.DofCount;
  std::vector<float> s(static_cast<std::size_t>(n * n), 0.0f);
  for (const TrailMember& m : t.Members)
    for (int i = 0; i < static_cast<int>(m.CodeNumbers.size()); ++i)
      for (int j = 0; j < static_cast<int>(m.CodeNumbers.size()); ++j) {
        const int row = m.CodeNumbers[static_cast<std::size_t>(i)];
        const int col = m.CodeNumbers[static_cast<std::size_t>(j)];
        if (row > n || col > n) continue;
        float& cell = s[static_cast<std::size_t>((row - 1) * n + col - 1)];
        cell = Store<float>(Calc(cell) + m.GlobalStiffness(i, j));
      }
  double largest = 0;
  for (double p : t.LoadVector) largest = std::max(largest, std::fabs(p));
  const std::size_t size = s.size() / static_cast<std::size_t>(n);
  for (const auto* v : {&t.LoadVector, &t.Displacements, &t.JointLoads, &t.FixedEndPart})
    ASSERT_EQ(v->size(), size);
  for (std::size_t r = 0; r < size; ++r) {
    double sum = 0, magnitude = 0;
    for (std::size_t c = 0; c < size; ++c) {
      const double entry = t.Stiffness(static_cast<int>(r), static_cast<int>(c));
      EXPECT_EQ(s[r * size + c], entry) << r + 1 << ", " << c + 1;
      sum += entry * t.Displacements[c];
      magnitude += std::fabs(entry * t.Displacements[c]);
    }
    EXPECT_NEAR(sum, t.LoadVector[r], 1e-4 * (magnitude + largest)) << r + 1;
    EXPECT_NEAR(t.LoadVector[r], t.JointLoads[r] + t.FixedEndPart[r], 1e-6 * (1 + largest));
  }
}

// Results that are zero in exact arithmetic: the zero-force bars of the roof truss (by the
// method of joints, a bar meeting a joint where the other bars are collinear and unloaded) and
// the moment at the pinned base of the portal frame.
const struct {
  const char* example;
  int member, end;
} kExactZeros[] = {{"roof-truss", 9, 1},
                   {"roof-truss", 9, 3},
                   {"roof-truss", 11, 1},
                   {"roof-truss", 11, 3},
                   {"portal-frame", 3, 3}};

// The guard keeps a textbook structure's single-precision results bit for bit, but for the
// results zero by statics, which read 0 and leave every other value as it was.
TEST_P(ExampleTrail, TheGuardKeepsTheSinglePrecisionResultsButReadsExactZerosAsZero) {
  ModelStore plain;
  plain.Reset();
  plain.ProjectFile = model.ProjectFile;
  ASSERT_FALSE(ReadProjectFile(plain));
  // An analysis without the trail stores the same results and no trail.
  ModelStore again = plain;
  EXPECT_FALSE(CheckAndAnalyze(again, 0, false).Trail);
  EXPECT_EQ(again.MemberEndForces, model.MemberEndForces);
  Analyze(plain);
  ModelStore zeroed = plain;
  StoreExactZeros(zeroed, AnalysisResults<double>());
  EXPECT_EQ(zeroed.MemberEndForces, plain.MemberEndForces) << "without a precise run, no rule";
  StoreExactZeros(zeroed, AnalyzeInPrecision<double>(plain));
  EXPECT_EQ(run.AccuracyNote, "");
  EXPECT_EQ(model.JointDisplacements, zeroed.JointDisplacements);
  EXPECT_EQ(model.MemberEndForces, zeroed.MemberEndForces);
  EXPECT_EQ(model.SupportReactions, zeroed.SupportReactions);
  for (const auto& z : kExactZeros)
    if (GetParam() == std::string(z.example)) {
      EXPECT_EQ(model.MemberEndForces(z.member, z.end), 0.0f) << z.member;
      EXPECT_NE(plain.MemberEndForces(z.member, z.end), 0.0f) << "round-off before the rule";
    }
  const Table<float>& q = zeroed.MemberEndForces;
  for (int m = 1; m <= q.Rows(); ++m)
    for (int i = 1; i <= q.Cols(); ++i)
      if (q(m, i) != 0) {
        EXPECT_EQ(q(m, i), plain.MemberEndForces(m, i)) << m << "," << i;
      }
  for (int n = 1; n <= zeroed.DofCount; ++n)
    if (zeroed.JointDisplacements(n) != 0) {
      EXPECT_EQ(zeroed.JointDisplacements(n), plain.JointDisplacements(n)) << n;
    }
  EXPECT_EQ(zeroed.SupportReactions, plain.SupportReactions);
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleTrail,
                         ::testing::Values("continuous-beam", "roof-truss", "portal-frame",
                                           "space-truss-tower", "grid-floor", "space-frame"));

}  // namespace
}  // namespace stavelorn
