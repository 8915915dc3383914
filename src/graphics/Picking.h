// What lies under the mouse on a recorded picture: the joint or member whose tagged strokes come
// nearest the pointer, measured in pixels on the screen, so that it works alike on plane
// drawings and on the projections of space structures. The keyboard steps through the same
// items, and an item it reaches is shown where the mouse would pick it.
#pragma once

#include <optional>
#include <vector>

#include "graphics/DrawingData.h"
#include "graphics/RecordingCanvas.h"

namespace stavelorn {

struct PickedItem {
  enum class Kind { None, Joint, Member };
  Kind What = Kind::None;
  int Number = 0;
  bool operator==(const PickedItem& other) const {
    return What == other.What && Number == other.Number;
  }
  bool operator!=(const PickedItem& other) const { return !(*this == other); }
};

// Pixels between the point (px, py) and the stroke as `map` paints it: the distance to the
// nearest point of a line or an arc, or to the edge of a box or a circle; inside a box or a
// circle (a joint marker is picked anywhere on it) minus the distance to its edge, so that of two
// overlapping markers the one more nearly centred on the point is the nearer. Text counts as a
// point at its corner.
double PixelDistance(const Stroke& stroke, const PictureMapping& map, double px, double py);

// The joint or member of the tagged stroke nearest (px, py), when it is within `tolerance`
// pixels; a joint wins over a member equally near, since the members meet at their joints.
// Nothing when no tagged stroke is that near.
PickedItem PickAt(const std::vector<Stroke>& strokes, const PictureMapping& map, double px,
                  double py, double tolerance = 6);

// Whether a stroke belongs to the item (its highlight redraws these).
bool BelongsTo(const Stroke& stroke, const PickedItem& item);

// The items PickAt can find on the picture (those with a tagged stroke it paints), in the order
// the keyboard steps through them: the joints by number, then the members by number.
std::vector<PickedItem> DrawnItems(const std::vector<Stroke>& strokes, const PictureMapping& map);

// The item after `current` among `items` (before it when `backward`). From no item, or one no
// longer drawn, the first (the last); past either end no item, so that the keyboard moves on
// from the drawing.
PickedItem StepThrough(const std::vector<PickedItem>& items, const PickedItem& current,
                       bool backward);

// A pixel where PickAt finds `item`, where its tooltip is shown: the middle of the first of its
// strokes whose middle picks it, a joint's marker or a member's line first. Nothing when no such
// middle picks it.
std::optional<Point> ItemAnchor(const std::vector<Stroke>& strokes, const PictureMapping& map,
                                const PickedItem& item);

}  // namespace stavelorn
