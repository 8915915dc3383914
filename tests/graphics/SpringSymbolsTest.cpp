// The drawing of elastic and turned supports, read from the recorded strokes: a spring is a
// zig-zag running from its joint away from the coordinate it holds (turned with a turned
// support), and a turned roller's wheel lies on the side its turned surface holds, where the
// square symbol of the rigid restraints no longer is. (A rotational spring's spiral beside its
// rigid symbol is in the golden drawing of the frame on springs.)
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "graphics/PlaneModels.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

constexpr double kPi = 3.14159265358979323846;

// The support strokes of joint `joint` in the drawing of the project `text`.
std::vector<Stroke> JointSupportStrokes(const std::string& text, int joint) {
  const testing::DrawnModel drawn(testing::ModelFromText(text));
  std::vector<Stroke> strokes;
  for (const Stroke& s : drawn.canvas.Strokes())
    if (s.Symbol == SymbolClass::Support && s.SymbolJoint == joint) strokes.push_back(s);
  return strokes;
}

// A frame beam on joints 1 (0,0) and 2 (10,0), then `supports` (file lines).
std::vector<Stroke> SupportStrokes(const std::string& supports, int joint) {
  return JointSupportStrokes(
      "\"d\",\"PFrame\"\n\"Joints\",2\n0,0\n10,0\n" + supports +
          "\"Materials\",1\n2E+08,1.2E-05\n\"Cross-Sections\",1\n0.01,0.0002\n\"Members\",1\n"
          "1,2,1,1\n",
      joint);
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

// The space drawings show a spring as a zig-zag from its joint away from its coordinate's axis as
// projected (X to the right; a grid's Z at -135 degrees, a space frame's X at 170 and Z at -150
// degrees), turned with a turned support. The joint under test stands at the origin, so its
// lines start at (0, 0). (A grid's spring in Y and a rotation a turned grid support holds rigidly,
// drawn as an arrow along its turned axis, are in the turned grid's golden drawing.)
TEST(SpringSymbols, SpaceDrawingsDrawSpringsAndTurnedAxesAlongTheirRestraints) {
  struct Case {
    const char* name;
    std::string model;
    double direction;  // degrees, of a line leaving the joint
    int lines;         // of the joint's symbols
  };
  const std::string grid = "\"g\",\"Grid\"\n\"Joints\",2\n0,0\n10,0\n\"Supports\",2\n";
  const std::string space =
      "\"s\",\"SFrame\"\n\"Joints\",2\n0,0,0\n0,10,0\n\"Supports\",2\n2,1,1,1,1,1,1\n";
  const Case cases[] = {
      // A rotation's spring adds the double arrow of its axis beside the joint.
      {"grid, about X", grid + "1,0,1,0\n2,1,1,1\n\"Support Springs\",1\n1,2,100\n", 180, 17},
      // Turned by 30: x' = cos 30 X - sin 30 Z, seen at (1.220, 0.354); the base lies opposite.
      {"grid, about X turned 30",
       grid + "1,0,1,0\n2,1,1,1\n\"Support Springs\",1\n1,2,100\n\"Support Angles\",1\n1,30\n",
       -163.8, 17},
      {"space frame, X", space + "1,1,0,0,0,0,0\n\"Support Springs\",1\n1,1,100\n", 170, 13},
      {"space frame, Z", space + "1,0,0,1,0,0,0\n\"Support Springs\",1\n1,3,100\n", 30, 13},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<Stroke> strokes = JointSupportStrokes(c.model, 1);
    EXPECT_EQ(Lines(strokes), c.lines);
    bool found = false;
    for (const Stroke& s : strokes) {
      if (s.Shape != Stroke::Kind::Line || s.X1 != 0 || s.Y1 != 0) continue;
      const double seen = std::atan2(s.Y2, s.X2) * 180 / kPi;
      found = found || std::fabs(std::remainder(seen - c.direction, 360.0)) < 0.5;
    }
    EXPECT_TRUE(found);
  }
}

}  // namespace
}  // namespace stavelorn
