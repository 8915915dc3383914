#include "reports/BatchReport.h"

#include "analysis/AccuracyGuard.h"
#include "analysis/AnalysisRun.h"
#include "analysis/ModelCheck.h"
#include "model/ModelStore.h"
#include "model/ProjectFile.h"
#include "reports/PrintCommand.h"
#include "reports/ResultsJson.h"
#include "reports/TextReportPrinter.h"
#include "ui/ConsoleMessages.h"

namespace stavelorn {

namespace {

constexpr char kUsage[] = "usage: stavelorn-report [--trail] [--json] FILE.str\n";

void Box(std::ostream& err, const std::string& title, const std::string& text) {
  err << title << '\n' << text << '\n';
}

}  // namespace

int RunBatchReport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  bool json = false;
  bool trail = false;
  std::vector<std::string> files;
  for (const std::string& arg : args) {
    if (arg == "--json")
      json = true;
    else if (arg == "--trail")
      trail = true;
    else if (!arg.empty() && arg[0] == '-')
      return err << "stavelorn-report: unknown option " << arg << '\n' << kUsage, kExitUsage;
    else
      files.push_back(arg);
  }
  if (files.size() != 1) return err << kUsage, kExitUsage;

  ModelStore model;
  model.Reset();
  model.ProjectFile = files[0];
  if (RunResult error = ReadProjectFile(model)) {
    Box(err, "File_Reading Error", UnexpectedErrorText(*error));
    return kExitRejected;
  }
  AnalysisRun run = CheckAndAnalyze(model);
  if (run.Rejected) {
    Box(err, kInputDataErrorTitle, run.RejectionText);
    return kExitRejected;
  }

  int status = model.AnalysisStatus == kAnalysisComplete ? kExitComplete
               : model.AnalysisStatus == kNotStable      ? kExitNotStable
                                                         : kExitSolutionFailed;
  if (status != kExitComplete)
    Box(err, kAnalysisResultsTitle, AnalysisOutcomeText(model.AnalysisStatus));
  if (run.UsedDoublePrecision) Box(err, kAnalysisAccuracyTitle, run.AccuracyNote);

  if (json) {
    out << ResultsJson(model, run.UsedDoublePrecision, trail ? run.Trail.get() : nullptr)
        << std::flush;
    return out ? status : kExitOutputFailed;
  }
  TextReportPrinter printer(out);
  ConsoleMessages messages(err);
  PrintChoices choices;
  choices.MethodTrail = trail;
  return PrintReport(model, printer, messages, choices, run.Trail.get()) == PrintOutcome::Printed
             ? status
             : kExitOutputFailed;
}

}  // namespace stavelorn
