#include "graphics/SpringSymbols.h"

#include <cmath>

namespace stavelorn {

namespace {

constexpr double kPi = 3.14159265358979323846;

// A base across direction (ax, ay) at (x, y): a line 3u long and three hatch strokes beyond it.
void DrawBase(Canvas& canvas, double x, double y, double u, double ax, double ay, int colour) {
  const double px = -ay, py = ax;  // along the base
  canvas.Line(x - 1.5 * u * px, y - 1.5 * u * py, x + 1.5 * u * px, y + 1.5 * u * py, colour);
  for (int i = -1; i <= 1; ++i) {
    const double bx = x + i * u * px, by = y + i * u * py;
    canvas.Line(bx, by, bx + 0.6 * u * (ax - px), by + 0.6 * u * (ay - py), colour);
  }
}

}  // namespace

void DrawZigZagSpring(Canvas& canvas, double x, double y, double u, double direction, int colour) {
  const double ax = std::cos(direction), ay = std::sin(direction);
  const double px = -ay, py = ax;
  constexpr int kTeeth = 6;
  const double lead = 0.6 * u, pitch = 0.6 * u, width = 0.6 * u;
  double lastX = x + lead * ax, lastY = y + lead * ay;
  canvas.Line(x, y, lastX, lastY, colour);
  for (int i = 1; i <= kTeeth; ++i) {
    const double along = lead + (i - 0.5) * pitch;
    const double side = i % 2 == 1 ? width : -width;
    const double nx = x + along * ax + side * px, ny = y + along * ay + side * py;
    canvas.Line(lastX, lastY, nx, ny, colour);
    lastX = nx, lastY = ny;
  }
  const double end = lead + kTeeth * pitch;
  const double ex = x + end * ax, ey = y + end * ay;
  canvas.Line(lastX, lastY, ex, ey, colour);
  canvas.Line(ex, ey, ex + lead * ax, ey + lead * ay, colour);
  DrawBase(canvas, ex + lead * ax, ey + lead * ay, u, ax, ay, colour);
}

void DrawSpiralSpring(Canvas& canvas, double x, double y, double u, int colour) {
  constexpr int kSteps = 28;
  const double turns = 1.75;
  double lastX = x, lastY = y;
  for (int i = 1; i <= kSteps; ++i) {
    const double t = static_cast<double>(i) / kSteps;
    const double angle = 2 * kPi * turns * t, radius = 1.8 * u * t;
    const double nx = x + radius * std::cos(angle), ny = y + radius * std::sin(angle);
    canvas.Line(lastX, lastY, nx, ny, colour);
    lastX = nx, lastY = ny;
  }
  // The spiral's outer end is held by the ground below it.
  canvas.Line(lastX, lastY, lastX, y - 2.4 * u, colour);
  DrawBase(canvas, lastX, y - 2.4 * u, u, 0, -1, colour);
}

void DrawTurnedRoller(Canvas& canvas, double x, double y, double u, double normal, int colour) {
  const double ax = -std::cos(normal), ay = -std::sin(normal);  // from the joint to the surface
  canvas.Circle(x + 0.8 * u * ax, y + 0.8 * u * ay, 0.8 * u, colour);
  DrawBase(canvas, x + 1.6 * u * ax, y + 1.6 * u * ay, u, ax, ay, colour);
}

void DrawDoubleArrowHead(Canvas& canvas, double x, double y, double u, double direction,
                         int colour) {
  const double ax = std::cos(direction), ay = std::sin(direction);
  for (const double tip : {0.9 * u, 0.5 * u}) {
    const double tx = x + tip * ax, ty = y + tip * ay;
    for (const double side : {-1.0, 1.0})
      canvas.Line(tx, ty, tx - 0.4 * u * ax - side * 0.25 * u * ay,
                  ty - 0.4 * u * ay + side * 0.25 * u * ax, colour);
  }
}

void DrawRotationAxis(Canvas& canvas, double x, double y, double u, double direction, int colour) {
  const double length = 2.4 * u;
  canvas.Line(x, y, x + length * std::cos(direction), y + length * std::sin(direction), colour);
  DrawDoubleArrowHead(canvas, x + (length - 0.9 * u) * std::cos(direction),
                      y + (length - 0.9 * u) * std::sin(direction), u, direction, colour);
}

}  // namespace stavelorn
