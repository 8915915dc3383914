// Drawings of data nobody has checked (references outside the tables, coordinates that are not
// finite), and the local axes drawn at the members' midpoints, turned as the member transformation
// turns them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "graphics/Drawing.h"
#include "graphics/DrawingData.h"
#include "graphics/PlaneModels.h"
#include "support/SampleModels.h"
#include "support/ScriptedMessages.h"

namespace stavelorn {
namespace {

using namespace testing;
using Kind = Stroke::Kind;

// Centres of the joint markers: filled squares, or circles in colour 11 for space trusses.
std::vector<std::pair<double, double>> Markers(const RecordingCanvas& canvas) {
  std::vector<std::pair<double, double>> centres;
  for (const Stroke& s : canvas.Strokes()) {
    if (s.Shape == Kind::Box) centres.emplace_back((s.X1 + s.X2) / 2, (s.Y1 + s.Y2) / 2);
    if (s.Shape == Kind::Circle && s.Colour == kLightCyan) centres.emplace_back(s.X1, s.Y1);
  }
  return centres;
}

TEST(UncheckedData, ReferencesOutsideTheTablesAndNonFiniteCoordinatesDrawNothing) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  for (const char* type : {"PFrame", "SFrame"}) {
    const bool plane = std::string(type) == "PFrame";
    ModelStore model = plane ? JointsOnly(type, {{0, 0}, {10, 0}, {nan, 3}})
                             : JointsOnly(type, {{0, 0, 0}, {10, 0, 0}, {0, nan, 0}});
    AddMember(model, 1, 2);
    AddMember(model, 1, 3);   // to the joint that cannot be placed
    AddMember(model, 2, 99);  // to a joint that does not exist
    AddMember(model, -4, 1);
    std::vector<std::int16_t> fixed(std::size_t(model.CoordsPerJoint) + 1, 1);
    for (std::int16_t joint : {0, 3}) {  // one that does not exist, one that cannot be placed
      fixed[0] = joint;
      AddSupport(model, fixed);
    }
    AddJointLoad(model, 77, std::vector<float>(std::size_t(model.CoordsPerJoint), 1));
    AddJointLoad(model, 1, std::vector<float>(std::size_t(model.CoordsPerJoint), nan));
    AddMemberLoad(model, 50, 3, {1, 0, 0, 0});
    AddMemberLoad(model, 2, 3, {1, 0, 0, 0});  // on the member to the joint that cannot be placed
    // Counts that run past what the tables hold.
    model.JointCount = 40, model.MemberCount = 9, model.SupportCount = 5;
    model.JointLoadCount = 3, model.MemberLoadCount = 5;
    StructureResults hollow;  // complete, with no results behind it
    hollow.AnalysisStatus = kAnalysisComplete;
    DrawnModel drawn(model, FormId::mcas, hollow);
    DrawLocalAxes(model, drawn.canvas, drawn.view);  // along the one member it can place
    EXPECT_TRUE(drawn.messages.Log().empty()) << type;
    EXPECT_EQ(Markers(drawn.canvas).size(), 2u) << type;
    EXPECT_EQ(StrokesOf(drawn.canvas, Kind::Line, kLightCyan).size(), 1u) << type;
    EXPECT_TRUE(StrokesOf(drawn.canvas, Kind::Line, kLightMagenta).empty()) << type;
    EXPECT_TRUE(StrokesOf(drawn.canvas, Kind::Line, kYellow).empty()) << type;
    for (const Stroke& s : drawn.canvas.Strokes())
      EXPECT_TRUE(std::isfinite(s.X1) && std::isfinite(s.Y1)) << type;
  }
}

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
"Members",1, 1,2,1,1
)";
// A space frame member along X rolled 90 degrees: its y axis turns from Y to Z.
const char kRolled[] = R"("S","SFrame"
"Joints",2, 0,0,0, 4,0,0
"Members",1, 1,2,1,1,90
)";
// A grid member at 3-4-5 in the X-Z plane: y is the grid's normal (up), z = x × y.
const char kGrid[] = R"("G","Grid"
"Joints",2, 0,0, 6,8
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

}  // namespace
}  // namespace stavelorn
