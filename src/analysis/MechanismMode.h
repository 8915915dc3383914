// Why a structure cannot be analysed: a mechanism mode, a way its joints can move that no member
// and no support resists. It is a non-zero vector x over the free coordinates with S x = 0, found
// in double precision by Gaussian elimination with full pivoting, and scaled so that its largest
// component is 1. Only the ratios of its values mean anything: translations in the model's length
// units and rotations in radians, per unit of the mode.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "analysis/EquationSolver.h"
#include "model/ModelStore.h"

namespace stavelorn {

// For a stiffness matrix S (symmetric, positive semi-definite, held in full): the softest way to
// move that elimination with full pivoting finds, a vector x with max |x(i)| = x(k) = 1, from the
// first coordinate left with less than kDoublePivotRatio of its own diagonal entry. Reduces `s`
// in place. Empty for an empty S and for one that leaves every coordinate enough of its own
// stiffness. Whether x is a mechanism is for the caller to weigh against S.
std::vector<double> NullVector(EquationSystem<double>& s);

// The mechanism mode of a model whose analysis stopped with status -1 or -2, over the stiffness
// matrix its numbering gives (also when the static stability count failed): one value per joint
// coordinate at index (joint-1)*CoordsPerJoint + k, 0 at restrained coordinates. It is a
// mechanism only if x·S·x is round-off against the diagonal entries of the coordinates it moves;
// empty when the model has no free coordinate or no such mode (a stable structure too
// ill-conditioned to solve). Throws as Analyze does.
std::vector<double> FindMechanismMode(const ModelStore& model);

// Bytes the mechanism mode's double-precision stiffness matrix takes for `dofCount` unknowns.
std::uint64_t MechanismMatrixBytes(std::uint64_t dofCount);

// A joint coordinate of a mechanism mode and its value.
struct MovingCoordinate {
  int Joint = 0;
  int Coordinate = 0;  // 1-based, in the joint coordinate order of the type
  double Value = 0;
};

// The coordinates that move most in the mode: those of at least half the largest value, largest
// first (joint order between equals), at most `most` of them.
std::vector<MovingCoordinate> MostMovingCoordinates(const ModelStore& model,
                                                    const std::vector<double>& mode,
                                                    std::size_t most = 6);

// "Joint 4 X Translation": a moving coordinate named for lists.
std::string MovingCoordinateName(const ModelStore& model, const MovingCoordinate& moving);

// The sentences that follow the analysis message when a mode was found, e.g.
// "Joint 4 can move in X without resistance" and "Joint 2 can rotate about Z without
// resistance", one line each, after a line saying what they describe.
std::string MechanismText(const ModelStore& model, const std::vector<double>& mode);

}  // namespace stavelorn
