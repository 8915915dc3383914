#include "analysis/LoadCaseResults.h"

#include <cmath>
#include <cstddef>
#include <deque>
#include <optional>
#include <stdexcept>
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

std::size_t EntryCount(const Array<float>& values) {
  return static_cast<std::size_t>(values.Size());
}
std::size_t EntryCount(const Table<float>& values) {
  return static_cast<std::size_t>(values.Rows()) * static_cast<std::size_t>(values.Cols());
}
void ShapeLike(Array<float>& sum, const Array<float>& values) {
  sum.Redim(values.Size());
}
void ShapeLike(Table<float>& sum, const Table<float>& values) {
  sum.Redim(values.Rows(), values.Cols());
}

// Σ factor·value over the cases, in case order and double precision, rounded once to single. A
// case whose factor is 0 adds only zeros, which leave every partial sum as it is (the results of
// a complete case are finite, and a sum that starts at +0 never becomes -0), so it is not read.
template <typename Values>
void SumInto(Values& sum, const std::vector<CaseResults>& cases, const std::vector<float>& factors,
             Values StructureResults::*values) {
  const Values& first = cases.front().Results.*values;
  const std::size_t count = EntryCount(first);
  std::vector<double> total(count);
  for (std::size_t c = 0; c < cases.size(); ++c) {
    if (factors[c] == 0.0f) continue;
    const Values& v = cases[c].Results.*values;
    if (EntryCount(v) != count) throw std::logic_error("load cases numbered differently");
    const double factor = factors[c];
    const float* entry = v.Data();
    for (std::size_t i = 0; i < count; ++i) total[i] += factor * static_cast<double>(entry[i]);
  }
  ShapeLike(sum, first);
  float* out = sum.Data();
  for (std::size_t i = 0; i < count; ++i) out[i] = static_cast<float>(total[i]);
}

}  // namespace

std::vector<AnalysisResults<double>> SolveLoadCases(const ModelStore& model,
                                                    const std::vector<const LoadSet*>& loads,
                                                    const FactoredStructure& structure,
                                                    std::vector<MethodTrail>* steps) {
  const int n = structure.Numbering.DofCount;
  const std::size_t count = loads.size(), size = static_cast<std::size_t>(n);
  // The structure with the loads of each case.
  std::vector<ModelStore> caseModels(count, ModelWithLoads(model, LoadSet()));
  std::vector<AnalysisResults<double>> results(count);
  // Each case's record, without the matrices it shares with the whole trail.
  std::vector<std::optional<TrailRecorder<double>>> recorders(count);
  if (steps)
    for (std::size_t c = 0; c < count; ++c) recorders[c].emplace(model, false);
  auto recorder = [&recorders](std::size_t c) { return recorders[c] ? &*recorders[c] : nullptr; };
  // Every case's {P}, interleaved as the solution takes them.
  std::vector<double> d(size * count);
  for (std::size_t c = 0; c < count; ++c) {
    results[c].DofCount = structure.Numbering.DofCount;
    results[c].RestrainedCount = structure.Numbering.RestrainedCount;
    results[c].CoordNumbers = structure.Numbering.CoordNumbers;
    static_cast<LoadSet&>(caseModels[c]) = *loads[c];
    Engine<double> engine(caseModels[c], results[c], recorder(c));
    engine.Equations.RedimBanded(n, 0);
    engine.AssembleLoads();
    engine.AddJointLoads();
    for (int i = 1; i <= n; ++i)
      d[static_cast<std::size_t>(i - 1) * count + c] = engine.Equations.P(i);
  }
  SolveWithLdltFactor(structure.Factors, d, static_cast<int>(count));
  // The cases whose displacements are numbers go on to their end forces.
  std::deque<Engine<double>> solved;
  for (std::size_t c = 0; c < count; ++c) {
    AnalysisResults<double>& one = results[c];
    one.JointDisplacements.Redim(n);
    for (int i = 1; i <= n; ++i)
      one.JointDisplacements(i) = d[static_cast<std::size_t>(i - 1) * count + c];
    one.AnalysisStatus = kSolutionFailed;
    if (!AllFinite(one.JointDisplacements)) continue;
    Engine<double>& engine = solved.emplace_back(caseModels[c], one, recorder(c));
    one.MemberEndForces.Redim(model.MemberCount, engine.EndCoords);
    one.SupportReactions.Redim(one.RestrainedCount);
  }
  // Member by member, each member's geometry and [k] serving every case while they are at hand.
  if (!solved.empty()) {
    const std::vector<bool> supported = solved.front().SupportedJoints();
    for (int m = 1; m <= model.MemberCount; ++m) {
      const MemberForceBasis<double> basis = solved.front().BasisOfMember(m, supported);
      for (Engine<double>& engine : solved) engine.StoreMemberForces(m, basis);
    }
  }
  for (Engine<double>& engine : solved)
    engine.Results.AnalysisStatus =
        AllFinite(engine.Results.MemberEndForces) && AllFinite(engine.Results.SupportReactions)
            ? kAnalysisComplete
            : kSolutionFailed;
  if (steps)
    for (std::size_t c = 0; c < count; ++c) steps->push_back(recorders[c]->Finish(results[c]));
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
