// The drawing of elastic and turned supports, read from the recorded strokes: a spring is a
// zig-zag running from its joint away from the coordinate it holds (turned with a turned
// support), a rotational spring a spiral about the joint, and a turned roller's wheel lies on the
// side its turned surface holds, where the square symbol of the rigid restraints no longer is.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "analysis/Analysis.h"
#include "graphics/Drawing.h"
#include "graphics/RecordingCanvas.h"
#include "support/SampleModels.h"
#include "support/ScriptedMessages.h"

namespace stavelorn {
namespace {

constexpr double kPi = 3.14159265358979323846;

// A frame beam on joints 1 (0,0) and 2 (10,0), then `supports` (file lines).
std::vector<Stroke> SupportStrokes(const std::string& supports, int joint) {
  const ModelStore model = testing::ModelFromText(
      "\"d\",\"PFrame\"\n\"Joints\",2\n0,0\n10,0\n" + supports +
      "\"Materials\",1\n2E+08,1.2E-05\n\"Cross-Sections\",1\n0.01,0.0002\n\"Members\",1\n"
      "1,2,1,1\n");
  RecordingCanvas canvas;
  DrawingView view;
  ScriptedMessages messages;
  PlotStructure(model, StructureResults(), canvas, FormId::mcas, messages, view);
  std::vector<Stroke> strokes;
  for (const Stroke& s : canvas.Strokes())
    if (s.Symbol == SymbolClass::Support && s.SymbolJoint == joint) strokes.push_back(s);
  return strokes;
}

// The direction (degrees) from (x, y) to the centre of the ends of the strokes' lines.
double CentreDirection(const std::vector<Stroke>& strokes, double x, double y) {
  double sx = 0, sy = 0;
  for (const Stroke& s : strokes)
    if (s.Shape == Stroke::Kind::Line) sx += s.X1 + s.X2 - 2 * x, sy += s.Y1 + s.Y2 - 2 * y;
  return std::atan2(sy, sx) * 180 / kPi;
}

int Lines(const std::vector<Stroke>& strokes) {
  int lines = 0;
  for (const Stroke& s : strokes) lines += s.Shape == Stroke::Kind::Line;
  return lines;
}

TEST(SpringSymbols, ASpringIsAZigZagAwayFromItsCoordinate) {
  struct Case {
    const char* name;
    std::string supports;
    double direction;  // degrees, to the spring's base
  };
  const Case cases[] = {
      {"vertical", "\"Supports\",2\n1,1,1,0\n2,0,1,0\n\"Support Springs\",1\n2,2,100\n", -90},
      {"horizontal", "\"Supports\",2\n1,1,1,0\n2,1,0,0\n\"Support Springs\",1\n2,1,100\n", 180},
      {"vertical turned by 30",
       "\"Supports\",2\n1,1,1,0\n2,0,1,0\n\"Support Springs\",1\n2,2,1\n"
       "\"Support Angles\",1\n2,30\n",
       -60},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<Stroke> strokes = SupportStrokes(c.supports, 2);
    // No roller: the spring alone holds the joint, six teeth and the leads, a base of four.
    EXPECT_EQ(Lines(strokes), 13);
    for (const Stroke& s : strokes) EXPECT_NE(s.Shape, Stroke::Kind::Circle);
    EXPECT_NEAR(CentreDirection(strokes, 10, 0), c.direction, 5);
  }
}

TEST(SpringSymbols, ARotationalSpringIsASpiralBesideTheRigidSymbol) {
  const std::vector<Stroke> strokes =
      SupportStrokes("\"Supports\",2\n1,1,1,1\n2,0,1,0\n\"Support Springs\",1\n1,3,500\n", 1);
  const std::vector<Stroke> pinned = SupportStrokes("\"Supports\",2\n1,1,1,0\n2,0,1,0\n", 1);
  // The pin the rigid X and Y restraints make, and the spiral's 28 steps, its stem and base.
  EXPECT_EQ(Lines(strokes), Lines(pinned) + 28 + 1 + 4);
}

TEST(SpringSymbols, ATurnedRollersWheelSitsAgainstItsTurnedSurface) {
  for (const double angle : {0.0, 30.0, -45.0, 120.0}) {
    SCOPED_TRACE(angle);
    const std::string turn =
        angle == 0 ? "" : "\"Support Angles\",1\n2," + std::to_string(angle) + "\n";
    const std::vector<Stroke> strokes =
        SupportStrokes("\"Supports\",2\n1,1,1,0\n2,0,1,0\n" + turn, 2);
    int wheels = 0;
    for (const Stroke& s : strokes) {
      if (s.Shape != Stroke::Kind::Circle) continue;
      ++wheels;
      // The wheel lies from the joint against y' = (-sin, cos): along -y', at angle - 90.
      double seen = std::atan2(s.Y1, s.X1 - 10) * 180 / kPi - (angle - 90);
      seen = std::remainder(seen, 360.0);
      EXPECT_NEAR(seen, 0, 1) << s.X1 << ", " << s.Y1;
    }
    EXPECT_EQ(wheels, 1);
  }
}

}  // namespace
}  // namespace stavelorn
