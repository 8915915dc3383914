// The Load Cases and Load Combinations windows as text: their tables' headings and cells, and the
// name Add offers for a new case or combination.
#pragma once

#include <string>
#include <vector>

#include "model/ModelStore.h"

namespace stavelorn {

struct NamesTable {
  std::vector<std::string> Headings;
  std::vector<std::vector<std::string>> Rows;
};

// One row per case: its number, its name and how many loads it holds ("3 loads").
NamesTable LoadCaseTable(const ModelStore& model);

// One row per combination: its name, then its factor of each case (the cases' names head them).
NamesTable CombinationTable(const ModelStore& model);

// "Case 3", "Combination 2": the first such name no case or combination has.
std::string NewLoadCaseName(const ModelStore& model);
std::string NewCombinationName(const ModelStore& model);

}  // namespace stavelorn
