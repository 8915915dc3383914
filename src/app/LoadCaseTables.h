// The Load Cases and Load Combinations windows as text: their tables' headings and cells, and the
// name Add offers for a new case or combination.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/ModelStore.h"

namespace stavelorn {

// The windows' titles and the label of their name box.
constexpr char kLoadCasesTitle[] = "Load Cases";
constexpr char kCombinationsTitle[] = "Load Combinations";
constexpr char kCaseNameLabel[] = "&Name:";

// A button of the windows: its object name and caption.
struct NamesWindowButton {
  const char* Name;
  const char* Caption;
  bool CasesOnly;  // only the Load Cases window has it (the order of cases)
};

// Add, Rename, Delete, Up, Down, Undo and Close, in that order.
const std::array<NamesWindowButton, 7>& NamesWindowButtons();

// The question Delete asks before it deletes case `c` with the loads it holds; "" when it need
// not ask (the case holds none, or cannot be deleted).
std::string DeleteCaseQuestion(const ModelStore& model, int c);

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
