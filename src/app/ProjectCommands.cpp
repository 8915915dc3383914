#include "app/ProjectCommands.h"

#include <cmath>
#include <filesystem>

#include "analysis/AccuracyGuard.h"
#include "analysis/AnalysisRun.h"
#include "analysis/ModelCheck.h"
#include "app/InfluencePrint.h"
#include "editors/FieldRules.h"
#include "graphics/DeflectedShape.h"
#include "model/ProjectFile.h"
#include "model/ProjectFileName.h"
#include "model/UnitConversion.h"
#include "reports/PrintCommand.h"

namespace stavelorn {

namespace {

std::vector<const PagePicture*> Pages(const std::vector<std::unique_ptr<PagePicture>>& pictures) {
  std::vector<const PagePicture*> pages;
  for (const auto& picture : pictures) pages.push_back(picture.get());
  return pages;
}

using M = MenuItem;

std::string MultiplierProblem(const std::string& text) {
  // Any positive whole number magnifies the shape; the curves are drawn with the same number of
  // points at every multiplier, so only the stored number's range bounds it.
  const std::string problem = FieldProblem("Deflection Multiplier", text, NumberRule(true));
  if (!problem.empty()) return problem;
  const double value = FieldNumber(text).value_or(0);
  if (!(value >= 1 && value <= kLargestMultiplier && value == std::floor(value)))
    return "The deflection multiplier must be a whole number from 1 to " +
           std::to_string(kLargestMultiplier) + ".";
  return "";
}

// Whether two models hold the same project: the same file text, which holds every datum.
bool SameProject(const ModelStore& a, const ModelStore& b) {
  std::string textA, textB;
  return !ProjectFileText(a, textA) && !ProjectFileText(b, textB) && textA == textB;
}

// The title changes no result; any other difference does.
bool SameAnalysisInput(const ModelStore& a, const ModelStore& b) {
  ModelStore retitled = a;
  retitled.ProjectTitle = b.ProjectTitle;
  return SameProject(retitled, b);
}

}  // namespace

ProjectCommands::ProjectCommands(ModelStore& model, Messages& messages, FileDialogs& dialogs,
                                 CommandWindows& windows)
    : model_(model), messages_(messages), dialogs_(dialogs), windows_(windows) {}

void ProjectCommands::Start() {
  model_.Reset();
  menus_ = MenuState();
  labels_ = MainLabels();
  unsaved_ = false;
  multiplierText_ = " 5";
  automaticMultiplier_ = model_.DeflectionMultiplier;
  trail_.reset();
  results_ = StructureResults();
  history_.Reset(model_);
  influence_.reset();
  precision_.ProjectChanged();
}

void ProjectCommands::NewProject() {
  if (windows_.ShowTitleDialog()) {
    unsaved_ = true;
    history_.Reset(model_, false);
  }
  model_.CurrentForm = FormId::mcas;
  if (!model_.StructType.empty()) menus_.ShowProjectMenus(model_);
  ShowCurrentModel();
}

void ProjectCommands::ChangeProjectTitle() {
  if (windows_.ShowTitleDialog()) RecordChange("Project Title");
  model_.CurrentForm = FormId::mcas;
  // The title does not change the structure, so results on the screen stay valid and stay
  // shown; the data menus come back only with Edit Data, so that no editor changes data whose
  // results are still shown.
  if (!results_.Complete()) menus_.ShowProjectMenus(model_);
  ShowCurrentModel();
}

void ProjectCommands::ChangeUnits() {
  UnitSystem chosen = model_.Units;
  if (!windows_.ChooseUnits(chosen) || chosen == model_.Units) return;
  // Values can be converted only from units that were named; naming units for the first time,
  // or dropping them, changes no number.
  bool convert = false;
  if (model_.Units.Named && chosen.Named && HasConvertibleValues(model_)) {
    const int answer = messages_.AskYesNoCancel(
        "Units", "Convert the project's values from " + UnitSystemText(model_.Units) + " to " +
                     UnitSystemText(chosen) +
                     "?\n\nYes: every value is converted, and the structure stays the same.\n"
                     "No: the numbers stay as they are and are only relabelled.");
    if (answer == kAnswerCancel) return;
    convert = answer == kAnswerYes;
  }
  if (convert) {
    if (RunResult error = ConvertUnits(model_, chosen)) {
      messages_.ReportError("Units", *error);
      return;
    }
  } else {
    model_.Units = chosen;
  }
  CommitUnitsChange(convert);
}

void ProjectCommands::CommitUnitsChange(bool converted) {
  // Converted data no longer match the results of the last analysis, which were dropped with
  // them: back to entering data, as after Edit Data.
  if (converted && menus_.Visible(M::MnuEditData)) menus_.AfterEditData();
  if (converted) {
    trail_.reset();
    results_ = StructureResults();
  }
  model_.CurrentForm = FormId::mcas;
  RecordChange("Units");
  ShowCurrentModel();
}

void ProjectCommands::ShowCurrentModel() {
  labels_.ShowModel(model_);
  windows_.Redraw();
}

void ProjectCommands::OpenProject() {
  std::string path = dialogs_.OpenFile(ProjectFileRequest(model_.ProjectFile));
  if (!path.empty()) OpenProjectFile(path);
}

bool ProjectCommands::OpenProjectFile(const std::string& path) {
  Start();
  model_.ProjectFile = path;
  RunResult error = ReadProjectFile(model_);
  if (error) messages_.ReportError("File_Reading Error", *error);
  if (model_.StructType.empty()) {
    // Nothing was read that a project could be built on; stay with no project.
    Start();
    return false;
  }
  menus_.AfterOpen(model_);
  if (error) {
    // A damaged file only half read must not be overwritten by a plain Save: the user saves
    // what was recovered under a name of their choosing.
    model_.ProjectFile.clear();
    menus_.Hide(M::MnuProjSave);
    unsaved_ = true;
  }
  // What was read is the saved state, unless the file was damaged: then nothing is saved yet.
  history_.Reset(model_, !error);
  ShowCurrentModel();
  if (!model_.ProjectFile.empty()) recent_.Add(model_.ProjectFile);
  return true;
}

bool ProjectCommands::OpenRecentProject(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    recent_.Remove(path);
    messages_.ShowStop("Open Recent", "The project file\n" + path +
                                          "\nno longer exists. It has been taken off the list "
                                          "of recent projects.");
    return false;
  }
  return OpenProjectFile(path);
}

