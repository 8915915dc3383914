// The result values as the reports show them, per joint coordinate: the stored results hold only
// free displacements and restrained reactions, so a restrained coordinate shows its prescribed
// settlement (or 0) as its displacement, and a free coordinate of a support shows 0 as its
// reaction. The printed report and the batch tool's JSON both read results through here.
#pragma once

#include "analysis/StructureResults.h"
#include "model/ModelStore.h"

namespace stavelorn {

// Displacement of coordinate k (1..CoordsPerJoint) of joint `joint`. A restrained coordinate
// takes the value of the first settlement record of that joint when its magnitude exceeds 1E-10
// (compared in single precision, so a settlement entered as 1E-10 shows 0), else 0.
float ShownDisplacement(const ModelStore& model, const StructureResults& results, int joint, int k);

// Reaction at coordinate k of joint `joint`: the computed reaction when the coordinate is
// restrained, else 0.
float ShownReaction(const ModelStore& model, const StructureResults& results, int joint, int k);

}  // namespace stavelorn
