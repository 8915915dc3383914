#include "graphics/EnvelopeDrawing.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "graphics/DiagramDrawing.h"
#include "graphics/DrawingData.h"

namespace stavelorn {

namespace {

// The largest value, as a share of the member's length.
constexpr double kLargestValue = 0.35;

}  // namespace

void DrawMovingLoadEnvelope(const MovingLoadEnvelope& envelope, const std::string& caption,
                            Canvas& canvas) {
  const std::vector<EnvelopeStation>& stations = envelope.Stations;
  const double length = stations.empty() ? 1 : std::max(stations.back().X, 1e-9);
  double largest = 0;
  for (const EnvelopeStation& s : stations)
    largest = std::max({largest, std::fabs(s.Worst.Max.Value), std::fabs(s.Worst.Min.Value)});
  const double scale = largest > 0 ? kLargestValue * length / largest : 0;
  std::vector<Point> points{{0, 0}, {length, 0}};
  for (const EnvelopeStation& s : stations) {
    points.push_back({s.X, s.Worst.Max.Value * scale});
    points.push_back({s.X, s.Worst.Min.Value * scale});
  }
  DrawingView view;
  ScaleView(canvas, view, points, 0.15);
  const double mark = view.MarkUnit;
  canvas.Line(0, 0, length, 0, kLightCyan);
  const struct {
    bool max;
    int colour;
  } curves[] = {{true, kYellow}, {false, kLightGreen}};
  for (const auto& curve : curves) {
    const EnvelopeStation* extreme = nullptr;
    auto value = [&curve](const EnvelopeStation& s) {
      return curve.max ? s.Worst.Max.Value : s.Worst.Min.Value;
    };
    for (std::size_t i = 0; i < stations.size(); ++i) {
      const EnvelopeStation& s = stations[i];
      canvas.Line(s.X, 0, s.X, value(s) * scale, kDarkGray);
      if (i > 0)
        canvas.Line(stations[i - 1].X, value(stations[i - 1]) * scale, s.X, value(s) * scale,
                    curve.colour);
      if (!extreme || (curve.max ? value(s) > value(*extreme) : value(s) < value(*extreme)))
        extreme = &s;
    }
    if (!extreme) continue;
    canvas.SetForeColor(curve.colour);
    const double y = value(*extreme) * scale;
    PrintTextAt(canvas, extreme->X, y + (curve.max ? 2.5 * mark : -0.5 * mark),
                (curve.max ? "max " : "min ") + ShortNumber(value(*extreme)));
  }
  canvas.SetForeColor(kBrightWhite);
  const double extent = std::max(view.ViewXMax - view.ViewXMin, view.ViewYMax - view.ViewYMin);
  const double x0 = (view.ViewXMin + view.ViewXMax) / 2 - 0.65 * extent + mark;
  const double y0 = (view.ViewYMin + view.ViewYMax) / 2 + 0.65 * extent - mark;
  PrintTextAt(canvas, x0, y0,
              "Envelope of " + caption + " along member " + std::to_string(envelope.Member));
  PrintTextAt(canvas, x0, y0 - 3 * mark,
              "Greatest (yellow) and least (green) at the ends and tenth points, positive upward");
  canvas.SetForeColor(kLightCyan);
}

}  // namespace stavelorn
