// The main window's menu items and multiplier controls: their names, captions and places, and
// which of them are visible in each phase of the program for the data at hand.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "model/ModelStore.h"

namespace stavelorn {

enum class MenuItem : std::size_t {
  MnuProj,
  MnuProjNew,
  MnuProjOpen,
  MnuProjRecent,
  MnuH1,
  MnuProjName,
  MnuProjUnits,
  MnuProjPrecision,    // the arithmetic of the analyses, a setting of the program
  MnuProjPreferences,  // the routine questions asked again or answered for good
  MnuProjSave,
  MnuProjSaveAs,
  MnuProjPrint,
  MnuProjPreview,
  MnuH2,
  MnuProjClose,
  MnuH3,
  MnuProjExit,
  MnuEdit,  // undo and redo of the committed changes
  MnuEditUndo,
  MnuEditRedo,
  MnuJoint,
  MnuMatProp,
  MnuCrossProp,
  MnuMemb,
  MnuLoad,
  MnuLoadJt,
  MnuLoadMem,
  MnuLoadSett,
  MnuLoadTemp,
  MnuLoadErr,
  MnuLoadH1,
  MnuLoadCases,  // the load cases and their combinations
  MnuLoadCombos,
  MnuAna,
  MnuStability,     // the critical load and the second-order analysis, after an analysis
  MnuCriticalLoad,  // of plane and space frames
  MnuSecondOrder,
  MnuStabilityOptions,  // pieces per member and modes sought, kept for the project
  MnuJtDispl,
  MnuMemForce,
  MnuReact,
  MnuDiagrams,  // the internal-force diagrams, offered with the other results
  MnuSteps,     // the method step by step, after an analysis
  MnuEditData,
  MnuExercise,      // exercises on the project: offered once its data can be analysed
  MnuCheckWork,     // the student's own method judged entry by entry
  MnuMakeVariants,  // a class's projects drawn from a template and their answers
  MnuHelp,          // help pages, the guided first model and the program's facts; always shown
  MnuHelpStart,
  MnuHelpSigns,
  MnuHelpExample,
  MnuHelpKeys,
  MnuHelpWindow,  // the page of the window or dialog that has the focus
  MnuHelpH1,
  MnuHelpAbout,
  // The deflection multiplier controls follow the same rules as the menus.
  Label8,
  Combo1,
  ReDraw,
  Count
};

constexpr std::size_t kMenuItemCount = static_cast<std::size_t>(MenuItem::Count);

struct MenuItemInfo {
  MenuItem Item;
  const char* Name;     // "MnuProjNew"
  const char* Caption;  // "&New Project...     ", "-" for a separator, "" for the controls
  MenuItem Parent;      // the menu it drops down from; MenuItem::Count for a top-level menu
  bool InitiallyVisible;
  // The keys that choose it, "; " between two ("Ctrl+Shift+Z; Ctrl+Y"); "" for none.
  const char* Shortcuts = "";
};

// Every item with its name, caption and place, in menu order.
const std::array<MenuItemInfo, kMenuItemCount>& MenuItems();
const MenuItemInfo& MenuItemOf(MenuItem item);
// An item's caption as words: no access-key mark, no trailing blanks or dots ("Joints",
// "Cross-Sections", "New Project").
std::string MenuItemName(MenuItem item);
// The key a caption marks with '&' ('\0' for none), in upper case.
char AccessKeyOf(const std::string& caption);
// Gives each caption of one menu an access key no other of them has: a caption's own mark is
// kept, and one without gets the first letter or digit no caption before it has taken.
std::vector<std::string> WithAccessKeys(const std::vector<std::string>& captions);

// Where the program stands: no project, a project whose data are being entered (before an
// analysis, after a failed one, or after Edit Data), or a project whose results are shown.
enum class Phase { NoProject, EnteringData, ShowingResults };

// The menus as a function of the program's phase and the project's data, never of the way the
// project got there: each menu shows exactly when what it needs is there (Members once there
// are two joints, a material and a section; Analyze once there is a member and a load of any
// kind), so deleting every load hides Analyze again and a project opened from its file shows
// what its data allow.
class MenuState {
 public:
  // The menus of a fresh main window: Project with New, Open and Exit, nothing else.
  MenuState();
  // The menus of a project in `phase` holding `data`; Save shows when the project has a file.
  MenuState(Phase phase, const ModelStore& data);

  bool Visible(MenuItem item) const { return visible_[Index(item)]; }

 private:
  static std::size_t Index(MenuItem item) { return static_cast<std::size_t>(item); }
  void Set(MenuItem item, bool visible) { visible_[Index(item)] = visible; }

  std::array<bool, kMenuItemCount> visible_{};
};

}  // namespace stavelorn
