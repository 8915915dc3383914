// One analysis as the program's commands run it: the model checks and the memory guard first,
// then the engine in single precision with the accuracy guard's double-precision run beside it,
// and the words that report the outcome. The windowed Analyze command and the batch tool both go
// through here, so a model is accepted, analysed and reported the same way by each.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "analysis/AnalysisPrecision.h"
#include "analysis/LoadCaseResults.h"
#include "analysis/MemoryGuard.h"
#include "analysis/MethodTrail.h"
#include "analysis/StructureResults.h"
#include "model/ModelStore.h"

namespace stavelorn {

inline constexpr char kAnalysisResultsTitle[] = "Analysis Results";

struct AnalysisRun {
  // What the analysis found; empty (kNoResults) when the model was rejected.
  StructureResults Results;
  // The model was not analysed; RejectionText says why, under kInputDataErrorTitle.
  bool Rejected = false;
  std::string RejectionText;
  // The stored results are those of a double-precision run: chosen, or because the
  // single-precision ones were not accurate enough, which AccuracyNote then tells the user, under
  // kAnalysisAccuracyTitle.
  bool UsedDoublePrecision = false;
  std::string AccuracyNote;
  // After a failed solution of a structure that has no mechanism: why it could not be solved
  // (ConditioningNotes.h); empty otherwise.
  std::string FailureNote;
  // How long the analysis took, in seconds of wall time.
  double Seconds = 0;
  // After a complete analysis: the method step by step, as the run whose results were stored
  // computed it, with the stored end forces.
  std::shared_ptr<const MethodTrail> Trail;
  // For a project with load cases (ModelStore::HasLoadCases), after an analysis that was not
  // rejected: every case's results in case order (Results above being those of the case the
  // model shows), then every combination's; both empty otherwise.
  std::vector<CaseResults> LoadCases;
  std::vector<CaseResults> Combinations;
};

// Checks the model and, when it passes and its matrices fit in `availableMemory` bytes (0: not
// known), analyses it: the run's Results hold the status and the results, and after a failed
// analysis the MechanismMode. In `precision` Single the analysis is the method as taught,
// with the accuracy guard; in Double it runs in double precision only, and UsedDoublePrecision
// is then set with no AccuracyNote. With `recordTrail` the run whose results are stored also
// leaves its method trail in the AnalysisRun (every member's matrices: memory in proportion to
// the members). Every load case of the model is checked; a project with load cases has each
// analysed (in double precision with the factors of the first solution, in single each with the
// guard), and a mechanism or a singular [S] fails them all alike. Never throws for any model a
// file or an editor can produce.
AnalysisRun CheckAndAnalyze(const ModelStore& model,
                            std::uint64_t availableMemory = AvailableMemoryBytes(),
                            bool recordTrail = true,
                            AnalysisPrecision precision = AnalysisPrecision::Single);

// The message that reports AnalysisStatus after an analysis (1, -1 or -2), exactly as the user
// reads it; for 1 it ends by asking whether to print the results.
std::string AnalysisOutcomeText(int status);

// The same message for the AnalysisStatus of `run`: after a complete analysis with the run's
// plausibility notes before the question; after a failed one followed by the joints and
// coordinates that its mechanism mode moves most, or by the run's FailureNote.
std::string AnalysisOutcomeText(const ModelStore& model, const AnalysisRun& run);

}  // namespace stavelorn
