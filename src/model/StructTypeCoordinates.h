// The rows the structure-type table is built from: each joint coordinate and each cross-section
// property as the types name them, one constexpr function per row with every field set by name.
// Only the type table (StructTypeTable.cpp) includes this; everything else asks StructType.h.
#pragma once

#include "model/StructType.h"

namespace stavelorn::type_rows {

// A joint's coordinates, one function each, named after the types that share it. Translations
// come first, then rotations.

constexpr JointCoordNames BeamYTranslation() {
  JointCoordNames c{};
  c.Axis = 'Y';
  c.Rotation = false;
  c.Check = "Y translation";
  c.Restraint = "Y";
  c.RestraintCheck = 1;
  c.RestraintLabel = "Y-Restr.:";
  c.Displacement = " Y Translation";
  c.Reaction = "Y Force";
  c.Load = "Y-Force";
  c.LoadLabel = "Y-Force :";
  c.Settlement = "Y-Displacement";
  c.SettlementLabel = "Y-Displacement: ";
  return c;
}

constexpr JointCoordNames BeamRotation() {
  JointCoordNames c{};
  c.Axis = 'Z';
  c.Rotation = true;
  c.Check = "rotation";
  c.Restraint = "Rot.";
  c.RestraintCheck = 4;
  c.RestraintLabel = "Rot. Restr.:";
  c.Displacement = "Rotation (Rad)";
  c.Reaction = "Moment";
  c.Load = "Moment";
  c.LoadLabel = " Moment :";
  c.Settlement = "Rotation";
  c.SettlementLabel = " Rotation :";
  return c;
}

constexpr JointCoordNames PlaneXTranslation() {
  JointCoordNames c{};
  c.Axis = 'X';
  c.Rotation = false;
  c.Check = "X translation";
  c.Restraint = "X";
  c.RestraintCheck = 1;
  c.RestraintLabel = "X-Restr. :";
  c.Displacement = " X Translation";
  c.Reaction = "X Force";
  c.Load = "X-Force";
  c.LoadLabel = "X-Force :";
  c.Settlement = "X-Displacement";
  c.SettlementLabel = "X-Displacement :";
  return c;
}

constexpr JointCoordNames PlaneYTranslation() {
  JointCoordNames c{};
  c.Axis = 'Y';
  c.Rotation = false;
  c.Check = "Y translation";
  c.Restraint = "Y";
  c.RestraintCheck = 2;
  c.RestraintLabel = "Y-Restr. :";
  c.Displacement = " Y Translation";
  c.Reaction = "Y Force";
  c.Load = "Y-Force";
  c.LoadLabel = "Y-Force :";
  c.Settlement = "Y-Displacement";
  c.SettlementLabel = "Y-Displacement :";
  return c;
}

constexpr JointCoordNames PlaneFrameRotation() {
  JointCoordNames c{};
  c.Axis = 'Z';
  c.Rotation = true;
  c.Check = "rotation";
  c.Restraint = "Rot.";
  c.RestraintCheck = 4;
  c.RestraintLabel = "Rot. Restr.:";
  c.Displacement = "Rotation (Rad)";
  c.Reaction = "Moment";
  c.Load = "Moment";
  c.LoadLabel = "Moment  :";
  c.Settlement = "Rotation";
  c.SettlementLabel = "Rotation  :";
  return c;
}

constexpr JointCoordNames SpaceXTranslation() {
  JointCoordNames c{};
  c.Axis = 'X';
  c.Rotation = false;
  c.Check = "X translation";
  c.Restraint = "X";
  c.RestraintCheck = 1;
  c.RestraintLabel = "X-Restr. :";
  c.Displacement = "X Translation";
  c.Reaction = "X Force";
  c.Load = "X-Force";
  c.LoadLabel = "X-Force :";
  c.Settlement = "X-Displacement";
  c.SettlementLabel = "X-Displacement :";
  return c;
}

constexpr JointCoordNames SpaceYTranslation() {
  JointCoordNames c{};
  c.Axis = 'Y';
  c.Rotation = false;
  c.Check = "Y translation";
  c.Restraint = "Y";
  c.RestraintCheck = 2;
  c.RestraintLabel = "Y-Restr. :";
  c.Displacement = "Y Translation";
  c.Reaction = "Y Force";
  c.Load = "Y-Force";
  c.LoadLabel = "Y-Force :";
  c.Settlement = "Y-Displacement";
  c.SettlementLabel = "Y-Displacement :";
  return c;
}

constexpr JointCoordNames SpaceTrussZTranslation() {
  JointCoordNames c{};
  c.Axis = 'Z';
  c.Rotation = false;
  c.Check = "Z translation";
  c.Restraint = "Z";
  c.RestraintCheck = 3;
  c.RestraintLabel = "Z-Restr. :";
  c.Displacement = "Z Translation";
  c.Reaction = "Z Force";
  c.Load = "Z-Force";
  c.LoadLabel = " Z-Force :";
  c.Settlement = "Z-Displacement";
  c.SettlementLabel = "  Z-Displacement :";
  return c;
}

// A grid lies in the X-Z plane: its three degrees of freedom are the Y translation and the
// rotations about X and Z.
constexpr JointCoordNames GridYTranslation() {
  JointCoordNames c{};
  c.Axis = 'Y';
  c.Rotation = false;
  c.Check = "Y translation";
  c.Restraint = "Y";
  c.RestraintCheck = 1;
  c.RestraintLabel = "Y-Restr.:";
  c.Displacement = " Y Translation";
  c.Reaction = "Y Force";
  c.Load = "Y-Force";
  c.LoadLabel = "Y-Force :";
  c.Settlement = "Y-Displacement";
  c.SettlementLabel = "  Y-Displacement :";
  return c;
}

constexpr JointCoordNames GridXRotation() {
  JointCoordNames c{};
  c.Axis = 'X';
  c.Rotation = true;
  c.Check = "rotation about X";
  c.Restraint = "XR";
  c.RestraintCheck = 4;
  c.RestraintLabel = "X-Rot. Restr.:";
  c.Displacement = "X Rotation (Rad)";
  c.Reaction = "X Moment";
  c.Load = "X-Moment";
  c.LoadLabel = "X-Moment:";
  c.Settlement = "X-Rotation";
  c.SettlementLabel = "   X-Rotation :";
  return c;
}

constexpr JointCoordNames GridZRotation() {
  JointCoordNames c{};
  c.Axis = 'Z';
  c.Rotation = true;
  c.Check = "rotation about Z";
  c.Restraint = "ZR";
  c.RestraintCheck = 5;
  c.RestraintLabel = "Z-Rot. Restr.:";
  c.Displacement = "Z Rotation (Rad)";
  c.Reaction = "Z Moment";
  c.Load = "Z-Moment";
  c.LoadLabel = "Z-Moment:";
  c.Settlement = "Z-Rotation";
  c.SettlementLabel = "   Z-Rotation :";
  return c;
}

constexpr JointCoordNames SpaceFrameZTranslation() {
  JointCoordNames c{};
  c.Axis = 'Z';
  c.Rotation = false;
  c.Check = "Z translation";
  c.Restraint = "Z";
  c.RestraintCheck = 3;
  c.RestraintLabel = "Z-Restr. :";
  c.Displacement = "Z Translation";
  c.Reaction = "Z-Force";
  c.Load = "Z-Force";
  c.LoadLabel = " Z-Force :";
  c.Settlement = "Z-Displacement";
  c.SettlementLabel = "  Z-Displacement :";
  return c;
}

constexpr JointCoordNames SpaceFrameXRotation() {
  JointCoordNames c{};
  c.Axis = 'X';
  c.Rotation = true;
  c.Check = "rotation about X";
  c.Restraint = "XR";
  c.RestraintCheck = 4;
  c.RestraintLabel = "X-Rot. Restr.:";
  c.Displacement = "X Rotation (Rad)";
  c.Reaction = "X Moment";
  c.Load = "X-Moment";
  c.LoadLabel = "X-Moment :";
  c.Settlement = "X-Rotation";
  c.SettlementLabel = "X-Rotation :";
  return c;
}

constexpr JointCoordNames SpaceFrameYRotation() {
  JointCoordNames c{};
  c.Axis = 'Y';
  c.Rotation = true;
  c.Check = "rotation about Y";
  c.Restraint = "YR";
  c.RestraintCheck = 5;
  c.RestraintLabel = "Y-Rot. Restr.:";
  c.Displacement = "Y Rotation (Rad)";
  c.Reaction = "Y Moment";
  c.Load = "Y-Moment";
  c.LoadLabel = "Y-Moment :";
  c.Settlement = "Y-Rotation";
  c.SettlementLabel = "Y-Rotation :";
  return c;
}

constexpr JointCoordNames SpaceFrameZRotation() {
  JointCoordNames c{};
  c.Axis = 'Z';
  c.Rotation = true;
  c.Check = "rotation about Z";
  c.Restraint = "ZR";
  c.RestraintCheck = 6;
  c.RestraintLabel = "Z-Rot. Restr.:";
  c.Displacement = "Z Rotation (Rad)";
  c.Reaction = "Z Moment";
  c.Load = "Z-Moment";
  c.LoadLabel = "Z-Moment :";
  c.Settlement = "Z-Rotation";
  c.SettlementLabel = "Z-Rotation :";
  return c;
}

// A cross-section set's properties, in the order of the Sections table's columns.

constexpr SectionPropertyNames BeamInertia() {
  SectionPropertyNames s{};
  s.Symbol = "I";
  s.Heading = "Moment of Inertia (I)";
  s.Label = "Moment of Inertia - (I):";
  s.Check = "moment of inertia I";
  return s;
}

constexpr SectionPropertyNames Area() {
  SectionPropertyNames s{};
  s.Symbol = "A";
  s.Heading = "Area (A)";
  s.Label = "Area -  (A)  :";
  s.Check = "area A";
  return s;
}

constexpr SectionPropertyNames PlaneFrameInertia() {
  SectionPropertyNames s{};
  s.Symbol = "I";
  s.Heading = "Moment of Inertia (I)";
  s.Label = "Moment of Inertia - (I) :";
  s.Check = "moment of inertia I";
  return s;
}

constexpr SectionPropertyNames GridInertia() {
  SectionPropertyNames s{};
  s.Symbol = "I";
  s.Heading = "Moment of Inertia (I)";
  s.Label = "Moment of Inertia - (I):";
  s.Check = "moment of inertia I";
  return s;
}

constexpr SectionPropertyNames GridTorsion() {
  SectionPropertyNames s{};
  s.Symbol = "J";
  s.Heading = "Torsion Constant (J)";
  s.Label = "Torsion Constant - (J):";
  s.Check = "torsion constant J";
  return s;
}

constexpr SectionPropertyNames SpaceFrameInertiaZ() {
  SectionPropertyNames s{};
  s.Symbol = "Iz";
  s.Heading = "Moment of Inertia (IZ)";
  s.Label = "Moment of Inertia - (IZ):";
  s.Check = "moment of inertia Iz";
  return s;
}

constexpr SectionPropertyNames SpaceFrameInertiaY() {
  SectionPropertyNames s{};
  s.Symbol = "Iy";
  s.Heading = "Moment of Inertia (IY)";
  s.Label = "Moment of Inertia - (IY) :";
  s.Check = "moment of inertia Iy";
  return s;
}

constexpr SectionPropertyNames SpaceFrameTorsion() {
  SectionPropertyNames s{};
  s.Symbol = "J";
  s.Heading = "Torsion Constant (J)";
  s.Label = "Torsion Constant - (J) :";
  s.Check = "torsion constant J";
  return s;
}

}  // namespace stavelorn::type_rows