bool ProjectCommands::AskProjectFileName() {
  for (;;) {
    std::string path = dialogs_.SaveFile(ProjectFileRequest(model_.ProjectFile));
    if (path.empty()) return false;  // cancelled: nothing to report, nothing changes
    RunResult error = ApplyProjectExtension(path);
    if (!error) {
      model_.ProjectFile = path;
      return true;
    }
    if (messages_.ReportErrorRetry("FileName Error", *error) != kAnswerRetry) return false;
  }
}

bool ProjectCommands::WriteProject() {
  if (RunResult error = WriteProjectFile(model_)) {
    messages_.ReportError("File_Save Error", *error);
    return false;
  }
  unsaved_ = false;
  history_.MarkSaved();
  recent_.Add(model_.ProjectFile);
  return true;
}

bool ProjectCommands::SaveProject() {
  return WriteProject();
}

bool ProjectCommands::SaveProjectAs() {
  std::string previous = model_.ProjectFile;
  if (!AskProjectFileName()) return false;
  if (!WriteProject()) {
    model_.ProjectFile = previous;  // the project still belongs to the file it came from
    return false;
  }
  menus_.Show(M::MnuProjSave);
  return true;
}

void ProjectCommands::Print() {
  PrintOptions options(results_, KeptInfluenceLine() != nullptr);
  if (ChoosePrintOptions(options)) PrintSections(options);
}

void ProjectCommands::PrintPreview() {
  PrintOptions options(results_, KeptInfluenceLine() != nullptr);
  if (!ChoosePrintOptions(options)) return;
  const auto pictures = DiagramPictures(options);
  const std::optional<PrintedInfluence> influence = InfluenceToPrint(options);
  windows_.ShowPrintPreview(options, Pages(pictures), influence ? &*influence : nullptr);
}

bool ProjectCommands::ChoosePrintOptions(PrintOptions& options) {
  options.Recall(printChoice_);
  if (!windows_.ChoosePrintOptions(options) || !options.AnythingChosen()) return false;
  printChoice_ = options.Remembered(printChoice_);
  return true;
}

std::vector<std::unique_ptr<PagePicture>> ProjectCommands::DiagramPictures(
    const PrintOptions& options) {
  if (!options.Chosen(ReportSection::Diagrams)) return {};
  return windows_.DiagramPictures();
}

