#include "model/RunError.h"

namespace stavelorn {

std::string RunErrorText(const RunError& error) {
  if (error.InFile) return error.Description;
  return "Unexpected error # " + std::to_string(error.Number) + " occurred: \n\n" +
         (error.Number == kErrFileAccess ? "Path/File access error: " : "") + error.Description;
}

}  // namespace stavelorn
