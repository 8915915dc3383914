// Internal-force diagrams against closed-form mechanics, and against the stored
// end forces: a diagram built up from the beginning joint through the loads
// must arrive at the end joint's stored values, which checks every load kind's
// direction against the analysis.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "analysis/Analysis.h"
#include "analysis/DiagramStations.h"
#include "analysis/EquilibriumCheck.h"
#include "analysis/MemberAxes.h"
#include "analysis/MemberDiagrams.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

using Q = DiagramQuantity;
using testing::ModelFromText;

void ExpectStationsMatchACutOfTheFreeBody(const ModelStore& m, const StructureResults& r,
                                          const std::string& name);

// The diagrams of an analysed model, whose stations are checked against cuts as well.
std::vector<MemberDiagram> Diagrams(const std::string& text) {
  const ModelStore m = ModelFromText(text);
  const StructureResults r = Analyze(m);
  EXPECT_EQ(r.AnalysisStatus, kAnalysisComplete);
  ExpectStationsMatchACutOfTheFreeBody(m, r, text);
  return BuildMemberDiagrams(m, r);
}

// A beam of length L between a joint at 0 and one at L, with the given supports
// and loads.
std::string Beam(const std::string& length, const std::string& supports, const std::string& loads) {
  return "\"t\",\"Beam\"\n\"Joints\",2, 0, " + length + "\n\"Supports\"," + supports +
         "\n\"Materials\",1, 200000000,0.000012\n\"Cross-Sections\",1, 0.0001\n"
         "\"Members\",1, 1,2,1,1\n\"Member Loads\"," +
         loads + "\n";
}

const std::string kPinned = "2, 1,1,0, 2,1,0";
const std::string kFixedPinned = "2, 1,1,1, 2,1,0";
const std::string kCantilever = "1, 1,1,1";

struct ClosedForm {
  const char* name;
  std::string model;
  Q quantity;
  bool maximum;
  double x, value;
};

// Extremes where a quantity turns inside a member, and at the wall (the values at a concentrated
// load are station values, which the cuts check).
TEST(MemberDiagrams, ExtremesMatchClosedForms) {
  const double root3 = std::sqrt(3.0);
  const ClosedForm cases[] = {
      // w = 2 on a simple span of 6: wL²/8 at midspan.
      {"simple span M", Beam("6", kPinned, "1, 1,3,2,0,0,0"), Q::Mz, true, 3, 9},
      // w = 1, L = 8, fixed at 0: 9wL²/128 at 5L/8, -wL²/8 at the wall.
      {"propped sagging", Beam("8", kFixedPinned, "1, 1,3,1,0,0,0"), Q::Mz, true, 5, 4.5},
      // P = 10 at 3 on a cantilever of 4: -Pa at the wall.
      {"cantilever M", Beam("4", kCantilever, "1, 1,1,10,0,3,0"), Q::Mz, false, 0, -30},
      // Intensity rising from 0 to w = -18 (upward) over a span of 9: wL²/(9√3) at L/√3.
      {"triangle", Beam("9", kPinned, "1, 1,4,0,-18,0,0"), Q::Mz, false, 9 / root3,
       -18 * 81 / (9 * root3)},
      // w = 2 over [1.5, 4] of a simple span of 6: R1 = 5 · 3.25 / 6, zero shear R1 / w past 1.5.
      {"partial", Beam("6", kPinned, "1, 1,3,2,0,1.5,2"), Q::Mz, true, 1.5 + 16.25 / 12,
       1.5 * 16.25 / 6 + 16.25 * 16.25 / 144},
  };
  for (const ClosedForm& c : cases) {
    const std::vector<MemberDiagram> d = Diagrams(c.model);
    ASSERT_EQ(d.size(), 1u) << c.name;
    const auto e = std::find_if(d[0].Extremes.begin(), d[0].Extremes.end(), [&](const auto& x) {
      return x.Quantity == c.quantity && x.Maximum == c.maximum;
    });
    ASSERT_NE(e, d[0].Extremes.end()) << c.name;
    EXPECT_NEAR(e->X, c.x, 1e-5 * d[0].Length) << c.name;
    EXPECT_NEAR(e->Value, c.value, 2e-5 * std::fabs(c.value)) << c.name;
  }
}

