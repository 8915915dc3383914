// The one set of symbols loads are named by, wherever a load is shown or printed: a member load's
// P (force), M (couple), T (torque), w (uniform intensity), w1 and w2 (a linear load's intensity
// at its start and end), a (from the beginning joint to the load or its start) and b (from the
// load's end to the end joint), with the direction a positive value acts in; a joint load's
// components Fx, Fy, Fz, Mx, My, Mz. The symbols are the load-kind table's, the directions follow
// from its form, axis and applied sign, the joint components from the structure-type table.
#pragma once

#include <array>
#include <string>

#include "model/MemberLoadKind.h"
#include "model/StructType.h"
#include "model/Units.h"

namespace stavelorn {

// The symbol of stored value k (0..3) of a kind ("P", "w2", "a"), or "" when it has none.
std::string LoadSymbol(const MemberLoadKindInfo& kind, int k);

// Where a positive value of the kind acts, in the member's local axes: "in local -y" for a force
// (or intensity) against local y, "about local -z" for a couple turning about local z against
// the right-hand rule. Every view and the entry dialog's help word the direction so.
std::string LoadDirection(const MemberLoadKindInfo& kind);

// The kind named by its magnitudes and direction for a table whose heading names the local axes:
// "P in -y", "w1,w2 in -z", "T about -x".
std::string LoadKindLabel(const MemberLoadKindInfo& kind);

// A load's magnitudes by symbol with its direction, as a drawing labels it:
// "P = 40 (in local -y)", "w1 = 0, w2 = 6 (in local -z)"; with named units each value has its
// unit, "P = 40 kN (in local -y)".
std::string MemberLoadLabel(const MemberLoadKindInfo& kind, const std::array<float, 4>& values,
                            const UnitSystem& units = {});

// Every value a load of this kind has, by symbol, the direction after its magnitudes:
// "P = 40 (in local -y), a = 2", "w1 = 0, w2 = 6 (in local -y), a = 0, b = 0"; with named units
// each value has its unit, "w = 4 kN/m (in local -y), a = 0 m, b = 0 m".
std::string MemberLoadValuesText(const MemberLoadKindInfo& kind, const std::array<float, 4>& values,
                                 const UnitSystem& units = {});

// Whether a record (its type code and four values) is a uniform load over the whole member.
bool WholeSpanUniform(int code, const std::array<float, 4>& values);

// The symbol of joint coordinate k of a type as a load component: "Fx", "Mz".
std::string JointLoadSymbol(const StructTypeInfo& type, int k);

}  // namespace stavelorn
