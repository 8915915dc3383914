#include "graphics/StructureLabels.h"

#include <cmath>
#include <optional>

#include "graphics/DrawingData.h"
#include "graphics/MemberLoadFigures.h"

namespace stavelorn {

namespace {

// A label's text position for a point it names: the text's top-left corner so that the text
// sits about centred on the point, `chars` characters of about 0.8 marks each.
void MoveTo(Canvas& canvas, Point p, double mark, int chars) {
  canvas.SetCurrentX(p.X - 0.4 * mark * chars);
  canvas.SetCurrentY(p.Y + 0.8 * mark);
}

// The picture direction of a member's local -y axis, the side its loads leave free. A member
// whose ends can be drawn can be placed unless it has no length, and then it has no side.
std::optional<Point> FreeSide(const ModelStore& model, int member) {
  std::optional<MemberOnPicture> placed = PlaceMember(model, member);
  if (!placed) return std::nullopt;
  return Point{-placed->AxisY.X, -placed->AxisY.Y};
}

// The two ends of a member on the picture, when both can be placed.
std::optional<std::pair<Point, Point>> MemberEnds(const ModelStore& model, int member) {
  std::optional<std::int16_t> begin = Cell(model.MemberProps, model.MemberCount, member, 1);
  std::optional<std::int16_t> end = Cell(model.MemberProps, model.MemberCount, member, 2);
  if (!begin || !end) return std::nullopt;
  std::optional<Point> pb = PicturePosition(model, *begin), pe = PicturePosition(model, *end);
  if (!pb || !pe) return std::nullopt;
  return std::make_pair(*pb, *pe);
}

void PrintRecordLabels(const ModelStore& model, Canvas& canvas, double mark, const char* symbol,
                       Quantity quantity, int count, const Array<std::int16_t>& members,
                       const Array<float>& values) {
  for (int r = 1; r <= count; ++r) {
    std::optional<std::int16_t> member = Cell(members, count, r);
    std::optional<float> value = Cell(values, count, r);
    if (!member || !value || !std::isfinite(*value)) continue;
    std::optional<std::pair<Point, Point>> ends = MemberEnds(model, *member);
    if (!ends) continue;
    const auto& [b, e] = *ends;
    std::optional<Point> side = FreeSide(model, *member);
    if (!side) continue;
    const Point at{b.X + (e.X - b.X) / 3 + 2 * mark * side->X,
                   b.Y + (e.Y - b.Y) / 3 + 2 * mark * side->Y};
    const std::string text = DrawnValueText(symbol, *value, model.Units, quantity);
    DrawnSymbol label(canvas, SymbolClass::LoadValue, 0, *member);
    MoveTo(canvas, at, mark, TextCharacters(text));
    canvas.PrintLabel(text);
  }
}

}  // namespace

void DrawNumbers(const ModelStore& model, Canvas& canvas, const DrawingView& view) {
  const double mark = view.MarkUnit;
  canvas.SetFontItalic(false);
  canvas.SetForeColor(kLightGray);
  for (int j = 1; j <= model.JointCount; ++j) {
    std::optional<Point> p = PicturePosition(model, j);
    if (!p) continue;
    DrawnSymbol number(canvas, SymbolClass::JointNumber, j);
    canvas.SetCurrentX(p->X + mark);
    canvas.SetCurrentY(p->Y + 2.5 * mark);
    canvas.PrintLabel(std::to_string(j));
  }
  canvas.SetForeColor(kBrown);
  for (int m = 1; m <= model.MemberCount; ++m) {
    std::optional<std::pair<Point, Point>> ends = MemberEnds(model, m);
    if (!ends) continue;
    const auto& [b, e] = *ends;
    std::optional<Point> side = FreeSide(model, m);
    if (!side) continue;
    const std::string text = std::to_string(m);
    DrawnSymbol number(canvas, SymbolClass::MemberNumber, 0, m);
    MoveTo(canvas, {(b.X + e.X) / 2 + 2 * mark * side->X, (b.Y + e.Y) / 2 + 2 * mark * side->Y},
           mark, TextCharacters(text));
    canvas.PrintLabel(text);
  }
  canvas.SetForeColor(kLightCyan);
}

void DrawMemberRecordLabels(const ModelStore& model, Canvas& canvas, const DrawingView& view) {
  canvas.SetFontItalic(false);
  canvas.SetForeColor(kYellow);
  PrintRecordLabels(model, canvas, view.MarkUnit, "\xCE\x94T", Quantity::TemperatureChange,
                    model.TempChangeCount, model.TempChangeMembers, model.TempChangeValues);
  PrintRecordLabels(model, canvas, view.MarkUnit, "e", Quantity::Length, model.FabErrorCount,
                    model.FabErrorMembers, model.FabErrorValues);
  canvas.SetForeColor(kLightCyan);
}

void DrawStartHint(Canvas& canvas, const std::string& examplesFolder) {
  canvas.Cls();
  canvas.Scale(0, 100, 100, 0);
  canvas.SetFontItalic(false);
  canvas.SetForeColor(kLightGray);
  canvas.SetCurrentX(4);
  canvas.SetCurrentY(56);
  canvas.PrintText("Project > New Project... starts a structure; Project > Open opens one.");
  canvas.SetCurrentX(4);
  canvas.SetCurrentY(50);
  canvas.PrintText(examplesFolder.empty() ? "Examples come with the program."
                                          : "Examples: " + examplesFolder);
  canvas.SetForeColor(kLightCyan);
}

}  // namespace stavelorn
