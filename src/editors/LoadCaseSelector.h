// The load-case selector beside the load list windows and their entry dialogs: which case's
// loads they edit, the choices it offers, and switching the case a list window shows.
#pragma once

#include <string>
#include <vector>

#include "editors/ListEditor.h"
#include "model/FormId.h"
#include "model/ModelStore.h"

namespace stavelorn {

// The selector's label.
constexpr char kLoadCaseLabel[] = "Load &case:";

struct LoadCaseSelector {
  // Whether the window shows it: a load list or entry dialog of a project with load cases.
  bool Shown = false;
  // "1: Dead", one per case in case order; the one chosen is Current (0-based).
  std::vector<std::string> Choices;
  int Current = 0;
};

// Whether `form` is a load list window or a load entry dialog.
bool IsLoadForm(FormId form);

// The selector of window `form` over `model`.
LoadCaseSelector LoadCaseSelectorOf(const ModelStore& model, FormId form);

// The list window of `editor` now shows case `c` (1-based): what its grid holds goes into the
// model for the case it leaves, as Close would store it, then the grid is loaded from case `c`
// with a fresh undo history. The window's Cancel then leaves the stored case as it is.
void ShowLoadCaseInList(ListEditor& editor, ModelStore& model, int c);

}  // namespace stavelorn
