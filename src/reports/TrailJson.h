// The method's trail as JSON, for scripts that check each step elsewhere: the "trail" member of
// the batch tool's results object.
#pragma once

#include <string>

#include "analysis/MethodTrail.h"

namespace stavelorn {

// The object {"dofCount": n, "jointCodeNumbers": [...], "structureStiffness": [[...]] or null
// (above 300 free coordinates), "loadVector": [...], "displacements": [...], "members": [...]}.
// A structure on springs adds "springs" (each one's joint, coordinate, code and stiffness) after
// [S]; a member with an end on a turned support adds "supportAxesStiffness", its [K] turned to
// the support's axes as it entered [S].
// Matrices are arrays of rows, code numbers 1-based; values in the shortest form that reads back
// to the run's number (single or double precision).
std::string TrailJson(const MethodTrail& trail);

}  // namespace stavelorn
