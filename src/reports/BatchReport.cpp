#include "reports/BatchReport.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "analysis/AccuracyGuard.h"
#include "analysis/AnalysisRun.h"
#include "analysis/ModelCheck.h"
#include "model/ModelStore.h"
#include "model/ProjectFile.h"
#include "model/Version.h"
#include "reports/AnswerFile.h"
#include "reports/PrintCommand.h"
#include "reports/ResultsJson.h"
#include "reports/TextReportPrinter.h"
#include "ui/ConsoleMessages.h"

namespace stavelorn {

namespace {

constexpr char kUsage[] =
    "usage: stavelorn-report [--trail] [--diagrams] [--json] FILE.str\n"
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

}  // namespace

int RunBatchReport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  bool json = false;
  bool diagrams = false;
  bool trail = false;
  std::optional<std::string> answersPath;
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
    if (arg == "--check" && i + 1 < args.size() && !answersPath)
      answersPath = args[++i];
    else if (arg == "--json")
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
  if (files.size() != 1 || (answersPath && (json || diagrams || trail)))
    return err << kUsage, kExitUsage;
  std::string answersText;
  if (answersPath)
    if (auto fault = ReadAnswersFile(*answersPath, answersText))
      return Box(err, kAnswersErrorTitle, *fault), kExitRejected;

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
  if (status != kExitComplete) Box(err, kAnalysisResultsTitle, AnalysisOutcomeText(model));
  if (run.UsedDoublePrecision) Box(err, kAnalysisAccuracyTitle, run.AccuracyNote);

  if (answersPath) {
    const AnswerKey key = KeyOfAnalysis(model, run);
    std::vector<GivenAnswer> answers;
    if (auto fault = ReadAnswers(answersText, key, answers))
      return Box(err, kAnswersErrorTitle, *answersPath + ": " + *fault), kExitRejected;
    out << CheckJson(key, answers) << std::flush;
    return out ? status : kExitOutputFailed;
  }
  if (json) {
    out << ResultsJson(model, run.UsedDoublePrecision, trail ? run.Trail.get() : nullptr, diagrams)
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
