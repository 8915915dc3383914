// Influence lines against closed forms of structural mechanics, equilibrium of separately
// computed lines, and Maxwell's reciprocal theorem checked on a separately analysed model.
#include "analysis/InfluenceLine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "analysis/Analysis.h"
#include "analysis/Engine.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

using testing::ModelFromText;
using Q = DiagramQuantity;

ModelStore Analysed(const std::string& text) {
  ModelStore m = ModelFromText(text);
  Analyze(m);
  EXPECT_EQ(m.AnalysisStatus, kAnalysisComplete);
  return m;
}

InfluenceLine LineOf(const ModelStore& m, const InfluenceQuantity& q, std::vector<int> path = {}) {
  const InfluenceResult result = ComputeInfluenceLine(m, q, std::move(path));
  EXPECT_EQ(result.Problem, "");
  return result.Line;
}

// Every station of the line against `exact(member, x, side)`, within `tolerance`.
void ExpectStations(const InfluenceLine& line,
                    const std::function<double(int, double, StationSide)>& exact,
                    double tolerance) {
  ASSERT_FALSE(line.Path.empty());
  for (const InfluenceSpan& span : line.Path)
    for (const InfluenceStation& s : span.Stations)
      EXPECT_NEAR(s.Value, exact(span.Member, s.X, s.Side), tolerance)
          << "member " << span.Member << " x " << s.X << " side " << static_cast<int>(s.Side);
}

// The ordinate with the load at x on `member`, from the line's stations.
double OrdinateAt(const InfluenceLine& line, int member, double x) {
  for (const InfluenceSpan& span : line.Path)
    for (const InfluenceStation& s : span.Stations)
      if (span.Member == member && std::fabs(s.X - x) < 1e-9) return s.Value;
  ADD_FAILURE() << "no station at member " << member << " x " << x;
  return NAN;
}

constexpr char kSimpleBeam[] = R"("Simple","Beam"
"Joints",2, 0, 10
"Supports",2, 1,1,0, 2,1,0
"Materials",1, 200000000,0.000012
"Cross-Sections",1, 0.0005
"Members",1, 1,2,1,1
"Member Loads",1, 1,3,7,0,0,0
)";

TEST(InfluenceLine, SimplySupportedBeamFollowsStatics) {
  // The model's own load changes nothing: an influence line is of the structure alone.
  const ModelStore m = Analysed(kSimpleBeam);
  const double L = 10;
  const InfluenceLine reaction = LineOf(m, {InfluenceKind::Reaction, 1, 1});
  ExpectStations(
      reaction, [&](int, double x, StationSide) { return 1 - x / L; }, 1e-12);
  EXPECT_EQ(reaction.Path.front().Stations.size(), 11u) << "the ends and the tenth points";

  // Midspan: the moment rises as x/2 to L/4 and falls as (L - x)/2; the shear jumps from -1/2 to
  // +1/2 as the load passes the section.
  InfluenceQuantity moment{InfluenceKind::Internal, 1, 0, 5, Q::Mz};
  const InfluenceLine m5 = LineOf(m, moment);
  ExpectStations(
      m5, [&](int, double x, StationSide) { return x <= 5 ? x / 2 : (L - x) / 2; }, 1e-12);
  EXPECT_NEAR(m5.Max.Station.Value, 2.5, 1e-12);
  EXPECT_DOUBLE_EQ(m5.Max.Station.X, 5);

  moment.Quantity = Q::Vy;
  const InfluenceLine v5 = LineOf(m, moment);
  ExpectStations(
      v5,
      [&](int, double x, StationSide side) {
        const bool loadBefore = x < 5 || (x == 5 && side == StationSide::Before);
        return loadBefore ? -x / L : 1 - x / L;
      },
      1e-12);
  EXPECT_EQ(v5.Min.Station.Side, StationSide::Before);
  EXPECT_EQ(v5.Max.Station.Side, StationSide::After);
  EXPECT_NEAR(v5.Max.Station.Value - v5.Min.Station.Value, 1, 1e-12) << "the jump is the load";
}

