#include "model/SupportAxes.h"

#include <cmath>

namespace stavelorn {

namespace {

// The coordinate of the type along (or about) `axis`, of the kind given; 0 when it has none.
int CoordinateAlong(const StructTypeInfo& type, char axis, bool rotation) {
  for (int k = 1; k <= type.CoordsPerJoint; ++k) {
    const JointCoordNames& c = CoordinateOf(type, k);
    if (c.Axis == axis && c.Rotation == rotation) return k;
  }
  return 0;
}

}  // namespace

std::optional<TurnedPair> TurnedCoordinates(const StructTypeInfo& type) {
  // A turn about Z carries X toward Y, one about Y carries Z toward X.
  const char first = type.SupportTurnAxis == 'Z' ? 'X' : 'Z';
  const char second = type.SupportTurnAxis == 'Z' ? 'Y' : 'X';
  if (type.SupportTurnAxis == 0) return std::nullopt;
  for (bool rotation : {false, true}) {
    const int a = CoordinateAlong(type, first, rotation),
              b = CoordinateAlong(type, second, rotation);
    if (a > 0 && b > 0) return TurnedPair{a, b};
  }
  return std::nullopt;
}

int SupportAngleRecord(const ModelStore& model, int joint) {
  for (int r = 1; r <= model.SupportAngleCount; ++r)
    if (model.SupportAngleJoints(r) == joint) return r;
  return 0;
}

JointTurn JointTurnOf(const ModelStore& model, int joint) {
  JointTurn turn;
  const StructTypeInfo* type = model.Type();
  const int record = SupportAngleRecord(model, joint);
  if (!type || record == 0) return turn;
  const std::optional<TurnedPair> pair = TurnedCoordinates(*type);
  const double degrees = std::fmod(double{model.SupportAngleValues(record)}, 360.0);
  if (!pair || degrees == 0.0) return turn;
  turn.First = pair->First;
  turn.Second = pair->Second;
  const double quarters = degrees / 90.0;
  if (quarters == std::floor(quarters)) {
    const int q = (static_cast<int>(quarters) % 4 + 4) % 4;
    const double cosines[] = {1.0, 0.0, -1.0, 0.0};
    turn.Cos = cosines[q];
    turn.Sin = cosines[(q + 3) % 4];
  } else {
    const double radians = degrees * std::acos(-1.0) / 180.0;
    turn.Cos = std::cos(radians);
    turn.Sin = std::sin(radians);
  }
  return turn;
}

bool AnySupportTurned(const ModelStore& model) {
  for (int r = 1; r <= model.SupportAngleCount; ++r)
    if (JointTurnOf(model, model.SupportAngleJoints(r)).Turned()) return true;
  return false;
}

}  // namespace stavelorn
