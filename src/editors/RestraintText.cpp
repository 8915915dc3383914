#include "editors/RestraintText.h"

#include <map>

namespace stavelorn {

const std::vector<RestraintName>& RestraintNames(const std::string& structType) {
  static const std::map<std::string, std::vector<RestraintName>> names = {
      {"PTruss", {{"X", 1, "X-Restr. :"}, {"Y", 2, "Y-Restr. :"}}},
      {"Beam", {{"Y", 1, "Y-Restr.:"}, {"Rot.", 4, "Rot. Restr.:"}}},
      {"PFrame", {{"X", 1, "X-Restr. :"}, {"Y", 2, "Y-Restr. :"}, {"Rot.", 4, "Rot. Restr.:"}}},
      {"STruss", {{"X", 1, "X-Restr. :"}, {"Y", 2, "Y-Restr. :"}, {"Z", 3, "Z-Restr. :"}}},
      {"Grid", {{"Y", 1, "Y-Restr.:"}, {"XR", 4, "X-Rot. Restr.:"}, {"ZR", 5, "Z-Rot. Restr.:"}}},
      {"SFrame",
       {{"X", 1, "X-Restr. :"},
        {"Y", 2, "Y-Restr. :"},
        {"Z", 3, "Z-Restr. :"},
        {"XR", 4, "X-Rot. Restr.:"},
        {"YR", 5, "Y-Rot. Restr.:"},
        {"ZR", 6, "Z-Rot. Restr.:"}}},
  };
  static const std::vector<RestraintName> none;
  auto found = names.find(structType);
  return found == names.end() ? none : found->second;
}

std::string RestraintText(const std::string& structType, const std::vector<int>& flags) {
  const std::vector<RestraintName>& names = RestraintNames(structType);
  const std::string separator = structType == "SFrame" ? "," : ", ";
  std::string text;
  for (std::size_t k = 0; k < names.size() && k < flags.size(); ++k) {
    if (flags[k] != 1) continue;
    if (!text.empty()) text += separator;
    text += names[k].Name;
  }
  return text;
}

std::vector<int> RestraintFlags(const std::string& structType, const std::string& text) {
  const std::vector<RestraintName>& names = RestraintNames(structType);
  std::vector<int> flags(names.size(), 0);
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(',', start);
    if (end == std::string::npos) end = text.size();
    std::string part = text.substr(start, end - start);
    part.erase(0, part.find_first_not_of(' '));
    part.erase(part.find_last_not_of(' ') + 1);
    for (std::size_t k = 0; k < names.size(); ++k)
      if (part == names[k].Name) flags[k] = 1;
    start = end + 1;
  }
  return flags;
}

}  // namespace stavelorn
