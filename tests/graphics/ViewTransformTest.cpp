// The view over a recorded picture: fitting, zooming about a point and panning, each checked by
// where user points land on the picture.
#include <gtest/gtest.h>

#include "graphics/ViewTransform.h"

namespace stavelorn {
namespace {

constexpr double kSize = 600;
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

}  // namespace
}  // namespace stavelorn
