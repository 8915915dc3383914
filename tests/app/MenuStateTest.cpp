#include <gtest/gtest.h>

#include <set>

#include "app/MenuState.h"
#include "model/StructType.h"

namespace stavelorn {
namespace {

using M = MenuItem;

std::set<M> VisibleItems(const MenuState& menus) {
  std::set<M> items;
  for (const MenuItemInfo& info : MenuItems())
    if (menus.Visible(info.Item)) items.insert(info.Item);
  return items;
}

// The items that are always there once the window is shown, whatever the state.
const std::set<M> kAlways = {M::MnuProj,     M::MnuH1,     M::MnuH2,      M::MnuH3,
                             M::MnuProjExit, M::MnuLoadJt, M::MnuLoadSett};

std::set<M> With(std::set<M> items) {
  items.insert(kAlways.begin(), kAlways.end());
  return items;
}

ModelStore ModelOf(const char* type, int joints, int materials, int sections, int members) {
  ModelStore m;
  m.Reset();
  m.SetStructType(type);
  m.JointCount = static_cast<std::int16_t>(joints);
  m.MaterialCount = static_cast<std::int16_t>(materials);
  m.SectionCount = static_cast<std::int16_t>(sections);
  m.MemberCount = static_cast<std::int16_t>(members);
  return m;
}

TEST(MenuState, AFreshWindowOffersOnlyNewOpenAndExit) {
  EXPECT_EQ(VisibleItems(MenuState()), With({M::MnuProjNew, M::MnuProjOpen, M::MnuProjRecent,
                                             M::MnuLoadMem, M::MnuLoadTemp, M::MnuLoadErr}));
}

TEST(MenuState, ANewProjectOffersTheFirstDataMenusAndTheLoadItemsItsTypeTakes) {
  const std::set<M> project = {M::MnuProjName,    M::MnuProjSaveAs, M::MnuProjPrint,
                               M::MnuProjPreview, M::MnuProjClose,  M::MnuJoint,
                               M::MnuMatProp,     M::MnuCrossProp};
  for (const StructTypeInfo& type : AllStructTypes()) {
    MenuState menus;
    menus.ShowProjectMenus(ModelOf(type.Code, 0, 0, 0, 0));
    EXPECT_EQ(VisibleItems(menus), With(project))
        << type.Code << ": no members, no member-borne loads";
  }
}

struct LoadItems {
  const char* type;
  bool memberLoads, temperature;
};

TEST(MenuState, MembersBringTheLoadItemsOfTheirType) {
  const LoadItems table[] = {{"Beam", true, false},  {"PTruss", false, true},
                             {"PFrame", true, true}, {"STruss", false, true},
                             {"Grid", true, false},  {"SFrame", true, true}};
  for (const LoadItems& t : table) {
    ModelStore m = ModelOf(t.type, 2, 1, 1, 1);
    MenuState afterMembers;
    afterMembers.ShowProjectMenus(ModelOf(t.type, 0, 0, 0, 0));
    afterMembers.AfterDataWindow(M::MnuMemb, m);
    MenuState opened;
    opened.AfterOpen(m);
    for (const MenuState* menus : {&afterMembers, &opened}) {
      EXPECT_EQ(menus->Visible(M::MnuLoadMem), t.memberLoads) << t.type;
      EXPECT_EQ(menus->Visible(M::MnuLoadTemp), t.temperature) << t.type;
      EXPECT_EQ(menus->Visible(M::MnuLoadErr), t.temperature) << t.type;
    }
  }
}

TEST(MenuState, MembersNeedTwoJointsAfterTheJointsWindowButOneAfterTheOthers) {
  for (M window : {M::MnuJoint, M::MnuMatProp, M::MnuCrossProp}) {
    MenuState menus;
    menus.ShowProjectMenus(ModelOf("PFrame", 1, 1, 1, 0));
    menus.AfterDataWindow(window, ModelOf("PFrame", 1, 1, 1, 0));
    EXPECT_EQ(menus.Visible(M::MnuMemb), window != M::MnuJoint) << MenuItemOf(window).Name;
    menus.AfterDataWindow(window, ModelOf("PFrame", 2, 1, 1, 0));
    EXPECT_TRUE(menus.Visible(M::MnuMemb)) << MenuItemOf(window).Name;
  }
  MenuState menus;
  menus.AfterDataWindow(M::MnuMatProp, ModelOf("PFrame", 2, 1, 0, 0));
  EXPECT_FALSE(menus.Visible(M::MnuMemb)) << "no cross-section yet";
}

TEST(MenuState, JointsBringTheLoadsMenu) {
  MenuState menus;
  menus.AfterDataWindow(M::MnuJoint, ModelOf("Beam", 0, 0, 0, 0));
  EXPECT_FALSE(menus.Visible(M::MnuLoad));
  menus.AfterDataWindow(M::MnuJoint, ModelOf("Beam", 1, 0, 0, 0));
  EXPECT_TRUE(menus.Visible(M::MnuLoad));
}

TEST(MenuState, AnalyzeAppearsWhenMembersAndTheirLoadExist) {
  struct Case {
    M window;
    std::int16_t ModelStore::*count;
  };
  const Case cases[] = {{M::MnuLoadJt, &ModelStore::JointLoadCount},
                        {M::MnuLoadMem, &ModelStore::MemberLoadCount},
                        {M::MnuLoadSett, &ModelStore::SettlementCount},
                        {M::MnuLoadTemp, &ModelStore::TempChangeCount},
                        {M::MnuLoadErr, &ModelStore::FabErrorCount}};
  for (const Case& c : cases) {
    ModelStore m = ModelOf("PFrame", 2, 1, 1, 0);
    m.*c.count = 1;
    MenuState menus;
    menus.AfterDataWindow(c.window, m);
    EXPECT_FALSE(menus.Visible(M::MnuAna)) << MenuItemOf(c.window).Name << ": no members";
    m.MemberCount = 1;
    menus.AfterDataWindow(c.window, m);
    EXPECT_TRUE(menus.Visible(M::MnuAna)) << MenuItemOf(c.window).Name;

    MenuState opened;
    opened.AfterOpen(m);
    EXPECT_TRUE(opened.Visible(M::MnuAna)) << MenuItemOf(c.window).Name << " after Open";
    m.*c.count = 0;
    MenuState unloaded;
    unloaded.AfterOpen(m);
    EXPECT_FALSE(unloaded.Visible(M::MnuAna)) << "no load at all";
  }
}

TEST(MenuState, AnalysisSwapsDataMenusForResultsAndEditDataSwapsThemBack) {
  for (const StructTypeInfo& type : AllStructTypes()) {
    ModelStore m = ModelOf(type.Code, 2, 1, 1, 1);
    m.JointLoadCount = 1;
    MenuState menus;
    menus.AfterOpen(m);
    const MenuState beforeAnalysis = menus;

    for (std::int16_t failed : {kNotStable, kSolutionFailed}) {
      m.AnalysisStatus = failed;
      menus.AfterAnalysis(m);
      EXPECT_EQ(menus, beforeAnalysis) << type.Code << ": a failed analysis changes nothing";
    }

    m.AnalysisStatus = kAnalysisComplete;
    menus.AfterAnalysis(m);
    const bool plane = std::string(type.Code) == "Beam" || std::string(type.Code) == "PTruss" ||
                       std::string(type.Code) == "PFrame";
    for (M item : {M::MnuJoint, M::MnuMatProp, M::MnuCrossProp, M::MnuMemb, M::MnuLoad, M::MnuAna})
      EXPECT_FALSE(menus.Visible(item)) << type.Code << " " << MenuItemOf(item).Name;
    for (M item :
         {M::MnuJtDispl, M::MnuMemForce, M::MnuReact, M::MnuDiagrams, M::MnuSteps, M::MnuEditData})
      EXPECT_TRUE(menus.Visible(item)) << type.Code << " " << MenuItemOf(item).Name;
    for (M item : {M::Label8, M::Combo1, M::ReDraw})
      EXPECT_EQ(menus.Visible(item), plane) << type.Code << " " << MenuItemOf(item).Name;

    menus.AfterEditData();
    for (M item : {M::MnuJoint, M::MnuMatProp, M::MnuCrossProp, M::MnuMemb, M::MnuLoad, M::MnuAna})
      EXPECT_TRUE(menus.Visible(item)) << type.Code << " " << MenuItemOf(item).Name;
    for (M item : {M::MnuJtDispl, M::MnuMemForce, M::MnuReact, M::MnuDiagrams, M::MnuSteps,
                   M::MnuEditData, M::Label8, M::Combo1, M::ReDraw})
      EXPECT_FALSE(menus.Visible(item)) << type.Code << " " << MenuItemOf(item).Name;
  }
}

TEST(MenuState, HelpIsNeverShown) {
  MenuState menus;
  ModelStore m = ModelOf("SFrame", 2, 1, 1, 1);
  m.AnalysisStatus = kAnalysisComplete;
  menus.AfterOpen(m);
  menus.AfterAnalysis(m);
  menus.AfterEditData();
  EXPECT_FALSE(menus.Visible(M::MnuHelp));
}

}  // namespace
}  // namespace stavelorn
