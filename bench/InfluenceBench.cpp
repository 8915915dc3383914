// Influence lines on the 300-unknown plane frame (9 bays, 10 storeys): the moment at the middle of
// a top-floor beam with the unit load travelling over the nine beams of the top floor, 99 stations
// (the ends and tenth points of each beam) and both sides of the section, plus the search for the
// extremes; and a support reaction over the same path. Each run factorises the stiffness matrix
// once and solves one right-hand side per ordinate.
//
//   build/bench/engine_bench --benchmark_filter=Influence

#include <benchmark/benchmark.h>

#include <stdexcept>

#include "analysis/Analysis.h"
#include "analysis/GeneratedStructures.h"
#include "analysis/InfluenceLine.h"

namespace stavelorn {
namespace {

const ModelStore& Frame() {
  static const ModelStore model = PlaneFrameGrid(9, 10);
  return model;
}

const StructureResults& FrameResults() {
  static const StructureResults results = [] {
    StructureResults r = Analyze(Frame());
    if (r.AnalysisStatus != kAnalysisComplete) throw std::runtime_error("frame not analysed");
    return r;
  }();
  return results;
}

// The top floor's beams: the last nine members that are not columns.
std::vector<int> TopFloor(const ModelStore& model) {
  std::vector<int> path = DefaultInfluencePath(model);
  return std::vector<int>(path.end() - 9, path.end());
}

void InfluenceLineOf(benchmark::State& state, const InfluenceQuantity& quantity) {
  const ModelStore& model = Frame();
  const StructureResults& results = FrameResults();
  const std::vector<int> path = TopFloor(model);
  std::size_t stations = 0;
  for (auto _ : state) {
    const InfluenceResult result = ComputeInfluenceLine(model, results, quantity, path);
    if (!result.Problem.empty()) throw std::runtime_error(result.Problem);
    stations = 0;
    for (const InfluenceSpan& span : result.Line.Path) stations += span.Stations.size();
    benchmark::DoNotOptimize(result.Line.Max.Station.Value);
  }
  state.counters["unknowns"] = results.DofCount;
  state.counters["stations"] = static_cast<double>(stations);
}

void InfluenceMoment(benchmark::State& state) {
  const std::vector<int> path = TopFloor(Frame());
  InfluenceLineOf(state, {InfluenceKind::Internal, path[4], 0, 2, DiagramQuantity::Mz});
}

void InfluenceReaction(benchmark::State& state) {
  InfluenceLineOf(state, {InfluenceKind::Reaction, 1, 2});
}

BENCHMARK(InfluenceMoment)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(InfluenceReaction)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace stavelorn
