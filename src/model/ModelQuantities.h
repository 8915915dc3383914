// What kind of quantity each value of the model is, so that its unit can be shown and its value
// converted: joint coordinates, material and section properties, each load kind's values,
// settlements, temperature changes, fabrication errors and every result. The facts come from the
// structure-type and load-kind tables; this file only reads them.
#pragma once

#include "model/MemberLoadKind.h"
#include "model/ModelStore.h"
#include "model/StructType.h"
#include "model/Units.h"

namespace stavelorn {

// A force at a joint or member end along this coordinate, or a moment about it: joint loads,
// reactions and member end forces.
Quantity ForceQuantity(const JointCoordNames& coordinate);

// A displacement along or about this coordinate: results and support settlements.
Quantity DisplacementQuantity(const JointCoordNames& coordinate);

// Column `column` (1-based) of a Materials table of `columns` columns: E, then G when there are
// three, and the coefficient of thermal expansion last.
Quantity MaterialQuantity(int columns, int column);

// A cross-section property: the area, or a second moment (I, J).
Quantity SectionQuantity(const SectionPropertyNames& property);

// Stored value `value` (1..4) of a member load: the magnitudes as the kind's form makes them
// (a force, a couple, an intensity), then the distances a and b.
Quantity LoadValueQuantity(const MemberLoadKindInfo& kind, int value);

// Member end force `column` (1..2·CoordsPerJoint) of the type, in local axes.
Quantity EndForceQuantity(const StructTypeInfo& type, int column);

}  // namespace stavelorn
