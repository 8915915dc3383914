// The local axes drawn at the members' midpoints, turned as the member transformation turns
// them, and the mechanism mode drawn over a structure that cannot be analysed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "analysis/AnalysisRun.h"
#include "graphics/DrawingData.h"
#include "graphics/PlaneModels.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

using namespace testing;
using Kind = Stroke::Kind;

// The unit directions, on the picture, of the strokes of `colour` that start at `from`.
std::vector<Point> DirectionsFrom(const RecordingCanvas& canvas, int colour, Point from) {
  std::vector<Point> found;
  for (const Stroke& s : StrokesOf(canvas, Kind::Line, colour))
    if (std::hypot(s.X1 - from.X, s.Y1 - from.Y) < 1e-9) {
      const double length = std::hypot(s.X2 - s.X1, s.Y2 - s.Y1);
      found.push_back({(s.X2 - s.X1) / length, (s.Y2 - s.Y1) / length});
    }
  return found;
}

// A plane frame member at 3-4-5: y is x turned a quarter counter-clockwise.
const char kPlane[] = R"("F","PFrame"
"Joints",2, 0,0, 3,4
"Materials",1, 1,0
"Cross-Sections",1, 1,1
"Members",1, 1,2,1,1
)";
// A space frame member along X rolled 90 degrees: its y axis turns from Y to Z.
const char kRolled[] = R"("S","SFrame"
"Joints",2, 0,0,0, 4,0,0
"Materials",1, 1,1,0
"Cross-Sections",1, 1,1,1,1
"Members",1, 1,2,1,1,90
)";
// A grid member at 3-4-5 in the X-Z plane: y is the grid's normal (up), z = x × y.
const char kGrid[] = R"("G","Grid"
"Joints",2, 0,0, 6,8
"Materials",1, 1,1,0
"Cross-Sections",1, 1,1
"Members",1, 1,2,1,1
)";

TEST(LocalAxes, ArrowsFollowTheMemberAndItsRoll) {
  const struct Case {
    const char* text;
    Point3 mid;      // the member's midpoint
    Point3 x, y, z;  // its local axes in closed form (z = 0: not drawn)
  } cases[] = {
      {kPlane, {1.5, 2, 0}, {0.6, 0.8, 0}, {-0.8, 0.6, 0}, {}},
      {kRolled, {2, 0, 0}, {1, 0, 0}, {0, 0, 1}, {0, -1, 0}},
      {kGrid, {3, 0, 4}, {0.6, 0, 0.8}, {0, 1, 0}, {-0.8, 0, 0.6}},
  };
  for (const Case& c : cases) {
    const ModelStore model = ModelFromText(c.text);
    DrawnModel drawn(model);
    DrawLocalAxes(model, drawn.canvas, drawn.view);
    const bool plane = model.StructType == "PFrame";
    auto onPicture = [&](Point3 p) {
      return plane ? Point{p.X, p.Y} : ProjectOblique(model.StructType, p);
    };
    const Point mid = onPicture(c.mid);
    for (const auto& [colour, axis] :
         {std::pair{kLightRed, c.x}, std::pair{kLightGreen, c.y}, std::pair{kLightBlue, c.z}}) {
      if (axis.X == 0 && axis.Y == 0 && axis.Z == 0) {
        EXPECT_TRUE(DirectionsFrom(drawn.canvas, colour, mid).empty()) << model.StructType;
        continue;
      }
      const Point o = onPicture({0, 0, 0}), tip = onPicture(axis);
      const double length = std::hypot(tip.X - o.X, tip.Y - o.Y);
      const std::vector<Point> shaft = DirectionsFrom(drawn.canvas, colour, mid);
      ASSERT_EQ(shaft.size(), 1u) << model.StructType << " colour " << colour;
      EXPECT_NEAR(shaft[0].X, (tip.X - o.X) / length, 1e-6) << model.StructType;
      EXPECT_NEAR(shaft[0].Y, (tip.Y - o.Y) / length, 1e-6) << model.StructType;
      // The head's two barbs lean back from the shaft's end by 0.8 of a half turn.
      const Stroke end = *std::find_if(
          drawn.canvas.Strokes().begin(), drawn.canvas.Strokes().end(),
          [&](const Stroke& s) { return s.X1 == mid.X && s.Y1 == mid.Y && s.Colour == colour; });
      const std::vector<Point> barbs = DirectionsFrom(drawn.canvas, colour, {end.X2, end.Y2});
      ASSERT_EQ(barbs.size(), 2u) << model.StructType;
      for (const Point& b : barbs)
        EXPECT_NEAR(b.X * shaft[0].X + b.Y * shaft[0].Y, std::cos(0.8 * std::acos(-1.0)), 1e-9);
    }
  }
}

TEST(MechanismShape, ABeamOnOneRollerIsDrawnTurningAboutIt) {
  ModelStore model = ModelFromText(R"("B","Beam"
"Joints",2, 0, 4
"Supports",1, 1,1,0
"Materials",1, 200,0
"Cross-Sections",1, 1
"Members",1, 1,2,1,1
)");
  CheckAndAnalyze(model, 0);
  ASSERT_EQ(model.AnalysisStatus, kNotStable);
  const DrawnModel drawn(model);
  // The picture is 1.4 x 4 wide; joint 2 rises a tenth of it while joint 1 stays.
  const std::vector<Stroke> blue = StrokesOf(drawn.canvas, Kind::Line, kLightBlue);
  ASSERT_FALSE(blue.empty());
  EXPECT_NEAR(blue[0].Y1, 0, 1e-9);
  EXPECT_NEAR(blue[0].Y2, 0.1 * 1.4 * 4, 1e-9);
}

}  // namespace
}  // namespace stavelorn
