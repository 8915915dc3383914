#include "app/MenuState.h"

#include <cctype>

#include "model/StructType.h"

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
    {M::MnuAna, "MnuAna", "&Analyze    ", kTop, false, "F5"},
    {M::MnuJtDispl, "MnuJtDispl", "Joint &Displacements", kTop, false},
    {M::MnuMemForce, "MnuMemForce", "Member &Forces", kTop, false},
    {M::MnuReact, "MnuReact", "&Reactions", kTop, false},
    {M::MnuDiagrams, "MnuDiagrams", "Dia&grams", kTop, false},
    {M::MnuSteps, "MnuSteps", "Step by &Step", kTop, false},
    {M::MnuEditData, "MnuEditData", "&Edit Data", kTop, false},
    {M::MnuExercise, "MnuExercise", "E&xercise", kTop, false},
    {M::MnuCheckWork, "MnuCheckWork", "Check My &Work…", M::MnuExercise, true},
    {M::MnuHelp, "MnuHelp", "&Help", kTop, false},
    {M::Label8, "Label8", "", kTop, false},
    {M::Combo1, "Combo1", "", kTop, false},
    {M::ReDraw, "ReDraw", "", kTop, false},
}};

bool AnyLoad(const ModelStore& m) {
  return m.JointLoadCount > 0 || m.MemberLoadCount >= 1 || m.FabErrorCount >= 1 ||
         m.SettlementCount >= 1 || m.TempChangeCount >= 1;
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
  return kItems[static_cast<std::size_t>(item)];
}

std::string MenuItemName(MenuItem item) {
  std::string name;
  for (const char* c = MenuItemOf(item).Caption; *c; ++c)
    if (*c != '&') name += *c;
  const std::size_t end = name.find_last_not_of(" .");
  return end == std::string::npos ? "" : name.substr(0, end + 1);
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
        text.insert(i, "&");
        break;
      }
    }
    marked.push_back(text);
  }
  return marked;
}

MenuState::MenuState() {
  for (const MenuItemInfo& info : kItems) visible_[Index(info.Item)] = info.InitiallyVisible;
}

void MenuState::ShowProjectMenus(const ModelStore& m) {
  // Opening a project, recent or not, is offered only when none is open.
  for (M item : {M::MnuProjNew, M::MnuProjOpen, M::MnuProjRecent}) Hide(item);
  for (M item :
       {M::MnuProjName, M::MnuProjUnits, M::MnuProjSaveAs, M::MnuProjPrint, M::MnuProjPreview,
        M::MnuProjClose, M::MnuEdit, M::MnuJoint, M::MnuMatProp, M::MnuCrossProp})
    Show(item);
  // Truss members carry no loads between their joints.
  if (IsTruss(m.StructType)) Hide(M::MnuLoadMem);
  if (!TakesStrainLoads(m)) {
    Hide(M::MnuLoadTemp);
    Hide(M::MnuLoadErr);
  }
  if (m.MemberCount < 1)
    for (M item : {M::MnuLoadMem, M::MnuLoadTemp, M::MnuLoadErr}) Hide(item);
}

void MenuState::AfterOpen(const ModelStore& m) {
  ShowProjectMenus(m);
  Show(M::MnuProjSave);
  ShowDataMenus(m);
}

void MenuState::ShowDataMenus(const ModelStore& m) {
  ShowIf(m.JointCount > 0, M::MnuLoad);
  ShowIf(m.JointCount >= 1 && m.MaterialCount >= 1 && m.SectionCount >= 1, M::MnuMemb);
  ShowIf(m.MemberCount >= 1 && AnyLoad(m), M::MnuAna);
}

void MenuState::AfterDataWindow(MenuItem menu, const ModelStore& m) {
  const bool members = m.MemberCount > 0;
  switch (menu) {
    case M::MnuJoint:
      if (m.JointCount > 0) {
        Show(M::MnuLoad);
        if (m.MemberCount < 1)
          for (M item : {M::MnuLoadMem, M::MnuLoadTemp, M::MnuLoadErr}) Hide(item);
      }
      // A member needs two joints to join.
      ShowIf(m.JointCount >= 2 && m.MaterialCount >= 1 && m.SectionCount > 0, M::MnuMemb);
      break;
    case M::MnuMatProp:
    case M::MnuCrossProp:
      ShowIf(m.JointCount > 0 && m.MaterialCount > 0 && m.SectionCount > 0, M::MnuMemb);
      break;
    case M::MnuMemb:
      if (members) {
        ShowIf(!IsTruss(m.StructType), M::MnuLoadMem);
        if (TakesStrainLoads(m)) {
          Show(M::MnuLoadTemp);
          Show(M::MnuLoadErr);
        }
        ShowIf(m.JointLoadCount > 0, M::MnuAna);
      }
      break;
    case M::MnuLoad: ShowIf(m.MemberCount >= 1 && m.JointLoadCount >= 1, M::MnuAna); break;
    case M::MnuLoadJt: ShowIf(members && m.JointLoadCount > 0, M::MnuAna); break;
    case M::MnuLoadMem: ShowIf(members && m.MemberLoadCount > 0, M::MnuAna); break;
    case M::MnuLoadSett: ShowIf(members && m.SettlementCount > 0, M::MnuAna); break;
    case M::MnuLoadTemp: ShowIf(members && m.TempChangeCount > 0, M::MnuAna); break;
    case M::MnuLoadErr: ShowIf(members && m.FabErrorCount > 0, M::MnuAna); break;
    default: break;
  }
}

void MenuState::AfterAnalysis(const StructureResults& results) {
  if (!results.Complete()) return;
  for (M item : {M::MnuJoint, M::MnuMatProp, M::MnuCrossProp, M::MnuMemb, M::MnuLoad, M::MnuAna})
    Hide(item);
  for (M item :
       {M::MnuEditData, M::MnuJtDispl, M::MnuMemForce, M::MnuReact, M::MnuDiagrams, M::MnuSteps})
    Show(item);
  // Every type draws its deformed shape, magnified as the box says.
  for (M item : {M::Label8, M::Combo1, M::ReDraw}) Show(item);
}

void MenuState::AfterEditData() {
  for (M item : {M::MnuJtDispl, M::MnuMemForce, M::MnuReact, M::MnuDiagrams, M::MnuSteps,
                 M::MnuEditData, M::Label8, M::Combo1, M::ReDraw})
    Hide(item);
  for (M item : {M::MnuJoint, M::MnuMatProp, M::MnuCrossProp, M::MnuMemb, M::MnuLoad, M::MnuAna})
    Show(item);
}

void MenuState::FollowData(const ModelStore& m) {
  if (Visible(M::MnuEditData)) return;  // results shown: the data menus wait for Edit Data
  for (M item : {M::MnuLoad, M::MnuMemb, M::MnuAna}) Hide(item);
  for (M item : {M::MnuLoadMem, M::MnuLoadTemp, M::MnuLoadErr}) Show(item);
  ShowProjectMenus(m);
  ShowDataMenus(m);
}

}  // namespace stavelorn
