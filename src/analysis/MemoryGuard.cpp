#include "analysis/MemoryGuard.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#ifdef __EMSCRIPTEN__
#include <emscripten/heap.h>
#include <malloc.h>
#endif

#include "analysis/Engine.h"
#include "analysis/EquationShape.h"
#include "analysis/EquationSolver.h"
#include "analysis/MechanismMode.h"

namespace stavelorn {

std::uint64_t AvailableMemoryBytes() {
#ifdef __EMSCRIPTEN__
  // In a browser the module's heap grows up to its limit: what it may still take is that limit
  // less what is in use now (the heap's size less its free blocks).
  const struct mallinfo heap = mallinfo();
  return std::uint64_t{emscripten_get_heap_max()} - emscripten_get_heap_size() +
         static_cast<std::uint64_t>(heap.fordblks);
#else
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
#endif
}

std::uint64_t StiffnessMatrixBytes(std::uint64_t dofCount, std::uint64_t halfBandwidth,
                                   AnalysisPrecision precision) {
  const std::uint64_t single = precision == AnalysisPrecision::Single
                                   ? EquationSystem<float>::MatrixBytes(dofCount, dofCount)
                                   : 0;
  return single + EquationSystem<double>::MatrixBytes(dofCount, halfBandwidth);
}

std::string MemoryRefusal(const ModelStore& model, std::uint64_t available,
                          AnalysisPrecision precision) {
  if (available == 0) return "";
  const std::uint64_t coordinates =
      static_cast<std::uint64_t>(model.JointCount > 0 ? model.JointCount : 0) *
      static_cast<std::uint64_t>(model.CoordsPerJoint > 0 ? model.CoordsPerJoint : 0);
  if (StiffnessMatrixBytes(coordinates, coordinates, precision) <= available) return "";
  // A model that fails the stability count has no analysis; its stiffness matrix is built once,
  // in double precision, to find the mechanism that makes it unstable. Any other model needs the
  // analysis's own matrices (the mechanism of a failed solution is sought afterwards only when
  // its matrix fits then).
  AnalysisResults<float> numbering;
  Engine<float> engine(model, numbering);
  engine.StopAtStabilityCount = false;
  engine.NumberCoordinates();
  const int dofCount = numbering.DofCount;
  const std::uint64_t unknowns = dofCount > 0 ? static_cast<std::uint64_t>(dofCount) : 0;
  std::uint64_t needed = MechanismMatrixBytes(unknowns);
  if (numbering.AnalysisStatus != kNotStable && unknowns > 0)
    needed = StiffnessMatrixBytes(
        unknowns,
        static_cast<std::uint64_t>(HalfBandwidth(model, numbering.CoordNumbers, dofCount)),
        precision);
  if (needed <= available) return "";
  return "The analysis of " + std::to_string(dofCount) + " unknowns needs " +
         std::to_string(needed >> 20) +
         " MB for the stiffness matrix, more than this computer has (" +
         std::to_string(available >> 20) + " MB free).";
}

}  // namespace stavelorn
