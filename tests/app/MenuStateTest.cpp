// The menus offered in each state of a session: fresh, new project, data entered, analysed and
// back to editing.
#include <gtest/gtest.h>

#include <set>

#include "app/MenuState.h"

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

ModelStore ModelOf(const char* type, int joints, int sections, int members) {
  ModelStore m;
  m.Reset();
  m.SetStructType(type);
  m.JointCount = static_cast<std::int16_t>(joints);
  m.MaterialCount = 1;
  m.SectionCount = static_cast<std::int16_t>(sections);
  m.MemberCount = static_cast<std::int16_t>(members);
  return m;
}

TEST(MenuState, FreshWindowAndNewProject) {
  EXPECT_EQ(VisibleItems(MenuState()), With({M::MnuProjNew, M::MnuProjOpen, M::MnuProjRecent,
                                             M::MnuLoadMem, M::MnuLoadTemp, M::MnuLoadErr}));
  MenuState menus;
  menus.ShowProjectMenus(ModelOf("PFrame", 0, 0, 0));
  EXPECT_EQ(VisibleItems(menus),
            With({M::MnuProjName, M::MnuProjSaveAs, M::MnuProjPrint, M::MnuProjPreview,
                  M::MnuProjClose, M::MnuJoint, M::MnuMatProp, M::MnuCrossProp}));
  // Members bring the load items their type carries: a plane truss takes no member loads.
  menus.AfterDataWindow(M::MnuMemb, ModelOf("PTruss", 2, 1, 1));
  EXPECT_FALSE(menus.Visible(M::MnuLoadMem));
  EXPECT_TRUE(menus.Visible(M::MnuLoadTemp));
}

TEST(MenuState, WhatEachDataWindowLeavesShown) {
  // Members need two joints after the joints window but one after the others, and a
  // cross-section; joints bring the loads menu; Analyze needs members and a load of some kind.
  const struct {
    M window;
    int joints, sections, members, load;
    M item;
    bool shown;
  } cases[] = {
      {M::MnuJoint, 1, 1, 0, 0, M::MnuMemb, false},   {M::MnuMatProp, 1, 1, 0, 0, M::MnuMemb, true},
      {M::MnuMatProp, 2, 0, 0, 0, M::MnuMemb, false}, {M::MnuJoint, 0, 0, 0, 0, M::MnuLoad, false},
      {M::MnuJoint, 1, 0, 0, 0, M::MnuLoad, true},    {M::MnuLoadJt, 2, 1, 0, 1, M::MnuAna, false},
      {M::MnuLoadErr, 2, 1, 1, 1, M::MnuAna, true},   {M::MnuLoadErr, 2, 1, 1, 0, M::MnuAna, false},
  };
  for (const auto& c : cases) {
    ModelStore m = ModelOf("PFrame", c.joints, c.sections, c.members);
    m.FabErrorCount = static_cast<std::int16_t>(c.load);
    MenuState menus, opened;
    menus.AfterDataWindow(c.window, m);
    opened.AfterOpen(m);
    EXPECT_EQ(menus.Visible(c.item), c.shown)
        << MenuItemOf(c.window).Name << " -> " << MenuItemOf(c.item).Name;
    if (c.item == M::MnuAna) EXPECT_EQ(opened.Visible(M::MnuAna), c.shown);
  }
}

TEST(MenuState, AnalysisSwapsDataMenusForResultsAndEditDataSwapsThemBack) {
  const std::set<M> data = {M::MnuJoint, M::MnuMatProp, M::MnuCrossProp,
                            M::MnuMemb,  M::MnuLoad,    M::MnuAna};
  const std::set<M> results = {M::MnuJtDispl,  M::MnuMemForce, M::MnuReact,
                               M::MnuDiagrams, M::MnuSteps,    M::MnuEditData};
  const std::set<M> planeOnly = {M::Label8, M::Combo1, M::ReDraw};
  for (const char* type : {"PFrame", "Grid"}) {
    ModelStore m = ModelOf(type, 2, 1, 1);
    m.JointLoadCount = 1;
    MenuState menus;
    menus.AfterOpen(m);
    const MenuState beforeAnalysis = menus;
    m.AnalysisStatus = kNotStable;
    menus.AfterAnalysis(m);
    EXPECT_EQ(menus, beforeAnalysis) << type << ": a failed analysis changes nothing";
    m.AnalysisStatus = kAnalysisComplete;
    menus.AfterAnalysis(m);
    const bool plane = std::string(type) == "PFrame";
    MenuState edited = menus;
    edited.AfterEditData();
    for (const auto& [items, analysed] :
         {std::pair{data, false}, std::pair{results, true}, std::pair{planeOnly, plane}}) {
      for (M item : items) {
        EXPECT_EQ(menus.Visible(item), analysed) << type << " " << MenuItemOf(item).Name;
        EXPECT_EQ(edited.Visible(item), items == data) << type << MenuItemOf(item).Name;
      }
    }
    EXPECT_FALSE(edited.Visible(M::MnuHelp));
  }
}

}  // namespace
}  // namespace stavelorn
