#include "model/ProjectFileName.h"

#include <cctype>

namespace stavelorn {

RunResult ApplyProjectExtension(std::string& path) {
  std::size_t nameStart = path.find_last_of("/\\");
  nameStart = nameStart == std::string::npos ? 0 : nameStart + 1;
  const std::string name = path.substr(nameStart);
  if (name.empty() || name == ".")
    return RunError{kErrInvalidCall,
                    "Invalid procedure call or argument: \"" + path + "\" names no file"};
  std::string tail = name.size() >= 4 ? name.substr(name.size() - 4) : "";
  for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  // On a case-sensitive file system a changed case would write a second file beside the one
  // the user meant, which every later Open and the batch tool would then miss.
  if (tail == ".str" && name.size() > 4) return std::nullopt;
  if (name.back() == '.') path.pop_back();
  path += ".str";
  return std::nullopt;
}

}  // namespace stavelorn
