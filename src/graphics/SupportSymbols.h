// The support symbols, drawn at a joint's position (x, y) with u the symbol unit of the view
// (picture width / 75). The structure drawings and the editors' previews share them, each with
// its own rule for which symbol a support gets and on which side of the joint it goes.
#pragma once

#include "graphics/Canvas.h"
#include "graphics/Drawing.h"

namespace stavelorn {

enum class SupportSymbol { None, XRoller, YRoller, Hinged, Fixed };

// Where a symbol sits relative to its joint: the side its hatching faces.
enum class SymbolSide { Below, Left, Right, Above };

// A wheel against a wall: to the right of the joint when `right`, else to the left.
void DrawXRoller(Canvas& canvas, double x, double y, double u, bool right, int colour);
// A wheel on a floor: above the joint when `above`, else below.
void DrawYRoller(Canvas& canvas, double x, double y, double u, bool above, int colour);
// A triangle on a hatched base, on the given side of the joint.
void DrawHinged(Canvas& canvas, double x, double y, double u, SymbolSide side, int colour);
// A wall through the joint at angle theta (radians) with five hatch lines: theta 0 hatches to
// the left of a vertical wall, pi/2 below a horizontal one, pi to the right, 3pi/2 above.
void DrawFixedWall(Canvas& canvas, double x, double y, double u, double theta, int colour);
// A wall through the joint, horizontal (hatched below or above) or vertical (hatched left or
// right), with four hatch lines 2u apart.
void DrawFixedSquare(Canvas& canvas, double x, double y, double u, SymbolSide side, int colour);

// The side of a hinged support: below at the lowest joints, else left or right at the outermost
// ones, else above at the highest, else below.
SymbolSide HingedSide(const DrawingView& view, double x, double y);

// The hatched side of a square wall: towards the outside of the picture. `flat` is for a
// structure lying in one horizontal plane (a grid, or a beam in the previews): its walls are
// never put at the top or bottom edge and its inner ones are hatched below, as under a floor;
// inner walls of the others are hatched left.
SymbolSide FixedSquareSide(const DrawingView& view, double x, double y, bool flat);

}  // namespace stavelorn