// The internal forces at a section, from the free body of the part before it: the stored end
// forces at the beginning and the member's own loads up to the section (a point load standing at
// the section counts on its far side only).
std::array<double, kDiagramQuantityCount> CutAt(const ModelStore& m, const StructureResults& r,
                                                int member, double length, double x,
                                                StationSide side) {
  std::vector<double> begin;
  for (int k = 1; k <= m.CoordsPerJoint; ++k) begin.push_back(r.MemberEndForces(member, k));
  testing::Wrench w = testing::WrenchOf(m.StructType, begin);  // at 0, then about the section
  w.moment = testing::Add(w.moment, {0, x * w.force[2], -x * w.force[1]});
  for (const testing::PointAction& a : testing::PointActions(
           testing::LocalLoadsOf(m, member, length), x, side == StationSide::After)) {
    // plus (s - x)·e_x × f
    w.force = testing::Add(w.force, a.f);
    w.moment =
        testing::Add(w.moment, {a.c[0], a.c[1] - (a.s - x) * a.f[2], a.c[2] + (a.s - x) * a.f[1]});
  }
  // The part beyond x holds the part before it with the opposite force and moment.
  return {-w.force[0], w.force[1], w.force[2], -w.moment[0], -w.moment[1], -w.moment[2]};
}

// Every station of every member of an analysed model against an independent cut, and the
// diagram built up from the beginning closing on the end's stored values.
void ExpectStationsMatchACutOfTheFreeBody(const ModelStore& m, const StructureResults& r,
                                          const std::string& name) {
  const std::vector<MemberDiagram> diagrams = BuildMemberDiagrams(m, r);
  ASSERT_EQ(diagrams.size(), static_cast<std::size_t>(m.MemberCount)) << name;
  for (const MemberDiagram& d : diagrams) {
    SCOPED_TRACE(name + " member " + std::to_string(d.Member));
    // The local axes the end forces refer to, as built here from the geometry and the roll.
    const std::optional<MemberAxes> axes = MemberLocalAxes(m, d.Member);
    ASSERT_TRUE(axes);
    const testing::Vec begin = testing::Position(m, m.MemberProps(d.Member, 1));
    const auto built = testing::AxesOf(
        m, d.Member, testing::Add(testing::Position(m, m.MemberProps(d.Member, 2)), begin, -1));
    EXPECT_EQ(axes->HasY, m.StructType != "STruss");
    EXPECT_EQ(axes->HasZ, m.StructType == "Grid" || m.StructType == "SFrame");
    for (int a = 0; a < 3; ++a) {
      EXPECT_NEAR(axes->X[a], built[0][a], 1e-6);
      EXPECT_NEAR(axes->HasY ? axes->Y[a] : 0, axes->HasY ? built[1][a] : 0, 1e-6);
      EXPECT_NEAR(axes->HasZ ? axes->Z[a] : 0, axes->HasZ ? built[2][a] : 0, 1e-6);
    }
    double largest = 1e-9;
    for (const DiagramStation& s : d.Stations)
      for (double v : s.Values) largest = std::max(largest, std::fabs(v));
    for (DiagramQuantity q : d.Quantities)
      EXPECT_NEAR(d.ClosureError[static_cast<std::size_t>(Index(q))], 0, 1e-4)
          << QuantityName(m.StructType, q);
    // The table: x ascending from 0 to L, both sides of every concentrated load, eleven tenth
    // points and the turning points of the quantities as extremes; the member's
    // extremes are the largest and smallest values at its stations.
    ASSERT_FALSE(d.Stations.empty());
    EXPECT_EQ(d.Stations.front().X, 0);
    EXPECT_EQ(d.Stations.back().X, d.Length);
    int tenths = 0;
    for (std::size_t k = 0; k < d.Stations.size(); ++k) {
      const DiagramStation& s = d.Stations[k];
      const std::string at =
          std::to_string(s.X) + " side " + std::to_string(static_cast<int>(s.Side));
      if (k > 0 && s.Side == StationSide::After) {
        EXPECT_EQ(d.Stations[k - 1].Side, StationSide::Before) << at;
        EXPECT_EQ(d.Stations[k - 1].X, s.X) << at;
      } else if (k > 0) {
        EXPECT_GT(s.X - d.Stations[k - 1].X, 1e-9 * d.Length) << at;
      }
      if (s.Side != StationSide::At) {
        EXPECT_TRUE(std::count(d.Jumps.begin(), d.Jumps.end(), s.X)) << at;
      }
      tenths += s.Tenth && s.Side != StationSide::After;
      // Where some quantity turns inside a piece (within a quarter of the way to the next stations
      // on either side), the station is flagged as an extreme.
      if (s.Side != StationSide::At || k == 0 || k + 1 == d.Stations.size()) continue;
      bool turns = false, pieceEnd = false;
      for (const DiagramPiece& piece : d.Pieces)
        pieceEnd = pieceEnd || std::fabs(piece.X0 - s.X) < 1e-9 * d.Length;
      const double h = 0.25 * std::min(s.X - d.Stations[k - 1].X, d.Stations[k + 1].X - s.X);
      for (DiagramQuantity q : d.Quantities) {
        const double v = d.ValueAt(q, s.X);
        turns = turns || (d.ValueAt(q, s.X - h) - v) * (d.ValueAt(q, s.X + h) - v) > 0;
      }
      EXPECT_TRUE(s.Extreme || !turns || pieceEnd) << at << " is a turning point";
    }
    EXPECT_EQ(tenths, 11);
    for (const DiagramPiece& piece : d.Pieces)  // where a load starts or ends
      EXPECT_TRUE(std::any_of(
          d.Stations.begin(), d.Stations.end(),
          [&](const DiagramStation& s) { return std::fabs(s.X - piece.X1) < 1e-9 * d.Length; }))
          << "x " << piece.X1;
    for (const DiagramExtreme& e : d.Extremes) {
      const std::size_t i = static_cast<std::size_t>(Index(e.Quantity));
      double most = d.Stations.front().Values[i];
      for (const DiagramStation& s : d.Stations)
        most = e.Maximum ? std::max(most, s.Values[i]) : std::min(most, s.Values[i]);
      EXPECT_NEAR(e.Value, most, 1e-9 * largest);
    }
    for (const DiagramStation& s : d.Stations) {
      const auto cut = CutAt(m, r, d.Member, d.Length, s.X, s.Side);
      for (DiagramQuantity q : d.Quantities) {
        const std::size_t i = static_cast<std::size_t>(Index(q));
        EXPECT_NEAR(s.Values[i], cut[i], 1e-4 * largest)
            << QuantityName(m.StructType, q) << " at " << s.X;
      }
    }
  }
}

