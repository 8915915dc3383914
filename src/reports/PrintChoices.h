// What the Print command puts into the report, as the "Print Options" dialog offers it: one row
// per part of the report, so a dialog is built from the rows and a new part is one more row.
#pragma once

#include <vector>

namespace stavelorn {

struct PrintChoices {
  bool InputData = true;
  bool Results = true;
  bool MethodTrail = false;  // each member's matrices, [S] and {P}, after the results
};

struct PrintChoiceRow {
  const char* Caption;         // the check box's text
  bool PrintChoices::*Choice;  // what it sets
  bool NeedsResults;           // offered only after a complete analysis
};

// The rows in the order the dialog shows them.
const std::vector<PrintChoiceRow>& PrintChoiceRows();

// The choices with every part that needs results switched off when there are none.
PrintChoices Available(PrintChoices choices, bool hasResults);

}  // namespace stavelorn
