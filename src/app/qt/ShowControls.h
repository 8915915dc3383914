// The "Show:" box of the results windows and the member window: a label and a combo box ShowC
// listing the analysis' choices (a case, a combination, the envelope), the one shown current.
#pragma once

#include <functional>

#include "app/ProjectCommands.h"

class QComboBox;
class QLabel;
class QWidget;

namespace stavelorn {

struct ShowControls {
  QLabel* Label = nullptr;
  QComboBox* Box = nullptr;
};

// Choosing in the box makes the commands show that choice, then `shown` runs. Both null for a
// project of one load case.
ShowControls MakeShowControls(QWidget* parent, ProjectCommands& commands,
                              std::function<void()> shown);

}  // namespace stavelorn
