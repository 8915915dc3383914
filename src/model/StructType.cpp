#include "model/StructType.h"

#include <stdexcept>

namespace stavelorn {

namespace {

// The texts are as each window, report and message shows them, blanks and all: the grids and
// dialogs line them up by their leading blanks, and the report prints its headings verbatim.
//
// Coordinates come translations first, then rotations. A grid lies in the X-Z plane: two
// coordinates per joint, and its three degrees of freedom are the Y translation and the
// rotations about X and Z. A hinge frees the bending moment at its end and, in this method, the
// twist of a grid or space-frame member too.
constexpr std::array<StructTypeInfo, 6> kTypes = {{
    {StructKind::Beam,
     "Beam",
     " Beam",
     "Beam",
     "Beam",
     2,
     1,
     1,
     2,
     false,
     true,
     true,
     false,
     false,
     {2, 0, 0},
     "X",
     {{{'Y', false, "Y translation", "Y", 1, "Y-Restr.:", " Y Translation", "Y Force", "Y-Force",
        "Y-Force :", "Y-Displacement", "Y-Displacement: "},
       {'Z', true, "rotation", "Rot.", 4, "Rot. Restr.:", "Rotation (Rad)", "Moment", "Moment",
        " Moment :", "Rotation", " Rotation :"}}},
     {"Shear Force", "Moment"},
     {"Shear", "Moment"},
     {{{"I", "Moment of Inertia (I)", "Moment of Inertia - (I):", "moment of inertia I"}}},
     {"Joint No.     Y Force       Moment  ", "---------   -----------   -----------"},
     {"Joint No.   Y Displacement    Rotation  ", "---------   --------------   -----------"},
     "upper side"},

    {StructKind::PTruss,
     "PTruss",
     " Plane Truss",
     "Plane Truss",
     "PT",
     2,
     2,
     1,
     2,
     true,
     true,
     false,
     true,
     false,
     {0, 0, 0},
     "XY",
     {{{'X', false, "X translation", "X", 1, "X-Restr. :", " X Translation", "X Force", "X-Force",
        "X-Force :", "X-Displacement", "X-Displacement :"},
       {'Y', false, "Y translation", "Y", 2, "Y-Restr. :", " Y Translation", "Y Force", "Y-Force",
        "Y-Force :", "Y-Displacement", "Y-Displacement :"}}},
     {"Axial Force"},
     {"Axial", "Shear"},
     {{{"A", "Area (A)", "Area -  (A)  :", "area A", Quantity::Area}}},
     {"Joint No.     X Force       Y Force  ", "---------   -----------   -----------"},
     {"Joint No.   X Displacement   Y Displacement", "---------   --------------   --------------"},
     "left of each bar, seen from its beginning joint"},

    {StructKind::PFrame,
     "PFrame",
     " Plane Frame",
     "Plane Frame",
     "PF",
     3,
     2,
     2,
     2,
     false,
     true,
     false,
     true,
     false,
     {3, 0, 0},
     "XY",
     {{{'X', false, "X translation", "X", 1, "X-Restr. :", " X Translation", "X Force", "X-Force",
        "X-Force :", "X-Displacement", "X-Displacement :"},
       {'Y', false, "Y translation", "Y", 2, "Y-Restr. :", " Y Translation", "Y Force", "Y-Force",
        "Y-Force :", "Y-Displacement", "Y-Displacement :"},
       {'Z', true, "rotation", "Rot.", 4, "Rot. Restr.:", "Rotation (Rad)", "Moment", "Moment",
        "Moment  :", "Rotation", "Rotation  :"}}},
     {"Axial Force", "Shear Force", "Moment"},
     {"Axial", "Shear", "Moment"},
     {{{"A", "Area (A)", "Area -  (A)  :", "area A", Quantity::Area},
       {"I", "Moment of Inertia (I)", "Moment of Inertia - (I) :", "moment of inertia I"}}},
     {"Joint No.     X Force       Y Force       Moment",
      "---------   -----------   -----------   -----------"},
     {"Joint No.   X Displacement   Y Displacement    Rotation  ",
      "---------   --------------   --------------   -----------"},
     "local +y side: left, seen from the beginning joint"},

    {StructKind::STruss,
     "STruss",
     " Space Truss",
     "Space Truss",
     "ST",
     3,
     3,
     1,
     2,
     true,
     false,
     false,
     true,
     false,
     {0, 0, 0},
     "XYZ",
     {{{'X', false, "X translation", "X", 1, "X-Restr. :", "X Translation", "X Force", "X-Force",
        "X-Force :", "X-Displacement", "X-Displacement :"},
       {'Y', false, "Y translation", "Y", 2, "Y-Restr. :", "Y Translation", "Y Force", "Y-Force",
        "Y-Force :", "Y-Displacement", "Y-Displacement :"},
       {'Z', false, "Z translation", "Z", 3, "Z-Restr. :", "Z Translation", "Z Force", "Z-Force",
        " Z-Force :", "Z-Displacement", "  Z-Displacement :"}}},
     {"Axial Force"},
     {"Axial", "y Shear", "z Shear"},
     {{{"A", "Area (A)", "Area -  (A)  :", "area A", Quantity::Area}}},
     {"Joint No.     X Force       Y Force       Z Force",
      "---------   -----------   -----------   -----------"},
     {"Joint No.   X Displacement   Y Displacement   Z Displacement",
      "---------   --------------   --------------   --------------"},
     "left of each bar, seen from its beginning joint"},

    {StructKind::Grid,
     "Grid",
     " Grid",
     "Grid",
     "Grid",
     3,
     2,
     2,
     3,
     false,
     false,
     true,
     false,
     false,
     {2, 3, 0},
     "XZ",
     {{{'Y', false, "Y translation", "Y", 1, "Y-Restr.:", " Y Translation", "Y Force", "Y-Force",
        "Y-Force :", "Y-Displacement", "  Y-Displacement :"},
       {'X', true, "rotation about X", "XR", 4, "X-Rot. Restr.:", "X Rotation (Rad)", "X Moment",
        "X-Moment", "X-Moment:", "X-Rotation", "   X-Rotation :"},
       {'Z', true, "rotation about Z", "ZR", 5, "Z-Rot. Restr.:", "Z Rotation (Rad)", "Z Moment",
        "Z-Moment", "Z-Moment:", "Z-Rotation", "   Z-Rotation :"}}},
     {"Shear Force", "Torsional Moment", "Bending Moment"},
     {"Shear", "Torsion", "Moment"},
     {{{"I", "Moment of Inertia (I)", "Moment of Inertia - (I):", "moment of inertia I"},
       {"J", "Torsion Constant (J)", "Torsion Constant - (J):", "torsion constant J"}}},
     {"Joint No.     Y Force      X Moment      Z Moment",
      "---------   -----------   -----------   -----------"},
     {"Joint No.   Y Displacement     X Rotation       Z Rotation",
      "---------   --------------   --------------   --------------"},
     "local +y side: upward"},

    {StructKind::SFrame,
     "SFrame",
     " Space Frame",
     "Space Frame",
     "SF",
     6,
     3,
     4,
     3,
     false,
     false,
     false,
     true,
     true,
     {4, 5, 6},
     "XYZ",
     {{{'X', false, "X translation", "X", 1, "X-Restr. :", "X Translation", "X Force", "X-Force",
        "X-Force :", "X-Displacement", "X-Displacement :"},
       {'Y', false, "Y translation", "Y", 2, "Y-Restr. :", "Y Translation", "Y Force", "Y-Force",
        "Y-Force :", "Y-Displacement", "Y-Displacement :"},
       {'Z', false, "Z translation", "Z", 3, "Z-Restr. :", "Z Translation", "Z-Force", "Z-Force",
        " Z-Force :", "Z-Displacement", "  Z-Displacement :"},
       {'X', true, "rotation about X", "XR", 4, "X-Rot. Restr.:", "X Rotation (Rad)", "X Moment",
        "X-Moment", "X-Moment :", "X-Rotation", "X-Rotation :"},
       {'Y', true, "rotation about Y", "YR", 5, "Y-Rot. Restr.:", "Y Rotation (Rad)", "Y Moment",
        "Y-Moment", "Y-Moment :", "Y-Rotation", "Y-Rotation :"},
       {'Z', true, "rotation about Z", "ZR", 6, "Z-Rot. Restr.:", "Z Rotation (Rad)", "Z Moment",
        "Z-Moment", "Z-Moment :", "Z-Rotation", "Z-Rotation :"}}},
     {"Axial Force", "y Shear Force", "z Shear Force", "Torsional Moment", "y Bending Moment",
      "z Bending Moment"},
     {"Axial", "y Shear", "z Shear", "Torsion", "y Moment", "z Moment"},
     {{{"A", "Area (A)", "Area -  (A)  :", "area A", Quantity::Area},
       {"Iz", "Moment of Inertia (IZ)", "Moment of Inertia - (IZ):", "moment of inertia Iz"},
       {"Iy", "Moment of Inertia (IY)", "Moment of Inertia - (IY) :", "moment of inertia Iy"},
       {"J", "Torsion Constant (J)", "Torsion Constant - (J) :", "torsion constant J"}}},
     {"Jt.     X          Y          Z          X          Y          Z",
      "No.    Force      Force      Force      Moment     Moment     Moment",
      "--- ---------- ---------- ---------- ---------- ---------- ----------"},
     {"Jt.     X          Y          Z          X          Y          Z",
      "No.   Displ.     Displ.     Displ.    Rotation   Rotation   Rotation",
      "--- ---------- ---------- ---------- ---------- ---------- ----------"},
     "local +y side"},
}};

}  // namespace

const StructTypeInfo* FindStructType(const std::string& code) {
  for (const StructTypeInfo& type : kTypes)
    if (code == type.Code) return &type;
  return nullptr;
}

const StructTypeInfo* FindStructType(StructKind kind) {
  for (const StructTypeInfo& type : kTypes)
    if (type.Kind == kind) return &type;
  return nullptr;
}

const StructTypeInfo& TypeOf(StructKind kind) {
  const StructTypeInfo* type = FindStructType(kind);
  if (!type) throw std::invalid_argument("no structure type of this kind");
  return *type;
}

StructKind KindOfStructure(const std::string& code) {
  const StructTypeInfo* type = FindStructType(code);
  return type ? type->Kind : StructKind::None;
}

const std::array<StructTypeInfo, 6>& AllStructTypes() {
  return kTypes;
}

bool IsTruss(const std::string& code) {
  const StructTypeInfo* type = FindStructType(code);
  return type && type->Truss;
}

bool IsPlane(const std::string& code) {
  const StructTypeInfo* type = FindStructType(code);
  return type && type->Plane;
}

bool IsRotation(const std::string& code, int k) {
  const StructTypeInfo* type = FindStructType(code);
  return type && k >= 1 && k <= type->CoordsPerJoint && CoordinateOf(*type, k).Rotation;
}

int RotationCount(const StructTypeInfo& type) {
  int count = 0;
  for (int k = 1; k <= type.CoordsPerJoint; ++k)
    if (CoordinateOf(type, k).Rotation) ++count;
  return count;
}

const JointCoordNames& CoordinateOf(const StructTypeInfo& type, int k) {
  return type.Coords.at(static_cast<std::size_t>(k - 1));
}

std::string CoordinateName(const JointCoordNames& coordinate) {
  return std::string(1, coordinate.Axis) + (coordinate.Rotation ? " Rotation" : " Translation");
}

char LocalAxis(const JointCoordNames& coordinate) {
  return static_cast<char>(coordinate.Axis - 'X' + 'x');
}

}  // namespace stavelorn
