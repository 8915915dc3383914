// The results at a joint's coordinates in both sets of axes a turned support has: the solution
// holds the displacements and reactions of a turned joint along its support's axes, the reports
// show them in global axes as well. A spring's reaction is not solved for: it is -k·(d - s), from
// the spring's displacement d and the settlement s of its base.
#pragma once

#include "analysis/StructureResults.h"
#include "model/ModelStore.h"

namespace stavelorn {

// Displacement of coordinate k (1..CoordsPerJoint) of joint `joint` along its support's axes: the
// solved value of a free coordinate; for a restrained one the first settlement record of the
// joint when its magnitude exceeds 1E-10 (compared in single precision), else 0.
float DisplacementInSupportAxes(const ModelStore& model, const StructureResults& results, int joint,
                                int k);

// Reaction at coordinate k of joint `joint` along its support's axes: the solved reaction of a
// restrained coordinate, a spring's -k·(d - s), 0 at a free coordinate.
float ReactionInSupportAxes(const ModelStore& model, const StructureResults& results, int joint,
                            int k);

// The same two in global axes: at a joint that is not turned, exactly the values above.
float DisplacementInGlobalAxes(const ModelStore& model, const StructureResults& results, int joint,
                               int k);
float ReactionInGlobalAxes(const ModelStore& model, const StructureResults& results, int joint,
                           int k);

}  // namespace stavelorn
