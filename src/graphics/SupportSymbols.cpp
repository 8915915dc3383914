#include "graphics/SupportSymbols.h"

#include <cmath>

#include "graphics/DrawingData.h"

namespace stavelorn {

void DrawXRoller(Canvas& canvas, double x, double y, double u, bool right, int colour) {
  const double s = right ? 1 : -1;
  canvas.Circle(x + s * u, y, u, colour);
  canvas.Line(x + 2 * s * u, y - 2 * u, x + 2 * s * u, y + 2 * u, colour);
  for (int k = 0; k <= 4; ++k)
    canvas.Line(x + 2 * s * u, y + 2 * u - k * u, x + 3 * s * u, y + 3 * u - k * u, colour);
}

void DrawYRoller(Canvas& canvas, double x, double y, double u, bool above, int colour) {
  const double s = above ? 1 : -1;
  canvas.Circle(x, y + s * u, u, colour);
  canvas.Line(x - 2 * u, y + 2 * s * u, x + 2 * u, y + 2 * s * u, colour);
  for (int k = 0; k <= 4; ++k) {
    if (above)
      canvas.Line(x + 2 * u - k * u, y + 2 * u, x + 3 * u - k * u, y + 3 * u, colour);
    else
      canvas.Line(x + 2 * u - k * u, y - 2 * u, x + u - k * u, y - 3 * u, colour);
  }
}

void DrawHinged(Canvas& canvas, double x, double y, double u, SymbolSide side, int colour) {
  // The vertical variants are the horizontal ones turned a quarter: along the wall runs `a`,
  // away from the joint runs `b`.
  const bool vertical = side == SymbolSide::Left || side == SymbolSide::Right;
  const double away = (side == SymbolSide::Below || side == SymbolSide::Left) ? -1 : 1;
  auto at = [&](double a, double b) {
    return vertical ? Point{x + away * b, y + a} : Point{x + a, y + away * b};
  };
  auto line = [&](Point p, Point q) { canvas.Line(p.X, p.Y, q.X, q.Y, colour); };
  line({x, y}, at(-2 * u, 2 * u));
  line({x, y}, at(2 * u, 2 * u));
  line(at(-3 * u, 2 * u), at(3 * u, 2 * u));
  for (int k = 0; k <= 3; ++k) line(at(3 * u - 2 * k * u, 2 * u), at(u - 2 * k * u, 3.5 * u));
}

void DrawFixedWall(Canvas& canvas, double x, double y, double u, double theta, int colour) {
  const double ax = x + 3 * u * std::sin(theta), ay = y - 3 * u * std::cos(theta);
  const double bx = x - 3 * u * std::sin(theta), by = y + 3 * u * std::cos(theta);
  canvas.Line(ax, ay, bx, by, colour);
  const double hatch = theta + 0.8 * 3.14159265358979323846;
  for (int k = 0; k <= 4; ++k) {
    const double px = ax + k * (bx - ax) / 4, py = ay + k * (by - ay) / 4;
    canvas.Line(px, py, px - 2.5 * u * std::sin(hatch), py + 2.5 * u * std::cos(hatch), colour);
  }
}

void DrawFixedSquare(Canvas& canvas, double x, double y, double u, SymbolSide side, int colour) {
  const double away = (side == SymbolSide::Below || side == SymbolSide::Left) ? -1 : 1;
  if (side == SymbolSide::Below || side == SymbolSide::Above) {
    canvas.Line(x - 3 * u, y, x + 3 * u, y, colour);
    for (int k = 0; k <= 3; ++k)
      canvas.Line(x + 3 * u - 2 * k * u, y, x + u - 2 * k * u, y + away * 1.5 * u, colour);
  } else {
    canvas.Line(x, y - 3 * u, x, y + 3 * u, colour);
    for (int k = 0; k <= 3; ++k)
      canvas.Line(x, y + 3 * u - 2 * k * u, x + away * 1.5 * u, y + u - 2 * k * u, colour);
  }
}

SymbolSide HingedSide(const DrawingView& view, double x, double y) {
  if (OnExtent(y, view.ViewYMin)) return SymbolSide::Below;
  if (OnExtent(x, view.ViewXMin)) return SymbolSide::Left;
  if (OnExtent(x, view.ViewXMax)) return SymbolSide::Right;
  if (OnExtent(y, view.ViewYMax)) return SymbolSide::Above;
  return SymbolSide::Below;
}

SymbolSide FixedSquareSide(const DrawingView& view, double x, double y, bool flat) {
  if (OnExtent(y, view.ViewYMin) && !flat) return SymbolSide::Below;
  if (OnExtent(x, view.ViewXMin)) return SymbolSide::Left;
  if (OnExtent(x, view.ViewXMax)) return SymbolSide::Right;
  if (OnExtent(y, view.ViewYMax) && !flat) return SymbolSide::Above;
  return flat ? SymbolSide::Below : SymbolSide::Left;
}

}  // namespace stavelorn
