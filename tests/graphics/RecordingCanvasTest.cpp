// The recording canvas's replay: the mapping of the user scale onto a picture, arcs and the SVG
// form of a picture (its groups are checked on the batch tool's).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "graphics/RecordingCanvas.h"
#include "graphics/SvgPicture.h"

namespace stavelorn {
namespace {

TEST(PictureMapping, TheUserSquareFillsThePictureWithYUpward) {
  const PictureMapping map({-100, 100, 100, -100}, 400, 200);
  EXPECT_DOUBLE_EQ(map.X(-100), 0);
  EXPECT_DOUBLE_EQ(map.X(100), 400);
  EXPECT_DOUBLE_EQ(map.Y(50), 50);
  EXPECT_DOUBLE_EQ(map.Length(10), 20);
  Stroke arc;
  arc.Shape = Stroke::Kind::Arc;
  arc.Radius = 50, arc.Start = 0, arc.End = std::acos(-1.0);
  const auto points = map.ArcPixels(arc);
  // From the right of the centre over the top to its left.
  EXPECT_NEAR(points.front().first, 300, 1e-9);
  EXPECT_NEAR(points.back().first, 100, 1e-9);
  EXPECT_NEAR(points[points.size() / 2].second, 0, 1e-9);
  Stroke far;
  far.X2 = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(map.Paintable(far));
}

TEST(SvgPicture, HoldsEachStrokeInItsColourOnTheChosenBackground) {
  RecordingCanvas canvas;
  canvas.Scale(0, 10, 10, 0);
  canvas.Line(0, 0, 10, 5, kLightRed);
  canvas.SetForeColor(kBrightWhite);
  canvas.PrintNumber(7);
  canvas.PrintNumber(std::numeric_limits<double>::infinity());  // prints nothing
  ASSERT_EQ(canvas.Strokes().size(), 2u);
  const std::string screen = SvgPicture(canvas, 100, 100, Background::Black);
  EXPECT_NE(screen.find("fill=\"#000000\"/>"), std::string::npos);
  EXPECT_NE(screen.find("<line x1=\"0\" y1=\"100\" x2=\"100\" y2=\"50\" stroke=\"#ff0000\""),
            std::string::npos);
  EXPECT_NE(screen.find("fill=\"#ffffff\" xml:space=\"preserve\"> 7</text>"), std::string::npos);
  // On paper every colour reads against the white: the screen's white prints black.
  const std::string paper = SvgPicture(canvas, 100, 100);
  EXPECT_NE(paper.find("fill=\"#ffffff\"/>"), std::string::npos);
  EXPECT_NE(paper.find("fill=\"#000000\" xml:space=\"preserve\"> 7</text>"), std::string::npos);
  for (int colour = kDarkGray; colour <= kBrightWhite; ++colour) {
    const Rgb rgb = PaletteRgb(colour, Background::White);
    EXPECT_LT(rgb.Red + rgb.Green + rgb.Blue, 600) << colour;  // clearly darker than the paper
  }
}

}  // namespace
}  // namespace stavelorn
