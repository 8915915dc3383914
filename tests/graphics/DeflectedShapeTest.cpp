// The deflected shape against mechanics it must obey: beam-table deflections of single spans,
// compatibility of every member's curve with the rotations of the joints it is built into (which
// the curve never reads; the projected curves are in the golden drawings), and the automatic
// multiplier measured on the strokes it draws (the elastic curve of every other member-load kind,
// a couple, a partial linear load and the axial loads that do not bend, is in the golden drawing
// of the analysed portal).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "analysis/Analysis.h"
#include "analysis/MemberAxes.h"
#include "graphics/DeflectedShape.h"
#include "graphics/PlaneModels.h"
#include "model/StructType.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

using namespace testing;

ModelStore Analysed(const std::string& text) {
  ModelStore model = ModelFromText(text);
  EXPECT_EQ(Analyze(model).AnalysisStatus, kAnalysisComplete);
  return model;
}

// A beam of span 10 with EI = 2, its ends as `supports` says, under one member load.
std::string Span(const std::string& supports, const std::string& load) {
  return "\"t\",\"Beam\"\n\"Joints\",2, 0, 10\n\"Supports\",2, " + supports +
         "\n\"Materials\",1, 2,0\n\"Cross-Sections\",1, 1\n\"Members\",1, 1,2,1,1\n"
         "\"Member Loads\",1, 1," +
         load + "\n";
}

// The deformed shape's strokes at `multiplier`, drawn without a message.
std::vector<Stroke> Curve(const ModelStore& model, std::int32_t multiplier) {
  const DrawnModel drawn(model, FormId::mcas, Analyze(model), multiplier);
  EXPECT_TRUE(drawn.messages.Log().empty());
  return StrokesOf(drawn.canvas, Stroke::Kind::Line, kLightRed);
}

