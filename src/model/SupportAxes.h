// Turned supports: a support of a plane truss, plane frame or grid may stand turned by an angle,
// and then its restraints, springs and settlements act along its own axes. Two of the joint's
// coordinates turn with it (a plane type's X and Y translations, a grid's rotations about Z and
// X); this file says which, finds a joint's angle and turns a joint's values between the global
// axes and the support's.
#pragma once

#include <optional>

#include "model/ModelStore.h"
#include "model/StructType.h"

namespace stavelorn {

// The two joint coordinates (1-based) that a turn mixes, in the order in which turning by a
// positive angle carries the first toward the second.
struct TurnedPair {
  int First;
  int Second;
};

// The pair of the type, or nothing when its supports cannot be turned.
std::optional<TurnedPair> TurnedCoordinates(const StructTypeInfo& type);

// The record of joint `joint` in the support-angle table, or 0 when it has none (the first
// record counts).
int SupportAngleRecord(const ModelStore& model, int joint);

// How the axes of a joint's support stand: the identity for a joint that is not turned.
struct JointTurn {
  int First = 0;  // 0 when not turned
  int Second = 0;
  double Cos = 1.0;
  double Sin = 0.0;

  bool Turned() const { return First > 0; }

  // Values indexed 1..CoordsPerJoint from `offset` + 1 (a member's end coordinates start at
  // offset CoordsPerJoint for its end joint): global components into the support's axes, and
  // back.
  template <typename Vector>
  void ToSupportAxes(Vector& values, int offset = 0) const {
    if (!Turned()) return;
    const double a = values[offset + First], b = values[offset + Second];
    values[offset + First] = static_cast<decltype(+values[0])>(Cos * a + Sin * b);
    values[offset + Second] = static_cast<decltype(+values[0])>(-Sin * a + Cos * b);
  }
  template <typename Vector>
  void ToGlobalAxes(Vector& values, int offset = 0) const {
    if (!Turned()) return;
    const double a = values[offset + First], b = values[offset + Second];
    values[offset + First] = static_cast<decltype(+values[0])>(Cos * a - Sin * b);
    values[offset + Second] = static_cast<decltype(+values[0])>(Sin * a + Cos * b);
  }
};

// The turn of joint `joint`'s support; the identity when its type cannot turn supports or the
// joint has no angle. Multiples of 90 degrees turn exactly.
JointTurn JointTurnOf(const ModelStore& model, int joint);

// Whether any support of the model is turned by an angle other than 0.
bool AnySupportTurned(const ModelStore& model);

}  // namespace stavelorn
