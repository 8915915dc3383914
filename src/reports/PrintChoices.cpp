#include "reports/PrintChoices.h"

namespace stavelorn {

const std::vector<PrintChoiceRow>& PrintChoiceRows() {
  static const std::vector<PrintChoiceRow> rows = {
      {"&Input data", &PrintChoices::InputData, false},
      {"&Results", &PrintChoices::Results, true},
      {"&Method trail (each member's matrices, [S] and {P})", &PrintChoices::MethodTrail, true},
  };
  return rows;
}

PrintChoices Available(PrintChoices choices, bool hasResults) {
  for (const PrintChoiceRow& row : PrintChoiceRows())
    if (row.NeedsResults && !hasResults) choices.*row.Choice = false;
  return choices;
}

}  // namespace stavelorn
