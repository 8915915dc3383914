#include "cli/BatchRun.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <variant>

#include "analysis/AccuracyGuard.h"
#include "analysis/AnalysisRun.h"
#include "analysis/CriticalLoad.h"
#include "analysis/ModelCheck.h"
#include "analysis/MovingLoadEnvelope.h"
#include "analysis/SecondOrder.h"
#include "cli/BatchFileRefusals.h"
#include "cli/BatchGrade.h"
#include "cli/BatchOptionTable.h"
#include "graphics/StructurePicture.h"
#include "model/ExitStatus.h"
#include "model/LoadCombination.h"
#include "model/ProjectFile.h"
#include "model/UnitConversion.h"
#include "model/Version.h"
#include "reports/AnswerFile.h"
#include "reports/ClassVariants.h"
#include "reports/LoadCaseJson.h"
#include "reports/MovingLoadJson.h"
#include "reports/PrintCommand.h"
#include "reports/ResultsJson.h"
#include "reports/TextReportPrinter.h"
#include "reports/VerdictJson.h"
#include "ui/ConsoleMessages.h"

namespace stavelorn {

namespace {

constexpr char kAnswersErrorTitle[] = "Answers File Error";
constexpr char kInfluenceTitle[] = "Influence Line";
constexpr char kUnitsTitle[] = "Units";
constexpr char kCriticalLoadTitle[] = "Critical Load";
constexpr char kSecondOrderTitle[] = "Second-Order Analysis";

void Box(std::ostream& err, const std::string& title, const std::string& text) {
  err << title << '\n' << text << '\n';
}

// A refusal that is the command line's own concern, a file of the user's named in it.
void Refuse(std::ostream& err, const std::string& text) {
  err << kBatchProgramName << ": " << text << '\n';
}

// The project read and converted to the units asked for, or the refusal's exit status.
std::optional<int> LoadProject(const BatchOptions& options, ModelStore& model, std::ostream& err) {
  model.Reset();
  model.ProjectFile = options.file;
  std::vector<std::string> skipped;
  const RunResult readError = ReadProjectFile(model, &skipped);
  for (const std::string& warning : skipped) Refuse(err, "\"" + options.file + "\": " + warning);
  if (readError) return Refuse(err, ProjectReadRefusal(options.file, *readError)), kExitRejected;
  if (!options.units) return std::nullopt;
  if (!model.Units.Named) {
    Box(err, kUnitsTitle,
        "The project \"" + options.file +
            "\" does not name its units, so there is nothing to convert from.");
    return kExitRejected;
  }
  UnitSystem units = options.units->units;
  if (!options.units->temperatureGiven) units.Temperature = model.Units.Temperature;
  if (RunResult error = ConvertUnits(model, units))
    return Box(err, kUnitsTitle, "\"" + options.file + "\": " + error->Description), kExitRejected;
  return std::nullopt;
}

// The diagram --diagram names among the quantities of the project's type, or nothing, said on
// `err`, when the type has no such diagram.
std::optional<DiagramQuantity> DiagramOfType(const ModelStore& model, const std::string& name,
                                             std::ostream& err) {
  const std::vector<DiagramQuantity> quantities = QuantitiesOfType(model.StructType);
  const std::optional<DiagramQuantity> named = QuantityNamed(name);
  if (named && std::find(quantities.begin(), quantities.end(), *named) != quantities.end())
    return named;
  std::string names;
  for (DiagramQuantity q : quantities)
    names += (names.empty() ? "" : ", ") + QuantityName(model.StructType, q);
  err << kBatchProgramName << ": a " << (model.Type() ? model.Type()->Name : "structure")
      << " has no diagram " << name << " (it has " << names << ")\n";
  return std::nullopt;
}

// "a Plane Frame or a Space Frame": the types that take --buckling and --second-order.
std::string StabilityTypeNames() {
  std::string text;
  for (const StructTypeInfo& type : AllStructTypes())
    if (type.Stability) text += (text.empty() ? "a " : " or a ") + std::string(type.Name);
  return text;
}

// The results JSON of a complete analysis with the critical load or the second-order results
// the request asks for, or the exit status of a stability analysis that gave none.
std::variant<std::string, int> StabilityResultsJson(const BatchOptions& options,
                                                    const ModelStore& model, const AnalysisRun& run,
                                                    const std::string& influenceJson,
                                                    std::ostream& err) {
  const StabilityRequest& asked = *options.stability;
  // The trail of a stability analysis shows each member's [kg] beside its [k], and [Kg].
  std::optional<MethodTrail> trailWithKg;
  if (options.trail && run.Trail) AddGeometricStiffness(model, trailWithKg.emplace(*run.Trail));
  const MethodTrail* trail = trailWithKg ? &*trailWithKg : nullptr;
  if (asked.buckling) {
    const CriticalLoads loads =
        ComputeCriticalLoads(model, run.Results, asked.modes, asked.segments);
    if (!loads.Solved) return Box(err, kCriticalLoadTitle, loads.Message), kExitSolutionFailed;
    return WithJsonMember(ResultsJson(model, run.Results, run.UsedDoublePrecision, run.AccuracyNote,
                                      trail, options.diagrams, influenceJson),
                          "buckling", BucklingJson(model, loads));
  }
  const SecondOrderRun second = AnalyzeSecondOrder(model, run.Results, asked.segments);
  if (!second.Settled) return Box(err, kSecondOrderTitle, second.Message), kExitSolutionFailed;
  return WithJsonMember(
      ResultsJson(model, second.SecondOrder, true, "", trail, options.diagrams, influenceJson),
      "secondOrder", SecondOrderJson(model, second));
}

// The case --case names, shown in the model's load tables, or the index of the combination it
// names in `combination`; exit 2, naming every case and combination, when it names none.
std::optional<int> ChooseCase(const std::string& name, ModelStore& model, int& combination,
                              std::ostream& err) {
  std::string names;
  for (int c = 1; c <= model.LoadCaseCount(); ++c) {
    if (model.LoadCaseName(c) == name) return model.SelectLoadCase(c), std::nullopt;
    names += (names.empty() ? "" : ", ") + model.LoadCaseName(c);
  }
  for (std::size_t k = 0; k < model.Combinations.size(); ++k) {
    if (model.Combinations[k].Name == name) return combination = static_cast<int>(k), std::nullopt;
    names += ", " + model.Combinations[k].Name;
  }
  err << kBatchProgramName << ": the project has no load case or combination \"" << name
      << "\" (it has " << (names.empty() ? "one unnamed case" : names) << ")\n";
  return kExitRejected;
}

// The exit status of an analysis that was not rejected, its messages said on `err`.
int AnalysisExit(const ModelStore& model, const AnalysisRun& run, std::ostream& err) {
  const std::int16_t analysed = run.Results.AnalysisStatus;
  const int status = analysed == kAnalysisComplete ? kExitComplete
                     : analysed == kNotStable      ? kExitNotStable
                                                   : kExitSolutionFailed;
  if (status != kExitComplete) Box(err, kAnalysisResultsTitle, AnalysisOutcomeText(model, run));
  if (!run.AccuracyNote.empty()) Box(err, kAnalysisAccuracyTitle, run.AccuracyNote);
  return status;
}

// --check: the answers judged against the analysis in `run` (as the file gives them, or the
// --only list), or exit 2 for a file that is not an answers file. A malformed item is named on
// `err` and skipped, the others judged, and the exit is 2 then too.
int WriteVerdicts(const BatchOptions& options, const ModelStore& model, const AnalysisRun& run,
                  const std::string& text, int status, std::ostream& out, std::ostream& err) {
  const std::string& path = *options.answers;
  JsonValue document;
  if (auto fault = ParseAnswersDocument(text, document))
    return Box(err, kAnswersErrorTitle, path + ": " + *fault), kExitRejected;
  const AnswerKey key = KeyOfAnalysis(model, run);
  const AnswerSheet sheet = ReadAnswerItems(document, key);
  for (const std::string& fault : sheet.Malformed)
    Box(err, kAnswersErrorTitle, path + ": " + fault);
  const Judgement judged =
      options.only ? JudgeAsked(key, sheet, *options.only) : JudgeGiven(key, sheet);
  out << CheckJson(judged, options.forStudent) << std::flush;
  if (!out) return kExitOutputFailed;
  return sheet.Malformed.empty() ? status : kExitRejected;
}

// The report as the Print command prints it, with the method and the diagrams when asked for.
int WriteReport(const BatchOptions& options, const ModelStore& model, const AnalysisRun& run,
                int status, std::ostream& out, std::ostream& err) {
  TextReportPrinter printer(out);
  ConsoleMessages messages(err);
  PrintOptions sections(run.Results);
  sections.Choose(ReportSection::MethodTrail, options.trail);
  sections.Choose(ReportSection::Diagrams, options.diagrams);
  // Every case and combination, unless --case chose one.
  const PrintedCases cases{run.LoadCases, run.Combinations, "", nullptr, nullptr};
  return PrintReport(model, run.Results, printer, messages, sections, run.Trail.get(), {}, nullptr,
                     options.loadCase ? nullptr : &cases) == PrintOutcome::Printed
             ? status
             : kExitOutputFailed;
}

// The "movingLoad" and "envelope" keys of the influence object, "" without a train. The envelope's
// sections are of the member and quantity of the line, which names them in the model.
std::string MovingLoadKeys(const ModelStore& model, const StructureResults& results,
                           const InfluenceRequest& request, const InfluenceLine& line) {
  if (!request.train) return "";
  std::string keys =
      ",\n  \"movingLoad\": " + MovingLoadJson(WorstPlacements(line, *request.train));
  if (request.envelope) {
    const EnvelopeResult envelope =
        ComputeMovingLoadEnvelope(model, results, request.quantity.Item, request.quantity.Quantity,
                                  request.path, *request.train);
    keys += ",\n  \"envelope\": " + EnvelopeJson(envelope.Envelope, model.StructType);
  }
  return keys;
}

// --variants: the template's variants and their key written into the folder, each path written
// named on `out`.
int WriteClassVariants(const BatchOptions& options, std::ostream& out, std::ostream& err) {
  ModelStore model;
  if (std::optional<int> refused = LoadProject(options, model, err)) return *refused;
  const VariantsOutcome outcome = WriteVariants(model, options.file, *options.variants);
  if (outcome.Exit != kExitComplete) return Refuse(err, outcome.Message), outcome.Exit;
  for (const std::string& path : outcome.Written) out << path << '\n';
  out << std::flush;
  return out ? kExitComplete : kExitOutputFailed;
}

}  // namespace

int RunBatchRequest(const BatchOptions& options, std::ostream& out, std::ostream& err) {
  if (options.grade) return RunGrade(*options.grade, options.only, out, err);
  if (options.variants) return WriteClassVariants(options, out, err);
  if (options.picture)
    if (std::optional<std::string> refusal = PicturePathRefusal(*options.picture))
      return Refuse(err, *refusal), kExitOutputFailed;
  std::string answersText;
  if (options.answers)
    if (auto fault = ReadAnswersFile(*options.answers, answersText))
      return Box(err, kAnswersErrorTitle, *fault), kExitRejected;
  ModelStore model;
  if (std::optional<int> refused = LoadProject(options, model, err)) return *refused;
  std::optional<DiagramQuantity> diagram;
  if (options.diagram && !(diagram = DiagramOfType(model, *options.diagram, err)))
    return kExitUsage;
  if (options.stability && !model.TypeInfo().Stability) {
    Refuse(err, std::string(options.stability->buckling ? "--buckling" : "--second-order") +
                    " is for " + StabilityTypeNames() + ", not a " + model.TypeInfo().Name);
    return kExitUsage;
  }

  int combination = -1;
  if (options.loadCase)
    if (std::optional<int> refused = ChooseCase(*options.loadCase, model, combination, err))
      return *refused;

  // The trail keeps every member's matrices; it is recorded only when it is to be written.
  const bool recordTrail = options.trail || options.answers;
  AnalysisRun run = CheckAndAnalyze(model, AvailableMemoryBytes(), recordTrail, options.precision);
  if (run.Rejected) return Box(err, kInputDataErrorTitle, run.RejectionText), kExitRejected;
  const int status = AnalysisExit(model, run, err);
  // A combination's results are shown against its combined loads; it has no trail of its own.
  ModelStore combined;
  const ModelStore& shown = combination < 0 ? model : combined;
  if (combination >= 0) {
    const CaseResults& chosen = run.Combinations[static_cast<std::size_t>(combination)];
    combined = ModelWithLoads(model, chosen.Loads);
    if (chosen.Results.Complete()) run.Results = chosen.Results;
    run.Trail.reset();
    if (options.trail)
      Refuse(err, "the load combination \"" + chosen.Name +
                      "\" has no step-by-step solution of its own: its results are the factored "
                      "sum of its load cases'; --case with one of them writes its steps");
  }

  std::string influenceJson;
  if (options.influence && status == kExitComplete) {
    const InfluenceResult line = ComputeInfluenceLine(
        model, run.Results, options.influence->quantity, options.influence->path);
    if (!line.Problem.empty()) return Box(err, kInfluenceTitle, line.Problem), kExitRejected;
    influenceJson =
        InfluenceJson(line.Line, options.influence->what,
                      MovingLoadKeys(model, run.Results, *options.influence, line.Line));
  }
  // Written only once nothing can refuse the run any more, so a refused run leaves no picture.
  if (options.picture) {
    ConsoleMessages messages(err);
    const std::string svg = StructurePictureSvg(
        shown, run.Results, PictureContent{options.deformed, diagram}, messages);
    if (RunResult error = WriteFileAtomically(*options.picture, svg))
      return Refuse(err, PictureWriteRefusal(*error)), kExitOutputFailed;
  }

  if (options.answers) return WriteVerdicts(options, shown, run, answersText, status, out, err);
  if (!options.json) return WriteReport(options, shown, run, status, out, err);
  if (options.stability && status == kExitComplete) {
    const std::variant<std::string, int> json =
        StabilityResultsJson(options, shown, run, influenceJson, err);
    if (const int* failed = std::get_if<int>(&json)) return *failed;
    out << std::get<std::string>(json) << std::flush;
    return out ? status : kExitOutputFailed;
  }
  out << ResultsJson(shown, run.Results, run.UsedDoublePrecision, run.AccuracyNote,
                     options.trail ? run.Trail.get() : nullptr, options.diagrams, influenceJson,
                     LoadCasesJson(model, run.LoadCases, run.Combinations, options.diagrams))
      << std::flush;
  return out ? status : kExitOutputFailed;
}

int RunBatchTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const std::variant<BatchOptions, UsageError> parsed = ParseBatchArguments(args);
  if (const UsageError* usage = std::get_if<UsageError>(&parsed)) {
    Refuse(err, usage->reason);
    if (usage->showUsage) err << BatchUsageText();
    return kExitUsage;
  }
  const BatchOptions& options = std::get<BatchOptions>(parsed);
  switch (options.action) {
    case BatchAction::ShowHelp: out << BatchUsageText() << BatchHelpText() << std::flush; break;
    case BatchAction::ShowVersion:
      out << kBatchProgramName << ' ' << ProgramVersion() << '\n' << std::flush;
      break;
    case BatchAction::Analyse: return RunBatchRequest(options, out, err);
  }
  return out ? kExitComplete : kExitOutputFailed;
}

}  // namespace stavelorn
