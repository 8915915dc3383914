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
    if (c.item == M::MnuAna) {
      EXPECT_EQ(opened.Visible(M::MnuAna), c.shown);
    }
  }
}

// The swap of data menus for results menus and back is walked by the main window's tests; here
// what they do not reach: a failed analysis and a space type, which has no plane-only items.
TEST(MenuState, AFailedAnalysisChangesNothingAndASpaceTypeHasNoPlaneOnlyItems) {
  ModelStore m = ModelOf("Grid", 2, 1, 1);
  m.JointLoadCount = 1;
  MenuState menus;
  menus.AfterOpen(m);
  const MenuState opened = menus;
  m.AnalysisStatus = kNotStable;
  menus.AfterAnalysis(m);
  EXPECT_EQ(menus, opened);
  m.AnalysisStatus = kAnalysisComplete;
  menus.AfterAnalysis(m);
  EXPECT_TRUE(menus.Visible(M::MnuSteps));
  for (M item : {M::Label8, M::Combo1, M::ReDraw}) EXPECT_FALSE(menus.Visible(item));
  menus.AfterEditData();
  EXPECT_FALSE(menus.Visible(M::MnuSteps));
  EXPECT_FALSE(menus.Visible(M::MnuHelp));
}

}  // namespace
}  // namespace stavelorn
