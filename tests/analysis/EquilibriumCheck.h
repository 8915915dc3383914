// Test oracles for analysed models that do not reuse the engine's formulas: each member must be
// in equilibrium under its end forces and its own loads, and the whole structure under its
// reactions and every applied load. Member axes are built independently from the geometry
// (cross products and the roll angle), loads from their physical meaning.
#pragma once

#include <string>

#include "model/ModelStore.h"

namespace stavelorn::testing {

// Largest force and moment residual, over every member and over the whole structure, divided by
// the largest load or end force magnitude (moments by that magnitude times the structure's
// size). Needs AnalysisStatus 1 and no joint load on a restrained coordinate.
double EquilibriumResidual(const ModelStore& model);

// Global displacement component k (1-based, joint coordinate order) of joint j: 0 when the
// coordinate is restrained, since settlements are not part of JointDisplacements.
float Displacement(const ModelStore& model, int joint, int k);

// Reaction component k of joint j (0 when the coordinate is free).
float Reaction(const ModelStore& model, int joint, int k);

}  // namespace stavelorn::testing
