// The edits of the Load Cases and Load Combinations windows, on the model itself: add, rename,
// delete and reorder cases, and add, rename, delete and set the factors of combinations. Each
// keeps the model whole (one factor per case in every combination, names unique across cases and
// combinations, the shown case among the cases) or refuses, changing nothing, with the reason in
// words. A project of one unnamed case gets its case named "Case 1" when a second one comes.
#pragma once

#include <string>
#include <vector>

#include "model/ModelStore.h"

namespace stavelorn {

// Why `name` cannot name a case or combination of the model (empty: it can). `except` names the
// case or combination being renamed, whose own name is no clash.
std::string NameRefusal(const ModelStore& model, const std::string& name,
                        const std::string& except = "");

// Whether case `c` holds any load, so that deleting it must be asked first.
bool CaseHasLoads(const ModelStore& model, int c);

// Each returns the refusal, or "" when done.
std::string AddLoadCase(ModelStore& model, const std::string& name);
std::string RenameLoadCase(ModelStore& model, int c, const std::string& name);
// The last case cannot go; the shown case moves to the one before when its own goes.
std::string DeleteLoadCase(ModelStore& model, int c);
// Moves case `c` to position `to`, its loads and its factor in every combination with it.
std::string MoveLoadCase(ModelStore& model, int c, int to);

std::string AddCombination(ModelStore& model, const std::string& name);
std::string RenameCombination(ModelStore& model, std::size_t k, const std::string& name);
std::string DeleteCombination(ModelStore& model, std::size_t k);
// Factor of case `c` in combination `k`: a finite number.
std::string SetCombinationFactor(ModelStore& model, std::size_t k, int c, float factor);

}  // namespace stavelorn
