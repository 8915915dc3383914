// The elastic critical load: the load factors λ at which the structure, under λ times the
// project's loads, has a deflected equilibrium beside the straight one, ([K] + λ[Kg]) φ = 0, with
// [Kg] from the axial forces of the first-order analysis under the project's loads. Each member
// is divided into pieces (DividedStructure.h) so that the buckled shape of a member can bend.
#pragma once

#include <string>
#include <vector>

#include "analysis/StructureResults.h"
#include "model/ModelStore.h"

namespace stavelorn {

inline constexpr int kDefaultBucklingModes = 3;
inline constexpr int kMaxBucklingModes = 20;
// The eigenvalues are found from full matrices; beyond this many unknowns of the divided
// structure that would take minutes and gigabytes.
inline constexpr int kLargestBucklingProblem = 2400;

struct BucklingMode {
  double LoadFactor = 0;
  // At every joint coordinate of the project, (joint-1)*CoordsPerJoint + k-1; the largest
  // translation over the project's joints and the joints inside the members is 1.
  std::vector<double> JointDisplacements;
  // The same at the joints inside the members, member by member from each one's beginning.
  std::vector<double> InnerJointDisplacements;
};

struct CriticalLoads {
  // False when the factors could not be sought (a problem too large, a failed solution); the
  // message says why.
  bool Solved = true;
  std::vector<BucklingMode> Modes;  // positive load factors only, smallest first
  // Why there are fewer factors than asked for (no compression, only negative factors, a
  // problem too large), or "".
  std::string Message;
};

// The first `modes` critical load factors of the model, checked and analysed in `analysed`
// (complete), with every member in `segments` pieces.
CriticalLoads ComputeCriticalLoads(const ModelStore& model, const StructureResults& analysed,
                                   int modes, int segments);

}  // namespace stavelorn
