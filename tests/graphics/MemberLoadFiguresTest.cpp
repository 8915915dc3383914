// The figures of every member-load kind: which strokes each draws, where they lie, which way the
// arrows point for either sign, and the signed labels; kinds a type does not carry draw nothing.
#include <gtest/gtest.h>

#include <cmath>

#include "graphics/PlaneModels.h"

using namespace stavelorn;
using namespace stavelorn::testing;
using Kind = Stroke::Kind;

namespace {

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
    if (c.kind == 2) {  // only the head's tip is pinned; its barbs follow the tangent
      EXPECT_NEAR(s.X1, c.from.Along + c.from.AlongU * u, 1e-9);
      EXPECT_NEAR(s.Y1, c.from.AcrossU * u, 1e-9);
      // The label sits above the curved arrow (1.5u round the load), within a line of the spot
      // a unit above a point 2u across the member.
      for (const Stroke& label : drawn.canvas.Strokes())
        if (label.Shape == Kind::Text && label.Colour == kYellow) {
          EXPECT_GE(label.Y1 - drawn.canvas.TextHeight(), 1.5 * u - 1e-9);
          EXPECT_LE(label.Y1, 3 * u + drawn.canvas.TextHeight() + 1e-9);
        }
      continue;
    }
    EXPECT_NEAR(s.X1, c.from.Along + c.from.AlongU * u, 1e-9);
    EXPECT_NEAR(s.Y1, c.from.AcrossU * u, 1e-9);
    EXPECT_NEAR(s.X2, c.to.Along + c.to.AlongU * u, 1e-9);
    EXPECT_NEAR(s.Y2, c.to.AcrossU * u, 1e-9);
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
