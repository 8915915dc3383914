#include "reports/BatchReport.h"

#include <optional>

#include "analysis/AccuracyGuard.h"
#include "analysis/AnalysisRun.h"
#include "analysis/InfluenceLine.h"
#include "analysis/ModelCheck.h"
#include "model/ModelStore.h"
#include "model/ProjectFile.h"
#include "model/Version.h"
#include "reports/InfluenceWhat.h"
#include "reports/PrintCommand.h"
#include "reports/ResultsJson.h"
#include "reports/TextReportPrinter.h"
#include "ui/ConsoleMessages.h"

namespace stavelorn {

namespace {

constexpr char kUsage[] =
    "usage: stavelorn-report [--trail] [--diagrams] [--precision single|double]"
    " [--json [--influence WHAT [--path M1,M2,...]]] FILE.str\n";

constexpr char kOptions[] =
    "\n"
    "Reads a STAVELORN project, checks and analyses it, and writes its report as the Print\n"
    "command prints it.\n"
    "\n"
    "options:\n"
    "  --json     write the results as one JSON object instead of the report\n"
    "  --trail    add the method step by step: every member's matrices, the assembly and the\n"
    "             solution (or, with --json, a \"trail\" object)\n"
    "  --diagrams add each member's internal-force tables (or, with --json, a \"diagrams\" array)\n"
    "  --precision single|double\n"
    "             single (the default): the method as taught, with a double-precision check\n"
    "             that replaces inaccurate results; double: double precision only\n"
    "  --influence WHAT\n"
    "             with --json, add the influence line of WHAT under a unit downward load\n"
    "             (an \"influence\" object): reaction:J:C, end-force:M:K, internal:M:X:Q\n"
    "             (Q one of N V M T Vy Vz My Mz) or displacement:J:C\n"
    "  --path M1,M2,...\n"
    "             the members the load travels on (default: every member not parallel to Y)\n"
    "  --help     show this help and exit\n"
    "  --version  show the program's version and exit\n"
    "\n"
    "exit status: 0 analysis complete, 3 not statically stable, 4 the equation solution\n"
    "failed, 2 the file cannot be read or the model is rejected, 64 usage, 74 output failed.\n";

constexpr char kInfluenceTitle[] = "Influence Line";

void Box(std::ostream& err, const std::string& title, const std::string& text) {
  err << title << '\n' << text << '\n';
}

}  // namespace

int RunBatchReport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  bool json = false;
  bool diagrams = false;
  bool trail = false;
  std::optional<std::string> what, pathText, precisionText;
  std::vector<std::string> files;
  for (const std::string& arg : args) {
    // Asking for help or the version answers that alone, whatever else the line holds.
    if (arg == "--help")
      return out << kUsage << kOptions << std::flush, out ? 0 : kExitOutputFailed;
    if (arg == "--version")
      return out << "stavelorn-report " << ProgramVersion() << '\n'
                 << std::flush,
             out ? 0 : kExitOutputFailed;
  }
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--influence" || arg == "--path" || arg == "--precision") {
      if (i + 1 == args.size())
        return err << "stavelorn-report: " << arg << " needs a value\n" << kUsage, kExitUsage;
      (arg == "--path" ? pathText : arg == "--precision" ? precisionText : what) = args[++i];
    } else if (arg == "--json")
      json = true;
    else if (arg == "--diagrams")
      diagrams = true;
    else if (arg == "--trail")
      trail = true;
    else if (!arg.empty() && arg[0] == '-')
      return err << "stavelorn-report: unknown option " << arg << '\n' << kUsage, kExitUsage;
    else
      files.push_back(arg);
  }
  if (files.size() != 1) return err << kUsage, kExitUsage;
  const std::optional<AnalysisPrecision> precision =
      PrecisionNamed(precisionText.value_or("single"));
  if (!precision)
    return err << "stavelorn-report: --precision " << *precisionText
               << " is neither single nor double\n"
               << kUsage,
           kExitUsage;
  std::optional<InfluenceQuantity> influence;
  std::optional<std::vector<int>> path = std::vector<int>{};
  if (what || pathText) {
    if (!json || !what)
      return err << "stavelorn-report: --influence goes with --json, --path with --influence\n"
                 << kUsage,
             kExitUsage;
    influence = ParseInfluenceWhat(*what);
    if (pathText) path = ParseInfluencePath(*pathText);
    if (!influence)
      return err << "stavelorn-report: --influence " << *what << " is none of reaction:J:C, "
                 << "end-force:M:K, internal:M:X:Q, displacement:J:C\n",
             kExitUsage;
    if (!path)
      return err << "stavelorn-report: --path " << *pathText
                 << " is not member numbers separated by commas\n",
             kExitUsage;
  }

  ModelStore model;
  model.Reset();
  model.ProjectFile = files[0];
  if (RunResult error = ReadProjectFile(model)) {
    Box(err, "File_Reading Error", UnexpectedErrorText(*error));
    return kExitRejected;
  }
  // The trail keeps every member's matrices; it is recorded only when it is to be written.
  AnalysisRun run = CheckAndAnalyze(model, AvailableMemoryBytes(), trail, *precision);
  if (run.Rejected) {
    Box(err, kInputDataErrorTitle, run.RejectionText);
    return kExitRejected;
  }

  int status = model.AnalysisStatus == kAnalysisComplete ? kExitComplete
               : model.AnalysisStatus == kNotStable      ? kExitNotStable
                                                         : kExitSolutionFailed;
  if (status != kExitComplete) Box(err, kAnalysisResultsTitle, AnalysisOutcomeText(model, run));
  if (!run.AccuracyNote.empty()) Box(err, kAnalysisAccuracyTitle, run.AccuracyNote);

  if (json) {
    std::string influenceJson;
    if (influence && status == kExitComplete) {
      const InfluenceResult line = ComputeInfluenceLine(model, *influence, *path);
      if (!line.Problem.empty()) return Box(err, kInfluenceTitle, line.Problem), kExitRejected;
      influenceJson = InfluenceJson(line.Line, *what);
    }
    out << ResultsJson(model, run.UsedDoublePrecision, run.AccuracyNote,
                       trail ? run.Trail.get() : nullptr, diagrams, influenceJson)
        << std::flush;
    return out ? status : kExitOutputFailed;
  }
  TextReportPrinter printer(out);
  ConsoleMessages messages(err);
  PrintOptions options(model);
  options.Choose(ReportSection::MethodTrail, trail);
  options.Choose(ReportSection::Diagrams, diagrams);
  return PrintReport(model, printer, messages, options, run.Trail.get()) == PrintOutcome::Printed
             ? status
             : kExitOutputFailed;
}

}  // namespace stavelorn
