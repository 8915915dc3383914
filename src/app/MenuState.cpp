#include "app/MenuState.h"

#include <cctype>

#include "model/StructType.h"
#include "ui/AccessibleNames.h"

namespace stavelorn {

namespace {

using M = MenuItem;
constexpr M kTop = M::Count;

const std::array<MenuItemInfo, kMenuItemCount> kItems = {{
    {M::MnuProj, "MnuProj", "&Project     ", kTop, true},
    {M::MnuProjNew, "MnuProjNew", "&New Project...     ", M::MnuProj, true, "Ctrl+N"},
    {M::MnuProjOpen, "MnuProjOpen", "&Open an Existing Project...", M::MnuProj, true, "Ctrl+O"},
    {M::MnuProjRecent, "MnuProjRecent", "Open &Recent", M::MnuProj, true},
    {M::MnuH1, "MnuH1", "-", M::MnuProj, true},
    {M::MnuProjName, "MnuProjName", "Change Project &Title", M::MnuProj, false},
    {M::MnuProjUnits, "MnuProjUnits", "Un&its...", M::MnuProj, false},
    {M::MnuProjPrecision, "MnuProjPrecision", "Pr&ecision…", M::MnuProj, true},
    {M::MnuProjPreferences, "MnuProjPreferences", "Pre&ferences…", M::MnuProj, true},
    {M::MnuProjSave, "MnuProjSave", "&Save Project", M::MnuProj, false, "Ctrl+S"},
    {M::MnuProjSaveAs, "MnuProjSaveAs", "Save Project &As...", M::MnuProj, false, "Ctrl+Shift+S"},
    {M::MnuProjPrint, "MnuProjPrint", "&Print", M::MnuProj, false, "Ctrl+P"},
    {M::MnuProjPreview, "MnuProjPreview", "Print Pre&view...", M::MnuProj, false},
    {M::MnuH2, "MnuH2", "-", M::MnuProj, true},
    {M::MnuProjClose, "MnuProjClose", "&Close Project", M::MnuProj, false},
    {M::MnuH3, "MnuH3", "-", M::MnuProj, true},
    {M::MnuProjExit, "MnuProjExit", "E&xit", M::MnuProj, true, "Ctrl+Q"},
    {M::MnuEdit, "MnuEdit", "Ed&it", kTop, false},
    {M::MnuEditUndo, "MnuEditUndo", "&Undo", M::MnuEdit, true, "Ctrl+Z"},
    {M::MnuEditRedo, "MnuEditRedo", "&Redo", M::MnuEdit, true, "Ctrl+Shift+Z; Ctrl+Y"},
    {M::MnuJoint, "MnuJoint", "&Joints    ", kTop, false},
    {M::MnuMatProp, "MnuMatProp", "Ma&terials    ", kTop, false},
    {M::MnuCrossProp, "MnuCrossProp", "&Cross-Sections", kTop, false},
    {M::MnuMemb, "MnuMemb", "&Members    ", kTop, false},
    {M::MnuLoad, "MnuLoad", "&Loads    ", kTop, false},
    {M::MnuLoadJt, "MnuLoadJt", "&Joint Loads", M::MnuLoad, true},
    {M::MnuLoadMem, "MnuLoadMem", "&Member Loads", M::MnuLoad, true},
    {M::MnuLoadSett, "MnuLoadSett", "&Support Displacements", M::MnuLoad, true},
    {M::MnuLoadTemp, "MnuLoadTemp", "&Temperature Changes", M::MnuLoad, true},
    {M::MnuLoadErr, "MnuLoadErr", "Fabrication &Errors", M::MnuLoad, true},
    {M::MnuLoadH1, "MnuLoadH1", "-", M::MnuLoad, true},
    {M::MnuLoadCases, "MnuLoadCases", "Load &Cases…", M::MnuLoad, true},
    {M::MnuLoadCombos, "MnuLoadCombos", "Load C&ombinations…", M::MnuLoad, true},
    {M::MnuAna, "MnuAna", "&Analyze    ", kTop, false, "F5"},
    {M::MnuStability, "MnuStability", "Sta&bility", kTop, false},
    {M::MnuCriticalLoad, "MnuCriticalLoad", "&Critical Load…", M::MnuStability, true},
    {M::MnuSecondOrder, "MnuSecondOrder", "&Second-Order Analysis", M::MnuStability, true},
    {M::MnuStabilityOptions, "MnuStabilityOptions", "&Options…", M::MnuStability, true},
    {M::MnuJtDispl, "MnuJtDispl", "Joint &Displacements", kTop, false},
    {M::MnuMemForce, "MnuMemForce", "Member &Forces", kTop, false},
    {M::MnuReact, "MnuReact", "&Reactions", kTop, false},
    {M::MnuDiagrams, "MnuDiagrams", "Dia&grams", kTop, false},
    {M::MnuSteps, "MnuSteps", "Step by &Step", kTop, false},
    {M::MnuEditData, "MnuEditData", "&Edit Data", kTop, false},
    {M::MnuExercise, "MnuExercise", "E&xercise", kTop, false},
    {M::MnuCheckWork, "MnuCheckWork", "Check My &Work…", M::MnuExercise, true},
    {M::MnuMakeVariants, "MnuMakeVariants", "Make &Variants…", M::MnuExercise, true},
    {M::MnuHelp, "MnuHelp", "&Help", kTop, true},
    {M::MnuHelpStart, "MnuHelpStart", "&Getting Started", M::MnuHelp, true},
    {M::MnuHelpSigns, "MnuHelpSigns", "&Sign Conventions", M::MnuHelp, true},
    {M::MnuHelpExample, "MnuHelpExample", "&Worked Example", M::MnuHelp, true},
    {M::MnuHelpKeys, "MnuHelpKeys", "&Keyboard Shortcuts", M::MnuHelp, true},
    {M::MnuHelpWindow, "MnuHelpWindow", "&Help on This Window", M::MnuHelp, true, "F1"},
    {M::MnuHelpH1, "MnuHelpH1", "-", M::MnuHelp, true},
    {M::MnuHelpAbout, "MnuHelpAbout", "&About STAVELORN", M::MnuHelp, true},
    {M::Label8, "Label8", "", kTop, false},
    {M::Combo1, "Combo1", "", kTop, false},
    {M::ReDraw, "ReDraw", "", kTop, false},
}};

// Any load in any case: the case the load lists show may be an empty one.
bool AnyLoad(const ModelStore& m) {
  for (int c = 1; c <= m.LoadCaseCount(); ++c) {
    const LoadSet& l = m.LoadsOfCase(c);
    if (l.JointLoadCount > 0 || l.MemberLoadCount >= 1 || l.FabErrorCount >= 1 ||
        l.SettlementCount >= 1 || l.TempChangeCount >= 1)
      return true;
  }
  return false;
}

// Beams and grids take no temperature changes or fabrication errors.
bool TakesStrainLoads(const ModelStore& m) {
  const StructTypeInfo* type = FindStructType(m.StructType);
  return !type || type->Axial;
}

}  // namespace

const std::array<MenuItemInfo, kMenuItemCount>& MenuItems() {
  return kItems;
}

const MenuItemInfo& MenuItemOf(MenuItem item) {
  return kItems.at(static_cast<std::size_t>(item));
}

std::string MenuItemName(MenuItem item) {
  return SpokenCaption(MenuItemOf(item).Caption);
}

char AccessKeyOf(const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return static_cast<char>(std::toupper(caption[i + 1]));
    ++i;  // "&&" is a plain ampersand
  }
  return '\0';
}

