#include "model/StructType.h"

namespace stavelorn {

namespace {

// A grid lies in the X-Z plane: two coordinates per joint, and its three degrees of freedom are
// the Y translation and the rotations about X and Z.
constexpr std::array<StructTypeInfo, 6> kTypes = {{
    {"Beam", " Beam", 2, 1, 1, 2},
    {"PTruss", " Plane Truss", 2, 2, 1, 2},
    {"PFrame", " Plane Frame", 3, 2, 2, 2},
    {"STruss", " Space Truss", 3, 3, 1, 2},
    {"Grid", " Grid", 3, 2, 2, 3},
    {"SFrame", " Space Frame", 6, 3, 4, 3},
}};

}  // namespace

const StructTypeInfo* FindStructType(const std::string& code) {
  for (const StructTypeInfo& type : kTypes)
    if (code == type.Code) return &type;
  return nullptr;
}

const std::array<StructTypeInfo, 6>& AllStructTypes() {
  return kTypes;
}

bool IsTruss(const std::string& code) {
  return code == "PTruss" || code == "STruss";
}

bool IsRotationCoordinate(const std::string& code, int k) {
  // A beam moves along Y and turns; a grid moves along Y and turns about X and Z.
  int translations = 3;
  if (code == "Beam" || code == "Grid")
    translations = 1;
  else if (code == "PTruss" || code == "PFrame")
    translations = 2;
  return k > translations;
}

}  // namespace stavelorn
