#include "graphics/Picking.h"

#include <algorithm>
#include <cmath>

namespace stavelorn {

namespace {

double SegmentDistance(double x1, double y1, double x2, double y2, double px, double py) {
  const double dx = x2 - x1, dy = y2 - y1;
  const double length2 = dx * dx + dy * dy;
  const double t =
      length2 > 0 ? std::clamp(((px - x1) * dx + (py - y1) * dy) / length2, 0.0, 1.0) : 0.0;
  return std::hypot(px - (x1 + t * dx), py - (y1 + t * dy));
}

}  // namespace

double PixelDistance(const Stroke& s, const PictureMapping& map, double px, double py) {
  switch (s.Shape) {
    case Stroke::Kind::Line:
      return SegmentDistance(map.X(s.X1), map.Y(s.Y1), map.X(s.X2), map.Y(s.Y2), px, py);
    case Stroke::Kind::Box: {
      const double left = std::min(map.X(s.X1), map.X(s.X2));
      const double right = std::max(map.X(s.X1), map.X(s.X2));
      const double top = std::min(map.Y(s.Y1), map.Y(s.Y2));
      const double bottom = std::max(map.Y(s.Y1), map.Y(s.Y2));
      const double outside = std::hypot(std::max({left - px, 0.0, px - right}),
                                        std::max({top - py, 0.0, py - bottom}));
      if (outside > 0) return outside;
      return -std::min({px - left, right - px, py - top, bottom - py});
    }
    case Stroke::Kind::Circle:
      return std::hypot(px - map.X(s.X1), py - map.Y(s.Y1)) - map.Length(s.Radius);
    case Stroke::Kind::Arc: {
      const auto points = map.ArcPixels(s);
      double nearest = INFINITY;
      for (std::size_t i = 1; i < points.size(); ++i)
        nearest = std::min(nearest, SegmentDistance(points[i - 1].first, points[i - 1].second,
                                                    points[i].first, points[i].second, px, py));
      return nearest;
    }
    case Stroke::Kind::Text: return std::hypot(px - map.X(s.X1), py - map.Y(s.Y1));
  }
  return INFINITY;
}

PickedItem PickAt(const std::vector<Stroke>& strokes, const PictureMapping& map, double px,
                  double py, double tolerance) {
  // Half a pixel decides nothing: within it a joint is preferred to a member.
  constexpr double kTie = 0.5;
  PickedItem best;
  double bestDistance = INFINITY;
  for (const Stroke& s : strokes) {
    if ((s.Joint == 0 && s.Member == 0) || !map.Paintable(s)) continue;
    const double d = PixelDistance(s, map, px, py);
    if (!(d <= tolerance)) continue;
    const bool joint = s.Joint != 0;
    const bool better = d < bestDistance - kTie ||
                        (d <= bestDistance + kTie && joint && best.What != PickedItem::Kind::Joint);
    if (!better) continue;
    bestDistance = d;
    best = joint ? PickedItem{PickedItem::Kind::Joint, s.Joint}
                 : PickedItem{PickedItem::Kind::Member, s.Member};
  }
  return best;
}

bool BelongsTo(const Stroke& s, const PickedItem& item) {
  switch (item.What) {
    case PickedItem::Kind::Joint: return s.Joint == item.Number;
    case PickedItem::Kind::Member: return s.Member == item.Number;
    case PickedItem::Kind::None: return false;
  }
  return false;
}

}  // namespace stavelorn
