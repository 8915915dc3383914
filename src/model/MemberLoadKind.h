// The eleven kinds of member load: what each one is called, what its four stored values mean and
// how it acts on the member in its local axes. Every part of the program that needs a fact about
// a load kind (fixed-end forces, checks, reports, editor, drawing, diagrams) asks this table.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/StructType.h"

namespace stavelorn {

// The load type code stored in the project file (MemberLoadInfo column 2).
enum class MemberLoadKind {
  Concentrated = 1,   // force across the member, local y
  Couple = 2,         // couple about local z
  Uniform = 3,        // uniform intensity across the member, local y
  Linear = 4,         // linearly varying intensity, local y
  AxialForce = 5,     // force along the member
  AxialUniform = 6,   // uniform intensity along the member
  Torque = 7,         // couple about the member's axis
  ConcentratedZ = 8,  // as Concentrated, in local z
  CoupleY = 9,        // as Couple, about local y
  UniformZ = 10,      // as Uniform, in local z
  LinearZ = 11,       // as Linear, in local z
};

// The local axis a load acts along (forces) or about (couples).
enum class LoadAxis { X, Y, Z };

// What the load is: a force or a couple, at a point or spread over part of the member.
enum class LoadForm { PointForce, PointCouple, UniformForce, LinearForce };

// The plane a transverse load bends the member in; axial loads and torques bend nothing.
enum class BendingPlane { None, LocalXY, LocalXZ };

struct MemberLoadKindInfo {
  MemberLoadKind Kind;
  const char* ReportName;  // seven-character name of the report's load table, e.g. " Conc. "
  const char* LongName;    // the editor's name, e.g. "Concentrated force"
  const char* CheckName;   // as a message names it, e.g. "a concentrated force"
  // The label of each of the four stored values (magnitude, second magnitude, a, b), or nullptr
  // when the kind does not use that value. Distances a and b are measured from the beginning and
  // from the end joint; a distributed load covers [a, L - b].
  std::array<const char*, 4> ValueLabels;
  // The symbol of each value, as every view and the printout name it ("P", "w1", "a"), or
  // nullptr as above. The direction every view words a load by follows from Form, Axis and
  // AppliedSign (LoadDirection in model/LoadSymbols.h).
  std::array<const char*, 4> Symbols;
  LoadForm Form;
  LoadAxis Axis;
  // The sign of the applied force or couple, along or about Axis, for a positive magnitude: a
  // positive transverse load acts against the local axis, as gravity on a member whose local y
  // points up; a positive couple turns clockwise in its plane.
  int AppliedSign;
  BendingPlane Plane;
  // Which structure types carry this kind (None pads): a type needs the local coordinate the
  // load's fixed-end forces go to (trusses carry no member loads at all).
  std::array<StructKind, 4> AcceptingTypes;
};

// The table entry of a load type code, or nullptr for a code outside 1..11.
const MemberLoadKindInfo* FindMemberLoadKind(int code);

// All eleven kinds, in the order of their codes.
const std::array<MemberLoadKindInfo, 11>& AllMemberLoadKinds();

// The table entry of a kind.
const MemberLoadKindInfo& InfoOf(MemberLoadKind kind);

// Whether a structure type (its kind, or its file code) carries a load of this kind.
bool TypeAcceptsLoad(StructKind type, const MemberLoadKindInfo& kind);
bool TypeAcceptsLoad(const std::string& typeCode, const MemberLoadKindInfo& kind);

// The kinds a structure type carries, in the order of their codes (none for a truss).
std::vector<const MemberLoadKindInfo*> AcceptedLoadKinds(StructKind type);

// Whether the load acts at a point (force or couple) rather than over a length.
inline bool IsConcentrated(const MemberLoadKindInfo& kind) {
  return kind.Form == LoadForm::PointForce || kind.Form == LoadForm::PointCouple;
}
// Whether the load is spread over [a, L - b], so that its fourth value is read.
inline bool IsDistributed(const MemberLoadKindInfo& kind) {
  return !IsConcentrated(kind);
}
// Whether the load acts along the member's axis (axial forces and torques).
inline bool IsAxial(const MemberLoadKindInfo& kind) {
  return kind.Axis == LoadAxis::X;
}
// Whether the load is a linearly varying intensity, whose second value is read.
inline bool IsLinear(const MemberLoadKindInfo& kind) {
  return kind.Form == LoadForm::LinearForce;
}

}  // namespace stavelorn
