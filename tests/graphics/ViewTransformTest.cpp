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

TEST(ViewTransform, ZoomKeepsThePointUnderTheCursorAndScalesDistancesAboutIt) {
  struct Case {
    double factor, px, py;
  };
  for (const Case& c : {Case{2, 300, 300}, Case{1.25, 10, 590}, Case{0.5, 450, 120}, Case{8, 0, 0},
                        Case{1 / 1.25, 599, 1}}) {
    ViewTransform view;
    view.Fit(kDrawn);
    // The user point under the cursor, and another one 60 pixels to the right and 30 down.
    const PictureMapping before(view.Visible(), kSize, kSize);
    const double ux = kDrawn.Left + c.px / kSize * 60, uy = kDrawn.Top - c.py / kSize * 60;
    view.ZoomAbout(c.factor, c.px, c.py, kSize, kSize);
    const auto [x, y] = Pixel(view, ux, uy);
    EXPECT_NEAR(x, c.px, 1e-9);
    EXPECT_NEAR(y, c.py, 1e-9);
    const auto [x2, y2] = Pixel(view, ux + 6, uy - 3);
    EXPECT_NEAR(x2 - c.px, 60 * c.factor, 1e-9);
    EXPECT_NEAR(y2 - c.py, 30 * c.factor, 1e-9);
    EXPECT_NEAR(view.Zoom(), c.factor, 1e-12);
  }
}

TEST(ViewTransform, ZoomStopsAtItsLimits) {
  ViewTransform view;
  view.Fit(kDrawn);
  for (int i = 0; i < 100; ++i) view.ZoomAbout(2, 100, 100, kSize, kSize);
  EXPECT_DOUBLE_EQ(view.Zoom(), ViewTransform::kMostZoomIn);
  for (int i = 0; i < 100; ++i) view.ZoomAbout(0.5, 100, 100, kSize, kSize);
  EXPECT_DOUBLE_EQ(view.Zoom(), 1 / ViewTransform::kMostZoomOut);
}

TEST(ViewTransform, PanMovesEveryPointByTheDragAtAnyZoom) {
  for (double zoom : {1.0, 3.0, 0.4}) {
    ViewTransform view;
    view.Fit(kDrawn);
    view.ZoomAbout(zoom, 200, 400, kSize, kSize);
    const auto [x0, y0] = Pixel(view, 12, 7);
    view.Pan(35, -20, kSize, kSize);
    const auto [x1, y1] = Pixel(view, 12, 7);
    EXPECT_NEAR(x1 - x0, 35, 1e-9) << zoom;
    EXPECT_NEAR(y1 - y0, -20, 1e-9) << zoom;
    EXPECT_NEAR(view.Zoom(), zoom, 1e-12);
  }
}

}  // namespace
}  // namespace stavelorn