TEST(InfluenceLine, ProppedCantileverReactionsAndTheExactExtremeOfTheWallMoment) {
  // Fixed at x = 0, propped at x = L = 6: R_B = a²(3L - a)/(2L³); the wall's moment
  // M_A = a - R_B·L peaks at a = L(1 - 1/√3), strictly inside the span.
  const ModelStore m = Analysed(R"("Propped","Beam"
"Joints",2, 0, 6
"Supports",2, 1,1,1, 2,1,0
"Materials",1, 200000000,0.000012
"Cross-Sections",1, 0.0001
"Members",1, 1,2,1,1
)");
  const double L = 6;
  auto prop = [L](double a) { return a * a * (3 * L - a) / (2 * L * L * L); };
  ExpectStations(
      LineOf(m, {InfluenceKind::Reaction, 2, 1}),
      [&](int, double a, StationSide) { return prop(a); }, 1e-12);
  const InfluenceLine wall = LineOf(m, {InfluenceKind::Reaction, 1, 2});
  ExpectStations(
      wall, [&](int, double a, StationSide) { return a - prop(a) * L; }, 1e-12);
  const double peak = L * (1 - 1 / std::sqrt(3.0));
  EXPECT_NEAR(wall.Max.Station.X, peak, 1e-9);
  EXPECT_NEAR(wall.Max.Station.Value, peak - prop(peak) * L, 1e-12);
  EXPECT_TRUE(wall.Max.Station.Extreme);
  EXPECT_EQ(wall.Path.front().Stations.size(), 12u) << "the extreme joins the tenth points";
}

constexpr char kThreeSpans[] = R"("Three spans","Beam"
"Joints",4, 0, 5, 10, 15
"Supports",4, 1,1,0, 2,1,0, 3,1,0, 4,1,0
"Materials",1, 200000000,0.000012
"Cross-Sections",1, 0.0005
"Members",3, 1,2,1,1, 2,3,1,1, 3,4,1,1
)";

TEST(InfluenceLine, ContinuousBeamReactionsBalanceTheLoadWhereverItStands) {
  const ModelStore m = Analysed(kThreeSpans);
  std::vector<InfluenceLine> reactions;
  for (int j = 1; j <= 4; ++j) reactions.push_back(LineOf(m, {InfluenceKind::Reaction, j, 1}));
  // Each line has its own extremes among its stations; the tenth points are common to all.
  for (int member = 1; member <= 3; ++member)
    for (int k = 0; k <= 10; ++k) {
      double sum = 0;
      for (const InfluenceLine& r : reactions) sum += OrdinateAt(r, member, 0.5 * k);
      EXPECT_NEAR(sum, 1, 1e-12) << "member " << member << " x " << 0.5 * k;
    }
  // A load standing on a support goes into it alone.
  EXPECT_NEAR(OrdinateAt(reactions[1], 2, 0), 1, 1e-12);
  EXPECT_NEAR(OrdinateAt(reactions[1], 1, 5), 1, 1e-12);
  EXPECT_NEAR(OrdinateAt(reactions[2], 2, 0), 0, 1e-12);
  EXPECT_NEAR(OrdinateAt(reactions[0], 3, 5), 0, 1e-12);
}

TEST(InfluenceLine, TwoSpanBeamMiddleReaction) {
  // Equal spans L: with the load at a from the nearer end support, R_B = a(3L² - a²)/(2L³).
  const ModelStore m = Analysed(R"("Two spans","Beam"
"Joints",3, 0, 5, 10
"Supports",3, 1,1,0, 2,1,0, 3,1,0
"Materials",1, 200000000,0.000012
"Cross-Sections",1, 0.0005
"Members",2, 1,2,1,1, 2,3,1,1
)");
  const double L = 5;
  ExpectStations(
      LineOf(m, {InfluenceKind::Reaction, 2, 1}),
      [&](int member, double x, StationSide) {
        const double a = member == 1 ? x : L - x;
        return a * (3 * L * L - a * a) / (2 * L * L * L);
      },
      1e-12);
}

TEST(InfluenceLine, PrattTrussDiagonalIsStraightBetweenPanelPointsAndChangesSignInItsPanel) {
  // Four panels of 4 on the bottom chord, depth 3; the load on the bottom chord's joints. The
  // diagonal 6-3 of the second panel carries 5/3 of the panel shear: -5/3·x/16 with the load
  // left of the panel, 5/3·(1 - x/16) right of it.
  const ModelStore m = Analysed(R"("Pratt","PTruss"
"Joints",8, 0,0, 4,0, 8,0, 12,0, 16,0, 4,3, 8,3, 12,3
"Supports",2, 1,1,1, 5,0,1
"Materials",1, 200000000,0
"Cross-Sections",1, 0.001
"Members",13, 1,2,1,1, 2,3,1,1, 3,4,1,1, 4,5,1,1, 6,7,1,1, 7,8,1,1, 1,6,1,1, 8,5,1,1,
 2,6,1,1, 3,7,1,1, 4,8,1,1, 6,3,1,1, 8,3,1,1
)");
  auto panelPoint = [](int member, double x) { return 4 * (member - 1) + x; };
  auto diagonal = [&](int member, double x, StationSide) {
    const double at = panelPoint(member, x);
    return at <= 4 ? -5.0 / 3 * at / 16 : 5.0 / 3 * (1 - at / 16);
  };
  const std::vector<int> deck{1, 2, 3, 4};
  const InfluenceLine n = LineOf(m, {InfluenceKind::Internal, 12, 0, 2.5, Q::N}, deck);
  EXPECT_TRUE(n.AtJointsOnly);
  for (const InfluenceSpan& span : n.Path) EXPECT_EQ(span.Stations.size(), 2u);
  ExpectStations(n, diagonal, 1e-9);
  EXPECT_NEAR(n.Max.Station.Value, 5.0 / 6, 1e-9);
  EXPECT_NEAR(n.Min.Station.Value, -5.0 / 12, 1e-9);
  // The end force at the diagonal's beginning is the axial force with a tie negative.
  ExpectStations(
      LineOf(m, {InfluenceKind::EndForce, 12, 1}, deck),
      [&](int member, double x, StationSide s) { return -diagonal(member, x, s); }, 1e-9);
  // A load on a support joint goes straight into it.
  ExpectStations(
      LineOf(m, {InfluenceKind::Reaction, 1, 2}, deck),
      [&](int member, double x, StationSide) { return 1 - panelPoint(member, x) / 16; }, 1e-9);
}