// Every example (all loaded), and every load kind off-centre on an inclined and rolled
// space-frame member.
TEST(MemberDiagrams, StationsInsideEveryMemberMatchACutOfItsFreeBody) {
  for (const char* name : testing::kExampleNames) {
    ModelStore m = testing::ExampleModel(name);
    const StructureResults r = Analyze(m);
    ASSERT_EQ(r.AnalysisStatus, kAnalysisComplete) << name;
    ExpectStationsMatchACutOfTheFreeBody(m, r, name);
  }
  for (const char* load : {"1,7,0,1.5,0", "2,5,0,1.5,0", "3,4,0,1,0.5", "4,2,5,1,0.5",
                           "5,9,0,1.5,0", "6,3,0,1,0.5", "7,6,0,1.5,0", "8,7,0,2.5,0",
                           "9,5,0,1.5,0", "10,4,0,1,0.5", "11,-2,5,0.5,1", "1,3,0,0,0"}) {
    ModelStore m = ModelFromText(
        R"("t","SFrame", "Joints",2, 0,0,0, 3,2,1, "Supports",2, 1,1,1,1,1,1,1, 2,1,1,1,0,0,0, )"
        R"("Materials",1, 200000000,80000000,0.000012, "Cross-Sections",1, )"
        R"(0.01,0.0002,0.0001,0.00005, "Members",1, 1,2,1,1,30, "Member Loads",1, 1,)" +
        std::string(load) + "\n");
    const StructureResults r = Analyze(m);
    ASSERT_EQ(r.AnalysisStatus, kAnalysisComplete) << load;
    ExpectStationsMatchACutOfTheFreeBody(m, r, std::string("load ") + load);
  }
}

// The turning points of a slope strictly inside a piece 2 long, ascending: one within a billionth
// of the length of an end is the end's, and a double root only touches zero.
TEST(MemberDiagrams, TurningPointsLieStrictlyInsideThePiece) {
  const double endsReach = 2 - 1e-9 * 2;
  const struct {
    Cubic slope;  // c + b t + a t^2
    std::vector<double> inside;
  } cases[] = {
      {{{-1, 2, 0, 0}}, {0.5}},
      {{{-2e-9, 1, 0, 0}}, {}},  // a billionth of the length from the beginning
      {{{-4e-9, 1, 0, 0}}, {4e-9}},
      {{{-endsReach, 1, 0, 0}}, {}},  // a billionth of the length from the end
      {{{0.5, -1.5, 1, 0}}, {0.5, 1}},
      {{{1, -2, 1, 0}}, {}},  // a double root
      {{{5, 0, 0, 0}}, {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(InteriorTurningPoints(c.slope, 2), c.inside) << c.slope.C[0] << ", " << c.slope.C[1];
}

}  // namespace
}  // namespace stavelorn
