// How far the analysis moves every point of a structure, at a magnification of 1, in the model's
// length units and global axes: each joint by its free displacements and settlements, and each
// point of a member's axis by the end translations interpolated along the member plus its
// bending away from the chord (the elastic curve in each plane the type bends in). The deformed
// shape of the projections and the automatic deflection multiplier are drawn from it.
#pragma once

#include <optional>
#include <vector>

#include "analysis/MemberDiagrams.h"
#include "graphics/DrawingData.h"
#include "model/ModelStore.h"

namespace stavelorn {

// A member's deflected axis is drawn through this many straight pieces, whatever the multiplier:
// enough to follow a curve of up to fifth degree, and the tenth points fall on the stations.
inline constexpr int kCurveSegments = 60;

// A joint's position in the model's three axes (a plane structure lies at Z = 0, a grid at
// Y = 0); nothing when it cannot be read.
std::optional<Point3> ModelPosition(const ModelStore& model, int joint);

// How far the analysis moved a joint: its free translations and the settlements of its restrained
// ones; nothing when the joint cannot be read.
std::optional<Point3> JointTranslation(const ModelStore& model, const StructureResults& results,
                                       int joint);

// One member's axis: the points at kCurveSegments + 1 equally spaced stations from its beginning
// joint (Base) and how far each moves (Shift). The first and last shifts are the joints'.
struct MemberDeflection {
  int Member = 0;
  int BeginJoint = 0, EndJoint = 0;
  std::vector<Point3> Base, Shift;
};

// The deflection of the bending members' axis from their chord, by integrating the member's
// bending moment diagram twice (v'' = Mz / EIz along local y, w'' = -My / EIy along local z) with
// no deflection at either end; Mz and My along local y and z, at distance x from the beginning.
struct ChordDeflection {
  double V = 0, W = 0;
};
ChordDeflection DeflectionFromChord(const MemberDiagram& diagram, double eiz, double eiy, double x);

// The deflected axis of every member the analysis results and the model's tables describe, in
// member order; empty unless the analysis is complete. A member whose joints, section or length
// cannot be read is left out.
std::vector<MemberDeflection> BuildMemberDeflections(const ModelStore& model,
                                                     const StructureResults& results);

// The largest value of the 1-2-5 series (..., 0.2, 0.5, 1, 2, 5, 10, ...) at most `limit`; 0
// when the limit is not a positive finite number.
double OneTwoFiveAtMost(double limit);

// The larger side of the box round the structure's joints, in the model's three axes.
double StructureExtent(const ModelStore& model);

// The multiplier at which the largest translation of the deformed shape (elastic curves
// included) is at most a tenth of the structure's larger dimension, the largest such value of the
// 1-2-5 series, and at least 1. When the analysis moved nothing it is `current`, the multiplier
// as it stands.
std::int32_t AutomaticDeflectionMultiplier(const ModelStore& model, const StructureResults& results,
                                           std::int32_t current);

}  // namespace stavelorn
