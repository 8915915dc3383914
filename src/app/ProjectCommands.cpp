#include "app/ProjectCommands.h"

#include <filesystem>
#include <string>
#include <vector>

#include "app/UnitsChange.h"
#include "model/ProjectFile.h"

namespace stavelorn {

using M = MenuItem;

ProjectCommands::ProjectCommands(ModelStore& model, Messages& messages, FileDialogs& dialogs,
                                 CommandWindows& windows)
    : model_(model),
      messages_(messages),
      dialogs_(dialogs),
      windows_(windows),
      session_(model, true) {
  messages_.KeepRoutineAnswersIn(&preferences_.Routine);
}

void ProjectCommands::Start() {
  model_.Reset();
  labels_ = MainLabels();
  StartSession(true);
}

void ProjectCommands::StartSession(bool saved) {
  session_ = ProjectSession(model_, saved);
}

std::string ProjectCommands::Run(MenuItem item) {
  switch (item) {
    case M::MnuProjNew: NewProject(); break;
    case M::MnuProjOpen: OpenProject(); break;
    case M::MnuProjName: ChangeProjectTitle(); break;
    case M::MnuProjUnits: ChangeUnits(); break;
    case M::MnuProjPrecision: ChoosePrecision(); break;
    case M::MnuProjPreferences: ChoosePreferences(); break;
    case M::MnuProjSave: SaveProject(); break;
    case M::MnuProjSaveAs: SaveProjectAs(); break;
    case M::MnuProjPrint: return Print();
    case M::MnuProjPreview: PrintPreview(); break;
    case M::MnuProjClose: CloseProject(); break;
    case M::MnuAna: return Analyze();
    case M::MnuEditData: return EditData();
    case M::MnuCriticalLoad: ShowCriticalLoad(); break;
    case M::MnuSecondOrder: ShowSecondOrder(); break;
    case M::MnuStabilityOptions: ChooseStabilityOptions(); break;
    case M::MnuEditUndo: Undo(); break;
    case M::MnuEditRedo: Redo(); break;
    case M::MnuMakeVariants: return MakeVariants();
    default: break;
  }
  return "";
}

std::string ProjectCommands::RunKey(MenuItem item) {
  const KeyMeaning meaning = MeaningOfKey(item, session_.CurrentPhase(), Menus());
  switch (meaning.Effect) {
    case KeyEffect::Explain: return meaning.Reason;
    case KeyEffect::CloseProjectFirst:
      if (!CloseProject()) return "";
      return Run(item);
    case KeyEffect::RunItem: return Run(item);
  }
  return "";
}

void ProjectCommands::NewProject() {
  // A new project differs from every file until it is saved.
  if (windows_.ShowTitleDialog()) StartSession(false);
  ShowCurrentModel();
}

void ProjectCommands::ChangeProjectTitle() {
  // The title does not change the structure, so results on the screen stay valid and stay
  // shown.
  if (windows_.ShowTitleDialog()) session_.RecordChange(Change::ProjectTitle);
  ShowCurrentModel();
}

void ProjectCommands::ChangeUnits() {
  UnitSystem chosen = model_.Units;
  if (!windows_.ChooseUnits(chosen)) return;
  if (const std::optional<bool> converted = ChangeUnitsTo(model_, chosen, messages_))
    CommitUnitsChange(*converted);
}

void ProjectCommands::CommitUnitsChange(bool converted) {
  // Converted data no longer match the results of the last analysis: back to entering data,
  // as after Edit Data.
  if (converted) session_.DropAnalysis();
  session_.RecordChange(Change::Units);
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
  std::vector<std::string> skipped;
  RunResult error = ReadProjectFile(model_, &skipped);
  if (error) messages_.ReportError("File_Reading Error", *error);
  if (!skipped.empty()) {
    std::string text = "Parts of the file this program does not know were skipped:\n";
    for (const std::string& warning : skipped) text += "\n" + warning;
    messages_.ShowInformation("File_Reading Warning", text);
  }
  if (model_.StructType.empty()) {
    // Nothing was read that a project could be built on; stay with no project.
    Start();
    return false;
  }
  // A damaged file only half read must not be overwritten by a plain Save: the user saves
  // what was recovered under a name of their choosing, and nothing is saved until then.
  if (error) model_.ProjectFile.clear();
  StartSession(!error);
  ShowCurrentModel();
  if (!model_.ProjectFile.empty()) preferences_.Recent.Add(model_.ProjectFile);
  return true;
}

bool ProjectCommands::OpenRecentProject(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    preferences_.Recent.Remove(path);
    messages_.ShowStop("Open Recent", "The project file\n" + path +
                                          "\nno longer exists. It has been taken off the list "
                                          "of recent projects.");
    return false;
  }
  return OpenProjectFile(path);
}

bool ProjectCommands::CloseProject() {
  if (!SaveBeforeDiscarding()) return false;
  Start();
  windows_.Redraw();
  return true;
}

void ProjectCommands::DataDrawn(Change change) {
  session_.DropAnalysis();
  session_.RecordChange(change);
  ShowCurrentModel();
}

void ProjectCommands::DataWindowClosed(MenuItem menu, bool committed) {
  if (committed) {
    // The mechanism of the last failed analysis no longer describes edited data.
    session_.DropAnalysis();
    if (std::optional<Change> change = ChangeOfDataWindow(menu)) session_.RecordChange(*change);
  }
  // Whatever the window changed (joints, members, loads drawn on the structure, or counts that
  // fell to 0) shows at once.
  ShowCurrentModel();
}

void ProjectCommands::Undo() {
  if (!CanUndo()) return;
  session_.Undo();
  ShowCurrentModel();
}

void ProjectCommands::Redo() {
  if (!CanRedo()) return;
  session_.Redo();
  ShowCurrentModel();
}

}  // namespace stavelorn
