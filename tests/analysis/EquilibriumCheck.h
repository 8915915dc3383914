// Test oracles for analysed models that do not reuse the engine's formulas: each member must be
// in equilibrium under its end forces and its own loads, and the whole structure under its
// reactions and every applied load. Member axes are built independently from the geometry
// (cross products and the roll angle), loads from their physical meaning.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "analysis/StructureResults.h"
#include "model/ModelStore.h"

namespace stavelorn::testing {

using Vec = std::array<double, 3>;

// a + s·b, the dot product, the length.
Vec Add(Vec a, Vec b, double s = 1);
double Dot(Vec a, Vec b);
double Norm(Vec a);

// A force and a couple, as the type's components of a joint or member end (value(1..n) in the
// order of ComponentsOf) give them.
struct Wrench {
  Vec force{}, moment{};
};

// What each joint coordinate (global) or member end coordinate (local) of a type is, in order: a
// force along x, y or z (lower case) or a moment about X, Y or Z (upper case), e.g. "xyZ".
const std::string& ComponentsOf(const std::string& typeCode);

// A joint's position in global X, Y, Z (a grid lies in the X-Z plane, a beam along X).
Vec Position(const ModelStore& model, int joint);

// A member's local axes x, y, z in global components, built from the geometry alone: x along the
// member; in the plane types y is x turned +90 degrees about Z; a grid's y is global Y; a space
// member's y lies in the vertical plane through x, pointing up (along -X for a vertical member),
// and is then turned by the roll angle about x. `d` is the member's end less its beginning.
std::array<Vec, 3> AxesOf(const ModelStore& model, int member, Vec d);

// One member load as it acts, in local axes: a force per length varying linearly from Start at
// x = From to End at x = To, or, where From == To, a force Start and a couple at that point.
struct LocalLoad {
  double From = 0, To = 0;
  Vec Start{}, End{}, Couple{};
};

// Every load of a member from its physical meaning: a positive transverse load acts against its
// local axis (kinds 1-4 against y, 8-11 against z), as gravity does on a member whose axis points
// up; axial loads act towards the beginning; a positive couple turns clockwise in its plane.
std::vector<LocalLoad> LocalLoadsOf(const ModelStore& model, int member, double length);

// The part of each load before `upTo` as point actions in local axes (force f and couple c at s):
// a distributed part by three-point Gauss quadrature, exact for the resultant and moment of a
// linear intensity; a point load standing at `upTo` counts only when `atUpTo`.
struct PointAction {
  double s;
  Vec f, c;
};
std::vector<PointAction> PointActions(const std::vector<LocalLoad>& loads, double upTo = 1e300,
                                      bool atUpTo = true);

// The values value(1..n) of the type's components as one wrench.
Wrench WrenchOf(const std::string& typeCode, const std::vector<double>& values);

// A project of one member of `type` from joint 1 to joint 2 (length 5, inclined where the type
// allows; length 7 and rolled by 30 degrees in space; E = 2e8, G = 8e7, α = 1.2e-5, A = 0.01,
// Iz = 2e-4, Iy = 1e-4, J = 5e-5), held in every coordinate at joint 1 and, when `heldAtBothEnds`,
// at joint 2, with `sections` (project-file lines) after it.
std::string OneMemberText(const std::string& type, bool heldAtBothEnds,
                          const std::string& sections);

// Largest force and moment residual, over every member and over the whole structure, divided by
// the largest load or end force magnitude (moments by that magnitude times the structure's
// size). Needs AnalysisStatus 1 and no joint load on a restrained coordinate.
double EquilibriumResidual(const ModelStore& model, const StructureResults& results);

// Global displacement component k (1-based, joint coordinate order) of joint j: 0 when the
// coordinate is restrained, since settlements are not part of JointDisplacements.
float Displacement(const ModelStore& model, const StructureResults& results, int joint, int k);

// Reaction component k of joint j in global axes (0 when the coordinate is free), a spring's
// -k·d included, a turned support's turned back from its own axes.
float Reaction(const ModelStore& model, const StructureResults& results, int joint, int k);

}  // namespace stavelorn::testing
