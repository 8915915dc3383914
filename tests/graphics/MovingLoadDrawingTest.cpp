// A moving load drawn over its influence line, and its envelope along a member: the loads stand
// where the train gives its extreme, and the envelope's curves pass through its values.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "analysis/Analysis.h"
#include "analysis/MovingLoadEnvelope.h"
#include "graphics/EnvelopeDrawing.h"
#include "graphics/InfluenceDrawing.h"
#include "graphics/PlaneModels.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

using testing::TextsHolding;

TEST(MovingLoadDrawing, TheTrainStandsOnThePathWhereItGivesItsExtreme) {
  // A beam of 10 from x = 0 to 10 (simple-span.str); the loads of 20 and 30 at 3 and 5 (the first
  // load at 3), a third 40 beyond the path's end drawn nowhere. The drawing's x is the beam's.
  const ModelStore m = testing::ModelFromFile("tests/graphics/golden/simple-span.str");
  const InfluenceLine line =
      ComputeInfluenceLine(m, Analyze(m), {InfluenceKind::Internal, 1, 0, 5, DiagramQuantity::Mz})
          .Line;
  const ShownTrain shown{LoadTrain{{{20, 0}, {30, 2}, {40, 9}}, 0}, {42, true, 3, false, 1}, "max"};
  RecordingCanvas canvas;
  DrawInfluenceLine(m, line, canvas, &shown);
  const struct {
    const char* label;
    double x;
  } loads[] = {{"20", 3}, {"30", 5}};
  for (const auto& load : loads) {
    const std::vector<Stroke> labels = TextsHolding(canvas, load.label);
    ASSERT_FALSE(labels.empty()) << load.label;
    // Each label sits just right of its arrow, whose tip is on the beam at the load.
    const bool arrow = std::any_of(canvas.Strokes().begin(), canvas.Strokes().end(), [&](auto& s) {
      return s.Shape == Stroke::Kind::Line && std::fabs(s.X1 - load.x) < 1e-9 &&
             std::fabs(s.X2 - load.x) < 1e-9 && std::fabs(s.Y2) < 1e-9 && s.Y1 > 0;
    });
    EXPECT_TRUE(arrow) << load.label;
  }
  EXPECT_TRUE(TextsHolding(canvas, "40").empty());
  EXPECT_EQ(TextsHolding(canvas, "Moving load where it gives its max 42").size(), 1u);
  EXPECT_TRUE(TextsHolding(canvas, "Unit load").empty());
}

TEST(MovingLoadDrawing, TheEnvelopesCurvesRunThroughItsValues) {
  MovingLoadEnvelope envelope{2, DiagramQuantity::Mz, {}};
  for (int k = 0; k <= 10; ++k) {
    EnvelopeStation s{0.5 * k, {}};
    s.Worst.Max.Value = k * (10 - k);
    s.Worst.Min.Value = -k;
    envelope.Stations.push_back(s);
  }
  RecordingCanvas canvas;
  DrawMovingLoadEnvelope(envelope, "M", canvas);
  EXPECT_EQ(TextsHolding(canvas, "max 25").size(), 1u);
  EXPECT_EQ(TextsHolding(canvas, "min -10").size(), 1u);
  EXPECT_EQ(TextsHolding(canvas, "Envelope of M along member 2").size(), 1u);
  // Ten segments of each curve, the greatest in yellow, the least in green, the same height
  // ratio as the values; the grey line of each station rises to the curve.
  int yellow = 0, green = 0;
  double top = 0, bottom = 0, greyTop = 0;
  for (const Stroke& s : canvas.Strokes()) {
    if (s.Shape != Stroke::Kind::Line) continue;
    yellow += s.Colour == kYellow;
    green += s.Colour == kLightGreen;
    if (s.Colour == kDarkGray)
      greyTop = std::max(greyTop, s.Y2);
    else
      top = std::max(top, s.Y2);
    bottom = std::min(bottom, s.Y2);
  }
  EXPECT_NEAR(greyTop, top, 1e-9 * top);
  EXPECT_EQ(yellow, 10);
  EXPECT_EQ(green, 10);
  EXPECT_NEAR(top / bottom, -2.5, 1e-9);
}

}  // namespace
}  // namespace stavelorn