// Single spans against beam tables, held at both ends so that the whole deflection is the
// curve's: the deflections the space drawings use, and the plane drawing's curve (the elastic
// curve of the member's own loads) times the multiplier, which a huge multiplier magnifies alike
// and one of zero or below leaves undrawn. A linearly varying load from 0 to w deflects the
// middle half as much as the uniform load, one from -w to w not at all, its halves cancelling.
TEST(DeflectedShape, MidSpanOfSingleSpansFollowsBeamTables) {
  const double EI = 2, L = 10, w = 3, P = 8;
  const std::string simple = "1,1,0, 2,1,0", fixed = "1,1,1, 2,1,1";
  const struct {
    const char* what;
    std::string supports, load;
    double middle;
  } cases[] = {
      {"simple span, uniform: 5wL^4/384EI", simple, "3,3,0,0,0",
       -5 * w * std::pow(L, 4) / (384 * EI)},
      {"simple span, linear from 0 to w", simple, "4,0,3,0,0",
       -5 * w * std::pow(L, 4) / (768 * EI)},
      {"simple span, linear from -w to w", simple, "4,-3,3,0,0", 0},
      // The integral over a from 1 to 3 of a point load's w·a(3L² - 4a²)/48EI.
      {"simple span, uniform from 1 to 3", simple, "3,3,0,1,7", -w * (1269 - 149) / (48 * EI)},
      {"fixed ends, uniform: wL^4/384EI", fixed, "3,3,0,0,0", -w * std::pow(L, 4) / (384 * EI)},
      {"simple span, force at mid-span: PL^3/48EI", simple, "1,8,0,5,0",
       -P * std::pow(L, 3) / (48 * EI)},
      {"fixed ends, force at mid-span: PL^3/192EI", fixed, "1,8,0,5,0",
       -P * std::pow(L, 3) / (192 * EI)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const ModelStore model = Analysed(Span(c.supports, c.load));
    const std::vector<MemberDeflection> members = BuildMemberDeflections(model, Analyze(model));
    ASSERT_EQ(members.size(), 1u);
    const std::vector<Point3>& shift = members[0].Shift;
    ASSERT_EQ(shift.size(), std::size_t(kCurveSegments + 1));
    EXPECT_NEAR(shift[kCurveSegments / 2].Y, c.middle, 1e-4 * std::max(std::fabs(c.middle), 1.0));
    EXPECT_EQ(shift.front().Y, 0);
    EXPECT_EQ(shift.back().Y, 0);
    const auto curve = Curve(model, 4);
    ASSERT_EQ(curve.size(), std::size_t(kCurveSegments));  // at any multiplier
    const Stroke& middle = curve[kCurveSegments / 2 - 1];  // ends at x = 5
    EXPECT_NEAR(middle.X2, 5, 1e-6);
    EXPECT_NEAR(middle.Y2, 4 * c.middle, 1e-3);
    const auto large = Curve(model, 4000000);
    ASSERT_EQ(large.size(), curve.size());
    for (std::size_t k = 0; k < curve.size(); ++k) {
      EXPECT_NEAR(large[k].X2, curve[k].X2, 1e-9);
      EXPECT_NEAR(large[k].Y2, 1e6 * curve[k].Y2, 1e-6 * std::fabs(large[k].Y2) + 1e-9);
    }
    EXPECT_TRUE(Curve(model, -1).empty());
  }
}

// A joint's rotation as a vector in global axes, from the results.
Point3 JointRotation(const ModelStore& model, int joint) {
  const StructTypeInfo& type = model.TypeInfo();
  Point3 turn;
  for (int k = 1; k <= type.CoordsPerJoint; ++k) {
    const JointCoordNames& c = CoordinateOf(type, k);
    if (!c.Rotation) continue;
    const double value = FreeDisplacement(model, Analyze(model), joint, k).value_or(0);
    (c.Axis == 'X' ? turn.X : c.Axis == 'Y' ? turn.Y : turn.Z) = value;
  }
  return turn;
}

double Dot(const Point3& p, const MemberAxes::Vector& v) {
  return p.X * v[0] + p.Y * v[1] + p.Z * v[2];
}

TEST(DeflectedShape, EveryCurveLeavesItsJointsAtTheJointsRotation) {
  // A member built rigidly into a joint turns with it: the curve's end slopes plus the chord's
  // turn equal the joint's rotation about local z (v') and local y (-w'). The curve comes from the
  // moments alone, the rotations from the solved displacements.
  std::vector<std::pair<std::string, ModelStore>> models;
  for (const char* name : {"portal-frame", "continuous-beam", "grid-floor", "space-frame"})
    models.emplace_back(name, Analysed(ExampleText(name)));
  models.emplace_back(
      "space frame loaded in local z",
      Analysed(ReadWholeFile(SourcePath("tests/graphics/golden/z-loaded-space-frame.str"))));
  for (const auto& [name, model] : models) {
    const StructureResults results = Analyze(model);
    const std::vector<MemberDiagram> diagrams = BuildMemberDiagrams(model, results);
    double largest = 0;
    for (int j = 1; j <= model.JointCount; ++j) {
      const Point3 t = JointRotation(model, j);
      largest = std::max({largest, std::fabs(t.X), std::fabs(t.Y), std::fabs(t.Z)});
    }
    ASSERT_GT(largest, 0) << name;
    const std::vector<MemberDeflection> members = BuildMemberDeflections(model, results);
    ASSERT_EQ(members.size(), std::size_t(model.MemberCount)) << name;
    for (const MemberDeflection& m : members) {
      const MemberAxes axes = *MemberLocalAxes(model, m.Member);
      const MemberDiagram& d = diagrams[std::size_t(m.Member - 1)];
      const bool space = model.Kind() == StructKind::SFrame;
      const int sections = model.MemberProps(m.Member, 4);
      const double E = model.Materials(model.MemberProps(m.Member, 3), 1);
      const int izColumn =
          model.Kind() == StructKind::Beam || model.Kind() == StructKind::Grid ? 1 : 2;
      const double eiz = E * model.Sections(sections, izColumn);
      const double eiy = space ? E * model.Sections(sections, 3) : 0;
      const double L = axes.Length, h = 1e-6 * L;
      const Point3 tb = m.Shift.front(), te = m.Shift.back();
      const Point3 chord{(te.X - tb.X) / L, (te.Y - tb.Y) / L, (te.Z - tb.Z) / L};
      for (const auto& [x, joint] : {std::pair{0.0, m.BeginJoint}, std::pair{L, m.EndJoint}}) {
        const double inside = x == 0 ? h : L - h;
        const ChordDeflection at = DeflectionFromChord(d, eiz, eiy, x);
        const ChordDeflection near = DeflectionFromChord(d, eiz, eiy, inside);
        const double dv = (near.V - at.V) / (inside - x), dw = (near.W - at.W) / (inside - x);
        const Point3 turn = JointRotation(model, joint);
        SCOPED_TRACE(name + ", member " + std::to_string(m.Member) + " at joint " +
                     std::to_string(joint));
        EXPECT_NEAR(dv + Dot(chord, axes.Y), Dot(turn, axes.Z), 2e-3 * largest);
        if (space) {
          EXPECT_NEAR(-dw - Dot(chord, axes.Z), Dot(turn, axes.Y), 2e-3 * largest);
        }
      }
    }
  }
}

TEST(DeflectedShape, OneTwoFiveSeries) {
  const std::pair<double, double> cases[] = {
      {1, 1},   {0.99, 0.5},  {3, 2},       {7.3, 5},        {10, 10}, {19.99, 10}, {20, 20},
      {49, 20}, {2.5e6, 2e6}, {1e-3, 1e-3}, {0.0031, 0.002}, {0, 0},   {-4, 0},     {INFINITY, 0},
  };
  for (const auto& [limit, expected] : cases)
    EXPECT_NEAR(OneTwoFiveAtMost(limit), expected, 1e-12 * expected) << limit;
}

// The largest distance of a drawn curve point from where it stood: the strokes of each member's
// deformed shape against the member's undeformed stations.
double LargestDrawnTranslation(const ModelStore& model, std::int32_t multiplier) {
  const DrawnModel drawn(model, FormId::mcas, Analyze(model), multiplier);
  double largest = 0;
  for (int m = 1; m <= model.MemberCount; ++m) {
    const Point b = *PlanePosition(model, model.MemberProps(m, 1));
    const Point e = *PlanePosition(model, model.MemberProps(m, 2));
    int k = 0;
    for (const Stroke& s : drawn.canvas.Strokes()) {
      if (s.Symbol != SymbolClass::Deformed || s.SymbolMember != m) continue;
      ++k;
      const double f = double(k) / kCurveSegments;
      largest = std::max(
          largest, std::hypot(s.X2 - (b.X + f * (e.X - b.X)), s.Y2 - (b.Y + f * (e.Y - b.Y))));
    }
    EXPECT_EQ(k, kCurveSegments) << "member " << m;
  }
  return largest;
}

TEST(DeflectedShape, AutomaticMultiplierDrawsTheLargestMovementATenthOfTheStructure) {
  const struct {
    const char* what;
    std::string text;
    double extent;
  } cases[] = {
      {"portal frame", ReadWholeFile(SourcePath("examples/portal-frame.str")), 8},
      {"continuous beam with a settlement",
       ReadWholeFile(SourcePath("examples/continuous-beam.str")), 26},
      // Every joint held: only the curve moves, and it still gets a scale.
      {"beam fixed at both ends", Span("1,1,1, 2,1,1", "3,0.0001,0,0,0"), 10},
  };
  for (const auto& c : cases) {
    const ModelStore model = Analysed(c.text);
    const std::int32_t chosen = AutomaticDeflectionMultiplier(model, Analyze(model), 5);
    const double drawn = LargestDrawnTranslation(model, chosen);
    SCOPED_TRACE(c.what + std::string(" at ") + std::to_string(chosen));
    EXPECT_EQ(OneTwoFiveAtMost(chosen), chosen);
    // At most a tenth (the displaced chord of a frame's curve adds a little), and more than the
    // next step of the series down (a factor of at most 2.5) would give.
    EXPECT_LE(drawn, 0.1 * c.extent * 1.01);
    EXPECT_GT(drawn, 0.1 * c.extent / 2.5);
  }
}

TEST(DeflectedShape, AutomaticMultiplierIsAtLeastOneAndKeptWhenNothingMoves) {
  const ModelStore stiff = Analysed(Span("1,1,0, 2,1,0", "3,1E+06,0,0,0"));
  EXPECT_EQ(AutomaticDeflectionMultiplier(stiff, Analyze(stiff), 7), 1);
  const ModelStore still = Analysed(Span("1,1,0, 2,1,0", "3,0,0,0,0"));
  EXPECT_EQ(AutomaticDeflectionMultiplier(still, Analyze(still), 7), 7);
}

}  // namespace
}  // namespace stavelorn
