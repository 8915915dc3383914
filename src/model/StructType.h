// The six structure types and everything the program knows about each one: its file code and
// names, the sizes it fixes (structure coordinates per joint, coordinate, section and material
// columns), the names of a joint's coordinates, a member's end forces and a section's properties
// as every window, report and message shows them, and which kinds of data it uses. Every part of
// the program that needs a fact about a type asks this table; only the project file's type code
// string is kept in the model.
#pragma once

#include <array>
#include <string>

#include "model/Units.h"

namespace stavelorn {

// The six structure types; None stands for a code that names none of them.
enum class StructKind { Beam, PTruss, PFrame, STruss, Grid, SFrame, None };

// One joint coordinate (structure coordinate of a joint): what it measures, and its name as each
// place shows it. A member end's local coordinate of the same position measures the same along or
// about the member's own axis (x, y, z for X, Y, Z): a grid's second joint coordinate is the
// rotation about X, its members' second end coordinate the twist about local x.
struct JointCoordNames {
  char Axis;                    // 'X', 'Y' or 'Z': a translation's direction, a rotation's axis
  bool Rotation;                // radians about Axis; otherwise a translation along it
  const char* Check;            // in messages: "Y translation", "rotation about X"
  const char* Restraint;        // in restraint texts: "Y", "Rot.", "XR"
  int RestraintCheck;           // the joint dialog's check box that restrains it (1..6)
  const char* RestraintLabel;   // that box's caption: "Y-Restr. :"
  const char* Displacement;     // results grid heading: " Y Translation"
  const char* Reaction;         // reactions grid heading: "Y Force"
  const char* Load;             // joint-load grid heading: "X-Force"
  const char* LoadLabel;        // joint-load dialog label: "X-Force :"
  const char* Settlement;       // support-displacement grid heading: "X-Displacement"
  const char* SettlementLabel;  // support-displacement dialog label: "X-Displacement :"
};

// One property of a cross-section set (a column of the Sections table, in order).
struct SectionPropertyNames {
  const char* Symbol;   // in a picked member's text: "A", "Iz"
  const char* Heading;  // list heading: "Moment of Inertia (I)"
  const char* Label;    // entry dialog label: "Moment of Inertia - (I):"
  const char* Check;    // in messages: "moment of inertia I"
  Quantity Measure{};   // the area A, or a second moment I, J
};

struct StructTypeInfo {
  StructKind Kind;
  const char* Code;         // the project file's type code
  const char* Caption;      // as the main window shows it: " Plane Frame"
  const char* Name;         // as the report and the title dialog name it: "Plane Frame"
  const char* TitleOption;  // the title dialog's option control: "PF"
  int CoordsPerJoint;       // degrees of freedom of one joint
  int CoordColumns;         // coordinates of one joint in JointCoords
  int SectionColumns;       // properties of one cross-section set
  int MaterialColumns;      // E and alpha, or E, G and alpha
  bool Truss;               // pin-ended bars: no releases, no member loads
  bool Plane;               // lies in the X-Y plane and is drawn there (beam, plane truss/frame)
  bool Horizontal;          // lies in one horizontal plane: its supports stand on a floor
  bool Axial;               // members have an axial coordinate (temperature, fabrication error)
  bool RollAngles;          // members carry a roll angle (space frames)
  // Takes the elastic critical load and the second-order analysis: members that bend and carry
  // an axial force (plane and space frames).
  bool Stability;
  // The global axis about which a support of this type may be turned ('Z' for the plane trusses
  // and frames, 'Y' for grids), or 0 when its supports stay square to the axes.
  char SupportTurnAxis;
  // The global axis of each JointCoords column, in order: "X" for a beam, "XZ" for a grid.
  const char* ColumnAxes;
  std::array<JointCoordNames, 6> Coords;  // the first CoordsPerJoint are used
  // The member end forces at one end, as the results grid heads them (empty for trusses, whose
  // one end force is the axial force).
  std::array<const char*, 6> EndForces;
  // The short name of the force or moment at each local end coordinate (the first
  // CoordsPerJoint), as a picked member lists them: "Axial", "Shear", "Torsion", "y Moment".
  std::array<const char*, 6> EndCoordNames;
  std::array<SectionPropertyNames, 4> Sections;  // the first SectionColumns are used
  // The report's headings of the joint-load and support-displacement tables (up to 3 lines).
  std::array<const char*, 3> JointLoadHeading;
  std::array<const char*, 3> SettlementHeading;
  // The printed results' headings of the joint displacements, the support reactions and the
  // member end forces (none for trusses, whose report lists each bar's axial force instead).
  std::array<const char*, 3> DisplacementHeading;
  std::array<const char*, 3> ReactionHeading;
  std::array<const char*, 3> EndForceHeading;
  // Where a positive diagram of a truss bar's axial force, or of a shear along local y or the
  // moment about local z, is drawn: "upper side" of a beam, "local +y side: upward" of a grid.
  const char* DiagramSide;
};

// The type with this code, or nullptr when the code names none of the six.
const StructTypeInfo* FindStructType(const std::string& code);

// The type of this kind, or nullptr for None.
const StructTypeInfo* FindStructType(StructKind kind);

// The type of this kind; throws std::invalid_argument for None.
const StructTypeInfo& TypeOf(StructKind kind);

// The kind a file code names, None for any other text.
StructKind KindOfStructure(const std::string& code);

// All six types in the order the program lists them.
const std::array<StructTypeInfo, 6>& AllStructTypes();

// Whether a type's members are pin-ended bars (no releases, no member loads).
bool IsTruss(const std::string& code);

// Whether a type lies in the X-Y plane and is drawn there (beams, plane trusses and frames).
bool IsPlane(const std::string& code);

// Whether joint coordinate k (1-based) of the type is a rotation; false for an unknown type.
bool IsRotation(const std::string& code, int k);

// How many of a joint's coordinates are rotations (they come after the translations).
int RotationCount(const StructTypeInfo& type);

// Joint coordinate k (1-based, 1..CoordsPerJoint) of the type.
const JointCoordNames& CoordinateOf(const StructTypeInfo& type, int k);

// "X Translation", "Z Rotation": a joint coordinate as a picked joint and a mechanism name it.
std::string CoordinateName(const JointCoordNames& coordinate);

// The local axis 'x', 'y' or 'z' of a member end coordinate whose joint coordinate is this one.
char LocalAxis(const JointCoordNames& coordinate);

// The coordinate k (1..CoordsPerJoint) of a member's beginning that measures a translation along,
// or a rotation about, local axis `localAxis`; the end's is k + CoordsPerJoint. 0 when the type
// has none: a beam's members have no axial coordinate, a plane frame's no twist.
int EndCoordinate(const StructTypeInfo& type, char localAxis, bool rotation);

}  // namespace stavelorn
