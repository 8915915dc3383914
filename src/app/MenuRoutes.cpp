#include "app/MenuRoutes.h"

namespace stavelorn {

MenuRoute RouteOf(MenuItem item) {
  using M = MenuItem;
  switch (item) {
    case M::MnuProjNew:
    case M::MnuProjOpen:
    case M::MnuProjName:
    case M::MnuProjUnits:
    case M::MnuProjPrecision:
    case M::MnuProjPreferences:
    case M::MnuProjSave:
    case M::MnuProjSaveAs:
    case M::MnuProjPrint:
    case M::MnuProjPreview:
    case M::MnuProjClose:
    case M::MnuAna:
    case M::MnuCriticalLoad:
    case M::MnuSecondOrder:
    case M::MnuStabilityOptions:
    case M::MnuEditUndo:
    case M::MnuEditRedo:
    case M::MnuEditData:
    case M::MnuMakeVariants: return {MenuTarget::Command, FormId::mcas};
    case M::MnuProjExit: return {MenuTarget::Exit, FormId::mcas};
    case M::MnuJoint: return {MenuTarget::DataWindow, FormId::JointA};
    case M::MnuMatProp: return {MenuTarget::DataWindow, FormId::MatA};
    case M::MnuCrossProp: return {MenuTarget::DataWindow, FormId::CrossA};
    case M::MnuMemb: return {MenuTarget::DataWindow, FormId::MemberA};
    case M::MnuLoadJt: return {MenuTarget::DataWindow, FormId::JLoadA};
    case M::MnuLoadMem: return {MenuTarget::DataWindow, FormId::MemLoadA};
    case M::MnuLoadSett: return {MenuTarget::DataWindow, FormId::JSettleA};
    case M::MnuLoadTemp: return {MenuTarget::DataWindow, FormId::MemTempA};
    case M::MnuLoadErr: return {MenuTarget::DataWindow, FormId::MemErrA};
    case M::MnuLoadCases: return {MenuTarget::LoadCases, FormId::mcas};
    case M::MnuLoadCombos: return {MenuTarget::Combinations, FormId::mcas};
    case M::MnuJtDispl: return {MenuTarget::ResultsWindow, FormId::Disp};
    case M::MnuMemForce: return {MenuTarget::ResultsWindow, FormId::MbForce};
    case M::MnuReact: return {MenuTarget::ResultsWindow, FormId::Reac};
    case M::MnuSteps: return {MenuTarget::MethodSteps, FormId::mcas};
    case M::MnuCheckWork: return {MenuTarget::CheckWork, FormId::mcas};
    case M::MnuHelpStart: return {MenuTarget::Tour, FormId::mcas, "getting-started"};
    case M::MnuHelpSigns: return {MenuTarget::HelpPage, FormId::mcas, "sign-conventions"};
    case M::MnuHelpExample: return {MenuTarget::HelpPage, FormId::mcas, "worked-example"};
    case M::MnuHelpKeys: return {MenuTarget::HelpPage, FormId::mcas, "keyboard-shortcuts"};
    case M::MnuHelpWindow: return {MenuTarget::HelpOnWindow, FormId::mcas};
    case M::MnuHelpAbout: return {MenuTarget::About, FormId::mcas};
    default: return {};
  }
}

KeyMeaning MeaningOfKey(MenuItem item, Phase phase, const MenuState& menus) {
  using M = MenuItem;
  if (menus.Visible(item)) return {};
  const std::string name = MenuItemName(item);
  if (phase == Phase::NoProject) return {KeyEffect::Explain, name + ": no project is open."};
  switch (item) {
    case M::MnuProjNew:
    case M::MnuProjOpen: return {KeyEffect::CloseProjectFirst, ""};
    case M::MnuProjSave: return {};  // asks for a file, as Save As does
    case M::MnuAna:
      if (phase == Phase::ShowingResults)
        return {KeyEffect::Explain,
                name +
                    ": the results are shown; choose Edit Data to change the data and analyse "
                    "again."};
      return {KeyEffect::Explain, name + ": the structure needs a member and a load first."};
    default: return {KeyEffect::Explain, name + " cannot be chosen now."};
  }
}

}  // namespace stavelorn
