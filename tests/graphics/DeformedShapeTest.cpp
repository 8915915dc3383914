// The deformed shape against closed forms of beam theory: analysed beams drawn on a recording
// canvas, and the elastic curve itself for the load types that bend a member.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/Analysis.h"
#include "graphics/DeflectedShape.h"
#include "graphics/Drawing.h"
#include "graphics/ElasticCurve.h"
#include "graphics/PlaneModels.h"
#include "support/SampleModels.h"
#include "support/ScriptedMessages.h"

namespace stavelorn {
namespace {

using namespace testing;
using Kind = Stroke::Kind;

// A simply supported beam of span 10 with EI = 1, carrying one member load, analysed.
ModelStore SimpleBeam(int loadType, std::vector<float> v, int multiplier) {
  ModelStore model = ModelFromText(
      "\"t\",\"Beam\"\n\"Joints\",2, 0, 10\n\"Supports\",2, 1,1,0, 2,1,0\n\"Materials\",1, 1,0\n"
      "\"Cross-Sections\",1, 1\n\"Members\",1, 1,2,1,1\n\"Member Loads\",1, 1," +
      std::to_string(loadType) + "," + std::to_string(v[0]) + "," + std::to_string(v[1]) +
      ",0,0\n");
  Analyze(model);
  model.DeflectionMultiplier = multiplier;
  return model;
}

std::vector<Stroke> Curve(const ModelStore& model, ScriptedMessages& messages) {
  RecordingCanvas canvas;
  PlotStructure(model, canvas, FormId::mcas, messages);
  return StrokesOf(canvas, Kind::Line, kLightRed);
}

TEST(DeformedShape, MidSpanOfALoadedSimpleBeamFollowsBeamTheoryTimesTheMultiplier) {
  // Uniform: 5wL^4/384EI. Entered as a linearly varying load, a uniform load gives the same
  // curve, one running from 0 to 1 half of it, and one from -1 to 1 none, its halves cancelling.
  struct Case {
    int type;
    std::vector<float> values;
    int multiplier;
    double middle;
  } cases[] = {{3, {1, 0, 0, 0}, 4, -5.0 * 1e4 / 384},
               {4, {-1, 1, 0, 0}, 2, 0},
               {4, {0, 1, 0, 0}, 2, -5.0 * 1e4 / 768}};
  for (const Case& c : cases) {
    ModelStore model = SimpleBeam(c.type, c.values, c.multiplier);
    ASSERT_EQ(model.AnalysisStatus, kAnalysisComplete);
    ScriptedMessages messages;
    const auto curve = Curve(model, messages);
    const std::size_t points = kCurveSegments;  // at any multiplier
    SCOPED_TRACE(::testing::PrintToString(c.values) + " x" + std::to_string(c.multiplier));
    ASSERT_EQ(curve.size(), points);
    const Stroke& middle = curve[points / 2 - 1];  // ends at x = 5
    EXPECT_NEAR(middle.X2, 5, 1e-6);
    EXPECT_NEAR(middle.Y2, c.multiplier * c.middle, 1e-3);
    EXPECT_TRUE(messages.Log().empty());
  }
}

TEST(DeformedShape, NoCurveForAMultiplierOfZeroOrBelow) {
  ScriptedMessages quiet;
  EXPECT_TRUE(Curve(SimpleBeam(3, {1, 0, 0, 0}, -1), quiet).empty());
  // A plane truss still marks its joints, on the undeformed ones when the multiplier is 0.
  ModelStore truss = JointsOnly("PTruss", {{0, 0}, {4, 3}});
  AddMember(truss, 1, 2);
  truss.AnalysisStatus = kAnalysisComplete;
  truss.DeflectionMultiplier = 0;
  RecordingCanvas canvas;
  ScriptedMessages messages;
  PlotStructure(truss, canvas, FormId::Disp, messages);
  const auto marks = StrokesOf(canvas, Kind::Circle, kLightRed);
  ASSERT_EQ(marks.size(), 2u);
  EXPECT_EQ(marks[1].X1, 4);
  EXPECT_EQ(marks[1].Y1, 3);
  EXPECT_EQ(StrokesOf(canvas, Kind::Line, kLightRed).size(), 1u);
}

TEST(DeformedShape, AnyLargeMultiplierDrawsTheSameCurveMagnified) {
  ScriptedMessages messages;
  const auto small = Curve(SimpleBeam(3, {1, 0, 0, 0}, 3), messages);
  const auto large = Curve(SimpleBeam(3, {1, 0, 0, 0}, 3000000), messages);
  ASSERT_EQ(large.size(), small.size());
  for (std::size_t k = 0; k < small.size(); ++k) {
    EXPECT_NEAR(large[k].X2, small[k].X2, 1e-9);
    EXPECT_NEAR(large[k].Y2, 1e6 * small[k].Y2, 1e-6 * std::fabs(large[k].Y2) + 1e-9);
  }
  EXPECT_TRUE(messages.Log().empty());
}

// The elastic curve alone, on a span of length 1 with EI = 1 unless a case says otherwise.
TEST(ElasticCurve, MatchesBeamTablesForEachLoadType) {
  struct Case {
    const char* what;
    MemberBending member;
    double x, expected;
  } cases[] = {
      {"force W at mid-span: WL^3/48EI", {4, 2, 0, 0, {{1, 3, 0, 2, 0}}}, 2, -3.0 * 64 / 48 / 2},
      {"couple M at mid-span, a quarter in: ML^2/128EI",
       {1, 1, 0, 0, {{2, 1, 0, 0.5, 0}}},
       0.25,
       1.0 / 128},
      {"axial loads do not bend", {1, 1, 0, 0, {{5, 9, 0, 0.5, 0}, {6, 9, 0, 0, 0}}}, 0.5, 0},
  };
  for (const Case& c : cases)
    EXPECT_NEAR(ElasticOrdinate(c.member, c.x), c.expected, 1e-12) << c.what;
}

// The Gauss-integrated linear load against the closed form of the partial uniform load.
TEST(ElasticCurve, PartialLinearLoadOfEqualEndsIsThePartialUniformLoad) {
  const MemberBending linear{10, 3, 0, 0, {{4, 2, 2, 1.5, 2.5}}};
  const MemberBending uniform{10, 3, 0, 0, {{3, 2, 0, 1.5, 2.5}}};
  for (double x : {0.5, 2.0, 3.7, 6.0, 9.9})
    EXPECT_NEAR(ElasticOrdinate(linear, x), ElasticOrdinate(uniform, x), 1e-12) << x;
}

}  // namespace
}  // namespace stavelorn
