#include "editors/RestraintText.h"

#include <array>
#include <cstring>

#include "model/StructType.h"

namespace stavelorn {

const std::vector<RestraintName>& RestraintNames(const std::string& structType) {
  static const std::array<std::vector<RestraintName>, 6> names = [] {
    std::array<std::vector<RestraintName>, 6> all;
    for (std::size_t t = 0; t < all.size(); ++t) {
      const StructTypeInfo& type = AllStructTypes()[t];
      for (int k = 0; k < type.CoordsPerJoint; ++k) {
        const JointCoordNames& coord = type.Coords[static_cast<std::size_t>(k)];
        all[t].push_back({coord.Restraint, coord.RestraintCheck, coord.RestraintLabel});
      }
    }
    return all;
  }();
  static const std::vector<RestraintName> none;
  for (std::size_t t = 0; t < names.size(); ++t)
    if (structType == AllStructTypes()[t].Code) return names[t];
  return none;
}

std::string RestraintText(const std::string& structType, const std::vector<int>& flags) {
  const std::vector<RestraintName>& names = RestraintNames(structType);
  // A space frame's six names are joined tightly so that they fit the grid's column.
  const std::string separator = KindOfStructure(structType) == StructKind::SFrame ? "," : ", ";
  std::string text;
  for (std::size_t k = 0; k < names.size() && k < flags.size(); ++k) {
    if (flags[k] != 1) continue;
    if (!text.empty()) text += separator;
    text += names[k].Name;
  }
  return text;
}

namespace {

// The comma-separated parts of `text`, blanks around each dropped.
std::vector<std::string> Parts(const std::string& text) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(',', start);
    if (end == std::string::npos) end = text.size();
    std::string part = text.substr(start, end - start);
    part.erase(0, part.find_first_not_of(' '));
    part.erase(part.find_last_not_of(' ') + 1);
    parts.push_back(part);
    start = end + 1;
  }
  return parts;
}

}  // namespace

std::vector<int> RestraintFlags(const std::string& structType, const std::string& text) {
  const std::vector<RestraintName>& names = RestraintNames(structType);
  std::vector<int> flags(names.size(), 0);
  for (const std::string& part : Parts(text))
    for (std::size_t k = 0; k < names.size(); ++k)
      if (part == names[k].Name) flags[k] = 1;
  return flags;
}

std::string SpringText(const std::string& structType, const std::vector<std::string>& stiffnesses) {
  const std::vector<RestraintName>& names = RestraintNames(structType);
  std::string text;
  for (std::size_t k = 0; k < names.size() && k < stiffnesses.size(); ++k) {
    if (stiffnesses[k].empty()) continue;
    if (!text.empty()) text += ", ";
    text += std::string(names[k].Name) + "=" + stiffnesses[k];
  }
  return text;
}

std::vector<std::string> SpringStiffnesses(const std::string& structType, const std::string& text) {
  const std::vector<RestraintName>& names = RestraintNames(structType);
  std::vector<std::string> stiffnesses(names.size());
  for (const std::string& part : Parts(text)) {
    const std::size_t equals = part.find('=');
    if (equals == std::string::npos) continue;
    for (std::size_t k = 0; k < names.size(); ++k)
      if (part.compare(0, equals, names[k].Name) == 0 && equals == std::strlen(names[k].Name))
        stiffnesses[k] = part.substr(equals + 1);
  }
  return stiffnesses;
}

}  // namespace stavelorn
