#include "graphics/SvgPicture.h"

#include <cmath>
#include <cstdio>
#include <sstream>

namespace stavelorn {

namespace {

std::string Colour(int colour) {
  const Rgb rgb = PaletteRgb(colour);
  char text[24];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb.Red, rgb.Green, rgb.Blue);
  return text;
}

// Text in an XML document: the numbers the drawings print need no escaping, but a caller's text
// might.
std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else if (c == '&')
      out += "&amp;";
    else
      out += c;
  }
  return out;
}

}  // namespace

std::string SvgPicture(const RecordingCanvas& canvas, int width, int height) {
  return SvgPicture(canvas, canvas.ScaleRect(), width, height);
}

std::string SvgPicture(const RecordingCanvas& canvas, const UserScale& visible, int width,
                       int height) {
  const PictureMapping map(visible, width, height);
  std::ostringstream svg;
  svg.precision(6);
  svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << width << "\" height=\"" << height
      << "\" viewBox=\"0 0 " << width << ' ' << height << "\">\n"
      << "<rect width=\"100%\" height=\"100%\" fill=\"#000000\"/>\n";
  for (const Stroke& s : canvas.Strokes()) {
    if (!map.Paintable(s)) continue;
    const std::string colour = Colour(s.Colour);
    const std::string pen =
        "stroke=\"" + colour + "\" stroke-width=\"" + std::to_string(s.Width) + "\"";
    switch (s.Shape) {
      case Stroke::Kind::Line:
        svg << "<line x1=\"" << map.X(s.X1) << "\" y1=\"" << map.Y(s.Y1) << "\" x2=\""
            << map.X(s.X2) << "\" y2=\"" << map.Y(s.Y2) << "\" " << pen << "/>\n";
        break;
      case Stroke::Kind::Box:
        svg << "<rect x=\"" << std::fmin(map.X(s.X1), map.X(s.X2)) << "\" y=\""
            << std::fmin(map.Y(s.Y1), map.Y(s.Y2)) << "\" width=\""
            << std::fabs(map.X(s.X2) - map.X(s.X1)) << "\" height=\""
            << std::fabs(map.Y(s.Y2) - map.Y(s.Y1)) << "\" fill=\"" << colour << "\"/>\n";
        break;
      case Stroke::Kind::Circle:
        svg << "<circle cx=\"" << map.X(s.X1) << "\" cy=\"" << map.Y(s.Y1) << "\" r=\""
            << map.Length(s.Radius) << "\" fill=\"none\" " << pen << "/>\n";
        break;
      case Stroke::Kind::Arc: {
        svg << "<polyline fill=\"none\" " << pen << " points=\"";
        for (const auto& [x, y] : map.ArcPixels(s)) svg << x << ',' << y << ' ';
        svg << "\"/>\n";
        break;
      }
      case Stroke::Kind::Text:
        svg << "<text x=\"" << map.X(s.X1) << "\" y=\"" << map.Y(s.Y1)
            << "\" dominant-baseline=\"hanging\""
            << " font-family=\"sans-serif\" font-size=\"" << map.FontPixels() << "\" fill=\""
            << colour << '"' << (s.Italic ? " font-style=\"italic\"" : "")
            << " xml:space=\"preserve\">" << Escaped(s.Text) << "</text>\n";
        break;
    }
  }
  svg << "</svg>\n";
  return svg.str();
}

}  // namespace stavelorn
