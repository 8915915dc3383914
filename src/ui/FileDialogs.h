// The open and save dialogs through which the user picks a project file (or a PDF to print to).
// Implemented with real dialogs in the windowed program and as a scripted double in tests.
#pragma once

#include <string>

namespace stavelorn {

struct FileDialogRequest {
  std::string Title;          // "Project File Name"
  std::string FilterName;     // "Structure Files"
  std::string Pattern;        // "*.str": matched in either letter case
  std::string DefaultSuffix;  // appended by the dialog when the user types no extension
  std::string InitialPath;    // folder or file the dialog starts at; may be ""
};

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The chosen file's full path, or "" when the user cancelled.
  virtual std::string OpenFile(const FileDialogRequest& request) = 0;
  virtual std::string SaveFile(const FileDialogRequest& request) = 0;
};

// The dialog for project files, as Open and Save As show it.
FileDialogRequest ProjectFileRequest(const std::string& currentPath);

}  // namespace stavelorn
