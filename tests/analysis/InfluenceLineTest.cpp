// Influence lines against closed forms of structural mechanics and Maxwell's reciprocal theorem
// checked on a separately analysed model (the simple span's and two spans' lines are the moving
// loads' closed forms).
//
// The influence line's default path, worked out by hand on each structure: a truss's chord
// between its outermost supports where they stand at one level, otherwise every member not
// parallel to Y.
#include "analysis/InfluenceLine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "analysis/Analysis.h"
#include "analysis/Engine.h"
#include "analysis/InfluencePath.h"
#include "support/SampleModels.h"
#include "support/StructureTexts.h"

namespace stavelorn {
namespace {

using Q = DiagramQuantity;
using S = StationSide;
using Exact = std::function<double(int member, double x, S side)>;

// A model from one line of project text, one that analyses completely.
ModelStore Analysed(const std::string& text) {
  ModelStore m = testing::ModelFromText(text + "\n");
  EXPECT_EQ(Analyze(m).AnalysisStatus, kAnalysisComplete);
  return m;
}

InfluenceLine LineOf(const ModelStore& m, const InfluenceQuantity& q, std::vector<int> path = {}) {
  const InfluenceResult result = ComputeInfluenceLine(m, Analyze(m), q, std::move(path));
  EXPECT_EQ(result.Problem, "");
  return result.Line;
}

// Every station of the line against `exact`, within `tolerance`.
void ExpectStations(const InfluenceLine& line, double tolerance, const Exact& exact) {
  ASSERT_FALSE(line.Path.empty());
  for (const InfluenceSpan& span : line.Path)
    for (const InfluenceStation& s : span.Stations)
      EXPECT_NEAR(s.Value, exact(span.Member, s.X, s.Side), tolerance)
          << "member " << span.Member << " x " << s.X << " side " << static_cast<int>(s.Side);
}

double OrdinateAt(const InfluenceLine& line, int member, double x) {
  for (const InfluenceSpan& span : line.Path)
    for (const InfluenceStation& s : span.Stations)
      if (span.Member == member && std::fabs(s.X - x) < 1e-9) return s.Value;
  ADD_FAILURE() << "no station at member " << member << " x " << x;
  return NAN;
}

const std::string kBeamData = R"("Materials",1, 2E8,1.2E-5, "Cross-Sections",1, 5E-4, )";

TEST(InfluenceLine, ProppedCantileverReactionsAndTheExactExtremeOfTheWallMoment) {
  // Fixed at 0, propped at L = 6: R_B = a²(3L - a)/(2L³); the wall's moment M_A = a - R_B·L
  // peaks at a = L(1 - 1/√3), strictly inside the span, on its second member (from a = 2), where
  // the line does not start from a support's zero.
  const ModelStore m = Analysed(R"("P","Beam", "Joints",3, 0, 2, 6, "Supports",2, 1,1,1, 3,1,0, )" +
                                kBeamData + R"("Members",2, 1,2,1,1, 2,3,1,1)");
  auto prop = [](double a) { return a * a * (18 - a) / 432; };
  auto at = [](int member, double x) { return member == 1 ? x : 2 + x; };
  ExpectStations(LineOf(m, {InfluenceKind::Reaction, 3, 1}), 1e-12,
                 [&](int member, double x, S) { return prop(at(member, x)); });
  const InfluenceLine wall = LineOf(m, {InfluenceKind::Reaction, 1, 2});
  ExpectStations(wall, 1e-12,
                 [&](int member, double x, S) { return at(member, x) - 6 * prop(at(member, x)); });
  const double peak = 6 * (1 - 1 / std::sqrt(3.0));
  EXPECT_NEAR(at(wall.Max.Member, wall.Max.Station.X), peak, 1e-9);
  EXPECT_NEAR(wall.Max.Station.Value, peak - 6 * prop(peak), 1e-12);
  EXPECT_TRUE(wall.Max.Station.Extreme);
}

TEST(InfluenceLine, PrattTrussDiagonalIsStraightBetweenPanelPointsAndChangesSignInItsPanel) {
  // Four panels of 4, depth 3, the load on the bottom chord's joints. The diagonal 6-3 of the
  // second panel carries 5/3 of the panel shear: -5/3·x/16 with the load left of the panel,
  // 5/3·(1 - x/16) right of it.
  // Joints 1 to 5 along the bottom chord, 6 to 8 above 2 to 4 (pratt-truss.str).
  const ModelStore m = Analysed(testing::SmallProject("pratt-truss"));
  auto at = [](int member, double x) { return 4 * (member - 1) + x; };
  auto diagonal = [&](int member, double x, S) {
    return at(member, x) <= 4 ? -5.0 / 48 * at(member, x) : 5.0 / 3 * (1 - at(member, x) / 16);
  };
  const std::vector<int> deck{1, 2, 3, 4};
  const InfluenceLine n = LineOf(m, {InfluenceKind::Internal, 12, 0, 2.5, Q::N}, deck);
  for (const InfluenceSpan& span : n.Path) EXPECT_EQ(span.Stations.size(), 2u);
  ExpectStations(n, 1e-9, diagonal);
  EXPECT_NEAR(n.Max.Station.Value, 5.0 / 6, 1e-9);
  EXPECT_NEAR(n.Min.Station.Value, -5.0 / 12, 1e-9);
  // The end force at the diagonal's beginning: the axial force, a tie negative.
  ExpectStations(LineOf(m, {InfluenceKind::EndForce, 12, 1}, deck), 1e-9,
                 [&](int member, double x, S s) { return -diagonal(member, x, s); });
  // Vertical loads leave no horizontal reaction, not even round-off.
  ExpectStations(LineOf(m, {InfluenceKind::Reaction, 1, 1}, deck), 0,
                 [](int, double, S) { return 0.0; });
  // A load on a support joint goes straight into it.
  ExpectStations(LineOf(m, {InfluenceKind::Reaction, 1, 2}, deck), 1e-9,
                 [&](int member, double x, S) { return 1 - at(member, x) / 16; });
}

TEST(InfluenceLine, EveryBendingTypeCarriesTheLoadDownwardInGlobalY) {
  // A cantilever of 4 along X fixed at joint 1 (cantilever-TYPE.str): the wall takes the unit load
  // and the moment of its lever arm about +Z, whatever the type's coordinates and local axes (a
  // rolled space frame member included).
  const struct {
    const char* type;
    int forceY, momentZ;
  } cases[] = {{"Beam", 1, 2}, {"PFrame", 2, 3}, {"Grid", 1, 3}, {"SFrame", 2, 6}};
  for (const auto& c : cases) {
    const ModelStore m = Analysed(testing::SmallProject(std::string("cantilever-") + c.type));
    SCOPED_TRACE(m.StructType);
    for (int k = 1; k <= m.CoordsPerJoint; ++k)  // and no other reaction any of it
      ExpectStations(LineOf(m, {InfluenceKind::Reaction, 1, k}), 1e-12, [&](int, double x, S) {
        return k == c.forceY ? 1.0 : k == c.momentZ ? x : 0.0;
      });
  }
}

TEST(InfluenceLine, DisplacementLinesAreTheDeflectedShapeUnderAUnitActionThere) {
  // Maxwell: a displacement's ordinate at the load's position is the downward deflection there
  // under a unit force (or couple) at that coordinate, here from a double-precision analysis of
  // the frame with its sloping beam cut at the tenth points (joints 5..13, whose single-precision
  // coordinates bound the agreement).
  const std::string common = R"("Supports",2, 1,1,1,1, 4,1,1,0, "Materials",1, 3E7,1E-5, )"
                             R"("Cross-Sections",1, 0.02,5E-4, )";
  const ModelStore m = Analysed(R"("F","PFrame", "Joints",4, 0,0, 0,4, 6,5, 6,0, )" + common +
                                R"("Members",3, 1,2,1,1, 2,3,1,1, 3,4,1,1)");
  std::string cut = R"("C","PFrame", "Joints",13, 0,0, 0,4, 6,5, 6,0)";
  for (int k = 1; k <= 9; ++k)
    cut += ", " + std::to_string(0.6 * k) + "," + std::to_string(4 + 0.1 * k);
  cut += ", " + common + R"("Members",12, 1,2,1,1, 3,4,1,1, 2,5,1,1, 13,3,1,1)";
  for (int k = 5; k <= 12; ++k)
    cut += ", " + std::to_string(k) + "," + std::to_string(k + 1) + ",1,1";
  const int joints[11] = {2, 5, 6, 7, 8, 9, 10, 11, 12, 13, 3};
  for (int component : {1, 2, 3}) {
    SCOPED_TRACE(component);
    const InfluenceLine line = LineOf(m, {InfluenceKind::Displacement, 3, component});
    std::string load = ", \"Joint Loads\",1, 3";
    for (int c = 1; c <= 3; ++c) load += c == component ? ",1" : ",0";
    const ModelStore shape = testing::ModelFromText(cut + load + "\n");
    AnalysisResults<double> deflected;
    Engine<double>(shape, deflected).Analyze();
    ASSERT_EQ(deflected.AnalysisStatus, kAnalysisComplete);
    const double scale =
        std::max(std::fabs(line.Max.Station.Value), std::fabs(line.Min.Station.Value));
    for (int k = 0; k <= 10; ++k) {
      const int code = deflected.CoordNumbers((joints[k] - 1) * 3 + 2);
      EXPECT_NEAR(OrdinateAt(line, 2, line.Path.front().Length * k / 10),
                  -deflected.JointDisplacements(code), 1e-6 * scale)
          << "tenth " << k;
    }
  }
}

// (A joint that is no support and a path's member that does not exist are among the batch
// tool's refusals.)
TEST(InfluenceLine, QuantitiesAndPathsThatNameNothingAreRefusedWithTheirReason) {
  const ModelStore m =
      Analysed(R"("T","Beam", "Joints",3, 0, 5, 10, "Supports",2, 1,1,0, 2,1,0, )" + kBeamData +
               R"("Members",2, 1,2,1,1, 2,3,1,1)");
  const struct {
    InfluenceQuantity q;
    std::vector<int> path;
    const char* words;
  } cases[] = {
      {{InfluenceKind::Reaction, 4, 1}, {}, "Joint 4 does not exist"},
      {{InfluenceKind::Reaction, 2, 2}, {}, "free in rotation"},
      {{InfluenceKind::Reaction, 2, 3}, {}, "coordinates 1 to 2"},
      {{InfluenceKind::Displacement, 2, 1}, {}, "restrained in Y translation"},
      {{InfluenceKind::EndForce, 3, 1}, {}, "Member 3 does not exist"},
      {{InfluenceKind::EndForce, 1, 5}, {}, "end forces 1 to 4"},
      {{InfluenceKind::Internal, 1, 0, 5.5, Q::Mz}, {}, "x = 5.5 lies outside member 1"},
      {{InfluenceKind::Internal, 1, 0, 2, Q::N}, {}, "no axial force"},
      {{InfluenceKind::Reaction, 1, 1}, {2, 1, 2}, "Member 2 comes twice"},
  };
  for (const auto& c : cases) {
    const InfluenceResult r = ComputeInfluenceLine(m, Analyze(m), c.q, c.path);
    EXPECT_NE(r.Problem.find(c.words), std::string::npos) << r.Problem;
    EXPECT_TRUE(r.Line.Path.empty());
  }
  // The free end's rotation, the last coordinate numbered, is free.
  EXPECT_FALSE(LineOf(m, {InfluenceKind::Displacement, 3, 2}).Path.empty());
  const InfluenceLine line = LineOf(m, {InfluenceKind::Reaction, 1, 1}, {2, 1});
  ASSERT_EQ(line.Path.size(), 2u);
  EXPECT_EQ(line.Path[0].Member, 2) << "the path in the order given";
}

// The roof truss with its right support, joint 5, raised by half a metre (the truss as it is,
// with its bottom chord, is the batch tool's test).
std::string RaisedSupportRoofTruss() {
  std::string text = testing::ExampleText("roof-truss");
  return text.replace(text.find("\r\n12,0\r\n"), 8, "\r\n12,0.5\r\n");
}

// A bridge truss over X = 100..112 and Y = 10..13, its chord numbered from the right and its
// right support listed first, joint 3 of the chord raised above Y = 10 by `rise` (decimals).
std::string Bridge(const std::string& rise) {
  return R"("B","PTruss", "Joints",7, 100,10, 112,10, 104,10)" + rise +
         R"(, 108,10, 102,13, 106,13, 110,13, "Supports",2, 2,0,1, 1,1,1, "Materials",1, 2E8,0, )"
         R"("Cross-Sections",1, 0.001, "Members",11, 2,4,1,1, 4,3,1,1, 3,1,1,1, 1,5,1,1, )"
         R"(5,3,1,1, 3,6,1,1, 6,4,1,1, 4,7,1,1, 7,2,1,1, 5,6,1,1, 6,7,1,1)";
}

TEST(InfluencePath, ATrussTakesTheChordBetweenItsOutermostSupportsAtTheirLevel) {
  const struct {
    const char* name;
    std::string text;
    std::vector<int> members;
    int from, to;  // 0: not a chord
  } cases[] = {
      // The load still travels from the left support, member by member.
      {"bridge truss", Bridge(""), {3, 2, 1}, 1, 2},
      // A chord joint within a millionth of the truss's size (12) of the supports' level is on it.
      {"joint 3 raised by 1.1e-5", Bridge(".000011"), {3, 2, 1}, 1, 2},
      {"joint 3 raised by 2e-5", Bridge(".00002"), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 0, 0},
      // Supports at different heights: every member but the verticals 9, 10 and 11.
      {"raised support", RaisedSupportRoofTruss(), {1, 2, 3, 4, 5, 6, 7, 8, 12, 13}, 0, 0},
      // Supports at one level that no member joins along it: a two-bar arch.
      {"no chain",
       R"("A","PTruss", "Joints",3, 0,0, 4,0, 2,2, "Supports",2, 1,1,1, 2,1,1, )"
       R"("Materials",1, 2E8,0, "Cross-Sections",1, 0.001, "Members",2, 1,3,1,1, 3,2,1,1)",
       {1, 2},
       0,
       0},
      // A tapered tower: its four supports stand on the ground, but no member runs there, and
      // no member is vertical.
      {"space truss tower",
       testing::ExampleText("space-truss-tower"),
       {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
        14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26},
       0,
       0},
      // A frame's beam carries the load, never its columns.
      {"portal frame", testing::ExampleText("portal-frame"), {2}, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const DefaultPath path = ChooseDefaultPath(testing::ModelFromText(c.text));
    EXPECT_EQ(path.Members, c.members);
    EXPECT_EQ(path.FromJoint, c.from);
    EXPECT_EQ(path.ToJoint, c.to);
  }
}

}  // namespace
}  // namespace stavelorn
