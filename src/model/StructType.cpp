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
     1,
     false,
     true,
     true,
     false,
     false,
     {2, 0, 0},
     {{{"Y translation", "Y", 1, "Y-Restr.:", " Y Translation", "Y Force", "Y-Force",
        "Y-Force :", "Y-Displacement", "Y-Displacement: "},
       {"rotation", "Rot.", 4, "Rot. Restr.:", "Rotation (Rad)", "Moment", "Moment",
        " Moment :", "Rotation", " Rotation :"}}},
     {"Shear Force", "Moment"},
     {{{"Moment of Inertia (I)", "Moment of Inertia - (I):", "moment of inertia I"}}},
     {"Joint No.     Y Force       Moment  ", "---------   -----------   -----------"},
     {"Joint No.   Y Displacement    Rotation  ", "---------   --------------   -----------"}},

    {StructKind::PTruss,
     "PTruss",
     " Plane Truss",
     "Plane Truss",
     "PT",
     2,
     2,
     1,
     2,
     0,
     true,
     true,
     false,
     true,
     false,
     {0, 0, 0},
     {{{"X translation", "X", 1, "X-Restr. :", " X Translation", "X Force", "X-Force",
        "X-Force :", "X-Displacement", "X-Displacement :"},
       {"Y translation", "Y", 2, "Y-Restr. :", " Y Translation", "Y Force", "Y-Force",
        "Y-Force :", "Y-Displacement", "Y-Displacement :"}}},
     {"Axial Force"},
     {{{"Area (A)", "Area -  (A)  :", "area A"}}},
     {"Joint No.     X Force       Y Force  ", "---------   -----------   -----------"},
     {"Joint No.   X Displacement   Y Displacement",
      "---------   --------------   --------------"}},

    {StructKind::PFrame,
     "PFrame",
     " Plane Frame",
     "Plane Frame",
     "PF",
     3,
     2,
     2,
     2,
     1,
     false,
     true,
     false,
     true,
     false,
     {3, 0, 0},
     {{{"X translation", "X", 1, "X-Restr. :", " X Translation", "X Force", "X-Force",
        "X-Force :", "X-Displacement", "X-Displacement :"},
       {"Y translation", "Y", 2, "Y-Restr. :", " Y Translation", "Y Force", "Y-Force",
        "Y-Force :", "Y-Displacement", "Y-Displacement :"},
       {"rotation", "Rot.", 4, "Rot. Restr.:", "Rotation (Rad)", "Moment", "Moment",
        "Moment  :", "Rotation", "Rotation  :"}}},
     {"Axial Force", "Shear Force", "Moment"},
     {{{"Area (A)", "Area -  (A)  :", "area A"},
       {"Moment of Inertia (I)", "Moment of Inertia - (I) :", "moment of inertia I"}}},
     {"Joint No.     X Force       Y Force       Moment",
      "---------   -----------   -----------   -----------"},
     {"Joint No.   X Displacement   Y Displacement    Rotation  ",
      "---------   --------------   --------------   -----------"}},

    {StructKind::STruss,
     "STruss",
     " Space Truss",
     "Space Truss",
     "ST",
     3,
     3,
     1,
     2,
     0,
     true,
     false,
     false,
     true,
     false,
     {0, 0, 0},
     {{{"X translation", "X", 1, "X-Restr. :", "X Translation", "X Force", "X-Force",
        "X-Force :", "X-Displacement", "X-Displacement :"},
       {"Y translation", "Y", 2, "Y-Restr. :", "Y Translation", "Y Force", "Y-Force",
        "Y-Force :", "Y-Displacement", "Y-Displacement :"},
       {"Z translation", "Z", 3, "Z-Restr. :", "Z Translation", "Z Force", "Z-Force",
        " Z-Force :", "Z-Displacement", "  Z-Displacement :"}}},
     {"Axial Force"},
     {{{"Area (A)", "Area -  (A)  :", "area A"}}},
     {"Joint No.     X Force       Y Force       Z Force",
      "---------   -----------   -----------   -----------"},
     {"Joint No.   X Displacement   Y Displacement   Z Displacement",
      "---------   --------------   --------------   --------------"}},

    {StructKind::Grid,
     "Grid",
     " Grid",
     "Grid",
     "Grid",
     3,
     2,
     2,
     3,
     2,
     false,
     false,
     true,
     false,
     false,
     {2, 3, 0},
     {{{"Y translation", "Y", 1, "Y-Restr.:", " Y Translation", "Y Force", "Y-Force",
        "Y-Force :", "Y-Displacement", "  Y-Displacement :"},
       {"rotation about X", "XR", 4, "X-Rot. Restr.:", "X Rotation (Rad)", "X Moment", "X-Moment",
        "X-Moment:", "X-Rotation", "   X-Rotation :"},
       {"rotation about Z", "ZR", 5, "Z-Rot. Restr.:", "Z Rotation (Rad)", "Z Moment", "Z-Moment",
        "Z-Moment:", "Z-Rotation", "   Z-Rotation :"}}},
     {"Shear Force", "Torsional Moment", "Bending Moment"},
     {{{"Moment of Inertia (I)", "Moment of Inertia - (I):", "moment of inertia I"},
       {"Torsion Constant (J)", "Torsion Constant - (J):", "torsion constant J"}}},
     {"Joint No.     Y Force      X Moment      Z Moment",
      "---------   -----------   -----------   -----------"},
     {"Joint No.   Y Displacement     X Rotation       Z Rotation",
      "---------   --------------   --------------   --------------"}},

    {StructKind::SFrame,
     "SFrame",
     " Space Frame",
     "Space Frame",
     "SF",
     6,
     3,
     4,
     3,
     3,
     false,
     false,
     false,
     true,
     true,
     {4, 5, 6},
     {{{"X translation", "X", 1, "X-Restr. :", "X Translation", "X Force", "X-Force",
        "X-Force :", "X-Displacement", "X-Displacement :"},
       {"Y translation", "Y", 2, "Y-Restr. :", "Y Translation", "Y Force", "Y-Force",
        "Y-Force :", "Y-Displacement", "Y-Displacement :"},
       {"Z translation", "Z", 3, "Z-Restr. :", "Z Translation", "Z-Force", "Z-Force",
        " Z-Force :", "Z-Displacement", "  Z-Displacement :"},
       {"rotation about X", "XR", 4, "X-Rot. Restr.:", "X Rotation (Rad)", "X Moment", "X-Moment",
        "X-Moment :", "X-Rotation", "X-Rotation :"},
       {"rotation about Y", "YR", 5, "Y-Rot. Restr.:", "Y Rotation (Rad)", "Y Moment", "Y-Moment",
        "Y-Moment :", "Y-Rotation", "Y-Rotation :"},
       {"rotation about Z", "ZR", 6, "Z-Rot. Restr.:", "Z Rotation (Rad)", "Z Moment", "Z-Moment",
        "Z-Moment :", "Z-Rotation", "Z-Rotation :"}}},
     {"Axial Force", "y Shear Force", "z Shear Force", "Torsional Moment", "y Bending Moment",
      "z Bending Moment"},
     {{{"Area (A)", "Area -  (A)  :", "area A"},
       {"Moment of Inertia (IZ)", "Moment of Inertia - (IZ):", "moment of inertia Iz"},
       {"Moment of Inertia (IY)", "Moment of Inertia - (IY) :", "moment of inertia Iy"},
       {"Torsion Constant (J)", "Torsion Constant - (J) :", "torsion constant J"}}},
     {"Jt.     X          Y          Z          X          Y          Z",
      "No.    Force      Force      Force      Moment     Moment     Moment",
      "--- ---------- ---------- ---------- ---------- ---------- ----------"},
     {"Jt.     X          Y          Z          X          Y          Z",
      "No.   Displ.     Displ.     Displ.    Rotation   Rotation   Rotation",
      "--- ---------- ---------- ---------- ---------- ---------- ----------"}},
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
  return type && k > type->CoordsPerJoint - type->Rotations && k <= type->CoordsPerJoint;
}

}  // namespace stavelorn
