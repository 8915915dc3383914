// Joint records drawn at their joints: the joint loads of the space types in the oblique
// projection (the plane types draw theirs in Plot2D), and the support settlements of every type.
// Each component is a load symbol naming its joint, and its label a load-value symbol: a load by
// its symbol, signed value and unit ("Fx = 10 kN"), a settlement by its value and unit.
#pragma once

#include "graphics/Canvas.h"
#include "graphics/Drawing.h"
#include "model/ModelStore.h"

namespace stavelorn {

// Each non-zero joint-load component of a space truss, grid or space frame, in light magenta:
// a force as an arrow 5 symbol units long along its global axis in the projection, pointing the
// way it acts; a moment as a double-headed arrow 7 units long (the right-hand rule's vector).
// The records end at the first of joint 0, as the plane drawing's do.
void DrawSpaceJointLoads(const ModelStore& model, Canvas& canvas, const DrawingView& view);

// Each non-zero settlement component, in light red: a translation as an arrow with a bar across
// its tail, 1.5 to 4.5 symbol units from the joint along the axis; a rotation as a turning arrow
// round a plane joint or a double-headed arrow along the axis of a space one.
void DrawSettlements(const ModelStore& model, Canvas& canvas, const DrawingView& view);

}  // namespace stavelorn
