#include "ui/FileDialogs.h"

namespace stavelorn {

FileDialogRequest ProjectFileRequest(const std::string& currentPath) {
  return FileDialogRequest{"Project File Name", "Structure Files", "*.str", "str", currentPath};
}

}  // namespace stavelorn
