#include "model/LoadCaseEdits.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace stavelorn {

namespace {

constexpr std::size_t kLongestName = 40;

bool HasCase(const ModelStore& model, int c) {
  return c >= 1 && c <= model.LoadCaseCount();
}

// A project of one unnamed case gets its case named, so that the next one has company.
void NameTheOnlyCase(ModelStore& model) {
  if (!model.LoadCases.empty()) return;
  std::string name = "Case 1";
  for (int n = 2; !NameRefusal(model, name).empty(); ++n)
    name = "Case 1 (" + std::to_string(n) + ")";
  model.LoadCases.push_back({name, LoadSet()});
}

// Every case's loads into its own entry, the load tables left holding nothing of worth.
void ParkLoads(ModelStore& model) {
  std::swap(static_cast<LoadSet&>(model),
            model.LoadCases[static_cast<std::size_t>(model.CurrentLoadCase - 1)].Loads);
}

// The loads of case `c` from its entry into the load tables, after ParkLoads.
void ShowCase(ModelStore& model, int c) {
  model.CurrentLoadCase = c;
  std::swap(static_cast<LoadSet&>(model), model.LoadCases[static_cast<std::size_t>(c - 1)].Loads);
}

template <typename T>
void MoveEntry(std::vector<T>& entries, std::size_t from, std::size_t to) {
  T moved = std::move(entries[from]);
  entries.erase(entries.begin() + static_cast<long>(from));
  entries.insert(entries.begin() + static_cast<long>(to), std::move(moved));
}

}  // namespace

std::string NameRefusal(const ModelStore& model, const std::string& name,
                        const std::string& except) {
  if (name.empty()) return "A load case or combination needs a name.";
  if (name.size() > kLongestName)
    return "A name has at most " + std::to_string(kLongestName) + " characters.";
  for (char c : name)
    if (static_cast<unsigned char>(c) < 32) return "A name cannot hold control characters.";
  if (name == except) return "";
  for (int c = 1; c <= model.LoadCaseCount(); ++c)
    if (model.LoadCaseName(c) == name)
      return "Load case " + std::to_string(c) + " is named \"" + name + "\" already.";
  for (const LoadCombination& combination : model.Combinations)
    if (combination.Name == name) return "A load combination is named \"" + name + "\" already.";
  return "";
}

bool CaseHasLoads(const ModelStore& model, int c) {
  const LoadSet& loads = model.LoadsOfCase(c);
  return loads.JointLoadCount > 0 || loads.MemberLoadCount > 0 || loads.SettlementCount > 0 ||
         loads.TempChangeCount > 0 || loads.FabErrorCount > 0;
}

std::string AddLoadCase(ModelStore& model, const std::string& name) {
  if (std::string refusal = NameRefusal(model, name); !refusal.empty()) return refusal;
  NameTheOnlyCase(model);
  model.LoadCases.push_back({name, LoadSet()});
  for (LoadCombination& combination : model.Combinations) combination.Factors.push_back(0.0f);
  return "";
}

std::string RenameLoadCase(ModelStore& model, int c, const std::string& name) {
  if (!HasCase(model, c)) return "There is no load case " + std::to_string(c) + ".";
  if (std::string refusal = NameRefusal(model, name, model.LoadCaseName(c)); !refusal.empty())
    return refusal;
  NameTheOnlyCase(model);
  model.LoadCases[static_cast<std::size_t>(c - 1)].Name = name;
  return "";
}

std::string DeleteLoadCase(ModelStore& model, int c) {
  if (!HasCase(model, c)) return "There is no load case " + std::to_string(c) + ".";
  if (model.LoadCaseCount() == 1) return "A project keeps at least one load case.";
  const int shown = model.CurrentLoadCase;
  ParkLoads(model);
  model.LoadCases.erase(model.LoadCases.begin() + (c - 1));
  for (LoadCombination& combination : model.Combinations)
    combination.Factors.erase(combination.Factors.begin() + (c - 1));
  // The shown case goes on being shown, or the one before it when it went itself.
  ShowCase(model, shown == c ? std::max(1, c - 1) : shown > c ? shown - 1 : shown);
  return "";
}

std::string MoveLoadCase(ModelStore& model, int c, int to) {
  if (!HasCase(model, c) || !HasCase(model, to))
    return "There is no load case " + std::to_string(HasCase(model, c) ? to : c) + ".";
  if (c == to) return "";
  const std::string shownName = model.LoadCaseName(model.CurrentLoadCase);
  ParkLoads(model);
  MoveEntry(model.LoadCases, static_cast<std::size_t>(c - 1), static_cast<std::size_t>(to - 1));
  for (LoadCombination& combination : model.Combinations)
    MoveEntry(combination.Factors, static_cast<std::size_t>(c - 1),
              static_cast<std::size_t>(to - 1));
  for (int n = 1; n <= model.LoadCaseCount(); ++n)
    if (model.LoadCaseName(n) == shownName) ShowCase(model, n);
  return "";
}

std::string AddCombination(ModelStore& model, const std::string& name) {
  if (std::string refusal = NameRefusal(model, name); !refusal.empty()) return refusal;
  model.Combinations.push_back(
      {name, std::vector<float>(static_cast<std::size_t>(model.LoadCaseCount()), 0.0f)});
  return "";
}

std::string RenameCombination(ModelStore& model, std::size_t k, const std::string& name) {
  if (k >= model.Combinations.size()) return "There is no such load combination.";
  if (std::string refusal = NameRefusal(model, name, model.Combinations[k].Name); !refusal.empty())
    return refusal;
  model.Combinations[k].Name = name;
  return "";
}

std::string DeleteCombination(ModelStore& model, std::size_t k) {
  if (k >= model.Combinations.size()) return "There is no such load combination.";
  model.Combinations.erase(model.Combinations.begin() + static_cast<long>(k));
  return "";
}

std::string SetCombinationFactor(ModelStore& model, std::size_t k, int c, float factor) {
  if (k >= model.Combinations.size()) return "There is no such load combination.";
  if (!HasCase(model, c)) return "There is no load case " + std::to_string(c) + ".";
  if (!std::isfinite(factor)) return "A factor is a finite number.";
  model.Combinations[k].Factors[static_cast<std::size_t>(c - 1)] = factor;
  return "";
}

}  // namespace stavelorn
