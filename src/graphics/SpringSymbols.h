// The symbols of elastic and turned supports, drawn at a joint's position (x, y) with u the
// symbol unit of the view: a zig-zag spring along a direction, a spiral spring about the joint,
// and a roller on a surface turned by an angle.
#pragma once

#include "graphics/Canvas.h"

namespace stavelorn {

// A zig-zag from the joint along `direction` (radians, counter-clockwise from +x; the way from
// the joint to the spring's base), ending on a hatched base across it.
void DrawZigZagSpring(Canvas& canvas, double x, double y, double u, double direction, int colour);

// A spiral about the joint, one and three-quarter turns, held by a short hatched base below.
void DrawSpiralSpring(Canvas& canvas, double x, double y, double u, int colour);

// A wheel between the joint and a hatched surface, the surface across `normal` (radians: the
// direction from the surface to the joint, the way the roller holds the joint).
void DrawTurnedRoller(Canvas& canvas, double x, double y, double u, double normal, int colour);

}  // namespace stavelorn
