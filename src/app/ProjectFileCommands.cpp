// The commands that write the project to its file: Save, Save As, and the question before the
// project's changes would be discarded.
#include "app/ProjectCommands.h"
#include "model/ProjectFile.h"
#include "model/ProjectFileName.h"

namespace stavelorn {

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
  session_.MarkSaved();
  preferences_.Recent.Add(model_.ProjectFile);
  return true;
}

bool ProjectCommands::SaveProject() {
  return session_.HasFile() ? WriteProject() : SaveProjectAs();
}

bool ProjectCommands::SaveProjectAs() {
  std::string previous = model_.ProjectFile;
  if (!AskProjectFileName()) return false;
  if (!WriteProject()) {
    model_.ProjectFile = previous;  // the project still belongs to the file it came from
    return false;
  }
  return true;
}

bool ProjectCommands::SaveBeforeDiscarding() {
  if (!session_.Unsaved()) return true;
  switch (messages_.AskYesNoCancel("Save Data ?", "Save changes to the project?")) {
    case kAnswerYes: return SaveProject();
    case kAnswerNo: return true;
    default: return false;
  }
}

bool ProjectCommands::ConfirmExit() {
  return SaveBeforeDiscarding();
}

}  // namespace stavelorn
