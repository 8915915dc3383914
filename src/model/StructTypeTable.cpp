// The six structure types, one row each.
#include "model/StructType.h"
#include "model/StructTypeCoordinates.h"

namespace stavelorn {

namespace {

using namespace type_rows;

// Every field of a row is set by name, so that a row reads on its own and the compiler checks
// each name. The texts are as each window, report and message shows them, blanks and all: the
// grids and dialogs line them up by their leading blanks, and the report prints its headings
// verbatim. A hinge frees the bending moment at its end and, in this method, the twist of a grid
// or space-frame member too.

constexpr StructTypeInfo BeamType() {
  StructTypeInfo t{};
  t.Kind = StructKind::Beam;
  t.Code = "Beam";
  t.Caption = " Beam";
  t.Name = "Beam";
  t.TitleOption = "Beam";
  t.CoordsPerJoint = 2;
  t.CoordColumns = 1;
  t.SectionColumns = 1;
  t.MaterialColumns = 2;
  t.Truss = false;
  t.Plane = true;
  t.Horizontal = true;
  t.Axial = false;
  t.RollAngles = false;
  t.Stability = false;
  t.SupportTurnAxis = 0;
  t.ColumnAxes = "X";
  t.Coords = {BeamYTranslation(), BeamRotation()};
  t.EndForces = {"Shear Force", "Moment"};
  t.EndCoordNames = {"Shear", "Moment"};
  t.Sections = {BeamInertia()};
  t.JointLoadHeading = {"Joint No.     Y Force       Moment  ",
                        "---------   -----------   -----------"};
  t.SettlementHeading = {"Joint No.   Y Displacement    Rotation  ",
                         "---------   --------------   -----------"};
  t.DisplacementHeading = {"Joint No.   Y Translation   Rotation (Rad)",
                           "---------   -------------   --------------"};
  t.ReactionHeading = {"Joint No.     Y Force       Moment",
                       "---------   -----------   -----------"};
  t.EndForceHeading = {"Member   Joint   Shear Force     Moment",
                       "------   -----   -----------   -----------"};
  t.DiagramSide = "upper side";
  return t;
}

constexpr StructTypeInfo PlaneTrussType() {
  StructTypeInfo t{};
  t.Kind = StructKind::PTruss;
  t.Code = "PTruss";
  t.Caption = " Plane Truss";
  t.Name = "Plane Truss";
  t.TitleOption = "PT";
  t.CoordsPerJoint = 2;
  t.CoordColumns = 2;
  t.SectionColumns = 1;
  t.MaterialColumns = 2;
  t.Truss = true;
  t.Plane = true;
  t.Horizontal = false;
  t.Axial = true;
  t.RollAngles = false;
  t.Stability = false;
  t.SupportTurnAxis = 'Z';
  t.ColumnAxes = "XY";
  t.Coords = {PlaneXTranslation(), PlaneYTranslation()};
  t.EndForces = {"Axial Force"};
  t.EndCoordNames = {"Axial", "Shear"};
  t.Sections = {Area()};
  t.JointLoadHeading = {"Joint No.     X Force       Y Force  ",
                        "---------   -----------   -----------"};
  t.SettlementHeading = {"Joint No.   X Displacement   Y Displacement",
                         "---------   --------------   --------------"};
  t.DisplacementHeading = {"Joint No.   X Translation   Y Translation",
                           "---------   -------------   -------------"};
  t.ReactionHeading = {"Joint No.     X Force       Y Force",
                       "---------   -----------   -----------"};
  t.EndForceHeading = {};
  t.DiagramSide = "left of each bar, seen from its beginning joint";
  return t;
}

constexpr StructTypeInfo PlaneFrameType() {
  StructTypeInfo t{};
  t.Kind = StructKind::PFrame;
  t.Code = "PFrame";
  t.Caption = " Plane Frame";
  t.Name = "Plane Frame";
  t.TitleOption = "PF";
  t.CoordsPerJoint = 3;
  t.CoordColumns = 2;
  t.SectionColumns = 2;
  t.MaterialColumns = 2;
  t.Truss = false;
  t.Plane = true;
  t.Horizontal = false;
  t.Axial = true;
  t.RollAngles = false;
  t.Stability = true;
  t.SupportTurnAxis = 'Z';
  t.ColumnAxes = "XY";
  t.Coords = {PlaneXTranslation(), PlaneYTranslation(), PlaneFrameRotation()};
  t.EndForces = {"Axial Force", "Shear Force", "Moment"};
  t.EndCoordNames = {"Axial", "Shear", "Moment"};
  t.Sections = {Area(), PlaneFrameInertia()};
  t.JointLoadHeading = {"Joint No.     X Force       Y Force       Moment",
                        "---------   -----------   -----------   -----------"};
  t.SettlementHeading = {"Joint No.   X Displacement   Y Displacement    Rotation  ",
                         "---------   --------------   --------------   -----------"};
  t.DisplacementHeading = {"Joint No.   X Translation   Y Translation   Rotation (Rad)",
                           "---------   -------------   -------------   --------------"};
  t.ReactionHeading = {"Joint No.     X Force       Y Force       Moment",
                       "---------   -----------   -----------   -----------"};
  t.EndForceHeading = {"Member   Joint   Axial Force   Shear Force     Moment",
                       "------   -----   -----------   -----------   -----------"};
  t.DiagramSide = "local +y side: left, seen from the beginning joint";
  return t;
}

constexpr StructTypeInfo SpaceTrussType() {
  StructTypeInfo t{};
  t.Kind = StructKind::STruss;
  t.Code = "STruss";
  t.Caption = " Space Truss";
  t.Name = "Space Truss";
  t.TitleOption = "ST";
  t.CoordsPerJoint = 3;
  t.CoordColumns = 3;
  t.SectionColumns = 1;
  t.MaterialColumns = 2;
  t.Truss = true;
  t.Plane = false;
  t.Horizontal = false;
  t.Axial = true;
  t.RollAngles = false;
  t.Stability = false;
  t.SupportTurnAxis = 0;
  t.ColumnAxes = "XYZ";
  t.Coords = {SpaceXTranslation(), SpaceYTranslation(), SpaceTrussZTranslation()};
  t.EndForces = {"Axial Force"};
  t.EndCoordNames = {"Axial", "y Shear", "z Shear"};
  t.Sections = {Area()};
  t.JointLoadHeading = {"Joint No.     X Force       Y Force       Z Force",
                        "---------   -----------   -----------   -----------"};
  t.SettlementHeading = {"Joint No.   X Displacement   Y Displacement   Z Displacement",
                         "---------   --------------   --------------   --------------"};
  t.DisplacementHeading = {"Joint No.   X Translation   Y Translation   Z Translation",
                           "---------   -------------   -------------   -------------"};
  t.ReactionHeading = {"Joint No.     X Force       Y Force       Z Force",
                       "---------   -----------   -----------   -----------"};
  t.EndForceHeading = {};
  t.DiagramSide = "left of each bar, seen from its beginning joint";
  return t;
}

constexpr StructTypeInfo GridType() {
  StructTypeInfo t{};
  t.Kind = StructKind::Grid;
  t.Code = "Grid";
  t.Caption = " Grid";
  t.Name = "Grid";
  t.TitleOption = "Grid";
  t.CoordsPerJoint = 3;
  t.CoordColumns = 2;
  t.SectionColumns = 2;
  t.MaterialColumns = 3;
  t.Truss = false;
  t.Plane = false;
  t.Horizontal = true;
  t.Axial = false;
  t.RollAngles = false;
  t.Stability = false;
  t.SupportTurnAxis = 'Y';
  t.ColumnAxes = "XZ";
  t.Coords = {GridYTranslation(), GridXRotation(), GridZRotation()};
  t.EndForces = {"Shear Force", "Torsional Moment", "Bending Moment"};
  t.EndCoordNames = {"Shear", "Torsion", "Moment"};
  t.Sections = {GridInertia(), GridTorsion()};
  t.JointLoadHeading = {"Joint No.     Y Force      X Moment      Z Moment",
                        "---------   -----------   -----------   -----------"};
  t.SettlementHeading = {"Joint No.   Y Displacement     X Rotation       Z Rotation",
                         "---------   --------------   --------------   --------------"};
  t.DisplacementHeading = {"Joint No.   Y Translation    X Rotation      Z Rotation ",
                           "---------   -------------   -------------   --------------"};
  t.ReactionHeading = {"Joint No.     Y Force      X Moment      Z Moment",
                       "---------   -----------   -----------   -----------"};
  t.EndForceHeading = {"Member   Joint      Shear       Torsional      Bending",
                       "  No.     No.       Force         Moment        Moment",
                       "------   -----   -----------   -----------   -----------"};
  t.DiagramSide = "local +y side: upward";
  return t;
}

constexpr StructTypeInfo SpaceFrameType() {
  StructTypeInfo t{};
  t.Kind = StructKind::SFrame;
  t.Code = "SFrame";
  t.Caption = " Space Frame";
  t.Name = "Space Frame";
  t.TitleOption = "SF";
  t.CoordsPerJoint = 6;
  t.CoordColumns = 3;
  t.SectionColumns = 4;
  t.MaterialColumns = 3;
  t.Truss = false;
  t.Plane = false;
  t.Horizontal = false;
  t.Axial = true;
  t.RollAngles = true;
  t.Stability = true;
  t.SupportTurnAxis = 0;
  t.ColumnAxes = "XYZ";
  t.Coords = {SpaceXTranslation(),   SpaceYTranslation(),   SpaceFrameZTranslation(),
              SpaceFrameXRotation(), SpaceFrameYRotation(), SpaceFrameZRotation()};
  t.EndForces = {"Axial Force",      "y Shear Force",    "z Shear Force",
                 "Torsional Moment", "y Bending Moment", "z Bending Moment"};
  t.EndCoordNames = {"Axial", "y Shear", "z Shear", "Torsion", "y Moment", "z Moment"};
  t.Sections = {Area(), SpaceFrameInertiaZ(), SpaceFrameInertiaY(), SpaceFrameTorsion()};
  t.JointLoadHeading = {"Jt.     X          Y          Z          X          Y          Z",
                        "No.    Force      Force      Force      Moment     Moment     Moment",
                        "--- ---------- ---------- ---------- ---------- ---------- ----------"};
  t.SettlementHeading = {"Jt.     X          Y          Z          X          Y          Z",
                         "No.   Displ.     Displ.     Displ.    Rotation   Rotation   Rotation",
                         "--- ---------- ---------- ---------- ---------- ---------- ----------"};
  t.DisplacementHeading = {"Jt.     X          Y          Z          X          Y          Z",
                           "No.  Transl.    Transl.    Transl.    Rotation   Rotation   Rotation",
                           "--- ---------- ---------- ---------- ---------- ---------- ----------"};
  t.ReactionHeading = {"Jt.     X          Y          Z          X          Y          Z",
                       "No.   Force      Force      Force      Moment     Moment     Moment",
                       "--- ---------- ---------- ---------- ---------- ---------- ----------"};
  t.EndForceHeading = {"Jt.   Axial        y          z      Torsional      y          z",
                       "No.   Force      Shear      Shear      Moment     Moment     Moment",
                       "--- ---------- ---------- ---------- ---------- ---------- ----------"};
  t.DiagramSide = "local +y side";
  return t;
}

constexpr std::array<StructTypeInfo, 6> kTypes = {
    BeamType(), PlaneTrussType(), PlaneFrameType(), SpaceTrussType(), GridType(), SpaceFrameType()};

}  // namespace

const std::array<StructTypeInfo, 6>& AllStructTypes() {
  return kTypes;
}

}  // namespace stavelorn
