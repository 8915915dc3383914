// The band of a model's stiffness matrix, known from the numbering of the structure coordinates
// before anything of the size of the matrix is allocated.
#pragma once

#include <cstdint>

#include "model/ModelStore.h"

namespace stavelorn {

// The largest difference between two free structure coordinates (1..dofCount) of one member,
// by `coordNumbers` (index (joint - 1)·CoordsPerJoint + k): every non-zero entry of the
// stiffness matrix lies that close to its diagonal. Throws std::out_of_range for a member joint
// outside the coordinate numbers.
int HalfBandwidth(const ModelStore& model, const Array<std::int16_t>& coordNumbers, int dofCount);

}  // namespace stavelorn
