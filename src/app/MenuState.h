// Which menu items and multiplier controls of the main window are visible. The visible menus
// carry the program's state (no project, project defined, data being entered, analysed, editing
// after an analysis), so every rule that shows or hides one lives here, as a reaction to the
// command that just ran and to the model it left.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "analysis/StructureResults.h"
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
  MnuProjPrecision,  // the arithmetic of the analyses, a setting of the program
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
  MnuAna,
  MnuJtDispl,
  MnuMemForce,
  MnuReact,
  MnuDiagrams,  // the internal-force diagrams, offered with the other results
  MnuSteps,     // the method step by step, after an analysis
  MnuEditData,
  MnuExercise,   // exercises on the project: offered once its data can be analysed
  MnuCheckWork,  // the student's own method judged entry by entry
  MnuHelp,
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

class MenuState {
 public:
  // The menus of a fresh main window: Project with New, Open and Exit, nothing else.
  MenuState();

  bool Visible(MenuItem item) const {
    // An exercise needs data complete enough to analyse: it follows Analyze and the results.
    if (item == MenuItem::MnuExercise)
      return Visible(MenuItem::MnuAna) || Visible(MenuItem::MnuEditData);
    return visible_[Index(item)];
  }
  void Show(MenuItem item) { visible_[Index(item)] = true; }
  void Hide(MenuItem item) { visible_[Index(item)] = false; }

  // A project exists: New and Open give way to the project commands and the first data menus;
  // the load items follow the type and whether members exist.
  void ShowProjectMenus(const ModelStore& model);

  // After a project file was read (with ProjectFile set): every menu its data allows.
  void AfterOpen(const ModelStore& model);

  // After a data window opened from `menu` has closed (MnuLoad itself: the Loads menu opened).
  void AfterDataWindow(MenuItem menu, const ModelStore& model);

  // After Analyze: on a complete analysis the data menus give way to the results; a failed one
  // changes nothing, so the data can be corrected.
  void AfterAnalysis(const StructureResults& results);

  // After Edit Data: results hidden, the data menus and Analyze back.
  void AfterEditData();

  // After an undo or redo put other data in place: the data menus, the load items and Analyze
  // as that data allows, whatever was shown before.
  void FollowData(const ModelStore& model);

  bool operator==(const MenuState& other) const { return visible_ == other.visible_; }

 private:
  static std::size_t Index(MenuItem item) { return static_cast<std::size_t>(item); }
  // Loads, Members and Analyze as the data allow them.
  void ShowDataMenus(const ModelStore& model);
  void ShowIf(bool condition, MenuItem item) {
    if (condition) Show(item);
  }

  std::array<bool, kMenuItemCount> visible_{};
};

}  // namespace stavelorn
