// The menus offered in each state of a session: fresh, new project, data entered, analysed and
// back to editing.
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

// The items shown in every state, plus `items`.
std::set<M> With(std::set<M> items) {
  items.insert(
      {M::MnuProj, M::MnuH1, M::MnuH2, M::MnuH3, M::MnuProjExit, M::MnuLoadJt, M::MnuLoadSett});
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

TEST(MenuState, FreshWindowAndNewProjectOfEachType) {
  EXPECT_EQ(VisibleItems(MenuState()), With({M::MnuProjNew, M::MnuProjOpen, M::MnuProjRecent,
                                             M::MnuLoadMem, M::MnuLoadTemp, M::MnuLoadErr}));
  for (const StructTypeInfo& type : AllStructTypes()) {
    MenuState menus;
    menus.ShowProjectMenus(ModelOf(type.Code, 0, 0, 0, 0));
    EXPECT_EQ(VisibleItems(menus),
              With({M::MnuProjName, M::MnuProjSaveAs, M::MnuProjPrint, M::MnuProjPreview,
                    M::MnuProjClose, M::MnuJoint, M::MnuMatProp, M::MnuCrossProp}))
        << type.Code << ": no members, no member-borne loads";
  }
}

TEST(MenuState, MembersBringTheLoadItemsOfTheirTypeAfterTheWindowAndAfterOpen) {
  const struct {
    const char* type;
    bool memberLoads, temperature;
  } table[] = {{"Beam", true, false},   {"PTruss", false, true}, {"PFrame", true, true},
               {"STruss", false, true}, {"Grid", true, false},   {"SFrame", true, true}};
  for (const auto& t : table) {
    ModelStore m = ModelOf(t.type, 2, 1, 1, 1);
    MenuState afterMembers, opened;
    afterMembers.ShowProjectMenus(ModelOf(t.type, 0, 0, 0, 0));
    afterMembers.AfterDataWindow(M::MnuMemb, m);
    opened.AfterOpen(m);
    for (const MenuState* menus : {&afterMembers, &opened}) {
      EXPECT_EQ(menus->Visible(M::MnuLoadMem), t.memberLoads) << t.type;
      EXPECT_EQ(menus->Visible(M::MnuLoadTemp), t.temperature) << t.type;
      EXPECT_EQ(menus->Visible(M::MnuLoadErr), t.temperature) << t.type;
    }
  }
}

TEST(MenuState, WhatEachDataWindowLeavesShown) {
  // Members need two joints after the joints window but one after the others, and a
  // cross-section; joints bring the loads menu; Analyze needs members and a load of some kind.
  using Count = std::int16_t ModelStore::*;
  const struct {
    M window;
    int joints, sections, members;
    Count load;
    M item;
    bool shown;
  } cases[] = {
      {M::MnuJoint, 1, 1, 0, nullptr, M::MnuMemb, false},
      {M::MnuMatProp, 1, 1, 0, nullptr, M::MnuMemb, true},
      {M::MnuCrossProp, 1, 1, 0, nullptr, M::MnuMemb, true},
      {M::MnuJoint, 2, 1, 0, nullptr, M::MnuMemb, true},
      {M::MnuMatProp, 2, 0, 0, nullptr, M::MnuMemb, false},
      {M::MnuJoint, 0, 0, 0, nullptr, M::MnuLoad, false},
      {M::MnuJoint, 1, 0, 0, nullptr, M::MnuLoad, true},
      {M::MnuLoadJt, 2, 1, 0, &ModelStore::JointLoadCount, M::MnuAna, false},
      {M::MnuLoadJt, 2, 1, 1, &ModelStore::JointLoadCount, M::MnuAna, true},
      {M::MnuLoadMem, 2, 1, 1, &ModelStore::MemberLoadCount, M::MnuAna, true},
      {M::MnuLoadSett, 2, 1, 1, &ModelStore::SettlementCount, M::MnuAna, true},
      {M::MnuLoadTemp, 2, 1, 1, &ModelStore::TempChangeCount, M::MnuAna, true},
      {M::MnuLoadErr, 2, 1, 1, &ModelStore::FabErrorCount, M::MnuAna, true},
  };
  for (const auto& c : cases) {
    ModelStore m = ModelOf("PFrame", c.joints, 1, c.sections, c.members);
    if (c.load) m.*c.load = 1;
    MenuState menus;
    menus.AfterDataWindow(c.window, m);
    EXPECT_EQ(menus.Visible(c.item), c.shown)
        << MenuItemOf(c.window).Name << " -> " << MenuItemOf(c.item).Name;
    if (c.item != M::MnuAna) continue;
    MenuState opened;
    opened.AfterOpen(m);
    EXPECT_EQ(opened.Visible(M::MnuAna), c.shown) << MenuItemOf(c.window).Name << " after Open";
    m.*c.load = 0;
    MenuState unloaded;
    unloaded.AfterOpen(m);
    EXPECT_FALSE(unloaded.Visible(M::MnuAna)) << "no load at all";
  }
}

TEST(MenuState, AnalysisSwapsDataMenusForResultsAndEditDataSwapsThemBack) {
  const std::set<M> data = {M::MnuJoint, M::MnuMatProp, M::MnuCrossProp,
                            M::MnuMemb,  M::MnuLoad,    M::MnuAna};
  const std::set<M> results = {M::MnuJtDispl,  M::MnuMemForce, M::MnuReact,
                               M::MnuDiagrams, M::MnuSteps,    M::MnuEditData};
  const std::set<M> planeOnly = {M::Label8, M::Combo1, M::ReDraw};
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
    for (const auto& [items, analysed] :
         {std::pair{data, false}, std::pair{results, true}, std::pair{planeOnly, plane}}) {
      for (M item : items) {
        EXPECT_EQ(menus.Visible(item), analysed) << type.Code << " " << MenuItemOf(item).Name;
        MenuState edited = menus;
        edited.AfterEditData();
        EXPECT_EQ(edited.Visible(item), items == data) << type.Code << MenuItemOf(item).Name;
      }
    }
    menus.AfterEditData();
    EXPECT_FALSE(menus.Visible(M::MnuHelp));
  }
}

}  // namespace
}  // namespace stavelorn
