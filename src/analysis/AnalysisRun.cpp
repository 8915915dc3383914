#include "analysis/AnalysisRun.h"

#include <exception>

#include "analysis/Analysis.h"
#include "analysis/ModelCheck.h"

namespace stavelorn {

AnalysisRun CheckAndAnalyze(ModelStore& model) {
  AnalysisRun run;
  std::vector<std::string> problems = CheckModel(model);
  if (!problems.empty()) {
    run.Rejected = true;
    run.RejectionText = InputDataErrorText(problems);
    return run;
  }
  try {
    Analyze(model);
  } catch (const std::exception& failure) {
    // The checks let through a model the engine cannot take: it is still a rejected model, and
    // the engine has left the status at "no results".
    run.Rejected = true;
    run.RejectionText = failure.what();
  }
  return run;
}

std::string AnalysisOutcomeText(int status) {
  switch (status) {
    case kAnalysisComplete:
      return "  **** Analysis Completed ****  \n\nPrint Results of the Analysis ?";
    case kNotStable:
      return "     **** Analysis ERROR ****  \n\nStructure is NOT Statically Stable !\n\n       Check Input Data.";
    default:
      return "     **** Analysis ERROR ****  \n\nError in Solution of Simultaneous Equations\n\n"
             "Structure Stiffness Matrix may be Singular\n\n       Check Input Data.";
  }
}

}  // namespace stavelorn
