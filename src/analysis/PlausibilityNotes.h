// Values that a frame analyses without complaint but that are seldom what was meant: a slip of
// units in a section or a material (A in mm² beside I in m⁴, E in kN/m² where the project is in
// kN and mm) solves to numbers off by a few per cent and nothing shows it. After the analysis of
// a plane or space frame (whose members have both A and I) the run names each such value in a
// note; nothing is ever refused for it.
#pragma once

#include <string>
#include <vector>

#include "model/ModelStore.h"

namespace stavelorn {

// A member's slenderness L/r, r = sqrt(I/A), outside these bounds is noted.
inline constexpr double kSlendernessAbove = 1000;
inline constexpr double kSlendernessBelow = 1;

// Where the project names its units: E outside this range in newtons per square metre, and the
// coefficient of thermal expansion outside this one per degree Celsius, are noted.
inline constexpr double kModulusLowest = 0.5e9, kModulusHighest = 500e9;
inline constexpr double kExpansionLowest = 1e-7, kExpansionHighest = 1e-4;

// One note per implausible value, in the order of the members (each of their second moments),
// then of the materials; empty for every other type. Every value is named with the bounds it
// lies outside, in the project's units: one plain-ASCII sentence each, as the window, the
// printout and the JSON show them. Reads only records that the model checks have passed.
std::vector<std::string> ImplausibleValueNotes(const ModelStore& model);

}  // namespace stavelorn