void ProjectCommands::PrintSections(const PrintOptions& options) {
  std::unique_ptr<ReportPrinter> printer = windows_.OpenPrinter();
  if (!printer) return;
  const auto pictures = DiagramPictures(options);
  const std::optional<PrintedInfluence> influence = InfluenceToPrint(options);
  const PrintOutcome outcome = PrintReport(model_, results_, *printer, messages_, options, Trail(),
                                           Pages(pictures), influence ? &*influence : nullptr);
  const std::string file = printer->OutputFile();
  if (outcome != PrintOutcome::Printed || file.empty()) return;
  // A file made instead of a printed page is easily lost; say where it went.
  notice_ = "Report printed to " + file;
  messages_.ShowInformation("Print", "The report was printed to the PDF file\n" + file);
}

std::optional<PrintedInfluence> ProjectCommands::InfluenceToPrint(const PrintOptions& options) {
  const InfluenceLine* line = KeptInfluenceLine();
  if (!line || !options.Chosen(ReportSection::InfluenceLine)) return std::nullopt;
  return PrintedInfluence{windows_.PrintablePicture(InfluencePage(model_, *line)),
                          InfluenceReportLines(model_, *line)};
}

bool ProjectCommands::SaveBeforeDiscarding() {
  if (!unsaved_) return true;
  switch (messages_.AskYesNoCancel("Save Data ?", "Save changes to the project?")) {
    case kAnswerYes:
      if (model_.ProjectFile.empty()) return SaveProjectAs();
      return WriteProject();
    case kAnswerNo: return true;
    default: return false;
  }
}

bool ProjectCommands::CloseProject() {
  if (!SaveBeforeDiscarding()) return false;
  Start();
  windows_.Redraw();
  return true;
}

bool ProjectCommands::ConfirmExit() {
  return SaveBeforeDiscarding();
}

void ProjectCommands::Run(MenuItem item) {
  switch (item) {
    case M::MnuProjNew: NewProject(); break;
    case M::MnuProjOpen: OpenProject(); break;
    case M::MnuProjName: ChangeProjectTitle(); break;
    case M::MnuProjUnits: ChangeUnits(); break;
    case M::MnuProjPrecision: ChoosePrecision(); break;
    case M::MnuProjSave: SaveProject(); break;
    case M::MnuProjSaveAs: SaveProjectAs(); break;
    case M::MnuProjPrint: Print(); break;
    case M::MnuProjPreview: PrintPreview(); break;
    case M::MnuProjClose: CloseProject(); break;
    case M::MnuAna: Analyze(); break;
    case M::MnuEditData: EditData(); break;
    case M::MnuEditUndo: Undo(); break;
    case M::MnuEditRedo: Redo(); break;
    default: break;
  }
}

void ProjectCommands::DataWindowClosed(MenuItem menu, bool committed) {
  // The mechanism of the last failed analysis no longer describes edited data.
  if (committed) results_.MechanismMode.clear();
  if (committed) RecordChange(MenuItemName(menu));
  model_.CurrentForm = FormId::mcas;
  menus_.AfterDataWindow(menu, model_);
  // Whatever the window changed (joints, members, loads drawn on the structure, or counts that
  // fell to 0) shows at once.
  ShowCurrentModel();
}

void ProjectCommands::LoadsMenuOpened() {
  menus_.AfterDataWindow(M::MnuLoad, model_);
}

void ProjectCommands::Analyze() {
  if (messages_.AskQuestion("Save Data ?", "Save Input Data in File ?") == kAnswerYes) {
    if (!model_.ProjectFile.empty() || AskProjectFileName()) WriteProject();
  }
  // A model the engine cannot evaluate is stopped with every problem named, before anything is
  // computed or any menu changes.
  AnalysisRun run = CheckAndAnalyze(model_, AvailableMemoryBytes(), true, precision_.Chosen());
  trail_ = run.Trail;
  results_ = std::move(run.Results);
  influence_.reset();  // drawn from the results this analysis replaces
  if (run.Rejected) {
    messages_.ShowStop(kInputDataErrorTitle, run.RejectionText);
    return;
  }
  // The shape is shown at a scale the eye can follow; a structure the analysis did not move
  // keeps the multiplier it had.
  automaticMultiplier_ = AutomaticDeflectionMultiplier(model_, results_);
  SetMultiplier(automaticMultiplier_);
  windows_.Redraw();
  ShowAnalysisOutcome(run);
}

void ProjectCommands::SetMultiplier(std::int32_t multiplier) {
  model_.DeflectionMultiplier = multiplier;
  multiplierText_ = std::to_string(multiplier);
}

