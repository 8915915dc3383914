// The names the method's trail labels its rows and columns with: what each joint coordinate and
// each member end coordinate of a structure type is, release codes in words, and the label of a
// vector entry such as "v1 (X trans., joint 3)".
#pragma once

#include <string>
#include <vector>

namespace stavelorn {

// What a coordinate measures: a force (translation) or a moment (rotation) along or about an
// axis, global X, Y, Z for joint coordinates and local x, y, z for member end coordinates. The
// order (forces along X, Y, Z, then moments about them) is the one the roles are counted in.
enum class CoordRole { ForceX, ForceY, ForceZ, MomentX, MomentY, MomentZ };

// The roles of one joint's coordinates (and, in the same order, of one member end's local
// coordinates) for a type code; empty for an unknown code.
std::vector<CoordRole> CoordRoles(const std::string& type);

// The global axes (0 X, 1 Y, 2 Z) that a joint's coordinate columns give, in column order: a
// beam lies on X, a grid in the X-Z plane; the direction cosines a type uses are those of these
// axes.
std::vector<int> PositionAxes(const std::string& type);

bool IsMoment(CoordRole role);
int AxisOf(CoordRole role);  // 0 for X, 1 for Y, 2 for Z

// "X trans.", "Z rot." for joint coordinate k (1-based) of the type.
std::string GlobalCoordName(const std::string& type, int k);
// "axial", "y trans.", "twist", "z rot." for local end coordinate k (1-based) of the type.
std::string LocalCoordName(const std::string& type, int k);

// "none", "Beginning", "End", "Both Ends".
std::string ReleaseName(int code);

// "v1 (X trans., joint 3)": `symbol` with the end coordinate i (1..2n) of a member whose joints
// are `beginJoint` and `endJoint`, named in global (or local) terms.
std::string EndLabel(const std::string& type, const std::string& symbol, int i, int beginJoint,
                     int endJoint, bool global);

// A number in 6 significant digits, as the method's views show it.
std::string StepNumber(double value);

// Direction cosines and the entries of [T] are sines and cosines, stored in single precision:
// the cosine of a right angle comes out as about 6e-8 rather than 0. An entry of at most this
// magnitude is that round-off, and is shown as 0 (its stored value stays in tooltips, copies
// and the JSON).
inline constexpr double kCosineRoundOff = 1e-6;
// `value` as a direction cosine or [T] entry is shown: 0 for round-off, else itself.
double ShownCosine(double value);

}  // namespace stavelorn
