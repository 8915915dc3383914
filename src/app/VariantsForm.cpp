#include "app/VariantsForm.h"

namespace stavelorn {

std::variant<VariantsChoice, std::string> ReadVariantsForm(int count, const std::string& seed,
                                                           const std::string& folder) {
  if (count < 1 || count > kMostVariants)
    return "Variants: make from 1 to " + std::to_string(kMostVariants) + ", not " +
           std::to_string(count) + ".";
  const std::optional<std::uint64_t> drawnFrom = ReadVariantSeed(seed);
  if (!drawnFrom) return "Seed: \"" + seed + "\" is not a whole number of 0 or more.";
  if (folder.empty()) return "Folder: choose the folder the variants go into.";
  return VariantsChoice{count, *drawnFrom, folder};
}

}  // namespace stavelorn
