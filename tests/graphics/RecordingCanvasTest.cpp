// The recording canvas and its replay: printed number text, the mapping of the user scale onto
// a picture, arcs and the SVG form of a picture.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <regex>
#include <tuple>

#include "graphics/RecordingCanvas.h"
#include "graphics/SvgPicture.h"

namespace stavelorn {
namespace {

TEST(RecordingCanvas, NumbersArePrintedWithASignPlaceInTheForeColour) {
  RecordingCanvas canvas;
  canvas.SetForeColor(kYellow);
  canvas.SetFontItalic(true);
  canvas.SetCurrentX(3);
  canvas.SetCurrentY(-2);
  canvas.PrintNumber(12);
  canvas.PrintNumber(-0.5);
  canvas.PrintNumber(std::numeric_limits<double>::infinity());
  ASSERT_EQ(canvas.Strokes().size(), 2u);
  const Stroke& first = canvas.Strokes()[0];
  EXPECT_EQ(std::make_tuple(first.Text, first.X1, first.Y1), std::make_tuple(" 12", 3.0, -2.0));
  EXPECT_EQ(first.Colour, kYellow);
  EXPECT_TRUE(first.Italic);
  EXPECT_EQ(canvas.Strokes()[1].Text, "-0.5");
  canvas.Cls();  // forgets the strokes and the text position
  EXPECT_TRUE(canvas.Strokes().empty());
  EXPECT_EQ(canvas.CurrentY(), 0);
}

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

TEST(SvgPicture, GroupsTheStrokesOfEachSymbolUnderItsName) {
  RecordingCanvas drawn;
  drawn.Scale(0, 10, 10, 0);
  drawn.Line(0, 0, 1, 1, kLightCyan);  // belongs to no symbol
  drawn.BeginSymbol(SymbolClass::Load, 0, 3);
  drawn.Line(0, 0, 1, 1, kYellow);
  drawn.Line(1, 1, 2, 2, kYellow);
  drawn.BeginSymbol(SymbolClass::Load, 0, 3);  // a second load on the same member
  drawn.Line(2, 2, 3, 3, kYellow);
  {
    DrawnSymbol support(drawn, SymbolClass::Support, 4);
    drawn.Circle(5, 5, 1, kLightRed);
  }
  drawn.Line(3, 3, 4, 4, kLightCyan);
  // The bare line, the first load's two strokes in one group, the second load, the support, and
  // the bare line after it, in drawing order and nothing else grouped.
  const std::string svg = SvgPicture(drawn, 100, 100);
  const std::string line = "<line[^>]*/>\n";
  EXPECT_TRUE(std::regex_search(
      svg, std::regex("/>\n" + line + "<g class=\"load\" data-member=\"3\">\n" + line + line +
                      "</g>\n<g class=\"load\" data-member=\"3\">\n" + line +
                      "</g>\n<g class=\"support\" data-joint=\"4\">\n<circle[^>]*/>\n</g>\n" +
                      line + "</svg>")))
      << svg;
  // Wiping the picture ends the symbol it was drawing.
  drawn.BeginSymbol(SymbolClass::Joint, 1);
  drawn.Cls();
  drawn.Line(0, 0, 1, 1, kLightCyan);
  EXPECT_EQ(drawn.Strokes()[0].SymbolSerial, 0);
}

}  // namespace
}  // namespace stavelorn
