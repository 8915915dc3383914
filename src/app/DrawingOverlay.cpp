#include "app/DrawingOverlay.h"

#include <algorithm>
#include <cmath>

#include "graphics/DeflectedShape.h"

namespace stavelorn {

namespace {

// Beyond this many grid points only every second, fourth... one is drawn.
constexpr double kMostGridPoints = 2500;

}  // namespace

void DrawStructureBeingDrawn(Canvas& canvas, const ModelStore& model, DrawingMode& mode,
                             const StructureResults& shown, DrawingView& view, Messages& messages) {
  if (mode.Dragging()) view.Numbers = false;
  const bool live = mode.Palette.Live;
  // A change from elsewhere (Undo, a list window) is analysed too; a drag analyses as it moves.
  if (live && !mode.Dragging()) mode.Reanalyse();
  const StructureResults& results = live ? mode.LiveResults() : shown;
  if (live) view.Multiplier = AutomaticDeflectionMultiplier(model, results, view.Multiplier);
  if (model.Kind() == StructKind::Grid)
    Plot2D(model, results, canvas, FormId::JointA, messages, view);
  else
    PlotStructure(model, results, canvas, FormId::mcas, messages, view);
}

UserScale DrawingSheet(const ModelStore& model, const DrawingMode& mode) {
  const double cell = mode.Palette.Spacing > 0 ? mode.Palette.Spacing : 1;
  double left = 0, right = 10 * cell, bottom = 0, top = 6 * cell;
  const auto take = [&](Point p) {
    left = std::min(left, p.X), right = std::max(right, p.X);
    bottom = std::min(bottom, p.Y), top = std::max(top, p.Y);
  };
  for (int j = 1; j <= model.JointCount; ++j)
    if (std::optional<Point> p = PlanePosition(model, j)) take(*p);
  for (const Point& p : mode.WaitingJoints()) take(p);
  // Square, as the picture is, so that the grid's cells are square on the screen.
  const double side = std::max(right - left, top - bottom) + 4 * cell;
  const double x = (left + right) / 2, y = (bottom + top) / 2;
  return {x - side / 2, y + side / 2, x + side / 2, y - side / 2};
}

void DrawDrawingMarks(Canvas& canvas, const UserScale& sheet, const ModelStore& model,
                      const DrawingMode& mode) {
  canvas.SetPickTag(0, 0);
  const double spacing = mode.Palette.Spacing;
  const double unit = (sheet.Right - sheet.Left) / 100;
  if (spacing > 0) {
    double step = spacing;
    const auto count = [&] {
      return ((sheet.Right - sheet.Left) / step + 1) * ((sheet.Top - sheet.Bottom) / step + 1);
    };
    while (count() > kMostGridPoints) step *= 2;
    const double dot = unit * 0.15;
    for (double x = std::ceil(sheet.Left / step) * step; x <= sheet.Right; x += step)
      for (double y = std::ceil(sheet.Bottom / step) * step; y <= sheet.Top; y += step) {
        canvas.Line(x - dot, y, x + dot, y, kDarkGray);
        canvas.Line(x, y - dot, x, y + dot, kDarkGray);
      }
  }
  canvas.Scale(sheet.Left, sheet.Top, sheet.Right, sheet.Bottom);
  for (const Point& p : mode.WaitingJoints()) {
    canvas.SetForeColor(kLightCyan);
    canvas.FilledBox(p.X - unit / 2, p.Y - unit / 2, p.X + unit / 2, p.Y + unit / 2);
  }
  if (std::optional<std::pair<Point, Point>> line = mode.MemberBeingDrawn())
    canvas.Line(line->first.X, line->first.Y, line->second.X, line->second.Y, kYellow);
  const PickedItem chosen = mode.Selection();
  canvas.SetDrawWidth(3);
  if (chosen.What == PickedItem::Kind::Joint) {
    if (std::optional<Point> p = PlanePosition(model, chosen.Number))
      canvas.Circle(p->X, p->Y, unit * 1.2, kBrightWhite);
  } else if (chosen.What == PickedItem::Kind::Member) {
    const std::optional<Point> a = PlanePosition(model, model.MemberProps(chosen.Number, 1));
    const std::optional<Point> b = PlanePosition(model, model.MemberProps(chosen.Number, 2));
    if (a && b) canvas.Line(a->X, a->Y, b->X, b->Y, kBrightWhite);
  }
  canvas.SetDrawWidth(1);
}

}  // namespace stavelorn
