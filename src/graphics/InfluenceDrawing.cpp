#include "graphics/InfluenceDrawing.h"

#include <algorithm>
#include <cmath>

#include "graphics/DiagramDrawing.h"
#include "graphics/DrawingData.h"

namespace stavelorn {

namespace {

// The largest ordinate, as a share of the structure's larger side.
constexpr double kLargestOrdinate = 0.2;
// Cross lines of the filling per path member.
constexpr int kFillLines = 24;

struct Segment {
  Point Begin, End;
};

std::optional<Segment> DrawnMember(const ModelStore& model, int member) {
  if (member < 1 || member > model.MemberCount) return std::nullopt;
  const std::optional<Point> b = DrawnJoint(model, model.MemberProps(member, 1));
  const std::optional<Point> e = DrawnJoint(model, model.MemberProps(member, 2));
  if (!b || !e) return std::nullopt;
  return Segment{*b, *e};
}

Point Along(const Segment& s, double fraction, double lift) {
  return {s.Begin.X + fraction * (s.End.X - s.Begin.X),
          s.Begin.Y + fraction * (s.End.Y - s.Begin.Y) + lift};
}

// A point of the line: the load's position seen from below the structure, on the axis at height
// `axis`, raised by the ordinate.
Point Flat(const Segment& s, double fraction, double axis, double ordinate) {
  return {s.Begin.X + fraction * (s.End.X - s.Begin.X), axis + ordinate};
}

void DrawArrowDown(Canvas& canvas, const Point& tip, double size, const std::string& label) {
  canvas.Line(tip.X, tip.Y + 3 * size, tip.X, tip.Y, kBrightWhite);
  canvas.Line(tip.X - size / 2, tip.Y + size, tip.X, tip.Y, kBrightWhite);
  canvas.Line(tip.X + size / 2, tip.Y + size, tip.X, tip.Y, kBrightWhite);
  PrintTextAt(canvas, tip.X + size / 2, tip.Y + 4 * size, label);
}

// The train's loads where they stand on the path (those beyond its ends are not drawn).
void DrawTrain(const ModelStore& model, const InfluenceLine& line, const ShownTrain& shown,
               double size, Canvas& canvas) {
  if (!shown.Placement.Standing) return;
  for (const TrainLoad& load : shown.Train.Loads) {
    const double at =
        shown.Placement.Position + (shown.Placement.Reversed ? -load.Offset : load.Offset);
    const std::optional<PathPlace> place = PlaceAlongPath(line, at);
    if (!place) continue;
    const std::optional<Segment> s = DrawnMember(model, place->Member);
    const auto span =
        std::find_if(line.Path.begin(), line.Path.end(),
                     [&](const InfluenceSpan& sp) { return sp.Member == place->Member; });
    if (s && span->Length > 0)
      DrawArrowDown(canvas, Along(*s, place->X / span->Length, 0), size, ShortNumber(load.Load));
  }
}

}  // namespace

void DrawInfluenceLine(const ModelStore& model, const InfluenceLine& line, Canvas& canvas,
                       const ShownTrain* train) {
  std::vector<Point> joints;
  double low = 0, high = 0, left = 0, right = 0;
  for (int j = 1; j <= model.JointCount; ++j)
    if (std::optional<Point> p = DrawnJoint(model, j)) {
      if (joints.empty()) low = high = p->Y, left = right = p->X;
      joints.push_back(*p);
      low = std::min(low, p->Y), high = std::max(high, p->Y);
      left = std::min(left, p->X), right = std::max(right, p->X);
    }
  const double size = std::max({right - left, high - low, 1e-9});
  const double largest =
      std::max(std::fabs(line.Max.Station.Value), std::fabs(line.Min.Station.Value));
  const double scale = largest > 0 ? kLargestOrdinate * size / largest : 0;
  // The line's axis lies below the structure by its largest positive ordinate and a margin.
  const double axis = low - std::max(line.Max.Station.Value, 0.0) * scale - 0.15 * size;

  std::vector<Point> points = joints;
  for (const InfluenceSpan& span : line.Path)
    if (const std::optional<Segment> s = DrawnMember(model, span.Member))
      for (const InfluenceStation& st : span.Stations)
        points.push_back(Flat(*s, st.X / span.Length, axis, st.Value * scale));
  DrawingView view;
  ScaleView(canvas, view, points, 0.15);
  const double mark = view.MarkUnit;

  // The structure, the path in yellow.
  for (int m = 1; m <= model.MemberCount; ++m) {
    const std::optional<Segment> s = DrawnMember(model, m);
    if (!s) continue;
    const bool onPath = std::any_of(line.Path.begin(), line.Path.end(),
                                    [m](const InfluenceSpan& span) { return span.Member == m; });
    canvas.SetPickTag(0, m);
    canvas.Line(s->Begin.X, s->Begin.Y, s->End.X, s->End.Y, onPath ? kYellow : kLightCyan);
  }
  for (int j = 1; j <= model.JointCount; ++j)
    if (std::optional<Point> p = DrawnJoint(model, j)) {
      canvas.SetPickTag(j, 0);
      canvas.Circle(p->X, p->Y, mark / 2, kLightCyan);
    }
  canvas.SetPickTag(0, 0);

  // The line: its axis, light cross lines, the outline through the stations.
  for (const InfluenceSpan& span : line.Path) {
    const std::optional<Segment> s = DrawnMember(model, span.Member);
    if (!s || span.Stations.empty() || !(span.Length > 0)) continue;
    const Point a = Flat(*s, 0, axis, 0), b = Flat(*s, 1, axis, 0);
    canvas.Line(a.X, a.Y, b.X, b.Y, kLightCyan);
    auto at = [&](const InfluenceStation& st) {
      return Flat(*s, st.X / span.Length, axis, st.Value * scale);
    };
    for (int k = 0; k <= kFillLines; ++k) {
      const double x = span.Length * k / kFillLines;
      auto next = std::find_if(span.Stations.begin(), span.Stations.end(),
                               [x](const InfluenceStation& st) { return st.X >= x; });
      if (next == span.Stations.end()) continue;
      double value = next->Value;
      if (next != span.Stations.begin() && next->X > x) {
        const InfluenceStation& prev = *(next - 1);
        value = prev.Value + (next->Value - prev.Value) * (x - prev.X) / (next->X - prev.X);
      }
      const Point base = Flat(*s, x / span.Length, axis, 0);
      const Point tip = Flat(*s, x / span.Length, axis, value * scale);
      canvas.Line(base.X, base.Y, tip.X, tip.Y, kDarkGray);
    }
    for (std::size_t i = 1; i < span.Stations.size(); ++i) {
      const Point p = at(span.Stations[i - 1]), q = at(span.Stations[i]);
      canvas.Line(p.X, p.Y, q.X, q.Y, kBrightWhite);
    }
    const Point first = at(span.Stations.front()), last = at(span.Stations.back());
    canvas.Line(a.X, a.Y, first.X, first.Y, kBrightWhite);
    canvas.Line(b.X, b.Y, last.X, last.Y, kBrightWhite);
  }

  // The extremes' labels, and the unit load on the structure at the larger of them.
  canvas.SetForeColor(kBrightWhite);
  const InfluencePoint* loadAt = nullptr;
  for (const auto& [point, word] : {std::pair{&line.Max, "max "}, std::pair{&line.Min, "min "}}) {
    const std::optional<Segment> s = DrawnMember(model, point->Member);
    // A structured binding cannot be captured in C++17; the member number can.
    const int member = point->Member;
    auto span = std::find_if(line.Path.begin(), line.Path.end(),
                             [member](const InfluenceSpan& sp) { return sp.Member == member; });
    if (!s || span == line.Path.end() || !(span->Length > 0)) continue;
    const Point tip = Flat(*s, point->Station.X / span->Length, axis, point->Station.Value * scale);
    PrintTextAt(canvas, tip.X, tip.Y + (point->Station.Value >= 0 ? 2.5 * mark : -0.5 * mark),
                word + ShortNumber(point->Station.Value));
    if (!loadAt || std::fabs(point->Station.Value) > std::fabs(loadAt->Station.Value))
      loadAt = point;
  }
  if (train) {
    DrawTrain(model, line, *train, view.SymbolUnit, canvas);
  } else if (loadAt && largest > 0) {
    const std::optional<Segment> s = DrawnMember(model, loadAt->Member);
    auto span = std::find_if(line.Path.begin(), line.Path.end(), [loadAt](const InfluenceSpan& sp) {
      return sp.Member == loadAt->Member;
    });
    DrawArrowDown(canvas, Along(*s, loadAt->Station.X / span->Length, 0), view.SymbolUnit, "1");
  }

  // The legend, top left.
  const double extent = std::max(view.ViewXMax - view.ViewXMin, view.ViewYMax - view.ViewYMin);
  const double x0 = (view.ViewXMin + view.ViewXMax) / 2 - 0.65 * extent + mark;
  const double y0 = (view.ViewYMin + view.ViewYMax) / 2 + 0.65 * extent - mark;
  PrintTextAt(canvas, x0, y0,
              train ? "Moving load where it gives its " + std::string(train->Which) + " " +
                          ShortNumber(train->Placement.Value) +
                          (train->Train.Lane != 0 ? " (lane load included)" : "")
                    : "Unit load 1 acting downward, shown where the ordinate is largest");
  PrintTextAt(canvas, x0, y0 - 3 * mark, "Positive ordinates drawn upward, below the structure");
  canvas.SetForeColor(kLightCyan);
}

double FractionAlongMember(const ModelStore& model, int member, double x, double y) {
  const std::optional<Segment> s = DrawnMember(model, member);
  if (!s) return 0;
  const double dx = s->End.X - s->Begin.X, dy = s->End.Y - s->Begin.Y;
  const double length2 = dx * dx + dy * dy;
  if (!(length2 > 0)) return 0;
  return std::clamp(((x - s->Begin.X) * dx + (y - s->Begin.Y) * dy) / length2, 0.0, 1.0);
}

}  // namespace stavelorn
