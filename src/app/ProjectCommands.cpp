#include "app/ProjectCommands.h"

#include <cmath>

#include "analysis/AccuracyGuard.h"
#include "analysis/AnalysisRun.h"
#include "analysis/ModelCheck.h"
#include "graphics/Drawing.h"
#include "model/NumberText.h"
#include "model/ProjectFile.h"
#include "model/ProjectFileName.h"
#include "reports/PrintCommand.h"

namespace stavelorn {

namespace {

using M = MenuItem;

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
}

void ProjectCommands::NewProject() {
  if (windows_.ShowTitleDialog()) unsaved_ = true;
  model_.CurrentForm = FormId::mcas;
  if (!model_.StructType.empty()) menus_.ShowProjectMenus(model_);
  labels_.ShowTitle(model_);
}

void ProjectCommands::ChangeProjectTitle() {
  if (windows_.ShowTitleDialog()) unsaved_ = true;
  model_.CurrentForm = FormId::mcas;
  // A project that was never saved keeps its old labels until it is.
  if (!model_.ProjectFile.empty()) {
    menus_.ShowProjectMenus(model_);
    labels_.ShowTitle(model_);
    labels_.ShowType(model_);
  }
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
  labels_.ShowTitle(model_);
  labels_.ShowType(model_);
  if (model_.JointCount > 0) labels_.ShowJointCounts(model_);
  if (model_.MaterialCount > 0) labels_.ShowMaterialCount(model_);
  if (model_.SectionCount > 0) labels_.ShowSectionCount(model_);
  if (model_.MemberCount > 0) labels_.ShowMemberCount(model_);
  windows_.Redraw();
  return true;
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
  std::unique_ptr<ReportPrinter> printer = windows_.OpenPrinter();
  if (printer) PrintReport(model_, *printer, messages_);
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
    case M::MnuProjClose: CloseProject(); break;
    case M::MnuAna: Analyze(); break;
    case M::MnuEditData: EditData(); break;
    default: break;
  }
}

void ProjectCommands::DataWindowClosed(MenuItem menu, bool committed) {
  if (committed) unsaved_ = true;
  model_.CurrentForm = FormId::mcas;
  menus_.AfterDataWindow(menu, model_);
  if (menu == M::MnuJoint && model_.JointCount > 0) {
    windows_.Redraw();
    labels_.ShowJointCounts(model_);
  } else if (menu == M::MnuMatProp && model_.MaterialCount > 0) {
    labels_.ShowMaterialCount(model_);
  } else if (menu == M::MnuCrossProp && model_.SectionCount > 0) {
    labels_.ShowSectionCount(model_);
  } else if (menu == M::MnuMemb && model_.MemberCount > 0) {
    windows_.Redraw();
    labels_.ShowMemberCount(model_);
  }
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
  if (run.Rejected) {
    messages_.ShowStop(kInputDataErrorTitle, run.RejectionText);
    return;
  }
  windows_.Redraw();
  ShowAnalysisOutcome(run);
}

void ProjectCommands::ShowAnalysisOutcome(const AnalysisRun& run) {
  const std::string text = AnalysisOutcomeText(model_.AnalysisStatus);
  if (model_.AnalysisStatus != kAnalysisComplete) {
    messages_.ShowStop(kAnalysisResultsTitle, text);
    return;
  }
  const bool print = messages_.AskYesNo(kAnalysisResultsTitle, text) == kAnswerYes;
  if (run.UsedDoublePrecision) messages_.ShowInformation(kAnalysisAccuracyTitle, run.AccuracyNote);
  if (print) Print();
  menus_.AfterAnalysis(model_);
}

void ProjectCommands::EditData() {
  if (messages_.AskQuestion("Print Results ?", "Print Results of the Analysis ?") == kAnswerYes)
    Print();
  model_.AnalysisStatus = kNoResults;
  menus_.AfterEditData();
  unsaved_ = true;
}

std::string ProjectCommands::SetMultiplierText(const std::string& text) {
  // Rounded to the nearest integer, halves to even, as the current rounding mode does.
  double value = std::nearbyint(LeadingNumber(text));
  // The elastic curves are drawn with a 16-bit count of points that grows with the multiplier.
  if (!(value >= -32768 && value <= kLargestDeflectionMultiplier))
    return "The deflection multiplier must be a whole number no larger than " +
           std::to_string(kLargestDeflectionMultiplier) + ".";
  model_.DeflectionMultiplier = static_cast<std::int16_t>(value);
  multiplierText_ = text;
  return "";
}

}  // namespace stavelorn
