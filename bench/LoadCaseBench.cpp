// The lattice of lattice-3000.str analysed in double precision as one load case, and again with
// 20 load cases and 50 combinations and their envelopes: [S] is factorised once, each case is one
// more solution, the combinations are sums of the stored results. The goal is at most 1.5 times
// the time of the one case.
//
//   build/bench/engine_bench --benchmark_filter=LoadCases

#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "analysis/AnalysisRun.h"
#include "model/LoadCombination.h"
#include "model/ProjectFile.h"
#include "reports/ResultEnvelope.h"

namespace stavelorn {
namespace {

constexpr int kCases = 20, kCombinations = 50;

const ModelStore& Lattice() {
  static const ModelStore lattice = [] {
    ModelStore model;
    model.Reset();
    model.ProjectFile = STAVELORN_BENCH_DIR "/lattice-3000.str";
    if (ReadProjectFile(model)) throw std::runtime_error("cannot read " + model.ProjectFile);
    return model;
  }();
  return lattice;
}

// The lattice's loads, case k scaled by a factor of its own; each combination takes a few
// cases with factors between -1.5 and 1.6.
const ModelStore& LatticeInCases() {
  static const ModelStore cases = [] {
    const ModelStore& lattice = Lattice();
    ModelStore model = lattice;
    for (int k = 1; k <= kCases; ++k)
      model.LoadCases.push_back({"Case " + std::to_string(k),
                                 CombinedLoads(lattice, {static_cast<float>(k % 7) - 2.5f})});
    static_cast<LoadSet&>(model) = model.LoadCases[0].Loads;
    for (int c = 1; c <= kCombinations; ++c) {
      LoadCombination combination{"Combination " + std::to_string(c),
                                  std::vector<float>(kCases, 0.0f)};
      for (int k = 0; k < kCases; ++k)
        if ((c * 7 + k * 3) % 5 == 0)
          combination.Factors[static_cast<std::size_t>(k)] =
              static_cast<float>((c + k) % 32) / 10.0f - 1.5f;
      model.Combinations.push_back(combination);
    }
    return model;
  }();
  return cases;
}

void LoadCasesOneCase(benchmark::State& state) {
  for (auto _ : state) {
    const AnalysisRun run = CheckAndAnalyze(Lattice(), 0, false, AnalysisPrecision::Double);
    if (!run.Results.Complete()) throw std::runtime_error("analysis failed");
    benchmark::DoNotOptimize(run.Results.JointDisplacements);
  }
}

void LoadCasesTwentyCasesFiftyCombinations(benchmark::State& state) {
  const ModelStore& model = LatticeInCases();
  for (auto _ : state) {
    const AnalysisRun run = CheckAndAnalyze(model, 0, false, AnalysisPrecision::Double);
    if (run.Combinations.size() != kCombinations || !run.Combinations.back().Results.Complete())
      throw std::runtime_error("analysis failed");
    const ResultEnvelope envelope =
        EnvelopeOf(model, EnvelopeSources(run.LoadCases, run.Combinations), false);
    benchmark::DoNotOptimize(envelope.EndForces.Max);
  }
}

BENCHMARK(LoadCasesOneCase)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(LoadCasesTwentyCasesFiftyCombinations)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace stavelorn
