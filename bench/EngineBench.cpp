// Analysis time of plane-frame grids and space-frame lattices of about 300, 1,000 and 3,000
// degrees of freedom, and the equation solution alone: the fast elimination against the plain
// loop that touches every entry at every pivot, on the same stiffness matrix and load vector;
// and the guarded analysis the program runs (checks, single precision with the double-precision
// run of the accuracy guard beside it), against the plain single-precision one.
//
//   build/bench/engine_bench [--benchmark_filter=Solve]

#include <benchmark/benchmark.h>

#include <map>
#include <stdexcept>

#include "analysis/Analysis.h"
#include "analysis/AnalysisRun.h"
#include "analysis/GeneratedStructures.h"

namespace stavelorn {
namespace {

enum Family { kPlaneFrame, kSpaceFrame };

// The generated model of a family with about `dof` degrees of freedom, built once.
const ModelStore& Model(Family family, int dof) {
  static std::map<std::pair<Family, int>, ModelStore> cache;
  auto found = cache.find({family, dof});
  if (found != cache.end()) return found->second;
  ModelStore model;
  if (family == kPlaneFrame) {
    // 10 or 20 columns: 3 coordinates per joint, one floor of joints per storey.
    model = dof == 300    ? PlaneFrameGrid(9, 10)
            : dof == 1000 ? PlaneFrameGrid(9, 33)
                          : PlaneFrameGrid(19, 50);
  } else {
    // 5 x 5 joints per level, 6 coordinates per joint: 2, 7 or 20 levels.
    model = SpaceFrameLattice(5, 5, dof == 300 ? 2 : dof == 1000 ? 7 : 20, 30);
  }
  return cache.emplace(std::make_pair(family, dof), model).first->second;
}

void Analyze(benchmark::State& state, Family family) {
  const ModelStore& model = Model(family, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    ModelStore analysed = model;
    Analyze(analysed);
    if (analysed.AnalysisStatus != kAnalysisComplete) throw std::runtime_error("analysis failed");
    benchmark::DoNotOptimize(analysed.JointDisplacements);
  }
  state.counters["dof"] =
      model.JointCount * model.CoordsPerJoint - model.SupportCount * model.CoordsPerJoint;
}

void AnalyzeGuarded(benchmark::State& state, Family family) {
  const ModelStore& model = Model(family, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    ModelStore analysed = model;
    AnalysisRun run = CheckAndAnalyze(analysed);
    if (run.Rejected || analysed.AnalysisStatus != kAnalysisComplete)
      throw std::runtime_error("analysis failed");
    benchmark::DoNotOptimize(analysed.JointDisplacements);
  }
}

template <bool (*Solve)(EquationSystem<float>&)>
void SolveEquations(benchmark::State& state, Family family) {
  const EquationSystem<float> assembled =
      AssembleEquations<float>(Model(family, static_cast<int>(state.range(0))));
  for (auto _ : state) {
    state.PauseTiming();
    EquationSystem<float> system = assembled;
    state.ResumeTiming();
    if (!Solve(system)) throw std::runtime_error("solution failed");
    benchmark::DoNotOptimize(system);
  }
  state.counters["dof"] = assembled.Size();
}

void AnalyzePlaneFrame(benchmark::State& state) {
  Analyze(state, kPlaneFrame);
}
void AnalyzeSpaceFrame(benchmark::State& state) {
  Analyze(state, kSpaceFrame);
}
void AnalyzeGuardedPlaneFrame(benchmark::State& state) {
  AnalyzeGuarded(state, kPlaneFrame);
}
void AnalyzeGuardedSpaceFrame(benchmark::State& state) {
  AnalyzeGuarded(state, kSpaceFrame);
}
void SolvePlaneFrameFast(benchmark::State& state) {
  SolveEquations<SolveGaussJordan<float>>(state, kPlaneFrame);
}
void SolvePlaneFramePlain(benchmark::State& state) {
  SolveEquations<SolveGaussJordanPlain<float>>(state, kPlaneFrame);
}
void SolveSpaceFrameFast(benchmark::State& state) {
  SolveEquations<SolveGaussJordan<float>>(state, kSpaceFrame);
}
void SolveSpaceFramePlain(benchmark::State& state) {
  SolveEquations<SolveGaussJordanPlain<float>>(state, kSpaceFrame);
}

BENCHMARK(AnalyzePlaneFrame)->Arg(300)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond);
BENCHMARK(AnalyzeSpaceFrame)->Arg(300)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond);
BENCHMARK(AnalyzeGuardedPlaneFrame)->Arg(3000)->Unit(benchmark::kMillisecond);
BENCHMARK(AnalyzeGuardedSpaceFrame)->Arg(3000)->Unit(benchmark::kMillisecond);
BENCHMARK(SolvePlaneFrameFast)->Arg(300)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond);
BENCHMARK(SolveSpaceFrameFast)->Arg(300)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond);
// The plain loop is of order n³: one pass is enough at 3,000 unknowns (several seconds).
BENCHMARK(SolvePlaneFramePlain)->Arg(300)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(SolvePlaneFramePlain)->Arg(3000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(SolveSpaceFramePlain)->Arg(300)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(SolveSpaceFramePlain)->Arg(3000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace stavelorn

BENCHMARK_MAIN();
