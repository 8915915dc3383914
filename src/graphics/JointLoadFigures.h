// Joint records drawn at their joints: the joint loads and the support settlements of every
// type, in the plane or in the oblique projection.
// Each component is a load symbol naming its joint, and its label a load-value symbol: a load by
// its symbol, signed value and unit ("Fx = 10 kN"), a settlement by its value and unit.
#pragma once

#include "graphics/Canvas.h"
#include "graphics/Drawing.h"
#include "model/ModelStore.h"

namespace stavelorn {

// Each non-zero joint-load component, in light magenta: a force as an arrow 5 symbol units
// long along its global axis (in the projection for the space types), pointing the way it acts;
// a moment as a turning arrow above a plane joint, or as a double-headed arrow 7 units long (the
// right-hand rule's vector) at a space one. An arrow never runs into the structure: it has its
// head or its tail at its joint, on the side the drawing prefers (away from the middle across
// the picture, above a joint, below a truss's lower joints; for the space types the side
// running least along the joint's members) unless it would run along or across a member or end
// at another joint there and the other side is clearer. The records end at the first of joint 0.
void DrawJointLoads(const ModelStore& model, Canvas& canvas, const DrawingView& view);

// At each supported joint, in light green, the figure a joint load of a positive value would
// have for every coordinate the support restrains, labelled with the reactions grid's heading of
// that coordinate ("Y Force"): the positive sense of each reaction the analysis reports.
void DrawPositiveReactions(const ModelStore& model, Canvas& canvas, const DrawingView& view);

// Each non-zero settlement component, in light red: a translation as an arrow with a bar across
// its tail, 1.5 to 4.5 symbol units from the joint along the axis; a rotation as a turning arrow
// round a plane joint or a double-headed arrow along the axis of a space one.
void DrawSettlements(const ModelStore& model, Canvas& canvas, const DrawingView& view);

}  // namespace stavelorn
