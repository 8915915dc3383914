// The second-order iteration and its results at the project's joints and members.

#include "analysis/SecondOrder.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "analysis/Analysis.h"
#include "analysis/DividedSolution.h"
#include "analysis/ExactZeros.h"

namespace stavelorn {

namespace {

// The solution of the divided structure as an analysis of the project gives it: the joints'
// displacements and reactions at the project's numbering, each member's end forces from its
// first piece's beginning and its last piece's end; the round-off of exact zeros shown as 0.
StructureResults AtProjectJoints(const ModelStore& model, const StructureResults& analysed,
                                 const DividedStructure& d, const DividedSolution& s) {
  AnalysisResults<double> r;
  r.AnalysisStatus = kAnalysisComplete;
  r.DofCount = analysed.DofCount;
  r.RestrainedCount = analysed.RestrainedCount;
  r.CoordNumbers = analysed.CoordNumbers;
  r.JointDisplacements.Redim(analysed.DofCount);
  r.SupportReactions.Redim(analysed.RestrainedCount);
  for (int c = 1; c <= model.JointCount * d.CoordsPerJoint; ++c) {
    const int number = analysed.CoordNumbers(c);
    const std::size_t at = static_cast<std::size_t>(c - 1);
    if (number <= analysed.DofCount)
      r.JointDisplacements(number) = s.Displacements[at];
    else
      r.SupportReactions(number - analysed.DofCount) = s.Reactions[at];
  }
  const int perJoint = d.CoordsPerJoint, pieces = d.SegmentsPerMember;
  r.MemberEndForces.Redim(model.MemberCount, 2 * perJoint);
  for (int m = 1; m <= model.MemberCount; ++m) {
    const MemberVector<double>& first = s.EndForces[static_cast<std::size_t>((m - 1) * pieces)];
    const MemberVector<double>& last = s.EndForces[static_cast<std::size_t>(m * pieces - 1)];
    for (int i = 1; i <= perJoint; ++i) {
      r.MemberEndForces(m, i) = first[i];
      r.MemberEndForces(m, perJoint + i) = last[perJoint + i];
    }
  }
  StructureResults stored = StoredResults(r);
  stored.SolvedInDoublePrecision = true;
  StoreExactZeros(model, r, stored);
  return stored;
}

double LargestChange(const std::vector<double>& before, const std::vector<double>& after) {
  double change = 0;
  for (std::size_t i = 0; i < after.size(); ++i)
    change = std::max(change, std::abs(after[i] - before[i]));
  return change;
}

double LargestMagnitude(const std::vector<double>& values) {
  double largest = 0;
  for (double v : values) largest = std::max(largest, std::abs(v));
  return largest;
}

}  // namespace

SecondOrderRun AnalyzeSecondOrder(const ModelStore& model, const StructureResults& analysed,
                                  int segments) {
  SecondOrderRun run;
  run.Message = SupportsNotDivided(model);
  if (!run.Message.empty()) return run;
  const DividedStructure d = DivideMembers(model, analysed, segments);
  const std::uint64_t bytes = EquationSystem<double>::MatrixBytes(
      static_cast<std::uint64_t>(d.FreeCount), static_cast<std::uint64_t>(d.HalfBandwidth));
  if (bytes > kLargestSecondOrderBytes) {
    run.Message = "With " + std::to_string(segments) + " pieces per member the equations need " +
                  std::to_string(bytes >> 20) + " MB, more than the " +
                  std::to_string(kLargestSecondOrderBytes >> 20) +
                  " MB the second-order analysis takes; divide the members into fewer pieces.";
    return run;
  }
  const std::optional<DividedSolution> first = SolveDivided(d, {});
  if (!first) {
    run.Message = "The first-order analysis of the divided members failed.";
    return run;
  }
  run.FirstOrder = AtProjectJoints(model, analysed, d, *first);
  std::vector<double> axial = first->AxialForces;
  double change = 0;
  for (int i = 1; i <= kMaxSecondOrderIterations; ++i) {
    const std::optional<DividedSolution> next = SolveDivided(d, axial);
    if (!next) {
      run.Message =
          "The loads are at or above the elastic critical load: with the compression of its "
          "members the structure has no stiffness left against some deflection, so there is "
          "no second-order equilibrium. Stability > Critical Load gives the load factor.";
      return run;
    }
    change = LargestChange(axial, next->AxialForces);
    axial = next->AxialForces;
    run.Iterations = i;
    if (change <= kSecondOrderTolerance * LargestMagnitude(axial)) {
      run.Settled = true;
      run.SecondOrder = AtProjectJoints(model, analysed, d, *next);
      return run;
    }
  }
  char text[48];
  std::snprintf(text, sizeof text, "%.3g", change);
  run.Message = "The second-order analysis did not settle in " +
                std::to_string(kMaxSecondOrderIterations) +
                " iterations: the members' axial forces still changed by " + text +
                " from one to the next. The loads may be close to the critical load.";
  return run;
}

}  // namespace stavelorn