std::vector<std::string> ProjectCommands::MultiplierChoices() const {
  // The automatic value and a few multiples of it, for a closer look at a small movement.
  std::vector<std::string> choices;
  for (std::int64_t factor : {1, 2, 5, 10}) {
    const std::int64_t value = factor * automaticMultiplier_;
    if (value >= 1 && value <= kLargestMultiplier) choices.push_back(std::to_string(value));
  }
  return choices;
}

void ProjectCommands::ShowAnalysisOutcome(const AnalysisRun& run) {
  const std::string text = AnalysisOutcomeText(model_, run);
  if (results_.AnalysisStatus != kAnalysisComplete) {
    messages_.ShowStop(kAnalysisResultsTitle, text);
    return;
  }
  const bool print = messages_.AskYesNo(kAnalysisResultsTitle, text) == kAnswerYes;
  if (!run.AccuracyNote.empty())
    messages_.ShowInformation(kAnalysisAccuracyTitle, run.AccuracyNote);
  // The user has just asked for the results: the whole report, without the options dialog.
  if (print) PrintSections(PrintOptions(results_));
  menus_.AfterAnalysis(results_);
  OfferDoublePrecision(run);
}

void ProjectCommands::OfferDoublePrecision(const AnalysisRun& run) {
  if (!precision_.ShouldOffer(results_.DofCount)) return;
  precision_.Answer(messages_.AskYesNo(kPrecisionTitle,
                                       DoublePrecisionOfferText(results_.DofCount, run.Seconds)) ==
                    kAnswerYes);
}

void ProjectCommands::ChoosePrecision() {
  AnalysisPrecision chosen = precision_.Chosen();
  if (windows_.ChoosePrecision(chosen)) precision_.Choose(chosen);
}

std::string ProjectCommands::PrecisionStatus() const {
  return results_.AnalysisStatus == kAnalysisComplete && results_.SolvedInDoublePrecision
             ? "double precision"
             : "";
}

void ProjectCommands::EditData() {
  if (messages_.AskQuestion("Print Results ?", "Print Results of the Analysis ?") == kAnswerYes)
    PrintSections(PrintOptions(results_));
  results_ = StructureResults();
  menus_.AfterEditData();
  unsaved_ = true;
  // The deformed shape belongs to results that no longer stand.
  windows_.Redraw();
}

void ProjectCommands::TypeMultiplierText(const std::string& text) {
  if (MultiplierProblem(text).empty()) AcceptMultiplier(text);
}

std::string ProjectCommands::SetMultiplierText(const std::string& text) {
  std::string problem = MultiplierProblem(text);
  if (problem.empty()) AcceptMultiplier(text);
  return problem;
}

void ProjectCommands::AcceptMultiplier(const std::string& text) {
  model_.DeflectionMultiplier = static_cast<std::int32_t>(FieldNumber(text).value_or(0));
  multiplierText_ = text;
}

}  // namespace stavelorn

namespace stavelorn {

void ProjectCommands::RecordChange(const std::string& step) {
  if (SameProject(model_, history_.Current())) return;
  history_.Record(step, model_);
  unsaved_ = true;
}

std::string ProjectCommands::UndoCaption() const {
  return CanUndo() ? "Undo " + history_.UndoName() : "Undo";
}

std::string ProjectCommands::RedoCaption() const {
  return CanRedo() ? "Redo " + history_.RedoName() : "Redo";
}

void ProjectCommands::Undo() {
  if (CanUndo()) RestoreProject(history_.Undo());
}

void ProjectCommands::Redo() {
  if (CanRedo()) RestoreProject(history_.Redo());
}

void ProjectCommands::RestoreProject(const ModelStore& state) {
  unsaved_ = !history_.AtSaved();
  model_.CurrentForm = FormId::mcas;
  const bool analysed = results_.Complete();
  if (analysed && SameAnalysisInput(state, model_)) {
    // Only the title differs: the results on the screen still stand.
    model_.ProjectTitle = state.ProjectTitle;
    ShowCurrentModel();
    return;
  }
  // The file and the multiplier belong to the session, not to the data.
  const std::string file = model_.ProjectFile;
  const auto multiplier = model_.DeflectionMultiplier;
  model_ = state;
  model_.ProjectFile = file;
  model_.DeflectionMultiplier = multiplier;
  trail_.reset();
  results_ = StructureResults();
  if (analysed) menus_.AfterEditData();
  menus_.FollowData(model_);
  ShowCurrentModel();
}

}  // namespace stavelorn
