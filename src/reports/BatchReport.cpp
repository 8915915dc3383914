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
#include "model/UnitConversion.h"
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
    "usage: stavelorn-report [--trail] [--diagrams] [--precision single|double]"
    " [--json [--influence WHAT [--path M1,M2,...]]] [--units FORCE,LENGTH[,TEMP]] FILE.str\n"
    "       stavelorn-report [...] --picture OUT.svg [--deformed] [--diagram Q] FILE.str\n"
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
    "  --precision single|double\n"
    "             single (the default): the method as taught, with a double-precision check\n"
    "             that replaces inaccurate results; double: double precision only\n"
    "  --influence WHAT\n"
    "             with --json, add the influence line of WHAT under a unit downward load\n"
    "             (an \"influence\" object): reaction:J:C, end-force:M:K, internal:M:X:Q\n"
    "             (Q one of N V M T Vy Vz My Mz) or displacement:J:C\n"
    "  --path M1,M2,...\n"
    "             the members the load travels on (default: every member not parallel to Y)\n"
    "  --units FORCE,LENGTH[,TEMP]\n"
    "             convert a project with named units to these units before analysing it and\n"
    "             report in them (the file is not changed); FORCE is N, kN, MN, lb or kip,\n"
    "             LENGTH mm, cm, m, in or ft, TEMP C or F (omitted: the file's)\n"
    "  --picture OUT.svg\n"
    "             also write the drawing of the structure with its supports and loads to OUT.svg\n"
    "             (white background, 1000 pixels wide)\n"
    "  --deformed with --picture: add the deformed shape at the automatic multiplier (the\n"
    "             mechanism of a structure that is not stable)\n"
    "  --diagram Q\n"
    "             with --picture: add the diagram of Q, a quantity --diagrams names for the\n"
    "             structure's type (N, V, M; Vy, Vz, T, My, Mz)\n"
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

