// Regular structures of any size built in code, for timing the engine and for checking it on
// more degrees of freedom than a hand-made example has. Units: kN and m.
#pragma once

#include "model/ModelStore.h"

namespace stavelorn {

// A plane frame of `bays` bays (4 m) and `storeys` storeys (3 m), fixed at the base, with a
// horizontal and a vertical load at every free joint. Joints are numbered floor by floor, so
// the stiffness matrix has a half-bandwidth of about 3·(bays + 1). Degrees of freedom:
// 3·(bays + 1)·storeys.
ModelStore PlaneFrameGrid(int bays, int storeys);

// A space frame lattice of nx by nz joints per level (4 m by 5 m spacing) and `levels` levels
// (3 m) above a fixed base level, with beams along X and Z at every level, columns along Y,
// members rolled by `rollDegrees`, and a horizontal and a vertical load at every free joint.
// Joints are numbered level by level. Degrees of freedom: 6·nx·nz·levels.
ModelStore SpaceFrameLattice(int nx, int nz, int levels, float rollDegrees = 0);

}  // namespace stavelorn
