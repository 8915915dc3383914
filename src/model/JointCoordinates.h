// The joint coordinates of each structure type, in the order that restraints, joint loads,
// settlements, structure coordinates and displacements share: which translation or rotation
// each one is, and the name it goes by ("X Translation", "Z Rotation").
#pragma once

#include <string>
#include <vector>

namespace stavelorn {

struct JointCoordinate {
  char Axis;      // 'X', 'Y' or 'Z': the direction of a translation, the axis of a rotation
  bool Rotation;  // radians about Axis; otherwise a translation along it
};

// The coordinates of a joint of the type with this code, in order; empty for an unknown code.
const std::vector<JointCoordinate>& JointCoordinatesOf(const std::string& type);

// "X Translation", "Z Rotation", ...
std::string JointCoordinateName(const JointCoordinate& coordinate);

// The end forces of a member at each of its ends, in the local coordinate order of the type: a
// force along a local axis or a moment about it, and the name the results give it.
struct MemberEndCoordinate {
  char Axis;         // 'x', 'y' or 'z', the member's local axes (x from its beginning to its end)
  bool Moment;       // a moment about Axis; otherwise a force along it
  const char* Name;  // "Axial", "Shear", "Moment", "Torsion", ...
};

// The end forces of one member end of the type with this code; empty for an unknown code.
const std::vector<MemberEndCoordinate>& MemberEndCoordinatesOf(const std::string& type);

}  // namespace stavelorn