std::vector<std::string> WithAccessKeys(const std::vector<std::string>& captions) {
  std::string taken;
  for (const std::string& caption : captions)
    if (char key = AccessKeyOf(caption)) taken += key;
  std::vector<std::string> marked;
  for (const std::string& caption : captions) {
    std::string text = caption;
    if (!AccessKeyOf(caption)) {
      for (std::size_t i = 0; i < text.size(); ++i) {
        const char key = static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])));
        if (!std::isalnum(static_cast<unsigned char>(key)) || taken.find(key) != std::string::npos)
          continue;
        taken += key;
        text.insert(i, 1, '&');
        break;
      }
    }
    marked.push_back(text);
  }
  return marked;
}

MenuState::MenuState() {
  for (const MenuItemInfo& info : kItems) Set(info.Item, info.InitiallyVisible);
}

MenuState::MenuState(Phase phase, const ModelStore& m) : MenuState() {
  if (phase == Phase::NoProject) return;
  // Opening a project, recent or not, is offered only when none is open.
  for (M item : {M::MnuProjNew, M::MnuProjOpen, M::MnuProjRecent}) Set(item, false);
  for (M item : {M::MnuProjName, M::MnuProjUnits, M::MnuProjSaveAs, M::MnuProjPrint,
                 M::MnuProjPreview, M::MnuProjClose, M::MnuEdit})
    Set(item, true);
  // A plain Save needs a file to write over: one the project was read from or saved to.
  Set(M::MnuProjSave, !m.ProjectFile.empty());
  // Truss members carry no loads between their joints; beams and grids take no temperature
  // changes or fabrication errors; none of them is offered before a member exists.
  const bool members = m.MemberCount >= 1;
  Set(M::MnuLoadMem, members && !IsTruss(m.StructType));
  Set(M::MnuLoadTemp, members && TakesStrainLoads(m));
  Set(M::MnuLoadErr, members && TakesStrainLoads(m));

  const bool results = phase == Phase::ShowingResults;
  // While results are shown the data stay as analysed: the data menus wait for Edit Data.
  for (M item : {M::MnuJoint, M::MnuMatProp, M::MnuCrossProp}) Set(item, !results);
  Set(M::MnuLoad, !results && m.JointCount >= 1);
  // A member needs two joints to join, a material and a cross-section.
  Set(M::MnuMemb, !results && m.JointCount >= 2 && m.MaterialCount >= 1 && m.SectionCount >= 1);
  const bool analysable = members && AnyLoad(m);
  Set(M::MnuAna, !results && analysable);
  for (M item :
       {M::MnuJtDispl, M::MnuMemForce, M::MnuReact, M::MnuDiagrams, M::MnuSteps, M::MnuEditData})
    Set(item, results);
  // The critical load and the second-order analysis start from the first-order results, and
  // only members that bend and carry an axial force have them.
  const StructTypeInfo* type = FindStructType(m.StructType);
  Set(M::MnuStability, results && type && type->Stability);
  // An exercise needs data complete enough to analyse.
  Set(M::MnuExercise, results || analysable);
  // Every type draws its deformed shape, magnified as the box says.
  for (M item : {M::Label8, M::Combo1, M::ReDraw}) Set(item, results);
}

}  // namespace stavelorn
