// One analysis as the program's commands run it: the model checks first, then the engine, and
// the words that report the outcome. The windowed Analyze command and the batch tool both go
// through here, so a model is accepted, analysed and reported the same way by each.
#pragma once

#include <string>

#include "model/ModelStore.h"

namespace stavelorn {

inline constexpr char kAnalysisResultsTitle[] = "Analysis Results";

struct AnalysisRun {
  // The model was not analysed; RejectionText says why, under kInputDataErrorTitle.
  bool Rejected = false;
  std::string RejectionText;
};

// Checks the model and, when it passes, analyses it (AnalysisStatus and the results are written
// into the model). Never throws for any model a file or an editor can produce.
AnalysisRun CheckAndAnalyze(ModelStore& model);

// The message that reports AnalysisStatus after an analysis (1, -1 or -2), exactly as the user
// reads it; for 1 it ends by asking whether to print the results.
std::string AnalysisOutcomeText(int status);

}  // namespace stavelorn