// The units an option value asks for ("kip,in" or "kN,m,F"); `temperatureGiven` false when the
// value leaves the temperature unit to the file. "" on success, else what is wrong with it.
std::string ParseUnitsOption(const std::string& value, UnitSystem& units, bool& temperatureGiven) {
  std::vector<std::string> names(1);
  for (char c : value) {
    if (c == ',')
      names.emplace_back();
    else
      names.back().push_back(c);
  }
  if (names.size() < 2 || names.size() > 3)
    return "--units takes FORCE,LENGTH or FORCE,LENGTH,TEMP, not \"" + value + "\"";
  temperatureGiven = names.size() == 3;
  std::optional<ForceUnit> force = FindForceUnit(names[0]);
  std::optional<LengthUnit> length = FindLengthUnit(names[1]);
  std::optional<TemperatureUnit> temperature =
      temperatureGiven ? FindTemperatureUnit(names[2]) : TemperatureUnit::C;
  if (!force) return "unknown force unit \"" + names[0] + "\" (one of " + ForceUnitNames() + ")";
  if (!length) return "unknown length unit \"" + names[1] + "\" (one of " + LengthUnitNames() + ")";
  if (!temperature)
    return "unknown temperature unit \"" + names[2] + "\" (one of " + TemperatureUnitNames() + ")";
  units = NamedUnits(*force, *length, *temperature);
  return "";
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

int RunBatchReport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const PictureDrawer& drawPicture) {
  bool json = false;
  bool diagrams = false;
  bool trail = false;
  std::optional<std::string> what, pathText, precisionText, answersPath;
  std::vector<std::string> files;
  std::optional<std::string> unitsOption;
  std::optional<std::string> picture, diagramName;
  bool deformed = false;
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
    if (arg == "--units") {
      if (i + 1 == args.size())
        return err << "stavelorn-report: --units needs a value\n" << kUsage, kExitUsage;
      unitsOption = args[++i];
    } else if (arg == "--influence" || arg == "--path" || arg == "--precision" ||
               arg == "--check") {
      if (i + 1 == args.size())
        return err << "stavelorn-report: " << arg << " needs a value\n" << kUsage, kExitUsage;
      (arg == "--path"        ? pathText
       : arg == "--precision" ? precisionText
       : arg == "--check"     ? answersPath
                              : what) = args[++i];
    } else if (arg == "--picture" || arg == "--diagram") {
      // The option's value is the next argument, which must be there and name something.
      if (i + 1 == args.size() || args[i + 1].empty())
        return err << "stavelorn-report: " << arg << " needs a value\n" << kUsage, kExitUsage;
      (arg == "--picture" ? picture : diagramName) = args[++i];
    } else if (arg == "--deformed") {
      deformed = true;
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
  if (files.size() != 1 ||
      (answersPath && (json || diagrams || trail || what || pathText || precisionText || picture)))
    return err << kUsage, kExitUsage;
  std::string answersText;
  if (answersPath)
    if (auto fault = ReadAnswersFile(*answersPath, answersText))
      return Box(err, kAnswersErrorTitle, *fault), kExitRejected;
  const std::optional<AnalysisPrecision> precision =
      PrecisionNamed(precisionText.value_or("single"));
  if (!precision)
    return err << "stavelorn-report: --precision " << *precisionText
               << " is neither single nor double\n"
               << kUsage,
           kExitUsage;
  if ((deformed || diagramName) && !picture)
    return err << "stavelorn-report: --deformed and --diagram go with --picture\n"
               << kUsage,
           kExitUsage;
  if (picture && !drawPicture)
    return err << "stavelorn-report: this program cannot draw pictures\n", kExitUsage;
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
  UnitSystem units;
  bool temperatureGiven = false;
  if (unitsOption) {
    const std::string problem = ParseUnitsOption(*unitsOption, units, temperatureGiven);
    if (!problem.empty()) return err << "stavelorn-report: " << problem << '\n', kExitUsage;
  }

  ModelStore model;
  model.Reset();
  model.ProjectFile = files[0];
  if (RunResult error = ReadProjectFile(model)) {
    Box(err, "File_Reading Error", RunErrorText(*error));
    return kExitRejected;
  }
  if (unitsOption) {
    if (!model.Units.Named) {
      Box(err, "Units",
          "The project \"" + files[0] +
              "\" does not name its units, so there is nothing to convert from.");
      return kExitRejected;
    }
    if (!temperatureGiven) units.Temperature = model.Units.Temperature;
    if (RunResult error = ConvertUnits(model, units)) {
      Box(err, "Units", RunErrorText(*error));
      return kExitRejected;
    }
  }
  std::optional<DiagramQuantity> diagram;
  if (diagramName) {
    for (DiagramQuantity q : QuantitiesOfType(model.StructType))
      if (QuantityName(model.StructType, q) == *diagramName) diagram = q;
    if (!diagram) {
      std::string names;
      for (DiagramQuantity q : QuantitiesOfType(model.StructType))
        names += (names.empty() ? "" : ", ") + QuantityName(model.StructType, q);
      err << "stavelorn-report: a " << (model.Type() ? model.Type()->Name : "structure")
          << " has no diagram " << *diagramName << " (it has " << names << ")\n";
      return kExitUsage;
    }
  }
  // The trail keeps every member's matrices; it is recorded only when it is to be written.
  AnalysisRun run =
      CheckAndAnalyze(model, AvailableMemoryBytes(), trail || answersPath, *precision);
  if (run.Rejected) {
    Box(err, kInputDataErrorTitle, run.RejectionText);
    return kExitRejected;
  }

  const StructureResults& results = run.Results;
  int status = results.AnalysisStatus == kAnalysisComplete ? kExitComplete
               : results.AnalysisStatus == kNotStable      ? kExitNotStable
                                                           : kExitSolutionFailed;
  if (status != kExitComplete) Box(err, kAnalysisResultsTitle, AnalysisOutcomeText(model, run));
  if (!run.AccuracyNote.empty()) Box(err, kAnalysisAccuracyTitle, run.AccuracyNote);

  std::string influenceJson;
  if (influence && status == kExitComplete) {
    const InfluenceResult line = ComputeInfluenceLine(model, results, *influence, *path);
    if (!line.Problem.empty()) return Box(err, kInfluenceTitle, line.Problem), kExitRejected;
    influenceJson = InfluenceJson(line.Line, *what);
  }
  // Written only once nothing can refuse the run any more, so a refused run leaves no picture.
  if (picture) {
    ConsoleMessages messages(err);
    if (RunResult error = WriteFileAtomically(
            *picture, drawPicture(model, results, deformed, diagram, messages))) {
      Box(err, "File_Save Error", RunErrorText(*error));
      return kExitOutputFailed;
    }
  }

  if (answersPath) return WriteVerdicts(model, run, *answersPath, answersText, status, out, err);
  if (json) {
    out << ResultsJson(model, results, run.UsedDoublePrecision, run.AccuracyNote,
                       trail ? run.Trail.get() : nullptr, diagrams, influenceJson)
        << std::flush;
    return out ? status : kExitOutputFailed;
  }
  TextReportPrinter printer(out);
  ConsoleMessages messages(err);
  PrintOptions options(results);
  options.Choose(ReportSection::MethodTrail, trail);
  options.Choose(ReportSection::Diagrams, diagrams);
  return PrintReport(model, results, printer, messages, options, run.Trail.get()) ==
                 PrintOutcome::Printed
             ? status
             : kExitOutputFailed;
}

}  // namespace stavelorn
