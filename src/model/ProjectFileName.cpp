#include "model/ProjectFileName.h"

namespace stavelorn {

RunResult ApplyProjectExtension(std::string& path) {
  std::size_t nameStart = path.find_last_of("/\\");
  nameStart = nameStart == std::string::npos ? 0 : nameStart + 1;
  std::size_t dot = path.rfind('.');
  if (dot == std::string::npos || dot < nameStart)
    return RunError{kErrInvalidCall, "Invalid procedure call or argument: the file name \"" +
                                         path.substr(nameStart) + "\" has no extension"};
  std::size_t after = path.size() - dot - 1;
  // Pad a short extension so that ".STR" always has four characters to overwrite; a bare
  // trailing dot gets three, so "frame." also ends in ".STR".
  if (after < 3) path.append(3 - after, 'x');
  path.replace(dot, 4, ".STR");
  return std::nullopt;
}

}  // namespace stavelorn
