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
// restrained, a spring's -k·(d - s), else 0. Both in global axes, also at a turned support.
float ShownReaction(const ModelStore& model, const StructureResults& results, int joint, int k);

// The reaction along a turned support's own axes (analysis/SupportResults.h).
float ShownReactionInSupportAxes(const ModelStore& model, const StructureResults& results,
                                 int joint, int k);

}  // namespace stavelorn
