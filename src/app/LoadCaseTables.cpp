#include "app/LoadCaseTables.h"

#include "model/LoadCaseEdits.h"
#include "model/NumberText.h"

namespace stavelorn {

namespace {

int LoadCount(const LoadSet& loads) {
  return loads.JointLoadCount + loads.MemberLoadCount + loads.SettlementCount +
         loads.TempChangeCount + loads.FabErrorCount;
}

std::string FreeName(const ModelStore& model, const std::string& stem, int first) {
  std::string name;
  for (int n = first; name.empty() || !NameRefusal(model, name).empty(); ++n)
    name = stem + " " + std::to_string(n);
  return name;
}

}  // namespace

const std::array<NamesWindowButton, 7>& NamesWindowButtons() {
  static const std::array<NamesWindowButton, 7> buttons{{{"AddB", "&Add", false},
                                                         {"RenameB", "&Rename", false},
                                                         {"DeleteB", "&Delete", false},
                                                         {"UpB", "&Up", true},
                                                         {"DownB", "Do&wn", true},
                                                         {"UndoB", "U&ndo", false},
                                                         {"CloseB", "Close", false}}};
  return buttons;
}

std::string DeleteCaseQuestion(const ModelStore& model, int c) {
  if (c < 1 || c > model.LoadCaseCount() || model.LoadCaseCount() <= 1 || !CaseHasLoads(model, c))
    return "";
  return "Load case " + std::to_string(c) + " (" + model.LoadCaseName(c) +
         ") holds loads. Delete it with its loads ?";
}

NamesTable LoadCaseTable(const ModelStore& model) {
  NamesTable table{{"Case", "Name", "Loads"}, {}};
  for (int c = 1; c <= model.LoadCaseCount(); ++c) {
    const int loads = LoadCount(model.LoadsOfCase(c));
    table.Rows.push_back({std::to_string(c), model.LoadCaseName(c),
                          std::to_string(loads) + (loads == 1 ? " load" : " loads")});
  }
  return table;
}

NamesTable CombinationTable(const ModelStore& model) {
  NamesTable table{{"Combination"}, {}};
  for (int c = 1; c <= model.LoadCaseCount(); ++c) {
    const std::string name = model.LoadCaseName(c);
    table.Headings.push_back(name.empty() ? "Case " + std::to_string(c) : name);
  }
  for (const LoadCombination& combination : model.Combinations) {
    std::vector<std::string> row{combination.Name};
    for (float factor : combination.Factors) row.push_back(FormatShortest(factor));
    table.Rows.push_back(row);
  }
  return table;
}

std::string NewLoadCaseName(const ModelStore& model) {
  return FreeName(model, "Case", model.LoadCaseCount() + 1);
}

std::string NewCombinationName(const ModelStore& model) {
  return FreeName(model, "Combination", static_cast<int>(model.Combinations.size()) + 1);
}

}  // namespace stavelorn
