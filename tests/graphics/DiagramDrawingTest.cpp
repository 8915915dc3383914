// The diagram drawings, read back from their recorded strokes: where the largest ordinate stands
// (which member section, which side, along which local axis) and what labels and legend say.

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/Analysis.h"
#include "graphics/DiagramDrawing.h"
#include "graphics/DrawingData.h"
#include "graphics/PlaneModels.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

using Q = DiagramQuantity;

struct Picture {
  ModelStore model;
  std::vector<MemberDiagram> diagrams;
  RecordingCanvas canvas;
};

void Analysed(Picture& p, const std::string& text) {
  p.model = testing::ModelFromText(text);
  const StructureResults results = Analyze(p.model);
  ASSERT_EQ(results.AnalysisStatus, kAnalysisComplete);
  p.diagrams = BuildMemberDiagrams(p.model, results);
}

bool HasText(const RecordingCanvas& canvas, const std::string& part) {
  for (const Stroke& s : canvas.Strokes())
    if (s.Shape == Stroke::Kind::Text && s.Text.find(part) != std::string::npos) return true;
  return false;
}

// Sagging 9 at midspan of a simple beam.
const char kBeam[] = R"("t","Beam"
"Joints",2, 0, 6
"Supports",2, 1,1,0, 2,1,0
"Materials",1, 200000000,0.000012
"Cross-Sections",1, 0.0001
"Members",1, 1,2,1,1
"Member Loads",1, 1,3,2,0,0,0
)";
TEST(DiagramDrawing, TheLargestOrdinateStandsWhereAndWhichWayTheValueSays) {
  const struct Case {
    const char* model;
    Q quantity;
    Point begin, end;  // where the single member is drawn
    double fraction;   // where along it the largest ordinate stands
    Point direction;   // which way it points, in the drawing
    const char* label;
    const char* side;  // the legend's words for the positive side
  } cases[] = {
      // Above the beam (a frame's columns are in the golden moment diagram of the portal).
      {kBeam, Q::Mz, {0, 0}, {6, 0}, 0.5, {0, 1}, "9", "upper side"},
  };
  for (const Case& c : cases) {
    Picture p;
    Analysed(p, c.model);
    DrawStructureDiagrams(p.model, p.diagrams, c.quantity, p.canvas);
    // Every outline point as begin + a (end - begin) + b direction: the largest ordinate b
    // must stand at a = fraction, on the positive side.
    const double mx = c.end.X - c.begin.X, my = c.end.Y - c.begin.Y;
    const double det = mx * c.direction.Y - my * c.direction.X;
    double a = 0, b = 0;
    for (const Stroke& s : testing::StrokesOf(p.canvas, Stroke::Kind::Line, kBrightWhite))
      for (Point q : {Point{s.X1, s.Y1}, Point{s.X2, s.Y2}}) {
        const double qx = q.X - c.begin.X, qy = q.Y - c.begin.Y;
        const double along = (qx * c.direction.Y - qy * c.direction.X) / det;
        const double across = (mx * qy - my * qx) / det;
        if (std::fabs(across) > std::fabs(b)) a = along, b = across;
      }
    EXPECT_NEAR(a, c.fraction, 1e-9) << c.label;
    EXPECT_GT(b, 0) << c.label;
    EXPECT_TRUE(HasText(p.canvas, c.label)) << c.label;
    EXPECT_TRUE(HasText(p.canvas, c.side)) << c.label;
  }
}

}  // namespace
}  // namespace stavelorn
