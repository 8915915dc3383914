// The six structure types and the sizes each one fixes: how many structure coordinates a joint
// has, how many coordinate columns a joint and property columns a cross-section carry.
#pragma once

#include <array>
#include <string>

namespace stavelorn {

struct StructTypeInfo {
  const char* Code;     // "Beam", "PTruss", "PFrame", "STruss", "Grid", "SFrame"
  const char* Caption;  // as the main window shows it, e.g. " Plane Frame"
  int CoordsPerJoint;   // degrees of freedom of one joint
  int CoordColumns;     // coordinates of one joint in JointCoords
  int SectionColumns;   // properties of one cross-section set
  int MaterialColumns;  // E and alpha, or E, G and alpha
};

// The type with this code, or nullptr when the code names none of the six.
const StructTypeInfo* FindStructType(const std::string& code);

// All six types in the order the program lists them.
const std::array<StructTypeInfo, 6>& AllStructTypes();

// Whether a type's members are pin-ended bars (no releases, no member loads).
bool IsTruss(const std::string& code);

// Whether joint coordinate k (1-based) of the type is a rotation rather than a translation.
// The rotations follow the translations; a member's local end coordinates are ordered the same
// way, so k also tells an end moment from an end force, and a reaction moment from a force.
bool IsRotationCoordinate(const std::string& code, int k);

}  // namespace stavelorn