TEST(InfluenceLine, TwoHingedPortalFrameHorizontalReaction) {
  // Columns h = 4, beam L = 6, one EI, axially stiff: H = 3ab/(2hL(2k + 3)), k = h/L, the
  // supports pushing the legs inward; largest with the load at midspan.
  const ModelStore m = Analysed(R"("Portal","PFrame"
"Joints",4, 0,0, 0,4, 6,4, 6,0
"Supports",2, 1,1,1,0, 4,1,1,0
"Materials",1, 200000000,0.000012
"Cross-Sections",1, 1,0.0001
"Members",3, 1,2,1,1, 2,3,1,1, 3,4,1,1
)");
  EXPECT_EQ(DefaultInfluencePath(m), std::vector<int>{2}) << "the columns stand along Y";
  const double h = 4, L = 6, k = h / L;
  auto H = [&](int, double a, StationSide) { return 3 * a * (L - a) / (2 * h * L * (2 * k + 3)); };
  const InfluenceLine left = LineOf(m, {InfluenceKind::Reaction, 1, 1});
  ExpectStations(left, H, 1e-6);
  EXPECT_NEAR(left.Max.Station.X, 3, 1e-6);
  ExpectStations(
      LineOf(m, {InfluenceKind::Reaction, 4, 1}),
      [&](int member, double a, StationSide s) { return -H(member, a, s); }, 1e-6);
}

// A cantilever along X of length 4, fixed at joint 1, in every type that carries member loads:
// the wall takes the whole unit load and the moment of its lever arm, whatever the type's
// coordinates and local axes.
TEST(InfluenceLine, EveryBendingTypeCarriesTheLoadDownwardInGlobalY) {
  const struct {
    const char* text;
    int forceY, momentZ;  // the wall's reaction components
    double momentSign;    // a downward load right of the wall turns it clockwise about +Z
  } cases[] = {
      {R"("C","Beam"
"Joints",2, 0, 4
"Supports",1, 1,1,1
"Materials",1, 200000000,0.000012
"Cross-Sections",1, 0.0001
"Members",1, 1,2,1,1
)",
       1, 2, 1},
      {R"("C","PFrame"
"Joints",2, 0,0, 4,0
"Supports",1, 1,1,1,1
"Materials",1, 200000000,0.000012
"Cross-Sections",1, 0.01,0.0001
"Members",1, 1,2,1,1
)",
       2, 3, 1},
      {R"("C","Grid"
"Joints",2, 0,0, 4,0
"Supports",1, 1,1,1,1
"Materials",1, 200000000,80000000,0.000012
"Cross-Sections",1, 0.0001,0.0001
"Members",1, 1,2,1,1
)",
       1, 3, 1},
      {R"("C","SFrame"
"Joints",2, 0,0,0, 4,0,0
"Supports",1, 1,1,1,1,1,1,1
"Materials",1, 200000000,80000000,0.000012
"Cross-Sections",1, 0.01,0.0001,0.0002,0.0001
"Members",1, 1,2,1,1,30
)",
       2, 6, 1},
  };
  for (const auto& c : cases) {
    const ModelStore m = Analysed(c.text);
    SCOPED_TRACE(m.StructType);
    ExpectStations(
        LineOf(m, {InfluenceKind::Reaction, 1, c.forceY}),
        [](int, double, StationSide) { return 1.0; }, 1e-12);
    ExpectStations(
        LineOf(m, {InfluenceKind::Reaction, 1, c.momentZ}),
        [&](int, double x, StationSide) { return c.momentSign * x; }, 1e-12);
  }
}

