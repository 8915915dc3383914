// The results of an analysis as one JSON object, for scripts and for checking the program's
// numbers elsewhere. Values are the ones the results report prints (a restrained coordinate
// shows its settlement or 0, a free coordinate of a support a reaction of 0), each written in
// the shortest form that reads back to the same single-precision number.
#pragma once

#include <string>

#include "analysis/MethodTrail.h"
#include "model/ModelStore.h"

namespace stavelorn {

// {"status": 1, "structType": ..., "dofCount": ..., "precision": "single" or "double",
//  "jointDisplacements": [...], "memberEndForces": [...], "supportReactions": [...]} after a
// completed analysis ("double" when the accuracy guard stored the double-precision results);
// just the status and the type code after any other outcome. With a `trail` of the completed
// analysis, a "trail" member follows (TrailJson). Ends with a line feed.
std::string ResultsJson(const ModelStore& model, bool doublePrecision = false,
                        const MethodTrail* trail = nullptr);

}  // namespace stavelorn
