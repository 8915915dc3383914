// The geometric stiffness, the critical load and the second-order analysis against closed forms
// of column buckling and of the beam-column (the divided members' first-order results are the
// feature matrix's).

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "analysis/Analysis.h"
#include "analysis/AnalysisRun.h"
#include "analysis/CriticalLoad.h"
#include "analysis/DividedStructure.h"
#include "analysis/GeneratedStructures.h"
#include "analysis/GeometricStiffness.h"
#include "analysis/SecondOrder.h"
#include "support/SampleModels.h"
#include "support/StructureTexts.h"

namespace stavelorn {
namespace {

using testing::ModelFromText;

constexpr double kPi = 3.14159265358979323846;
constexpr double kE = 2e8, kI = 1e-4, kHeight = 5, kLoad = 100;  // EI = 2e4 kN·m²

// A column of one plane-frame member from (0, 0) up to (0, 5) under kLoad down at its top, with
// the supports (and releases) given as project-file lines.
ModelStore Column(const std::string& supports, const std::string& releases = "") {
  return ModelFromText("\"Column\"\n\"PFrame\"\n\"Joints\",2\n0,0\n0,5\n" + supports +
                       "\"Materials\",1\n2E+08,1.2E-05\n\"Cross-Sections\",1\n1,0.0001\n"
                       "\"Members\",1\n1,2,1,1\n" +
                       releases + "\"Joint Loads\",1\n2,0,-100,0\n");
}

double FirstFactor(const ModelStore& model, int segments = kDefaultSegments) {
  const CriticalLoads loads = ComputeCriticalLoads(model, Analyze(model), 1, segments);
  EXPECT_EQ(loads.Message, "");
  return loads.Modes.empty() ? 0 : loads.Modes.front().LoadFactor;
}

TEST(GeometricStiffnessTest, PlaneMemberMatchesTheTextbookMatrix) {
  MemberContext<double> member;
  member.Kind = StructKind::PFrame;
  member.EndCoords = 6;
  const double l = 2, n = -30;  // a compression
  // Hinged at the end: N/L · [6/5, L/5, L²/5] on (v1, θ1, v2), nothing on θ2 nor on the axial
  // coordinates. (The member without a hinge is the classic columns' closed forms.)
  const double a = 6.0 / 5, e = l / 5, f = l * l / 5;
  const double hinged[6][6] = {{0, 0, 0, 0, 0, 0}, {0, a, e, 0, -a, 0},  {0, e, f, 0, -e, 0},
                               {0, 0, 0, 0, 0, 0}, {0, -a, -e, 0, a, 0}, {0, 0, 0, 0, 0, 0}};
  member.ReleaseType = 2;
  const MemberMatrix<double> kg = ComputeLocalGeometricStiffness(member, l, n);
  for (int i = 1; i <= 6; ++i)
    for (int j = 1; j <= 6; ++j)
      EXPECT_NEAR(kg[i][j], n / l * hinged[i - 1][j - 1], 1e-12) << "at (" << i << ", " << j << ")";
  // A space member hinged at both ends carries no torsion: no Wagner term N(Iy + Iz)/(AL) on its
  // twist, unless the piece is asked to hold it.
  MemberContext<double> space;
  space.Kind = StructKind::SFrame;
  space.EndCoords = 12, space.ReleaseType = 3;
  space.Area = 0.01, space.InertiaY = 2e-4, space.InertiaZ = 3e-4;
  EXPECT_EQ(ComputeLocalGeometricStiffness(space, l, n)[4][4], 0);
  EXPECT_NEAR(ComputeLocalGeometricStiffness(space, l, n, true)[4][10], -n * 5e-4 / 0.01 / l,
              1e-12);
}

// The method's [Kg], assembled from the whole members' [kg], makes [S] + λ[Kg] singular at the
// first load factor of the members undivided: its smallest pivot vanishes there and nowhere
// below.
TEST(GeometricStiffnessTest, TheTrailsKgIsSingularWithSAtTheCriticalFactor) {
  const ModelStore portal = testing::ExampleModel("portal-frame");
  const AnalysisRun run =
      CheckAndAnalyze(portal, AvailableMemoryBytes(), true, AnalysisPrecision::Double);
  MethodTrail trail = *run.Trail;
  AddGeometricStiffness(portal, trail);
  ASSERT_EQ(trail.Members.front().GeometricStiffness.Rows, 6);
  const double lambda = ComputeCriticalLoads(portal, run.Results, 1, 1).Modes.at(0).LoadFactor;
  const int n = trail.DofCount;
  // [Kg] is each member's [kg] as its steps show it, turned by its [T] to its code numbers.
  std::vector<double> kg(static_cast<std::size_t>(n * n));
  for (const TrailMember& m : trail.Members)
    for (int i = 0; i < 6; ++i)
      for (int j = 0; j < 6; ++j) {
        const int row = m.CodeNumbers[static_cast<std::size_t>(i)];
        const int col = m.CodeNumbers[static_cast<std::size_t>(j)];
        if (row > n || col > n) continue;
        for (int a = 0; a < 6; ++a)
          for (int b = 0; b < 6; ++b)
            kg[static_cast<std::size_t>((row - 1) * n + col - 1)] +=
                m.Transformation(a, i) * m.GeometricStiffness(a, b) * m.Transformation(b, j);
      }
  for (int i = 0; i < n * n; ++i)
    EXPECT_NEAR(trail.StructureGeometricStiffness(i / n, i % n), kg[static_cast<std::size_t>(i)],
                1e-6);
  // The smallest |pivot| of the elimination of [S] + f·λ[Kg], against the largest diagonal.
  auto smallestPivot = [&](double f) {
    std::vector<std::vector<double>> a(n, std::vector<double>(n));
    double largest = 0;
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < n; ++j) {
        a[i][j] = trail.Stiffness(i, j) + f * lambda * trail.StructureGeometricStiffness(i, j);
        if (i == j) largest = std::max(largest, std::abs(a[i][j]));
      }
    double smallest = largest;
    for (int k = 0; k < n; ++k) {
      smallest = std::min(smallest, std::abs(a[k][k]));
      for (int i = k + 1; i < n; ++i)
        for (int j = n - 1; j >= k; --j) a[i][j] -= a[i][k] / a[k][k] * a[k][j];
    }
    return smallest / largest;
  };
  EXPECT_LT(smallestPivot(1), 1e-6);
  EXPECT_GT(smallestPivot(0.9), 1e-3);
}

// The classic columns at the default four pieces per member.
TEST(CriticalLoadTest, ColumnsMatchTheirClosedForms) {
  const std::string top = "\"Supports\",2\n1,1,1,";
  struct Case {
    const char* name;
    ModelStore model;
    double coefficient;  // Pcr·L²/EI
    double tolerance;
  } cases[] = {
      {"pinned-pinned", Column(top + "0\n2,1,0,0\n"), kPi * kPi, 0.005},
      {"pinned by a release", Column(top + "1\n2,1,0,0\n", "\"Member Releases\",1\n1,1\n"),
       kPi * kPi, 0.005},
      {"fixed-free", Column("\"Supports\",1\n1,1,1,1\n"), kPi * kPi / 4, 0.005},
      {"fixed-pinned", Column(top + "1\n2,1,0,0\n"), 20.1907, 0.005},
      {"fixed-fixed", Column(top + "1\n2,1,0,1\n"), 4 * kPi * kPi, 0.01},
  };
  for (const Case& c : cases) {
    const double exact = c.coefficient * kE * kI / (kHeight * kHeight) / kLoad;
    EXPECT_NEAR(FirstFactor(c.model), exact, c.tolerance * exact) << c.name;
  }
  const double fixedFixed = 4 * kPi * kPi * kE * kI / (kHeight * kHeight) / kLoad;
  EXPECT_NEAR(FirstFactor(cases[4].model, 8), fixedFixed, 0.001 * fixedFixed);
}

// Fixed bases, columns and beam alike and as long (portal-of-equal-members.str): the sway mode of
// the alignment chart, whose k = π/K solves k·cot k = -6/G with G = (I/h)/(I/L) = 1.
TEST(CriticalLoadTest, PortalFrameSwaysAtItsEffectiveLength) {
  const ModelStore portal = ModelFromText(testing::SmallProject("portal-of-equal-members"));
  double low = kPi / 2 + 1e-9, high = kPi - 1e-9;
  for (int i = 0; i < 100; ++i) {
    const double k = (low + high) / 2;
    (k / std::tan(k) > -6 ? low : high) = k;
  }
  const double exact = low * low * kE * kI / (kHeight * kHeight) / kLoad;
  const CriticalLoads loads = ComputeCriticalLoads(portal, Analyze(portal), 3, kDefaultSegments);
  ASSERT_EQ(loads.Modes.size(), 3u);
  EXPECT_NEAR(loads.Modes[0].LoadFactor, exact, 0.005 * exact);
  EXPECT_LT(loads.Modes[0].LoadFactor, loads.Modes[1].LoadFactor);
  // The sway: both tops move the same way, the larger by 1.
  const std::vector<double>& mode = loads.Modes[0].JointDisplacements;
  EXPECT_NEAR(std::max(std::abs(mode[3]), std::abs(mode[6])), 1, 1e-12);
  EXPECT_NEAR(mode[3], mode[6], 0.01);
}

// A cantilever propping a column pinned at both ends by its releases through a hinged link, both
// loaded alike (leaning-column.str): the leaning column takes P/h of the sway stiffness, so kh
// solves tan kh = 2kh. One piece per member keeps the leaning column's [kg] that of a member hinged
// at both ends.
TEST(CriticalLoadTest, ALeaningColumnLeansOnTheCantilever) {
  const ModelStore frame = ModelFromText(testing::SmallProject("leaning-column"));
  double low = 1, high = 1.4;
  for (int i = 0; i < 100; ++i) {
    const double k = (low + high) / 2;
    (std::tan(k) < 2 * k ? low : high) = k;
  }
  const double exact = low * low * kE * kI / (kHeight * kHeight) / kLoad;
  EXPECT_NEAR(FirstFactor(frame, 1), exact, 0.01 * exact);
}

// Why an analysis gives fewer factors than asked, or none: a space lattice in 64 pieces per member
// has too many unknowns for either analysis; a cantilever in one piece buckles only two ways.
TEST(CriticalLoadTest, SaysWhyItGivesFewerFactorsThanAsked) {
  const ModelStore lattice = SpaceFrameLattice(3, 3, 4);
  const StructureResults analysed = Analyze(lattice);
  const CriticalLoads tooMany = ComputeCriticalLoads(lattice, analysed, 1, kMaxSegments);
  EXPECT_FALSE(tooMany.Solved);
  EXPECT_TRUE(std::regex_match(
      tooMany.Message, std::regex("With 64 pieces per member the structure has [0-9]+ unknowns, "
                                  "more than the 2400 the critical load is found for; divide "
                                  "the members into fewer pieces\\.")))
      << tooMany.Message;
  const SecondOrderRun tooLarge = AnalyzeSecondOrder(lattice, analysed, kMaxSegments);
  EXPECT_TRUE(std::regex_match(
      tooLarge.Message, std::regex("With 64 pieces per member the equations need [0-9]+ MB, more "
                                   "than the 1024 MB the second-order analysis takes; divide the "
                                   "members into fewer pieces\\.")))
      << tooLarge.Message;
  const ModelStore column = Column("\"Supports\",1\n1,1,1,1\n");
  const CriticalLoads two = ComputeCriticalLoads(column, Analyze(column), 3, 1);
  EXPECT_EQ(two.Message,
            "Only 2 positive load factors exist; the other modes would need the loads reversed or "
            "the members in tension to buckle.");
}

// A space-frame cantilever along X, its y axis the weak one (space-column.str): it buckles
// sideways in Z first.
TEST(CriticalLoadTest, SpaceColumnBucklesAboutItsWeakAxis) {
  const ModelStore column = ModelFromText(testing::SmallProject("space-column"));
  const CriticalLoads loads = ComputeCriticalLoads(column, Analyze(column), 2, kDefaultSegments);
  ASSERT_EQ(loads.Modes.size(), 2u);
  const double weak = kPi * kPi * kE * 1e-4 / (4 * 25) / kLoad;
  EXPECT_NEAR(loads.Modes[0].LoadFactor, weak, 0.005 * weak);
  EXPECT_NEAR(loads.Modes[1].LoadFactor, 4 * weak, 0.02 * weak);
  const std::vector<double>& tip = loads.Modes[0].JointDisplacements;
  EXPECT_NEAR(std::abs(tip[6 + 2]), 1, 1e-12);  // Z
  EXPECT_NEAR(tip[6 + 1], 0, 1e-9);             // Y
}

// H·(tan kL − kL)/(k³EI), k² = P/EI: the cantilever's tip under P down and H across.
TEST(SecondOrderTest, CantileverTipMatchesTheBeamColumn) {
  ModelStore cantilever = Column("\"Supports\",1\n1,1,1,1\n");
  const double p = 0.5 * kPi * kPi * kE * kI / (4 * kHeight * kHeight), h = 1;
  cantilever.JointLoadValues(1, 1) = static_cast<float>(h);
  cantilever.JointLoadValues(1, 2) = static_cast<float>(-p);
  const SecondOrderRun run = AnalyzeSecondOrder(cantilever, Analyze(cantilever), 4);
  ASSERT_TRUE(run.Settled) << run.Message;
  const double k = std::sqrt(p / (kE * kI)), ei = kE * kI;
  const double exact = h * (std::tan(k * kHeight) - k * kHeight) / (k * k * k * ei);
  EXPECT_NEAR(run.SecondOrder.JointDisplacements(1), exact, 0.005 * exact);
  // Without an axial force the first iteration changes nothing: HL³/3EI at once.
  cantilever.JointLoadValues(1, 2) = 0;
  const SecondOrderRun lateral = AnalyzeSecondOrder(cantilever, Analyze(cantilever), 4);
  EXPECT_EQ(lateral.Iterations, 1) << lateral.Message;
  EXPECT_NEAR(lateral.SecondOrder.JointDisplacements(1), h * 125 / (3 * ei), 1e-9);
}

}  // namespace
}  // namespace stavelorn
