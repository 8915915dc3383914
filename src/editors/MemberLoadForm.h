// The member-load entry as the editor words and checks it, per load kind: the dialog's field
// labels, the sign note and the checks of a load's values (the list words a load by its symbols,
// LoadSymbols.h).
// Values are the four stored ones: the magnitude (P, M, T, w or w1), w2, a from the beginning
// joint and b from the end joint, in the model's units.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "model/MemberLoadKind.h"

namespace stavelorn {

using LoadValues = std::array<float, 4>;

// The dialog label of stored value k (0..3) of a kind, as "P :" or "a (from the beginning
// joint) :"; "" when the kind does not use that value.
std::string LoadFieldLabel(const MemberLoadKindInfo& kind, int k);

// Which way a positive magnitude acts, in the member's local axes, in one line.
std::string LoadSignNote(const MemberLoadKindInfo& kind);
// Where the kind's distances are measured from: a alone for a load at a point, a and b for one
// over part of the member.
std::string LoadDistanceNote(const MemberLoadKindInfo& kind);

// What is wrong with a load's values, worded for the entry dialog, or "" when nothing is: a zero
// magnitude (for a linear load, w1 and w2 both zero), a point load off the member
// (0 <= a <= L), a distributed load over no part of it (a, b >= 0 and a + b < L). Without a
// length (the member cannot be measured) only what needs none is checked. Whatever passes also
// passes the analysis's checks.
std::string MemberLoadProblem(const MemberLoadKindInfo& kind, const LoadValues& values,
                              std::optional<float> length);

}  // namespace stavelorn
