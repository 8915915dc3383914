#include "analysis/MemoryGuard.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "analysis/Engine.h"
#include "analysis/EquationShape.h"
#include "analysis/EquationSolver.h"
#include "analysis/MechanismMode.h"

namespace stavelorn {

std::uint64_t AvailableMemoryBytes() {
  // Linux tells what a new allocation can get without swapping; elsewhere nothing is assumed.
  std::ifstream info("/proc/meminfo");
  std::string line;
  while (std::getline(info, line)) {
    std::istringstream fields(line);
    std::string name;
    std::uint64_t kilobytes = 0;
    if (fields >> name >> kilobytes && name == "MemAvailable:") return kilobytes * 1024;
  }
  return 0;
}

std::uint64_t StiffnessMatrixBytes(std::uint64_t dofCount, std::uint64_t halfBandwidth) {
  return EquationSystem<float>::MatrixBytes(dofCount, dofCount) +
         EquationSystem<double>::MatrixBytes(dofCount, halfBandwidth);
}

std::string MemoryRefusal(const ModelStore& model, std::uint64_t available) {
  if (available == 0) return "";
  const std::uint64_t coordinates =
      static_cast<std::uint64_t>(model.JointCount > 0 ? model.JointCount : 0) *
      static_cast<std::uint64_t>(model.CoordsPerJoint > 0 ? model.CoordsPerJoint : 0);
  if (StiffnessMatrixBytes(coordinates, coordinates) <= available) return "";
  // A model that fails the stability count still has its stiffness matrix built, once, to find
  // the mechanism that makes it unstable; the analysis's own matrices come first otherwise, and
  // the mechanism's after they are freed.
  AnalysisResults<float> numbering;
  Engine<float> engine(model, numbering);
  engine.StopAtStabilityCount = false;
  engine.NumberCoordinates();
  const int dofCount = numbering.DofCount;
  const std::uint64_t unknowns = dofCount > 0 ? static_cast<std::uint64_t>(dofCount) : 0;
  const std::uint64_t band = unknowns > 0 ? static_cast<std::uint64_t>(HalfBandwidth(
                                                model, numbering.CoordNumbers, numbering.DofCount))
                                          : 0;
  const std::uint64_t needed =
      numbering.AnalysisStatus == kNotStable
          ? MechanismMatrixBytes(unknowns)
          : std::max(StiffnessMatrixBytes(unknowns, band), MechanismMatrixBytes(unknowns));
  if (needed <= available) return "";
  return "The analysis of " + std::to_string(dofCount) + " unknowns needs " +
         std::to_string(needed >> 20) +
         " MB for the stiffness matrix, more than this computer has (" +
         std::to_string(available >> 20) + " MB free).";
}

}  // namespace stavelorn