TEST(InfluenceLine, DisplacementLinesAreTheDeflectedShapeUnderAUnitActionThere) {
  // Maxwell: the ordinate of a displacement at the load's position equals the downward
  // deflection there under a unit force (or couple) at that coordinate. The deflected shape is
  // taken from a separate analysis of the frame with its beam cut at the tenth points.
  const std::string frame = R"("Frame","PFrame"
"Joints",4, 0,0, 0,4, 6,5, 6,0
"Supports",2, 1,1,1,1, 4,1,1,0
"Materials",1, 30000000,0.00001
"Cross-Sections",1, 0.02,0.0005
"Members",3, 1,2,1,1, 2,3,1,1, 3,4,1,1
)";
  const ModelStore m = Analysed(frame);
  for (int component : {1, 2, 3}) {
    SCOPED_TRACE(component);
    const InfluenceLine line = LineOf(m, {InfluenceKind::Displacement, 3, component});
    ASSERT_EQ(line.Path.size(), 1u);
    std::string cut = R"("Cut","PFrame"
"Joints",13, 0,0, 0,4, 6,5, 6,0)";
    for (int k = 1; k <= 9; ++k)
      cut += ", " + std::to_string(0.6 * k) + "," + std::to_string(4 + 0.1 * k);
    cut += R"(
"Supports",2, 1,1,1,1, 4,1,1,0
"Materials",1, 30000000,0.00001
"Cross-Sections",1, 0.02,0.0005
"Members",12, 1,2,1,1, 3,4,1,1, 2,5,1,1)";
    for (int k = 5; k <= 12; ++k)
      cut += ", " + std::to_string(k) + "," + std::to_string(k + 1) + ",1,1";
    cut += ", 13,3,1,1\n\"Joint Loads\",1, 3";
    for (int c = 1; c <= 3; ++c) cut += c == component ? ",1" : ",0";
    const ModelStore shape = ModelFromText(cut + "\n");
    AnalysisResults<double> deflected;
    Engine<double>(shape, deflected).Analyze();
    ASSERT_EQ(deflected.AnalysisStatus, kAnalysisComplete);
    const int joints[11] = {2, 5, 6, 7, 8, 9, 10, 11, 12, 13, 3};
    double largest = 0;
    for (const InfluenceStation& s : line.Path.front().Stations)
      largest = std::max(largest, std::fabs(s.Value));
    int tenth = 0;
    for (const InfluenceStation& s : line.Path.front().Stations) {
      if (s.Extreme) continue;
      const int joint = joints[tenth++];
      const double down =
          -deflected.JointDisplacements(deflected.CoordNumbers((joint - 1) * 3 + 2));
      EXPECT_NEAR(s.Value, down, 1e-6 * largest) << "station " << tenth;
    }
    EXPECT_EQ(tenth, 11);
  }
}

TEST(InfluenceLine, QuantitiesAndPathsThatNameNothingAreRefusedWithTheirReason) {
  const ModelStore m = Analysed(kThreeSpans);
  const struct {
    InfluenceQuantity q;
    std::vector<int> path;
    const char* words;
  } cases[] = {
      {{InfluenceKind::Reaction, 5, 1}, {}, "Joint 5 does not exist"},
      {{InfluenceKind::Reaction, 2, 2}, {}, "free in rotation"},
      {{InfluenceKind::Reaction, 2, 3}, {}, "coordinates 1 to 2"},
      {{InfluenceKind::Displacement, 2, 1}, {}, "restrained in Y translation"},
      {{InfluenceKind::EndForce, 4, 1}, {}, "Member 4 does not exist"},
      {{InfluenceKind::EndForce, 1, 5}, {}, "end forces 1 to 4"},
      {{InfluenceKind::Internal, 1, 0, 5.5, Q::Mz}, {}, "x = 5.5 lies outside member 1"},
      {{InfluenceKind::Internal, 1, 0, -1, Q::Mz}, {}, "outside"},
      {{InfluenceKind::Internal, 1, 0, 2, Q::N}, {}, "no axial force"},
      {{InfluenceKind::Reaction, 1, 1}, {1, 4}, "Member 4 of the path does not exist"},
      {{InfluenceKind::Reaction, 1, 1}, {2, 1, 2}, "Member 2 comes twice"},
  };
  for (const auto& c : cases) {
    const InfluenceResult r = ComputeInfluenceLine(m, c.q, c.path);
    EXPECT_NE(r.Problem.find(c.words), std::string::npos) << r.Problem;
    EXPECT_TRUE(r.Line.Path.empty());
  }
  ModelStore unanalysed = ModelFromText(kThreeSpans);
  EXPECT_NE(ComputeInfluenceLine(unanalysed, {InfluenceKind::Reaction, 1, 1}).Problem, "");
  // The given path is followed in its order.
  const InfluenceLine line = LineOf(m, {InfluenceKind::Reaction, 1, 1}, {3, 1});
  ASSERT_EQ(line.Path.size(), 2u);
  EXPECT_EQ(line.Path[0].Member, 3);
  EXPECT_EQ(line.Path[1].Member, 1);
}

}  // namespace
}  // namespace stavelorn
