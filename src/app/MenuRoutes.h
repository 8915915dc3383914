// Where each main-window menu item leads, decided here so that the window only carries it out:
// a command of ProjectCommands, a data list window, a results window, or closing the window.
#pragma once

#include "app/MenuState.h"
#include "model/FormId.h"

namespace stavelorn {

enum class MenuTarget {
  Nothing,        // a menu title or separator
  Command,        // ProjectCommands::Run carries it out
  DataWindow,     // the list window Window, then ProjectCommands::DataWindowClosed
  ResultsWindow,  // the results window Window
  MethodSteps,    // the method step by step of the analysis whose results are shown
  CheckWork,      // the student's own values judged against the analysis
  Exit,           // closing the main window, which asks ProjectCommands::ConfirmExit
};

struct MenuRoute {
  MenuTarget Target = MenuTarget::Nothing;
  FormId Window = FormId::mcas;  // the window a DataWindow or ResultsWindow route opens
};

MenuRoute RouteOf(MenuItem item);

}  // namespace stavelorn
