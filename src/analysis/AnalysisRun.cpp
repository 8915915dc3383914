#include "analysis/AnalysisRun.h"

#include <chrono>
#include <cmath>
#include <exception>
#include <future>
#include <new>
#include <optional>
#include <utility>

#include "analysis/AccuracyGuard.h"
#include "analysis/Analysis.h"
#include "analysis/CaseTrail.h"
#include "analysis/ConditioningNotes.h"
#include "analysis/ExactZeros.h"
#include "analysis/MechanismMode.h"
#include "analysis/ModelCheck.h"
#include "analysis/PlausibilityNotes.h"
#include "model/LoadCombination.h"

namespace stavelorn {

namespace {

// The double-precision check goes on a second core where there is one to start; a browser's
// module has no threads, and runs it after the single-precision run, when its result is asked
// for.
#ifdef __EMSCRIPTEN__
constexpr std::launch kCheckLaunch = std::launch::deferred;
#else
constexpr std::launch kCheckLaunch = std::launch::async;
#endif

// The single-precision analysis the method prescribes, checked against a double-precision run of
// the same code: round-off in single precision can ruin tall or slender structures without any
// sign of it, and such numbers must not be shown as results.
// Returns the trail of the run whose results it stored (empty when none completed).
MethodTrail AnalyzeWithAccuracyGuard(const ModelStore& model, AnalysisRun& run, bool recordTrail) {
  // The two runs only read the model, so the double-precision one goes on a second core while
  // the single-precision one runs here: the guard then costs little more time than the
  // analysis itself. The memory guard has counted both matrices. Each run records its own
  // trail, since which one is stored is known only when both are done.
  // Without a trail asked for, nothing is recorded: a trail keeps every member's matrices.
  std::optional<TrailRecorder<double>> preciseTrail;
  std::optional<TrailRecorder<float>> singleTrail;
  if (recordTrail) preciseTrail.emplace(model), singleTrail.emplace(model);
  std::future<AnalysisResults<double>> check = std::async(kCheckLaunch, [&] {
    return AnalyzeInPrecision<double>(model, preciseTrail ? &*preciseTrail : nullptr);
  });
  AnalysisResults<float> single =
      AnalyzeInPrecision<float>(model, singleTrail ? &*singleTrail : nullptr);
  AnalysisResults<double> precise = check.get();
  if (single.AnalysisStatus == kNotStable) {
    run.Results = StoredResults(single);
    return {};
  }
  if (precise.AnalysisStatus != kAnalysisComplete) {
    // Beyond double precision too: a mechanism, or else too ill-conditioned to solve, which only
    // the search for a mechanism mode can tell (CheckAndAnalyze keeps this note only then).
    run.Results = StoredResults(precise);
    run.FailureNote = IllConditionedText(model, precise);
    return {};
  }
  const double disagreement = single.AnalysisStatus == kAnalysisComplete
                                  ? DisplacementDisagreement(model, single, precise)
                                  : INFINITY;
  if (disagreement <= kAccuracyThreshold) {
    run.Results = StoredResults(single);
    StoreExactZeros(model, precise, run.Results);
    return singleTrail ? singleTrail->Finish(single) : MethodTrail{};
  }
  run.Results = StoredResults(precise);
  StoreExactZeros(model, precise, run.Results);
  run.UsedDoublePrecision = true;
  // Single precision either stopped at a pivot it could not trust, or finished far off.
  run.AccuracyNote = single.AnalysisStatus == kAnalysisComplete ? AccuracyNoteText(disagreement)
                                                                : SmallPivotNoteText(model, single);
  return preciseTrail ? preciseTrail->Finish(precise) : MethodTrail{};
}

// Double precision alone, as the user chose: no single-precision run to guard, so no note.
// With `factored` given, a complete solution leaves there the factors that solve the other load
// cases.
MethodTrail AnalyzeInDoublePrecision(const ModelStore& model, AnalysisRun& run, bool recordTrail,
                                     std::optional<FactoredStructure>* factored) {
  std::optional<TrailRecorder<double>> trail;
  if (recordTrail) trail.emplace(model);
  AnalysisResults<double> precise;
  Engine<double> engine(model, precise, trail ? &*trail : nullptr);
  engine.KeepSolvedSystem = factored != nullptr;
  engine.Analyze();
  if (factored && precise.AnalysisStatus == kAnalysisComplete) {
    FactoredStructure& kept = factored->emplace();
    kept.Numbering.DofCount = precise.DofCount;
    kept.Numbering.RestrainedCount = precise.RestrainedCount;
    kept.Numbering.CoordNumbers = precise.CoordNumbers;
    kept.Factors = std::move(engine.Equations);
  }
  run.Results = StoredResults(precise);
  if (precise.AnalysisStatus != kAnalysisComplete) {
    if (precise.AnalysisStatus == kSolutionFailed)
      run.FailureNote = IllConditionedText(model, precise);
    return {};
  }
  StoreExactZeros(model, precise, run.Results);
  run.UsedDoublePrecision = true;
  return trail ? trail->Finish(precise) : MethodTrail{};
}

// Every load case's results, the shown case's being those in run.Results already: in double
// precision with the shown case's factors, else each by the method with the accuracy guard. A
// shown case that failed fails them all; then the combinations. With the shown case's `whole`
// trail, each other complete case keeps its own method steps (CaseTrail.h).
void AnalyzeEveryCase(const ModelStore& model, AnalysisRun& run,
                      const std::optional<FactoredStructure>& factored, const MethodTrail* whole) {
  std::vector<std::size_t> solvedTogether;
  std::vector<const LoadSet*> caseLoads;
  for (int c = 1; c <= model.LoadCaseCount(); ++c) {
    CaseResults one;
    one.Name = model.LoadCaseName(c);
    one.Loads = model.LoadsOfCase(c);
    if (c == model.CurrentLoadCase || !run.Results.Complete()) {
      one.Results = run.Results;
    } else if (factored) {
      solvedTogether.push_back(run.LoadCases.size());
      caseLoads.push_back(&model.LoadsOfCase(c));
    } else {
      AnalysisRun caseRun;
      MethodTrail steps =
          AnalyzeWithAccuracyGuard(ModelWithLoads(model, one.Loads), caseRun, whole != nullptr);
      one.Results = std::move(caseRun.Results);
      if (whole && one.Results.Complete()) {
        LeaveOutSharedMatrices(*whole, steps);
        one.Steps = std::make_shared<const MethodTrail>(std::move(steps));
      }
    }
    run.LoadCases.push_back(std::move(one));
  }
  if (!caseLoads.empty()) {
    std::vector<MethodTrail> steps;
    const std::vector<AnalysisResults<double>> solved =
        SolveLoadCases(model, caseLoads, *factored, whole ? &steps : nullptr);
    for (std::size_t i = 0; i < solved.size(); ++i) {
      CaseResults& one = run.LoadCases[solvedTogether[i]];
      StructureResults& stored = one.Results;
      stored = StoredResults(solved[i]);
      StoreExactZeros(model, solved[i], stored);
      stored.SolvedInDoublePrecision = true;
      if (whole && stored.Complete())
        one.Steps = std::make_shared<const MethodTrail>(std::move(steps[i]));
    }
  }
  run.Combinations = CombineCases(model, run.LoadCases);
}

}  // namespace

AnalysisRun CheckAndAnalyze(const ModelStore& model, std::uint64_t availableMemory,
                            bool recordTrail, AnalysisPrecision precision) {
  AnalysisRun run;
  std::vector<std::string> problems = CheckModelAndCases(model);
  if (problems.empty()) {
    std::string refusal = MemoryRefusal(model, availableMemory, precision);
    if (!refusal.empty()) problems.push_back(refusal);
  }
  if (!problems.empty()) {
    run.Rejected = true;
    run.RejectionText = InputDataErrorText(problems);
    return run;
  }
  try {
    const auto start = std::chrono::steady_clock::now();
    std::optional<FactoredStructure> factored;
    MethodTrail trail =
        precision == AnalysisPrecision::Double
            ? AnalyzeInDoublePrecision(model, run, recordTrail,
                                       model.LoadCaseCount() > 1 ? &factored : nullptr)
            : AnalyzeWithAccuracyGuard(model, run, recordTrail);
    run.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.Results.SolvedInDoublePrecision = precision == AnalysisPrecision::Double;
    if (run.Results.Complete()) run.Results.PlausibilityNotes = ImplausibleValueNotes(model);
    if (model.HasLoadCases()) {
      AnalyzeEveryCase(model, run, factored,
                       recordTrail && run.Results.Complete() ? &trail : nullptr);
      factored.reset();
    }
    // Taken last, from the results as stored, so the trail shows exactly the numbers the
    // results show.
    if (recordTrail && run.Results.Complete()) {
      trail.DoublePrecisionChosen = run.Results.SolvedInDoublePrecision;
      TakeStoredEndForces(run.Results, trail);
      run.Trail = std::make_shared<const MethodTrail>(std::move(trail));
    }
  } catch (const std::bad_alloc&) {
    run.Results = StructureResults();
    run.LoadCases.clear(), run.Combinations.clear();
    run.Rejected = true;
    run.RejectionText = "The analysis needs more memory than this computer can give it now.";
  } catch (const std::exception& failure) {
    // The checks let through a model the engine cannot take: it is still a rejected model, and
    // nothing was stored.
    run.Results = StructureResults();
    run.LoadCases.clear(), run.Combinations.clear();
    run.Rejected = true;
    run.RejectionText = failure.what();
  }
  StructureResults& results = run.Results;
  if (results.Failed()) {
    // The mode only explains the failure; when it cannot be had the failure is reported as ever.
    // A model that failed the stability count had its mode's matrix counted by the memory guard;
    // after a failed solution it is sought only when it fits in the memory there is.
    const std::uint64_t modeBytes = MechanismMatrixBytes(
        static_cast<std::uint64_t>(results.DofCount > 0 ? results.DofCount : 0));
    bool sought = false;
    try {
      if (results.AnalysisStatus == kNotStable || availableMemory == 0 ||
          modeBytes <= availableMemory) {
        results.MechanismMode = FindMechanismMode(model);
        sought = true;
      }
    } catch (const std::exception&) {
      results.MechanismMode.clear();
    }
    // A failed solution with no way to move freely is a stable structure beyond double precision.
    if (!sought || !results.MechanismMode.empty() || results.AnalysisStatus != kSolutionFailed)
      run.FailureNote.clear();
  }
  return run;
}

std::string AnalysisOutcomeText(const ModelStore& model, const AnalysisRun& run) {
  const StructureResults& results = run.Results;
  std::string text = AnalysisOutcomeText(results.AnalysisStatus);
  if (results.Complete()) {
    if (results.PlausibilityNotes.empty()) return text;
    // The notes go before the closing question, which the answer buttons answer.
    const std::size_t question = text.rfind("\n\n") + 2;
    std::string notes;
    for (const std::string& note : results.PlausibilityNotes) notes += note + "\n\n";
    return text.insert(question, notes);
  }
  if (!results.MechanismMode.empty()) text += "\n\n" + MechanismText(model, results.MechanismMode);
  if (!run.FailureNote.empty()) text += "\n\n" + run.FailureNote;
  return text;
}

std::string AnalysisOutcomeText(int status) {
  switch (status) {
    case kAnalysisComplete:
      return "  **** Analysis Completed ****  \n\nPrint Results of the Analysis ?";
    case kNotStable:
      return "     **** Analysis ERROR ****  \n\nStructure is NOT Statically Stable !\n\n       "
             "Check Input Data.";
    default:
      return "     **** Analysis ERROR ****  \n\nError in Solution of Simultaneous Equations\n\n"
             "Structure Stiffness Matrix may be Singular\n\n       Check Input Data.";
  }
}

}  // namespace stavelorn
