#include "reports/BatchReport.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "analysis/AccuracyGuard.h"
#include "analysis/AnalysisRun.h"
#include "analysis/InfluenceLine.h"
#include "analysis/ModelCheck.h"
#include "model/ModelStore.h"
#include "model/ProjectFile.h"
#include "model/Version.h"
#include "reports/AnswerFile.h"
#include "reports/InfluenceWhat.h"
#include "reports/PrintCommand.h"
#include "reports/ResultsJson.h"
#include "reports/TextReportPrinter.h"
#include "ui/ConsoleMessages.h"

namespace stavelorn {

namespace {

constexpr char kUsage[] =
    "usage: stavelorn-report [--trail] [--diagrams] [--json [--influence WHAT [--path M1,M2,...]]]"
    " FILE.str\n"
    "       stavelorn-report --check ANSWERS.json FILE.str\n";

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
    "  --influence WHAT\n"
    "             with --json, add the influence line of WHAT under a unit downward load\n"
    "             (an \"influence\" object): reaction:J:C, end-force:M:K, internal:M:X:Q\n"
    "             (Q one of N V M T Vy Vz My Mz) or displacement:J:C\n"
    "  --path M1,M2,...\n"
    "             the members the load travels on (default: every member not parallel to Y)\n"
    "  --check ANSWERS.json\n"
    "             judge a student's answers (a JSON \"answers\" list) against the analysis and\n"
    "             write the verdicts as one JSON object; alone, without the options above\n"
    "  --help     show this help and exit\n"
    "  --version  show the program's version and exit\n"
    "\n"
    "exit status: 0 analysis complete, 3 not statically stable, 4 the equation solution\n"
    "failed, 2 the file cannot be read, the model is rejected or the answers are malformed,\n"
    "64 usage, 74 output failed.\n";

// An answers file is a few kilobytes per student; anything far larger is not one.
constexpr std::uintmax_t kLargestAnswersFile = std::uintmax_t{64} << 20;

constexpr char kAnswersErrorTitle[] = "Answers File Error";

constexpr char kInfluenceTitle[] = "Influence Line";

void Box(std::ostream& err, const std::string& title, const std::string& text) {
  err << title << '\n' << text << '\n';
}

// The whole text of the answers file at `path`, or why it cannot be had.
std::optional<std::string> ReadAnswersFile(const std::string& path, std::string& text) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return "\"" + path + "\" is a folder";
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (!ec && size > kLargestAnswersFile) return "\"" + path + "\" is far too large";
  std::ifstream in(path, std::ios::binary);
  if (!in) return "cannot open \"" + path + "\"";
  std::ostringstream contents;
  contents << in.rdbuf();
  if (in.bad()) return "cannot read \"" + path + "\"";
  text = contents.str();
  return std::nullopt;
}

// --check: the answers judged against the analysis in `run`, or exit 2 naming the faulty item.
int WriteVerdicts(const ModelStore& model, const AnalysisRun& run, const std::string& path,
                  const std::string& text, int status, std::ostream& out, std::ostream& err) {
  const AnswerKey key = KeyOfAnalysis(model, run);
  std::vector<GivenAnswer> answers;
  if (auto fault = ReadAnswers(text, key, answers))
    return Box(err, kAnswersErrorTitle, path + ": " + *fault), kExitRejected;
  out << CheckJson(key, answers) << std::flush;
  return out ? status : kExitOutputFailed;
}

}  // namespace

int RunBatchReport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  bool json = false;
  bool diagrams = false;
  bool trail = false;
  std::optional<std::string> what, pathText, answersPath;
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
    if (arg == "--influence" || arg == "--path" || arg == "--check") {
      if (i + 1 == args.size())
        return err << "stavelorn-report: " << arg << " needs a value\n" << kUsage, kExitUsage;
      (arg == "--path" ? pathText : arg == "--check" ? answersPath : what) = args[++i];
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
  if (files.size() != 1 || (answersPath && (json || diagrams || trail || what || pathText)))
    return err << kUsage, kExitUsage;
  std::string answersText;
  if (answersPath)
    if (auto fault = ReadAnswersFile(*answersPath, answersText))
      return Box(err, kAnswersErrorTitle, *fault), kExitRejected;
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
  AnalysisRun run = CheckAndAnalyze(model, AvailableMemoryBytes(), trail || answersPath);
  if (run.Rejected) {
    Box(err, kInputDataErrorTitle, run.RejectionText);
    return kExitRejected;
  }

  int status = model.AnalysisStatus == kAnalysisComplete ? kExitComplete
               : model.AnalysisStatus == kNotStable      ? kExitNotStable
                                                         : kExitSolutionFailed;
  if (status != kExitComplete) Box(err, kAnalysisResultsTitle, AnalysisOutcomeText(model, run));
  if (run.UsedDoublePrecision) Box(err, kAnalysisAccuracyTitle, run.AccuracyNote);

  if (answersPath) return WriteVerdicts(model, run, *answersPath, answersText, status, out, err);
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
