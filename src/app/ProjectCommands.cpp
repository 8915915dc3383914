#include "app/ProjectCommands.h"

#include <cmath>
#include <filesystem>

#include "analysis/AccuracyGuard.h"
#include "analysis/AnalysisRun.h"
#include "analysis/ModelCheck.h"
#include "app/InfluencePrint.h"
#include "editors/FieldRules.h"
#include "graphics/Drawing.h"
#include "model/ProjectFile.h"
#include "model/ProjectFileName.h"
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
  // The elastic curves are drawn with a 16-bit count of points that grows with the multiplier,
  // and a multiplier below 1 draws no curve at all.
  const std::string problem = FieldProblem("Deflection Multiplier", text, NumberRule(true));
  if (!problem.empty()) return problem;
  const double value = FieldNumber(text).value_or(0);
  if (!(value >= 1 && value <= kLargestDeflectionMultiplier && value == std::floor(value)))
    return "The deflection multiplier must be a whole number from 1 to " +
           std::to_string(kLargestDeflectionMultiplier) + ".";
  return "";
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
  trail_.reset();
  influence_.reset();
}

void ProjectCommands::NewProject() {
  if (windows_.ShowTitleDialog()) unsaved_ = true;
  model_.CurrentForm = FormId::mcas;
  if (!model_.StructType.empty()) menus_.ShowProjectMenus(model_);
  ShowCurrentModel();
}

void ProjectCommands::ChangeProjectTitle() {
  if (windows_.ShowTitleDialog()) unsaved_ = true;
  model_.CurrentForm = FormId::mcas;
  // The title does not change the structure, so results on the screen stay valid and stay
  // shown; the data menus come back only with Edit Data, so that no editor changes data whose
  // results are still shown.
  if (model_.AnalysisStatus != kAnalysisComplete) menus_.ShowProjectMenus(model_);
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
  PrintOptions options(model_, KeptInfluenceLine() != nullptr);
  if (windows_.ChoosePrintOptions(options) && options.AnythingChosen()) PrintSections(options);
}

void ProjectCommands::PrintPreview() {
  PrintOptions options(model_, KeptInfluenceLine() != nullptr);
  if (!windows_.ChoosePrintOptions(options) || !options.AnythingChosen()) return;
  const auto pictures = DiagramPictures(options);
  const std::optional<PrintedInfluence> influence = InfluenceToPrint(options);
  windows_.ShowPrintPreview(options, Pages(pictures), influence ? &*influence : nullptr);
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
  PrintReport(model_, *printer, messages_, options, Trail(), Pages(pictures),
              influence ? &*influence : nullptr);
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
    case M::MnuProjSave: SaveProject(); break;
    case M::MnuProjSaveAs: SaveProjectAs(); break;
    case M::MnuProjPrint: Print(); break;
    case M::MnuProjPreview: PrintPreview(); break;
    case M::MnuProjClose: CloseProject(); break;
    case M::MnuAna: Analyze(); break;
    case M::MnuEditData: EditData(); break;
    default: break;
  }
}

void ProjectCommands::DataWindowClosed(MenuItem menu, bool committed) {
  if (committed) unsaved_ = true;
  // The mechanism of the last failed analysis no longer describes edited data.
  if (committed) model_.MechanismMode.clear();
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
  AnalysisRun run = CheckAndAnalyze(model_);
  trail_ = run.Trail;
  influence_.reset();  // drawn from the results this analysis replaces
  if (run.Rejected) {
    messages_.ShowStop(kInputDataErrorTitle, run.RejectionText);
    return;
  }
  windows_.Redraw();
  ShowAnalysisOutcome(run);
}

void ProjectCommands::ShowAnalysisOutcome(const AnalysisRun& run) {
  const std::string text = AnalysisOutcomeText(model_, run);
  if (model_.AnalysisStatus != kAnalysisComplete) {
    messages_.ShowStop(kAnalysisResultsTitle, text);
    return;
  }
  const bool print = messages_.AskYesNo(kAnalysisResultsTitle, text) == kAnswerYes;
  if (!run.AccuracyNote.empty())
    messages_.ShowInformation(kAnalysisAccuracyTitle, run.AccuracyNote);
  // The user has just asked for the results: the whole report, without the options dialog.
  if (print) PrintSections(PrintOptions(model_));
  menus_.AfterAnalysis(model_);
}

void ProjectCommands::EditData() {
  if (messages_.AskQuestion("Print Results ?", "Print Results of the Analysis ?") == kAnswerYes)
    PrintSections(PrintOptions(model_));
  model_.AnalysisStatus = kNoResults;
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
  model_.DeflectionMultiplier = static_cast<std::int16_t>(FieldNumber(text).value_or(0));
  multiplierText_ = text;
}

}  // namespace stavelorn
