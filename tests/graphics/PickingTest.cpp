// A recorded picture shown and saved: the pixel distance picking measures to each kind of stroke
// (picking on whole drawings is checked with the golden drawings); the view over it (fitting,
// zooming about a point and panning), each checked by where user points land on the picture (the
// SVG pictures are golden; the paper palette is checked here).
#include <gtest/gtest.h>

#include <cmath>

#include "graphics/DrawingData.h"
#include "graphics/Picking.h"
#include "graphics/RecordingCanvas.h"
#include "graphics/SvgPicture.h"
#include "graphics/ViewTransform.h"

namespace stavelorn {
namespace {

constexpr double kSize = 600;

// Pixels from a point to each kind of stroke, on a picture of 100 pixels over 10 user units, y up.
TEST(Picking, PixelDistanceToEachKindOfStroke) {
  RecordingCanvas c;
  c.Scale(0, 10, 10, 0);
  c.Line(0, 5, 10, 5, kLightCyan);                // pixels (0, 50) to (100, 50)
  c.Line(5, 5, 5, 5, kLightCyan);                 // (50, 50)
  c.FilledBox(2, 2, 4, 4);                        // x 20 to 40, y 60 to 80
  c.Circle(5, 5, 1, kLightCyan);                  // centre (50, 50), radius 10
  c.Arc(5, 5, 2, kLightCyan, 0, std::acos(0.0));  // from (70, 50) up to (50, 30)
  c.SetCurrentX(3), c.SetCurrentY(3);
  c.PrintText("x");  // at (30, 70)
  const struct {
    std::size_t stroke;
    double px, py, expected;
  } cases[] = {
      // Beyond a line's end and before its start (beside one is picked on the golden drawings);
      // a line of no length is a point.
      {0, 106, 50, 6},
      {0, -4, 53, 5},
      {1, 53, 54, 5},
      // Past a box's corner, inside it; at a circle's centre.
      {2, 43, 84, 5},
      {2, 25, 70, -5},
      {3, 50, 50, -10},
      // Beyond the arc's upper end, across the circle from it (to its nearer end), on it.
      {4, 50, 25, 5},
      {4, 30, 50, 20 * std::sqrt(2.0)},
      {4, 62, 34, 0},
      {5, 33, 74, 5},
  };
  const PictureMapping map(c.ScaleRect(), 100, 100);
  for (const auto& k : cases)  // an arc is drawn as short chords, within 0.02 pixels of it
    EXPECT_NEAR(PixelDistance(c.Strokes().at(k.stroke), map, k.px, k.py), k.expected, 0.02)
        << k.stroke << " at " << k.px << "," << k.py;
}

const UserScale kDrawn{-10, 30, 50, -30};  // 60 x 60 user units, y up

// Where a user point lands on a kSize-square picture through the view.
std::pair<double, double> Pixel(const ViewTransform& view, double x, double y) {
  const PictureMapping map(view.Visible(), kSize, kSize);
  return {map.X(x), map.Y(y)};
}

TEST(ViewTransform, FitShowsTheWholeDrawingAndARedrawKeepsTheView) {
  ViewTransform view;
  view.Fit(kDrawn);
  view.ZoomAbout(2, 300, 300, kSize, 0);  // a picture of no height: nothing to zoom
  EXPECT_EQ(Pixel(view, -10, 30), std::make_pair(0.0, 0.0));
  EXPECT_EQ(Pixel(view, 50, -30), std::make_pair(kSize, kSize));
  view.ZoomAbout(2, 300, 300, kSize, kSize);
  view.Follow(kDrawn);  // the same structure drawn again
  EXPECT_DOUBLE_EQ(view.Zoom(), 2);
  view.Follow({-11, 30, 50, -30});  // another structure, differing only on the left
  EXPECT_DOUBLE_EQ(view.Zoom(), 1);
  view.ZoomAbout(2, 300, 300, kSize, kSize);
  view.Follow({0, 1, 1, 0});
  EXPECT_DOUBLE_EQ(view.Zoom(), 1);
  EXPECT_EQ(Pixel(view, 1, 0), std::make_pair(kSize, kSize));
  // Zooming stops at 50 times closer and 5 times farther than the drawing.
  for (const auto& [factor, limit] : {std::pair{1e3, 50.0}, std::pair{1e-3, 0.2}}) {
    view.Fit(kDrawn);
    view.ZoomAbout(factor, 300, 300, kSize, kSize);
    EXPECT_DOUBLE_EQ(view.Zoom(), limit);
  }
}

TEST(ViewTransform, ZoomKeepsThePointUnderTheCursorAndPanMovesEveryPointByTheDrag) {
  for (const double factor : {2.0, 0.5}) {
    ViewTransform view;
    view.Fit(kDrawn);
    // The user point under the cursor (450, 120), and another 60 pixels right and 30 down.
    view.ZoomAbout(factor, 450, 120, kSize, kSize);
    const auto [x, y] = Pixel(view, 35, 18);
    EXPECT_NEAR(x, 450, 1e-9);
    EXPECT_NEAR(y, 120, 1e-9);
    const auto [x2, y2] = Pixel(view, 41, 15);
    EXPECT_NEAR(x2 - x, 60 * factor, 1e-9);
    EXPECT_NEAR(y2 - y, 30 * factor, 1e-9);
    view.Pan(35, -20, kSize, kSize);
    const auto [x3, y3] = Pixel(view, 35, 18);
    EXPECT_NEAR(x3 - x, 35, 1e-9);
    EXPECT_NEAR(y3 - y, -20, 1e-9);
    EXPECT_NEAR(view.Zoom(), factor, 1e-12);
  }
}

// On paper every colour reads against the white (the pictures themselves are golden).
TEST(SvgPicture, EveryColourIsClearlyDarkerThanThePaper) {
  for (int colour = kDarkGray; colour <= kBrightWhite; ++colour) {
    const Rgb rgb = PaletteRgb(colour, Background::White);
    EXPECT_LT(rgb.Red + rgb.Green + rgb.Blue, 600) << colour;
  }
}

}  // namespace
}  // namespace stavelorn
