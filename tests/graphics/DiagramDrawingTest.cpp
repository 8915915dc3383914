// The beam's moment diagram, read back from its recorded strokes: the sagging 9 (wL^2/8) of a
// simple span of 6 under 2 (simple-beam-uniform.str) stands at mid-span above the beam, labelled,
// with the legend naming the side (a frame's diagrams are in the golden drawings).
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/Analysis.h"
#include "graphics/DiagramDrawing.h"
#include "graphics/DrawingData.h"
#include "graphics/PlaneModels.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

TEST(DiagramDrawing, TheSaggingMomentOfABeamStandsAboveItsMiddle) {
  const ModelStore model = testing::ModelFromFile("tests/graphics/golden/simple-beam-uniform.str");
  const StructureResults results = Analyze(model);
  ASSERT_EQ(results.AnalysisStatus, kAnalysisComplete);
  RecordingCanvas canvas;
  DrawStructureDiagrams(model, BuildMemberDiagrams(model, results), DiagramQuantity::Mz, canvas);
  // The beam runs from (0, 0) to (6, 0): the outline point farthest from it.
  Point largest{0, 0};
  for (const Stroke& s : testing::StrokesOf(canvas, Stroke::Kind::Line, kBrightWhite))
    for (Point q : {Point{s.X1, s.Y1}, Point{s.X2, s.Y2}})
      if (std::fabs(q.Y) > std::fabs(largest.Y)) largest = q;
  EXPECT_NEAR(largest.X, 3, 6e-9);
  EXPECT_GT(largest.Y, 0);
  EXPECT_FALSE(testing::TextsHolding(canvas, "9").empty());
  EXPECT_FALSE(testing::TextsHolding(canvas, "upper side").empty());
}

}  // namespace
}  // namespace stavelorn
