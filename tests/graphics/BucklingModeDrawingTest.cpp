// The buckling modes as drawn: the shape of a column's mode against its closed form, a portal's
// sway, the magnification rule and the caption.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "analysis/Analysis.h"
#include "analysis/CriticalLoad.h"
#include "graphics/BucklingModeDrawing.h"
#include "graphics/PlaneModels.h"
#include "support/SampleModels.h"
#include "support/ScriptedMessages.h"

namespace stavelorn {
namespace {

using testing::ExampleModel;
using testing::ModelFromFile;

constexpr double kPi = 3.14159265358979323846;

struct DrawnMode {
  CriticalLoads loads;
  RecordingCanvas canvas;
  ScriptedMessages messages;
  DrawnMode(const ModelStore& model, int segments) {
    loads = ComputeCriticalLoads(model, Analyze(model), 1, segments);
    if (!loads.Modes.empty())
      DrawBucklingMode(model, loads.Modes.front(), 1, segments, canvas, messages);
  }
  std::vector<Stroke> MemberCurve(int member) const {
    std::vector<Stroke> curve;
    for (const Stroke& s : canvas.Strokes())
      if (s.Symbol == SymbolClass::Deformed && s.SymbolMember == member) curve.push_back(s);
    return curve;
  }
};

// A pinned column 5 long (pinned-column.str), up the Y axis, buckles in half a sine wave: every
// drawn point of its axis stands off by the magnification times sin(πy/L), all to one side. Its
// joints do not move, so the magnification (a tenth of the structure for the largest translation,
// on the 1-2-5 series of the deformed shape) is set by the joints inside the member.
TEST(BucklingModeDrawingTest, APinnedColumnBucklesInHalfASineWave) {
  const ModelStore column = ModelFromFile("tests/graphics/golden/pinned-column.str");
  for (int segments : {2, 4, 8}) {
    const DrawnMode drawn(column, segments);
    ASSERT_EQ(drawn.loads.Modes.size(), 1u);
    const double scale = BucklingModeScale(column, drawn.loads.Modes.front());
    EXPECT_DOUBLE_EQ(scale, 0.5) << "a tenth of 5, the mode's largest translation 1";
    const std::vector<Stroke> curve = drawn.MemberCurve(1);
    ASSERT_EQ(curve.size(), static_cast<std::size_t>(8 * segments));
    const double side = curve[curve.size() / 2].X1 > 0 ? 1 : -1;
    double largest = 0;
    for (const Stroke& s : curve) {
      EXPECT_NEAR(side * s.X1, scale * std::sin(kPi * s.Y1 / 5), 0.02 * scale)
          << segments << " pieces, y = " << s.Y1;
      largest = std::max(largest, side * s.X1);
    }
    EXPECT_NEAR(largest, scale, 0.01 * scale) << segments << " pieces";
  }
}

// The portal frame's first mode sways: both tops move the same way, by about as much.
TEST(BucklingModeDrawingTest, ThePortalsFirstModeSwaysAndIsCaptioned) {
  const ModelStore portal = ExampleModel("portal-frame");
  const DrawnMode drawn(portal, 4);
  ASSERT_FALSE(drawn.loads.Modes.empty());
  const std::vector<Stroke> left = drawn.MemberCurve(1), right = drawn.MemberCurve(3);
  ASSERT_FALSE(left.empty());
  ASSERT_FALSE(right.empty());
  // Member 1 runs up from (0, 0) to joint 2, member 3 up from (8, 0) to joint 3.
  const double leftSway = left.back().X2, rightSway = right.back().X2 - 8;
  EXPECT_GT(leftSway * rightSway, 0);
  EXPECT_NEAR(leftSway / rightSway, 1, 0.1);
  const std::vector<Stroke> caption = testing::TextsHolding(drawn.canvas, "Mode 1");
  ASSERT_EQ(caption.size(), 1u);
  EXPECT_EQ(caption[0].Text, "Mode 1: load factor λ = 35.352");
}

}  // namespace
}  // namespace stavelorn
