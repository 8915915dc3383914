// The local axes of a member as the analysis takes them: x from its beginning to its end, y and z
// turned by the member transformation (by the angle of roll for a space frame). Read from the
// engine's own transformation matrix, so the drawing shows the axes the end forces refer to.
#pragma once

#include <array>
#include <optional>

#include "model/ModelStore.h"

namespace stavelorn {

struct MemberAxes {
  using Vector = std::array<double, 3>;  // components along global X, Y, Z
  Vector X{}, Y{}, Z{};
  double Length = 0;  // the member's length, from its joints
  // Which axes the type's end forces use: x and y for plane types (z is the plane's normal,
  // about which plane moments turn), x alone for a space truss, all three otherwise.
  bool HasY = true, HasZ = true;
};

// The axes of `member`; nothing when it names joints outside the model, has no length or its
// roll angle is missing.
std::optional<MemberAxes> MemberLocalAxes(const ModelStore& model, int member);

}  // namespace stavelorn
