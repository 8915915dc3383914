#include "analysis/LoadCaseResults.h"

#include <cmath>
#include <cstddef>
#include <type_traits>
#include <utility>

#include "analysis/BandedLdlt.h"
#include "model/LoadCombination.h"

namespace stavelorn {

namespace {

template <typename Values>
bool AllFinite(const Values& values) {
  if constexpr (std::is_same_v<Values, Array<double>>) {
    for (int i = 1; i <= values.Size(); ++i)
      if (!std::isfinite(values(i))) return false;
  } else {
    for (int r = 1; r <= values.Rows(); ++r)
      for (int k = 1; k <= values.Cols(); ++k)
        if (!std::isfinite(values(r, k))) return false;
  }
  return true;
}

// Σ factor·value over the cases, in case order and double precision, rounded once to single.
void SumInto(Array<float>& sum, const std::vector<CaseResults>& cases,
             const std::vector<float>& factors, Array<float> StructureResults::*values) {
  std::vector<double> total(static_cast<std::size_t>((cases.front().Results.*values).Size()));
  for (std::size_t c = 0; c < cases.size(); ++c) {
    const Array<float>& v = cases[c].Results.*values;
    for (std::size_t i = 0; i < total.size(); ++i)
      total[i] += static_cast<double>(factors[c]) * static_cast<double>(v(static_cast<int>(i) + 1));
  }
  sum.Redim(static_cast<int>(total.size()));
  for (std::size_t i = 0; i < total.size(); ++i)
    sum(static_cast<int>(i) + 1) = static_cast<float>(total[i]);
}

void SumInto(Table<float>& sum, const std::vector<CaseResults>& cases,
             const std::vector<float>& factors, Table<float> StructureResults::*values) {
  const Table<float>& first = cases.front().Results.*values;
  sum.Redim(first.Rows(), first.Cols());
  std::vector<double> total(static_cast<std::size_t>(first.Rows()) * first.Cols());
  for (std::size_t c = 0; c < cases.size(); ++c) {
    const Table<float>& v = cases[c].Results.*values;
    std::size_t i = 0;
    for (int r = 1; r <= v.Rows(); ++r)
      for (int k = 1; k <= v.Cols(); ++k)
        total[i++] += static_cast<double>(factors[c]) * static_cast<double>(v(r, k));
  }
  std::size_t i = 0;
  for (int r = 1; r <= sum.Rows(); ++r)
    for (int k = 1; k <= sum.Cols(); ++k) sum(r, k) = static_cast<float>(total[i++]);
}

}  // namespace

std::vector<AnalysisResults<double>> SolveLoadCases(const ModelStore& model,
                                                    const std::vector<const LoadSet*>& loads,
                                                    const FactoredStructure& structure) {
  const int n = structure.Numbering.DofCount;
  const std::size_t count = loads.size(), size = static_cast<std::size_t>(n);
  // The structure, its loads those of one case after another.
  ModelStore caseModel = ModelWithLoads(model, LoadSet());
  std::vector<AnalysisResults<double>> results(count);
  // Every case's {P}, interleaved as the solution takes them.
  std::vector<double> d(size * count);
  for (std::size_t c = 0; c < count; ++c) {
    results[c].DofCount = structure.Numbering.DofCount;
    results[c].RestrainedCount = structure.Numbering.RestrainedCount;
    results[c].CoordNumbers = structure.Numbering.CoordNumbers;
    static_cast<LoadSet&>(caseModel) = *loads[c];
    Engine<double> engine(caseModel, results[c]);
    engine.Equations.RedimBanded(n, 0);
    engine.AssembleLoads();
    engine.AddJointLoads();
    for (int i = 1; i <= n; ++i)
      d[static_cast<std::size_t>(i - 1) * count + c] = engine.Equations.P(i);
  }
  SolveWithLdltFactor(structure.Factors, d, static_cast<int>(count));
  for (std::size_t c = 0; c < count; ++c) {
    AnalysisResults<double>& one = results[c];
    one.JointDisplacements.Redim(n);
    for (int i = 1; i <= n; ++i)
      one.JointDisplacements(i) = d[static_cast<std::size_t>(i - 1) * count + c];
    if (!AllFinite(one.JointDisplacements)) {
      one.AnalysisStatus = kSolutionFailed;
      continue;
    }
    static_cast<LoadSet&>(caseModel) = *loads[c];
    Engine<double> engine(caseModel, one);
    one.MemberEndForces.Redim(caseModel.MemberCount, engine.EndCoords);
    one.SupportReactions.Redim(one.RestrainedCount);
    engine.ComputeMemberForces();
    one.AnalysisStatus = AllFinite(one.MemberEndForces) && AllFinite(one.SupportReactions)
                             ? kAnalysisComplete
                             : kSolutionFailed;
  }
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
