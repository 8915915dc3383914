// The symbols of elastic and turned supports, drawn at a joint's position (x, y) with u the
// symbol unit of the view: a zig-zag spring along a direction, a spiral spring about the joint,
// a roller on a surface turned by an angle, and the double arrow of a rotation's axis (a moment
// vector) that marks the rotations of the space drawings.
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

// Two arrowheads one behind the other, their tips at 0.9u and 0.5u from (x, y) along `direction`.
void DrawDoubleArrowHead(Canvas& canvas, double x, double y, double u, double direction,
                         int colour);

// The axis of a rotation held at the joint: a line 2.4u along `direction` ending in a double
// arrowhead.
void DrawRotationAxis(Canvas& canvas, double x, double y, double u, double direction, int colour);

}  // namespace stavelorn
