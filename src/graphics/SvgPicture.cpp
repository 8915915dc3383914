#include "graphics/SvgPicture.h"

#include <cmath>
#include <cstdio>
#include <sstream>

#include "model/Version.h"

namespace stavelorn {

namespace {

std::string Colour(int colour, Background background) {
  const Rgb rgb = PaletteRgb(colour, background);
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

// The opening tag of a symbol's group.
std::string GroupTag(const Stroke& s) {
  std::string tag = "<g class=\"" + std::string(SymbolClassName(s.Symbol)) + "\"";
  if (s.SymbolJoint != 0) tag += " data-joint=\"" + std::to_string(s.SymbolJoint) + "\"";
  if (s.SymbolMember != 0) tag += " data-member=\"" + std::to_string(s.SymbolMember) + "\"";
  return tag + ">\n";
}

void WriteStrokes(std::ostream& svg, const RecordingCanvas& canvas, const PictureMapping& map,
                  Background background) {
  // A symbol's strokes are drawn one after another, so a change of serial closes one group and
  // opens the next.
  int openGroup = 0;
  for (const Stroke& s : canvas.Strokes()) {
    if (!map.Paintable(s)) continue;
    if (s.SymbolSerial != openGroup) {
      if (openGroup != 0) svg << "</g>\n";
      if (s.SymbolSerial != 0) svg << GroupTag(s);
      openGroup = s.SymbolSerial;
    }
    const std::string colour = Colour(s.Colour, background);
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
  if (openGroup != 0) svg << "</g>\n";
}

// What marks a picture as this program's, the program's version after it.
std::string MetadataStart() {
  return std::string("<metadata>") + kProgramName + " ";
}

// The caption's lines below the drawings: a line's height and the margins around them.
constexpr int kCaptionLinePixels = 24;
constexpr int kCaptionMarginPixels = 12;
constexpr int kCaptionFontPixels = 16;

std::vector<std::string> CaptionLines(const SvgCaption& caption) {
  std::vector<std::string> lines;
  if (!caption.Title.empty()) lines.push_back(caption.Title);
  lines.insert(lines.end(), caption.Lines.begin(), caption.Lines.end());
  return lines;
}

int CaptionHeight(const SvgCaption& caption) {
  const std::size_t lines = CaptionLines(caption).size();
  return lines == 0 ? 0 : 2 * kCaptionMarginPixels + kCaptionLinePixels * int(lines);
}

void WriteCaption(std::ostream& svg, const SvgCaption& caption, int top, Background background) {
  const std::vector<std::string> lines = CaptionLines(caption);
  if (lines.empty()) return;
  svg << "<g class=\"caption\">\n";
  for (std::size_t i = 0; i < lines.size(); ++i)
    svg << "<text x=\"" << kCaptionMarginPixels << "\" y=\""
        << top + kCaptionMarginPixels + kCaptionLinePixels * int(i)
        << "\" dominant-baseline=\"hanging\" font-family=\"sans-serif\" font-size=\""
        << kCaptionFontPixels << "\" fill=\""
        << (background == Background::White ? "#000000" : "#ffffff") << "\" xml:space=\"preserve\">"
        << Escaped(lines[i]) << "</text>\n";
  svg << "</g>\n";
}

void WriteHeader(std::ostream& svg, int width, int height, Background background,
                 const std::string& title = "") {
  svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << width << "\" height=\"" << height
      << "\" viewBox=\"0 0 " << width << ' ' << height << "\">\n";
  if (!title.empty()) svg << "<title>" << Escaped(title) << "</title>\n";
  svg << MetadataStart() << ProgramVersion() << "</metadata>\n"
      << "<rect width=\"100%\" height=\"100%\" fill=\""
      << (background == Background::White ? "#ffffff" : "#000000") << "\"/>\n";
}

}  // namespace

std::string SvgPicture(const RecordingCanvas& canvas, int width, int height,
                       Background background) {
  return SvgPicture(canvas, canvas.ScaleRect(), width, height, background);
}

std::string SvgPicture(const RecordingCanvas& canvas, const UserScale& visible, int width,
                       int height, Background background) {
  std::ostringstream svg;
  svg.precision(6);
  WriteHeader(svg, width, height, background);
  WriteStrokes(svg, canvas, PictureMapping(visible, width, height), background);
  svg << "</svg>\n";
  return svg.str();
}

std::string SvgPictureColumn(const std::vector<const RecordingCanvas*>& pictures, int width,
                             const SvgCaption& caption, Background background) {
  std::vector<int> heights;
  int total = 0;
  for (const RecordingCanvas* picture : pictures) {
    const UserScale& scale = picture->ScaleRect();
    const double aspect = std::fabs((scale.Top - scale.Bottom) / (scale.Right - scale.Left));
    heights.push_back(std::isfinite(aspect) && aspect > 0 ? int(std::lround(width * aspect))
                                                          : width);
    total += heights.back();
  }
  std::ostringstream svg;
  svg.precision(6);
  WriteHeader(svg, width, total + CaptionHeight(caption), background, caption.Title);
  int top = 0;
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    svg << "<g transform=\"translate(0," << top << ")\">\n";
    WriteStrokes(svg, *pictures[i], PictureMapping(pictures[i]->ScaleRect(), width, heights[i]),
                 background);
    svg << "</g>\n";
    top += heights[i];
  }
  WriteCaption(svg, caption, top, background);
  svg << "</svg>\n";
  return svg.str();
}

bool IsPictureOfThisProgram(const std::string& text) {
  return text.rfind("<?xml", 0) == 0 && text.find(MetadataStart()) != std::string::npos;
}

}  // namespace stavelorn
