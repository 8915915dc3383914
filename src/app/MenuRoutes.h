// Where each main-window menu item leads, decided here so that the window only carries it out:
// a command of ProjectCommands, a data list window, a results window, or closing the window.
#pragma once

#include <string>

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
  LoadCases,      // the Load Cases window over ProjectCommands' load-case edits
  Combinations,   // the Load Combinations window over the same
  HelpPage,       // the help window at the page Page
  Tour,           // the Getting Started tour beside the main window, and its page
  HelpOnWindow,   // the help window at the page of the window or dialog with the focus
  About,          // the program's version and where its examples and help pages are
  Exit,           // closing the main window, which asks ProjectCommands::ConfirmExit
};

struct MenuRoute {
  MenuTarget Target = MenuTarget::Nothing;
  FormId Window = FormId::mcas;  // the window a DataWindow or ResultsWindow route opens
  const char* Page = "";         // the help page a HelpPage or Tour route opens
};

MenuRoute RouteOf(MenuItem item);

// What the key of a menu item (MenuItemInfo::Shortcuts) does in a phase: a key never does
// nothing in silence.
enum class KeyEffect {
  RunItem,            // what the item does from its menu
  CloseProjectFirst,  // New and Open while a project is open: close it (asking to save), then run
  Explain,            // the status line says why it cannot be done now (KeyMeaning::Reason)
};

struct KeyMeaning {
  KeyEffect Effect = KeyEffect::RunItem;
  std::string Reason;  // for Explain: "Analyze: the results are shown. ..."
};

// The meaning of `item`'s key with `menus` showing in `phase`: a visible item runs; Save runs
// (as Save As) in a project without a file; the rest explain why they are hidden.
KeyMeaning MeaningOfKey(MenuItem item, Phase phase, const MenuState& menus);

}  // namespace stavelorn
