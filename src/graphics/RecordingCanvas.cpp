#include "graphics/RecordingCanvas.h"

#include <algorithm>
#include <cmath>

#include "graphics/DrawingData.h"
#include "model/NumberText.h"

namespace stavelorn {

Rgb PaletteRgb(int colour, Background background) {
  // On paper the light colours of the screen would fade into the white: each gets a darker shade
  // of its own hue, and the screen's white (diagram outlines, legends) prints black.
  if (background == Background::White) {
    switch (colour) {
      case kLightBlue: return {0, 0, 200};
      case kLightGreen: return {0, 140, 0};
      case kLightCyan: return {0, 100, 140};
      case kLightRed: return {210, 0, 0};
      case kLightMagenta: return {170, 0, 170};
      case kYellow: return {150, 110, 0};
      case kDarkGray: return {190, 190, 190};
      default: return {0, 0, 0};
    }
  }
  switch (colour) {
    case kBrown: return {230, 150, 60};
    case kLightGray: return {192, 192, 192};
    case kLightBlue: return {85, 85, 255};
    case kLightGreen: return {0, 255, 0};
    case kLightCyan: return {0, 255, 255};
    case kLightRed: return {255, 0, 0};
    case kLightMagenta: return {255, 0, 255};
    case kYellow: return {255, 255, 0};
    case kDarkGray: return {128, 128, 128};
    case kBrightWhite: return {255, 255, 255};
    default: return {255, 255, 255};
  }
}

const char* SymbolClassName(SymbolClass symbol) {
  switch (symbol) {
    case SymbolClass::None: return "";
    case SymbolClass::Joint: return "joint";
    case SymbolClass::Member: return "member";
    case SymbolClass::Support: return "support";
    case SymbolClass::Hinge: return "hinge";
    case SymbolClass::JointNumber: return "joint-number";
    case SymbolClass::MemberNumber: return "member-number";
    case SymbolClass::Load: return "load";
    case SymbolClass::LoadValue: return "load-value";
    case SymbolClass::Deformed: return "deformed";
    case SymbolClass::Diagram: return "diagram";
  }
  return "";
}

void RecordingCanvas::Cls() {
  strokes_.clear();
  labels_.Clear(TextHeight());
  currentX_ = currentY_ = 0;
  joint_ = member_ = 0;
  BeginSymbol(SymbolClass::None);
  Changed();
}

void RecordingCanvas::BeginSymbol(SymbolClass symbol, int joint, int member) {
  symbol_ = symbol;
  symbolJoint_ = symbol == SymbolClass::None ? 0 : joint;
  symbolMember_ = symbol == SymbolClass::None ? 0 : member;
  // Every symbol gets its own serial, so two loads on one member stay two symbols.
  symbolSerial_ = symbol == SymbolClass::None ? 0 : ++symbolsBegun_;
}

void RecordingCanvas::Scale(double left, double top, double right, double bottom) {
  scale_ = {left, top, right, bottom};
  labels_.Clear(TextHeight());
  // A fifth of a line inside the edges, so that no text is cut off or touches the frame.
  const double margin = 0.2 * TextHeight();
  labels_.KeepWithin({std::min(left, right) + margin, std::min(top, bottom) + margin,
                      std::max(left, right) - margin, std::max(top, bottom) - margin});
  Changed();
}

void RecordingCanvas::Line(double x1, double y1, double x2, double y2, int colour) {
  Stroke stroke;
  stroke.X1 = x1, stroke.Y1 = y1, stroke.X2 = x2, stroke.Y2 = y2, stroke.Colour = colour;
  Add(stroke);
}

void RecordingCanvas::FilledBox(double x1, double y1, double x2, double y2) {
  Stroke stroke;
  stroke.Shape = Stroke::Kind::Box;
  stroke.X1 = x1, stroke.Y1 = y1, stroke.X2 = x2, stroke.Y2 = y2, stroke.Colour = foreColor_;
  Add(stroke);
}

void RecordingCanvas::Circle(double x, double y, double radius, int colour) {
  Stroke stroke;
  stroke.Shape = Stroke::Kind::Circle;
  stroke.X1 = x, stroke.Y1 = y, stroke.Radius = radius, stroke.Colour = colour;
  Add(stroke);
}

void RecordingCanvas::Arc(double x, double y, double radius, int colour, double start, double end) {
  Stroke stroke;
  stroke.Shape = Stroke::Kind::Arc;
  stroke.X1 = x, stroke.Y1 = y, stroke.Radius = radius, stroke.Colour = colour;
  stroke.Start = start, stroke.End = end;
  Add(stroke);
}

void RecordingCanvas::PrintNumber(double value) {
  // A number that cannot be written has no text to show; the rest of the picture goes on.
  if (!std::isfinite(value)) return;
  const std::string digits = FormatShortest(static_cast<float>(value));
  Stroke stroke;
  stroke.Shape = Stroke::Kind::Text;
  stroke.X1 = currentX_, stroke.Y1 = currentY_, stroke.Colour = foreColor_, stroke.Italic = italic_;
  stroke.Text = digits[0] == '-' ? digits : " " + digits;
  Add(stroke);
}

void RecordingCanvas::PrintText(const std::string& text) {
  Stroke stroke;
  stroke.Shape = Stroke::Kind::Text;
  stroke.X1 = currentX_, stroke.Y1 = currentY_, stroke.Colour = foreColor_, stroke.Italic = italic_;
  stroke.Text = text;
  Add(stroke);
}

void RecordingCanvas::PrintLabel(const std::string& text) {
  const LabelPlacer::Corner corner =
      labels_.Place(currentX_, currentY_, TextWidth(text), TextHeight());
  currentX_ = corner.X, currentY_ = corner.Y;
  Stroke stroke;
  stroke.Shape = Stroke::Kind::Text;
  stroke.X1 = currentX_, stroke.Y1 = currentY_, stroke.Colour = foreColor_, stroke.Italic = italic_;
  stroke.Text = text;
  Add(stroke, false);
}

double RecordingCanvas::TextHeight() const {
  // A line of text is about 1.2 font sizes high.
  return 1.2 * TextPixels(pictureWidth_) / pictureWidth_ * std::fabs(scale_.Right - scale_.Left);
}

double RecordingCanvas::TextWidth(const std::string& text) const {
  // Digits and most letters of the picture's font are about 0.6 of its size wide.
  return 0.6 / 1.2 * TextHeight() * TextCharacters(text);
}

void RecordingCanvas::KeepClearOf(const Stroke& s) {
  // Labels keep clear of texts, joint markers, circles (hinges, rollers), arcs and the short
  // strokes of arrow heads and symbols. Long lines of members and loads (arrow shafts) are
  // crossed only where no spot near the label's own is free of them, or a label beside a member
  // would never find room; other long lines (the deformed shape) may be. A diagram's own
  // outline and filling may be covered too: its labels stand at the outline's tips.
  const double shortest = std::fabs(scale_.Right - scale_.Left) / 37.5;  // 2 symbol units
  if (s.Symbol == SymbolClass::Diagram && s.Shape != Stroke::Kind::Text) return;
  switch (s.Shape) {
    case Stroke::Kind::Text: {
      const double height = TextHeight();
      labels_.Avoid({s.X1, s.Y1 - height, s.X1 + TextWidth(s.Text), s.Y1}, LabelPlacer::Kept::Text);
      break;
    }
    case Stroke::Kind::Box:
      labels_.Avoid(
          {std::min(s.X1, s.X2), std::min(s.Y1, s.Y2), std::max(s.X1, s.X2), std::max(s.Y1, s.Y2)});
      break;
    case Stroke::Kind::Circle:
    case Stroke::Kind::Arc:
      labels_.Avoid({s.X1 - s.Radius, s.Y1 - s.Radius, s.X1 + s.Radius, s.Y1 + s.Radius});
      break;
    case Stroke::Kind::Line:
      if (std::hypot(s.X2 - s.X1, s.Y2 - s.Y1) <= shortest)
        labels_.Avoid({std::min(s.X1, s.X2), std::min(s.Y1, s.Y2), std::max(s.X1, s.X2),
                       std::max(s.Y1, s.Y2)});
      else if (s.Symbol == SymbolClass::Member || s.Symbol == SymbolClass::Load)
        labels_.AvoidLine(s.X1, s.Y1, s.X2, s.Y2);
      break;
  }
}

void RecordingCanvas::Add(Stroke stroke, bool keepClear) {
  stroke.Width = drawWidth_;
  stroke.Joint = joint_;
  stroke.Member = member_;
  stroke.Symbol = symbol_;
  stroke.SymbolJoint = symbolJoint_;
  stroke.SymbolMember = symbolMember_;
  stroke.SymbolSerial = symbolSerial_;
  if (keepClear) KeepClearOf(stroke);
  strokes_.push_back(std::move(stroke));
  Changed();
}

PictureMapping::PictureMapping(const UserScale& scale, double width, double height)
    : scale_(scale),
      width_(width),
      sx_(width / (scale.Right - scale.Left)),
      sy_(height / (scale.Bottom - scale.Top)) {}

bool PictureMapping::Paintable(const Stroke& stroke) const {
  for (double pixel : {X(stroke.X1), Y(stroke.Y1), X(stroke.X2), Y(stroke.Y2),
                       Length(stroke.Radius), stroke.Start, stroke.End})
    if (!std::isfinite(pixel)) return false;
  return true;
}

double PictureMapping::FontPixels() const {
  return TextPixels(width_);
}

double TextPixels(double width) {
  return std::max(10.0, width / 55);
}

std::vector<std::pair<double, double>> PictureMapping::ArcPixels(const Stroke& arc) const {
  // One point every few degrees, and never more than a full turn's worth. The radius is measured
  // horizontally, as for circles; counter-clockwise is taken in user coordinates, so it turns
  // the other way on the screen when the user's y axis points down.
  const double pi = 3.14159265358979323846;
  const double sweep = std::min(std::fabs(arc.End - arc.Start), 2 * pi);
  const int steps = std::max(2, static_cast<int>(std::ceil(sweep / (pi / 48))));
  const double step = (arc.End >= arc.Start ? sweep : -sweep) / steps;
  const double radius = Length(arc.Radius);
  const double up = sy_ < 0 ? -1 : 1;
  std::vector<std::pair<double, double>> points;
  for (int k = 0; k <= steps; ++k) {
    const double angle = arc.Start + k * step;
    points.emplace_back(X(arc.X1) + radius * std::cos(angle),
                        Y(arc.Y1) + up * radius * std::sin(angle));
  }
  return points;
}

}  // namespace stavelorn
