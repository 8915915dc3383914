#include "analysis/LoadCaseResults.h"

#include <cmath>
#include <cstddef>
#include <type_traits>
#include <utility>

#include "analysis/BandedLdlt.h"
#include "model/LoadCombination.h"

namespace stavelorn {

namespace {

bool AllFinite(const std::vector<double>& values) {
  for (double v : values)
    if (!std::isfinite(v)) return false;
  return true;
}

// Σ factor·value over the cases, in double precision, rounded once to single.
template <typename Values>
void SumInto(Values& sum, const std::vector<CaseResults>& cases, const std::vector<float>& factors,
             Values StructureResults::*values) {
  sum = cases.front().Results.*values;
  auto add = [&](auto at) {
    double total = 0;
    for (std::size_t c = 0; c < cases.size(); ++c)
      total += static_cast<double>(factors[c]) * static_cast<double>(at(cases[c].Results.*values));
    return static_cast<float>(total);
  };
  if constexpr (std::is_same_v<Values, Array<float>>) {
    for (int i = 1; i <= sum.Size(); ++i) sum(i) = add([i](const Values& v) { return v(i); });
  } else {
    for (int r = 1; r <= sum.Rows(); ++r)
      for (int k = 1; k <= sum.Cols(); ++k)
        sum(r, k) = add([r, k](const Values& v) { return v(r, k); });
  }
}

}  // namespace

AnalysisResults<double> SolveLoadCase(const ModelStore& caseModel,
                                      const FactoredStructure& structure) {
  AnalysisResults<double> results;
  results.DofCount = structure.Numbering.DofCount;
  results.RestrainedCount = structure.Numbering.RestrainedCount;
  results.CoordNumbers = structure.Numbering.CoordNumbers;
  Engine<double> engine(caseModel, results);
  const int n = results.DofCount;
  engine.Equations.RedimBanded(n, 0);
  engine.AssembleLoads();
  engine.AddJointLoads();
  std::vector<double> d(static_cast<std::size_t>(n));
  for (int i = 1; i <= n; ++i) d[static_cast<std::size_t>(i - 1)] = engine.Equations.P(i);
  engine.Equations.Redim(0);
  if (n > 0) SolveWithLdltFactor(structure.Factors, d);
  if (!AllFinite(d)) {
    results.AnalysisStatus = kSolutionFailed;
    return results;
  }
  results.JointDisplacements.Redim(n);
  for (int i = 1; i <= n; ++i) results.JointDisplacements(i) = d[static_cast<std::size_t>(i - 1)];
  results.MemberEndForces.Redim(caseModel.MemberCount, engine.EndCoords);
  results.SupportReactions.Redim(results.RestrainedCount);
  engine.ComputeMemberForces();
  std::vector<double> forces;
  for (int m = 1; m <= results.MemberEndForces.Rows(); ++m)
    for (int k = 1; k <= results.MemberEndForces.Cols(); ++k)
      forces.push_back(results.MemberEndForces(m, k));
  for (int i = 1; i <= results.SupportReactions.Size(); ++i)
    forces.push_back(results.SupportReactions(i));
  results.AnalysisStatus = AllFinite(forces) ? kAnalysisComplete : kSolutionFailed;
  return results;
}

std::vector<CaseResults> CombineCases(const ModelStore& model,
                                      const std::vector<CaseResults>& cases) {
  std::vector<CaseResults> combinations;
  for (const LoadCombination& combination : model.Combinations) {
    CaseResults combined;
    combined.Name = combination.Name;
    combined.Factors = combination.Factors;
    combined.Loads = CombinedLoads(model, combination.Factors);
    const CaseResults* incomplete = nullptr;
    for (const CaseResults& c : cases)
      if (!c.Results.Complete() && !incomplete) incomplete = &c;
    if (cases.empty() || combination.Factors.size() != cases.size()) {
      combined.Results = StructureResults();
    } else if (incomplete) {
      combined.Results.AnalysisStatus = incomplete->Results.AnalysisStatus;
    } else {
      StructureResults& sum = combined.Results;
      const StructureResults& first = cases.front().Results;
      sum.AnalysisStatus = kAnalysisComplete;
      sum.DofCount = first.DofCount;
      sum.RestrainedCount = first.RestrainedCount;
      sum.CoordNumbers = first.CoordNumbers;
      sum.SolvedInDoublePrecision = first.SolvedInDoublePrecision;
      SumInto(sum.JointDisplacements, cases, combination.Factors,
              &StructureResults::JointDisplacements);
      SumInto(sum.MemberEndForces, cases, combination.Factors, &StructureResults::MemberEndForces);
      SumInto(sum.SupportReactions, cases, combination.Factors,
              &StructureResults::SupportReactions);
    }
    combinations.push_back(std::move(combined));
  }
  return combinations;
}

}  // namespace stavelorn
