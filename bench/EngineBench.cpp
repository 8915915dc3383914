// Analysis time of plane-frame grids and space-frame lattices of about 300, 1,000 and 3,000
// degrees of freedom, and the equation solution alone: the fast elimination in each vector unit
// this processor has, against the plain loop that touches every entry at every pivot, on the same
// stiffness matrix and load vector; and the guarded analysis the program runs (checks, single
// precision with the double-precision run of the accuracy guard beside it).
//
// The lattice of bench/lattice-3000.str (10 x 6 x 10 joints, 3,000 unknowns) and the plane and
// space towers that the accuracy guard must catch are timed three ways: the single-precision run,
// the guard's double-precision run, and the guarded analysis with both.
//
//   build/bench/engine_bench [--benchmark_filter=Lattice]

#include <benchmark/benchmark.h>

#include <map>
#include <stdexcept>
#include <string>

#include "analysis/Analysis.h"
#include "analysis/AnalysisRun.h"
#include "analysis/GeneratedStructures.h"
#include "model/ProjectFile.h"

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

enum Structure { kLattice, kPlaneTower, kSpaceTower };

const ModelStore& Structure(int which) {
  static std::map<int, ModelStore> cache;
  auto found = cache.find(which);
  if (found != cache.end()) return found->second;
  ModelStore model;
  if (which == kLattice) {
    model.Reset();
    model.ProjectFile = STAVELORN_BENCH_DIR "/lattice-3000.str";
    if (ReadProjectFile(model)) throw std::runtime_error("cannot read " + model.ProjectFile);
  } else {
    model = which == kPlaneTower ? PlaneFrameGrid(4, 100) : SpaceFrameLattice(2, 2, 50);
  }
  return cache.emplace(which, model).first->second;
}

void Analyze(benchmark::State& state, Family family) {
  const ModelStore& model = Model(family, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    const StructureResults results = Analyze(model);
    if (results.AnalysisStatus != kAnalysisComplete) throw std::runtime_error("analysis failed");
    benchmark::DoNotOptimize(results.JointDisplacements);
  }
  state.counters["dof"] =
      model.JointCount * model.CoordsPerJoint - model.SupportCount * model.CoordsPerJoint;
}

// The whole analysis as the window runs it: single precision with the accuracy guard, or double
// precision alone.
void Guarded(benchmark::State& state, const ModelStore& model,
             AnalysisPrecision precision = AnalysisPrecision::Single) {
  for (auto _ : state) {
    AnalysisRun run = CheckAndAnalyze(model, AvailableMemoryBytes(), true, precision);
    if (run.Rejected || run.Results.AnalysisStatus != kAnalysisComplete)
      throw std::runtime_error("analysis failed");
    benchmark::DoNotOptimize(run.Results.JointDisplacements);
  }
}

template <typename Real>
void InPrecision(benchmark::State& state, const ModelStore& model) {
  for (auto _ : state) {
    AnalysisResults<Real> results = AnalyzeInPrecision<Real>(model);
    if (results.AnalysisStatus != kAnalysisComplete) throw std::runtime_error("analysis failed");
    benchmark::DoNotOptimize(results.JointDisplacements);
  }
}

// range(0): dof as in Model, range(1): 0 plain loop, 1 fast in SSE2, 2 fast in AVX2/FMA.
void SolveEquations(benchmark::State& state, Family family) {
  const EquationSystem<float> assembled =
      AssembleEquations<float>(Model(family, static_cast<int>(state.range(0))));
  const int variant = static_cast<int>(state.range(1));
  const VectorUnit unit = variant == 2 ? VectorUnit::Avx2Fma : VectorUnit::Sse2;
  if (static_cast<int>(unit) > static_cast<int>(FastestVectorUnit())) {
    state.SkipWithError("this processor lacks the instructions");
    return;
  }
  for (auto _ : state) {
    state.PauseTiming();
    EquationSystem<float> system = assembled;
    state.ResumeTiming();
    const bool solved =
        variant == 0 ? SolveGaussJordanPlain(system) : SolveGaussJordan(system, unit);
    if (!solved) throw std::runtime_error("solution failed");
    benchmark::DoNotOptimize(system);
  }
  state.counters["dof"] = assembled.Size();
  state.SetLabel(variant == 0 ? "plain" : VectorUnitName(unit));
}

void AnalyzePlaneFrame(benchmark::State& state) {
  Analyze(state, kPlaneFrame);
}
void AnalyzeSpaceFrame(benchmark::State& state) {
  Analyze(state, kSpaceFrame);
}
void AnalyzeGuardedPlaneFrame(benchmark::State& state) {
  Guarded(state, Model(kPlaneFrame, static_cast<int>(state.range(0))));
}
void AnalyzeGuardedSpaceFrame(benchmark::State& state) {
  Guarded(state, Model(kSpaceFrame, static_cast<int>(state.range(0))));
}
void SolvePlaneFrame(benchmark::State& state) {
  SolveEquations(state, kPlaneFrame);
}
void SolveSpaceFrame(benchmark::State& state) {
  SolveEquations(state, kSpaceFrame);
}
// range(0): kLattice, kPlaneTower or kSpaceTower.
void SingleRun(benchmark::State& state) {
  InPrecision<float>(state, Structure(static_cast<int>(state.range(0))));
}
void GuardRun(benchmark::State& state) {
  InPrecision<double>(state, Structure(static_cast<int>(state.range(0))));
}
void GuardedRun(benchmark::State& state) {
  Guarded(state, Structure(static_cast<int>(state.range(0))));
}
void DoublePrecisionRun(benchmark::State& state) {
  Guarded(state, Structure(static_cast<int>(state.range(0))), AnalysisPrecision::Double);
}

BENCHMARK(AnalyzePlaneFrame)->Arg(300)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond);
BENCHMARK(AnalyzeSpaceFrame)->Arg(300)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond);
BENCHMARK(AnalyzeGuardedPlaneFrame)->Arg(3000)->Unit(benchmark::kMillisecond);
BENCHMARK(AnalyzeGuardedSpaceFrame)->Arg(3000)->Unit(benchmark::kMillisecond);
BENCHMARK(SolvePlaneFrame)
    ->ArgsProduct({{300, 1000, 3000}, {1, 2}})
    ->Args({300, 0})
    ->Args({1000, 0})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(SolveSpaceFrame)
    ->ArgsProduct({{300, 1000, 3000}, {1, 2}})
    ->Args({300, 0})
    ->Args({1000, 0})
    ->Unit(benchmark::kMillisecond);
// The plain loop is of order n³: one pass is enough at 3,000 unknowns (several seconds).
BENCHMARK(SolvePlaneFrame)->Args({3000, 0})->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(SolveSpaceFrame)->Args({3000, 0})->Iterations(1)->Unit(benchmark::kMillisecond);
// Arguments: 0 the lattice, 1 the plane tower (5 x 101 joints), 2 the space tower (2 x 2 x 51).
BENCHMARK(SingleRun)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(GuardRun)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(GuardedRun)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(DoublePrecisionRun)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace stavelorn

BENCHMARK_MAIN();
