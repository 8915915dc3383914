// The second-order (P-Δ) analysis: the equilibrium of the deflected structure, [K] + [Kg] with
// the axial forces of the members, iterated until those forces settle. Each member is divided
// into pieces (DividedStructure.h); the results are given at the project's joints and members
// as a first-order analysis gives them, the end forces (k + kg)·u + Qf in each member's
// undeformed axes.
#pragma once

#include <cstdint>
#include <string>

#include "analysis/StructureResults.h"
#include "model/ModelStore.h"

namespace stavelorn {

// The iteration stops when no piece's axial force changes by more than this part of the
// largest axial force, and gives up after kMaxSecondOrderIterations solutions.
inline constexpr double kSecondOrderTolerance = 1e-6;
inline constexpr int kMaxSecondOrderIterations = 50;
// The band of the divided structure's equations is held in memory; beyond this it is refused.
inline constexpr std::uint64_t kLargestSecondOrderBytes = std::uint64_t{1} << 30;

struct SecondOrderRun {
  bool Settled = false;
  int Iterations = 0;            // second-order solutions, the first-order one not counted
  std::string Message;           // why there are no second-order results, or ""
  StructureResults FirstOrder;   // of the divided members, in double precision
  StructureResults SecondOrder;  // complete only when Settled
};

// The second-order analysis of the model, checked and analysed in `analysed` (complete), with
// every member in `segments` pieces.
SecondOrderRun AnalyzeSecondOrder(const ModelStore& model, const StructureResults& analysed,
                                  int segments);

}  // namespace stavelorn
