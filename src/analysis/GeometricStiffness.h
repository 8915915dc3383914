// The geometric stiffness [kg] of one member: how an axial force changes the stiffness of its
// bending. A tension stiffens the member against turning out of line, a compression softens it;
// [K] + [Kg] is the stiffness of the structure in its deflected position (second order), and the
// load factor that makes it singular is the elastic critical load.
//
// [kg] is the consistent matrix of the cubic shape functions of bending, N/(30 L) times
//   [ 36    3L   -36    3L ]
//   [ 3L   4L²   -3L   -L² ]   on (v1, θ1, v2, θ2) in each bending plane,
//   [-36   -3L    36   -3L ]
//   [ 3L   -L²   -3L   4L² ]
// the couplings turning sign in a space frame's x-z plane as in [k]. A hinged end takes the
// shape functions of the released member (the rotation there condensed out as [k] condenses it),
// so [kg] of a released member is the same transformation of the full matrix. The axial terms of
// the stretching of the chord are left out: they are of the order of the axial strain against 1.
// A space-frame member that carries torsion adds the Wagner term N·Ip/(A·L) on the twists,
// Ip = Iy + Iz the polar moment about the centroid (the shear centre of the doubly symmetric
// sections the section table describes): a compressed member loses that much of its torsional
// stiffness, as every fibre is pushed sideways when the section twists. The terms of the end
// moments are left out: they are not symmetric under the loads and belong to lateral-torsional
// buckling, which needs the warping the section table does not hold.
#pragma once

#include "analysis/MemberValues.h"

namespace stavelorn {

// [kg] in local coordinates of a member (or a piece of one) of length `length` carrying the
// axial force `axialForce` (tension positive), with the member's releases. `holdsTwist` keeps
// the torsional term on a space-frame member whose release frees its bending only.
MemberMatrix<double> ComputeLocalGeometricStiffness(const MemberContext<double>& member,
                                                    double length, double axialForce,
                                                    bool holdsTwist = false);

}  // namespace stavelorn
