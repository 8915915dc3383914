#include "graphics/Picking.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace stavelorn {

double PixelDistance(const Stroke& s, const PictureMapping& map, double px, double py) {
  switch (s.Shape) {
    case Stroke::Kind::Line:
      return DistanceToSegment({px, py}, {map.X(s.X1), map.Y(s.Y1)}, {map.X(s.X2), map.Y(s.Y2)});
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
        nearest = std::min(nearest,
                           DistanceToSegment({px, py}, {points[i - 1].first, points[i - 1].second},
                                             {points[i].first, points[i].second}));
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

namespace {

// The item a tagged stroke stands for, as PickAt takes it: a joint's before a member's.
PickedItem ItemOf(const Stroke& s) {
  if (s.Joint != 0) return {PickedItem::Kind::Joint, s.Joint};
  if (s.Member != 0) return {PickedItem::Kind::Member, s.Member};
  return {};
}

// The middle of a stroke in pixels: of a line, a box or a circle, or the first point of a text
// or an arc.
Point MiddleOf(const Stroke& s, const PictureMapping& map) {
  switch (s.Shape) {
    case Stroke::Kind::Line:
    case Stroke::Kind::Box:
      return {(map.X(s.X1) + map.X(s.X2)) / 2, (map.Y(s.Y1) + map.Y(s.Y2)) / 2};
    case Stroke::Kind::Arc: {
      const auto points = map.ArcPixels(s);
      return {points[points.size() / 2].first, points[points.size() / 2].second};
    }
    case Stroke::Kind::Circle:
    case Stroke::Kind::Text: break;
  }
  return {map.X(s.X1), map.Y(s.Y1)};
}

}  // namespace

std::vector<PickedItem> DrawnItems(const std::vector<Stroke>& strokes, const PictureMapping& map) {
  std::set<int> joints, members;
  for (const Stroke& s : strokes) {
    if (!map.Paintable(s)) continue;
    const PickedItem item = ItemOf(s);
    if (item.What == PickedItem::Kind::Joint) joints.insert(item.Number);
    if (item.What == PickedItem::Kind::Member) members.insert(item.Number);
  }
  std::vector<PickedItem> items;
  for (int joint : joints) items.push_back({PickedItem::Kind::Joint, joint});
  for (int member : members) items.push_back({PickedItem::Kind::Member, member});
  return items;
}

PickedItem StepThrough(const std::vector<PickedItem>& items, const PickedItem& current,
                       bool backward) {
  const auto at = std::find(items.begin(), items.end(), current);
  if (at == items.end()) {
    if (items.empty()) return {};
    return backward ? items.back() : items.front();
  }
  if (backward) return at == items.begin() ? PickedItem{} : *(at - 1);
  return at + 1 == items.end() ? PickedItem{} : *(at + 1);
}

std::optional<Point> ItemAnchor(const std::vector<Stroke>& strokes, const PictureMapping& map,
                                const PickedItem& item) {
  // A joint is shown on its marker and a member on its line before any other of their strokes
  // (a label, a load, a support symbol).
  const SymbolClass own =
      item.What == PickedItem::Kind::Member ? SymbolClass::Member : SymbolClass::Joint;
  for (const bool first : {true, false})
    for (const Stroke& s : strokes) {
      if (ItemOf(s) != item || !map.Paintable(s) || (s.Symbol == own) != first) continue;
      const Point middle = MiddleOf(s, map);
      if (PickAt(strokes, map, middle.X, middle.Y) == item) return middle;
    }
  return std::nullopt;
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
