// The plane drawing on a recording canvas: the view it scales to (a grid's too), the support
// symbols each restraint pattern and position calls for, the joint-load arrows, and the figures of
// every member-load kind (which strokes each draws, where they lie, which way the arrows point for
// either sign, the signed labels; kinds a type does not carry draw nothing).
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "graphics/Drawing.h"
#include "graphics/PlaneModels.h"
#include "support/ScriptedMessages.h"

namespace stavelorn {
namespace {

using namespace testing;
using Kind = Stroke::Kind;

constexpr double kPi = 3.14159265358979323846;

// Names the support symbol drawn in colour 12 by its strokes: a wheel against a wall is an
// "XRoller", one on a floor a "YRoller"; without a wheel seven strokes make a "Hinged"
// triangle, six the plane "Fixed" wall and five the square wall of the space drawings.
std::string SymbolDrawn(const RecordingCanvas& canvas) {
  const auto wheels = StrokesOf(canvas, Kind::Circle, kLightRed);
  const auto lines = StrokesOf(canvas, Kind::Line, kLightRed);
  for (std::size_t k = 2; !wheels.empty() && k < lines.size(); ++k)  // parallel hatching
    if (std::fabs(lines[k].X2 - lines[k].X1 - (lines[1].X2 - lines[1].X1)) > 1e-9 ||
        std::fabs(lines[k].Y2 - lines[k].Y1 - (lines[1].Y2 - lines[1].Y1)) > 1e-9)
      return "?";
  if (!wheels.empty())  // against an upright wall or on a level floor
    return lines[0].X1 == lines[0].X2 ? "XRoller" : lines[0].Y1 == lines[0].Y2 ? "YRoller" : "?";
  switch (lines.size()) {
    case 0: return "None";
    case 5: return "FixedSquare";
    case 6: return "Fixed";
    case 7: return "Hinged";
    default: return "?";
  }
}

TEST(ViewScaling, SquareOfSide1_4TimesTheLargerExtentCentredOnTheJoints) {
  struct Case {
    const char* type;
    std::initializer_list<std::vector<float>> joints;
    UserScale expected;
  } cases[] = {
      {"PFrame", {{3, 4}, {3, 4}}, {-100, 100, 100, -100}},  // coincident joints
      {"PFrame", {{0, 0}, {2, 10}}, {-6, 12, 8, -2}},        // the width grows to the height
      {"Grid", {{0, 0}, {5, 0}, {10, 0}}, {-2, 7, 12, -7}},  // a row along X, projected
  };
  for (const Case& c : cases) {
    const DrawnModel drawn(JointsOnly(c.type, c.joints));
    const UserScale& s = drawn.canvas.ScaleRect();
    EXPECT_NEAR(s.Left, c.expected.Left, 1e-9);
    EXPECT_NEAR(s.Top, c.expected.Top, 1e-9);
    EXPECT_NEAR(s.Right, c.expected.Right, 1e-9);
    EXPECT_NEAR(s.Bottom, c.expected.Bottom, 1e-9);
    EXPECT_NEAR(drawn.view.SymbolUnit, (s.Right - s.Left) / 75, 1e-12);
  }
  ScriptedMessages quiet;
  RecordingCanvas empty;  // no joints: draws and clears nothing
  empty.Line(0, 0, 1, 1, kYellow);
  PlotStructure(JointsOnly("PFrame", {}), empty, FormId::mcas, quiet);
  EXPECT_EQ(empty.Strokes().size(), 1u);
}

TEST(PlaneSupports, SymbolFollowsTheRestraintPattern) {
  struct Case {
    const char* type;
    std::vector<std::int16_t> flags;
    const char* symbol;
  } cases[] = {
      {"Beam", {1, 0}, "YRoller"},     {"Beam", {1, 1}, "Fixed"},
      {"PTruss", {1, 0}, "XRoller"},   {"PTruss", {0, 1}, "YRoller"},
      {"PTruss", {1, 1}, "Hinged"},    {"PFrame", {0, 1, 0}, "YRoller"},
      {"PFrame", {1, 1, 0}, "Hinged"}, {"PFrame", {1, 1, 1}, "Fixed"},
      {"PFrame", {1, 0, 1}, "None"},
  };
  for (const Case& c : cases) {
    ModelStore model = std::string(c.type) == "Beam" ? JointsOnly("Beam", {{0}, {10}})
                                                     : JointsOnly(c.type, {{0, 0}, {10, 5}});
    std::vector<std::int16_t> record{1};
    record.insert(record.end(), c.flags.begin(), c.flags.end());
    AddSupport(model, record);
    EXPECT_EQ(SymbolDrawn(DrawnModel(model).canvas), c.symbol)
        << c.type << " flags " << ::testing::PrintToString(c.flags);
  }
}

// The angle of a plane fixed support's wall, recovered from its end A = (x + 3u sin t, y - 3u cos
// t).
double WallAngle(const DrawnModel& drawn, double x, double y) {
  const Stroke wall = StrokesOf(drawn.canvas, Kind::Line, kLightRed).at(0);
  const double u = drawn.view.SymbolUnit;
  return std::fmod(std::atan2((wall.X1 - x) / (3 * u), -(wall.Y1 - y) / (3 * u)) + 2 * kPi,
                   2 * kPi);
}

TEST(PlaneSupports, FixedWallTurnsItsHatchingOutward) {
  struct Case {
    std::vector<float> at;
    double angle;
  } cases[] = {
      // A third of the way up is no longer the bottom: the joint is at the side. In the middle
      // the hatching goes below, as in the bottom third.
      {{0, 0}, kPi / 2}, {{0, 4.5}, 0},           {{0, 3}, 0},
      {{9, 4.5}, kPi},   {{4.5, 9}, 3 * kPi / 2}, {{4.5, 4.5}, kPi / 2},
  };
  for (const Case& c : cases) {
    ModelStore model = JointsOnly("PFrame", {{0, 0}, {9, 9}, c.at});
    AddSupport(model, {3, 1, 1, 1});
    const DrawnModel drawn(model);
    EXPECT_NEAR(WallAngle(drawn, c.at[0], c.at[1]), c.angle, 1e-9) << c.at[0] << ", " << c.at[1];
  }
}

TEST(JointLoads, ArrowsPointByTheSignAndSitByThePosition) {
  struct Case {
    const char* type;
    std::vector<float> at;
    std::vector<float> load;
    double shaftX1, shaftY1, shaftX2, shaftY2;  // in symbol units from the joint
    double tipX, tipY;
  } cases[] = {
      {"Beam", {10}, {5, 0}, 0, 5, 0, 0, 0, 5},
      {"Beam", {10}, {-5, 0}, 0, 5, 0, 0, 0, 0},
      {"PFrame", {10, 0}, {5, 0, 0}, 0, 0, 5, 0, 5, 0},    // right half, pointing right
      {"PFrame", {10, 0}, {-5, 0, 0}, 0, 0, 5, 0, 0, 0},   // right half, pointing at the joint
      {"PFrame", {0, 0}, {5, 0, 0}, -5, 0, 0, 0, 0, 0},    // left half, pointing at the joint
      {"PFrame", {0, 0}, {-5, 0, 0}, -5, 0, 0, 0, -5, 0},  // left half, pointing left
      {"PFrame", {0, 0}, {0, 5, 0}, 0, 0, 0, 5, 0, 5},
      {"PTruss", {0, 0}, {0, 5}, 0, 0, 0, -5, 0, 0},    // lower half: the shaft hangs below
      {"PTruss", {10, 10}, {0, -5}, 0, 0, 0, 5, 0, 0},  // upper half: the shaft stands above
  };
  for (const Case& c : cases) {
    const bool beam = std::string(c.type) == "Beam";
    ModelStore model =
        beam ? JointsOnly("Beam", {{0}, {10}}) : JointsOnly(c.type, {{0, 0}, {10, 10}});
    if (!beam) model.JointCoords(2, 1) = c.at[0], model.JointCoords(2, 2) = c.at[1];
    if (!beam && c.at[0] == 0) model.JointCoords(1, 1) = 10;
    AddJointLoad(model, 2, c.load);
    const DrawnModel drawn(model);
    const auto arrows = StrokesOf(drawn.canvas, Kind::Line, kLightMagenta);
    ASSERT_EQ(arrows.size(), 3u) << c.type;
    const double u = drawn.view.SymbolUnit, x = c.at[0], y = beam ? 0 : c.at[1];
    SCOPED_TRACE(std::string(c.type) + " load " + ::testing::PrintToString(c.load));
    EXPECT_NEAR(arrows[0].X1, x + c.shaftX1 * u, 1e-9);
    EXPECT_NEAR(arrows[0].Y1, y + c.shaftY1 * u, 1e-9);
    EXPECT_NEAR(arrows[0].X2, x + c.shaftX2 * u, 1e-9);
    EXPECT_NEAR(arrows[0].Y2, y + c.shaftY2 * u, 1e-9);
    for (int head : {1, 2}) {
      EXPECT_NEAR(arrows[head].X1, x + c.tipX * u, 1e-9);
      EXPECT_NEAR(arrows[head].Y1, y + c.tipY * u, 1e-9);
    }
    // The barbs are mirrored about the shaft: their ends' midpoint lies on its line.
    const double sx = arrows[0].X2 - arrows[0].X1, sy = arrows[0].Y2 - arrows[0].Y1;
    EXPECT_NEAR((arrows[1].X2 + arrows[2].X2 - 2 * arrows[1].X1) * sy -
                    (arrows[1].Y2 + arrows[2].Y2 - 2 * arrows[1].Y1) * sx,
                0, 1e-9);
  }
}

// A point of the picture as a distance along the member plus multiples of the symbol unit.
struct At {
  double Along, AlongU, AcrossU;
};

std::vector<std::string> LabelsOf(const RecordingCanvas& canvas, int colour) {
  std::vector<std::string> labels;
  for (const Stroke& s : canvas.Strokes())
    if (s.Shape == Kind::Text && s.Colour == colour) labels.push_back(s.Text);
  return labels;
}

TEST(MemberLoadFigures, EachKindOnAPlaneFrameMember) {
  struct Case {
    int kind;
    std::vector<float> values;
    std::size_t strokes;
    std::vector<std::string> labels;
    std::size_t index;  // the stroke whose ends are checked
    At from, to;
  };
  const double h = 1.5 / std::sqrt(2.0);  // where a 1.5u arc ends, at 135 degrees
  const Case cases[] = {
      // A force: the arrow points at the member for a load against local y, away otherwise.
      {1, {10, 0, 4, 0}, 3, {"P = 10"}, 0, {4, 0, 3}, {4, 0, 0}},
      {1, {-10, 0, 4, 0}, 3, {"P = -10"}, 0, {4, 0, 0}, {4, 0, 3}},
      // The whole-span uniform load keeps its classic figure: the line 2u off the member, half
      // heads at the member for a positive load and at the line for a negative one.
      {3, {10, 0, 0, 0}, 34, {"w = 10"}, 2, {0, 0, 0}, {0, 0.5, 0.5}},
      {3, {10, 0, 2, 3}, 34, {"w = 10"}, 0, {2, 0, 2}, {7, 0, 2}},
      // A linear load's line follows |w|; where w changes sign it dips to the member.
      {4, {0, 10, 0, 0}, 31, {"w1 = 0", "w2 = 10"}, 0, {0, 0, 0}, {10, 0, 2}},
      {4, {10, -10, 0, 0}, 32, {"w1 = 10", "w2 = -10"}, 0, {0, 0, 2}, {5, 0, 0}},
      // Axial loads: a positive value acts towards the beginning joint.
      {5, {10, 0, 5, 0}, 4, {"P = 10"}, 1, {5, 3, 0.8}, {5, 0, 0.8}},
      {6, {10, 0, 0, 0}, 11, {"w = 10"}, 1, {0, 0, 0.8}, {0, 0.5, 0.55}},
      // A positive couple turns clockwise: its head is at the arc's clockwise end.
      {2, {10, 0, 5, 0}, 20, {"M = 10"}, 18, {5, -h, -h}, {}},
      {2, {-10, 0, 5, 0}, 20, {"M = -10"}, 18, {5, -h, h}, {}},
      // Kinds without a coordinate in a plane frame, loads off the member and values that are
      // not numbers draw nothing.
      {7, {10, 0, 5, 0}, 0, {}, 0, {}, {}},
      {8, {10, 0, 5, 0}, 0, {}, 0, {}, {}},
      {1, {10, 0, 12, 0}, 0, {}, 0, {}, {}},
      {3, {10, 0, 6, 5}, 0, {}, 0, {}, {}},
      {1, {10, 0, NAN, 0}, 0, {}, 0, {}, {}},  // an unreadable value
  };
  for (const Case& c : cases) {
    ModelStore model = JointsOnly("PFrame", {{0, 0}, {10, 0}});
    AddMember(model, 1, 2);
    AddMemberLoad(model, 1, c.kind, c.values);
    const DrawnModel drawn(model);
    const auto figure = StrokesOf(drawn.canvas, Kind::Line, kYellow);
    SCOPED_TRACE("kind " + std::to_string(c.kind) + " " + ::testing::PrintToString(c.values));
    EXPECT_EQ(LabelsOf(drawn.canvas, kYellow), c.labels);
    ASSERT_EQ(figure.size(), c.strokes);
    if (c.strokes == 0) continue;
    const double u = drawn.view.SymbolUnit;
    const Stroke& s = figure[c.index];
    EXPECT_NEAR(s.X1, c.from.Along + c.from.AlongU * u, 1e-9);
    EXPECT_NEAR(s.Y1, c.from.AcrossU * u, 1e-9);
    if (c.kind != 2) {
      EXPECT_NEAR(s.X2, c.to.Along + c.to.AlongU * u, 1e-9);
      EXPECT_NEAR(s.Y2, c.to.AcrossU * u, 1e-9);
      continue;
    }
    // Of a couple only the head's tip is pinned (its barbs follow the tangent). The label sits
    // above the curved arrow (1.5u round the load), within a line of the spot a unit above a
    // point 2u across the member.
    for (const Stroke& label : drawn.canvas.Strokes())
      if (label.Shape == Kind::Text && label.Colour == kYellow) {
        EXPECT_GE(label.Y1 - drawn.canvas.TextHeight(), 1.5 * u - 1e-9);
        EXPECT_LE(label.Y1, 3 * u + drawn.canvas.TextHeight() + 1e-9);
      }
  }
}

TEST(MemberLoadFigures, AGridTorqueIsADoubleHeadedArrowAlongTheMember) {
  ModelStore model = JointsOnly("Grid", {{0, 0}, {10, 0}});
  AddMember(model, 1, 2);
  AddMemberLoad(model, 1, 7, {6, 0, 4, 0});
  const DrawnModel drawn(model);
  const auto figure = StrokesOf(drawn.canvas, Kind::Line, kYellow);
  ASSERT_EQ(figure.size(), 6u);  // a tick, the shaft with its head, and a second head
  EXPECT_NEAR(figure[1].Y1, figure[1].Y2, 1e-9);  // the shaft runs along the member (along X)
  EXPECT_GT(figure[1].X1, figure[1].X2);          // a positive torque points back along x
  EXPECT_EQ(LabelsOf(drawn.canvas, kYellow), std::vector<std::string>{"T = 6"});
}

}  // namespace
}  // namespace stavelorn
