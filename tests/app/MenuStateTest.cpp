// The menus each data window leaves shown, and where each menu item leads.
#include <gtest/gtest.h>

#include "analysis/Analysis.h"
#include "app/MainLabels.h"
#include "app/MenuRoutes.h"
#include "app/MenuState.h"
#include "editors/DataWindows.h"
#include "support/SampleModels.h"
#include "support/ScriptedMessages.h"

#include <set>

namespace stavelorn {
namespace {

using M = MenuItem;

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
    ModelStore m;
    m.Reset();
    m.SetStructType("PFrame");
    m.JointCount = static_cast<std::int16_t>(c.joints);
    m.MaterialCount = 1;
    m.SectionCount = static_cast<std::int16_t>(c.sections);
    m.MemberCount = static_cast<std::int16_t>(c.members);
    m.FabErrorCount = static_cast<std::int16_t>(c.load);
    MenuState menus;
    menus.AfterDataWindow(c.window, m);
    EXPECT_EQ(menus.Visible(c.item), c.shown)
        << MenuItemOf(c.window).Name << " -> " << MenuItemOf(c.item).Name;
  }
}

// Every data menu item opens the list window of its own data, with a preview exactly where the
// controller asks for one; results items open their results windows.
TEST(MenuRoutes, EachDataMenuOpensItsOwnListWindow) {
  ModelStore model = testing::FullModel("PFrame");
  ScriptedMessages messages;
  int dataWindows = 0, resultsWindows = 0;
  for (const MenuItemInfo& info : MenuItems()) {
    const MenuRoute route = RouteOf(info.Item);
    if (route.Target == MenuTarget::ResultsWindow) ++resultsWindows;
    if (route.Target != MenuTarget::DataWindow) continue;
    ++dataWindows;
    DataWindow window = MakeDataWindow(route.Window, model, messages);
    EXPECT_EQ(window.Editor->Window().Id, route.Window);
    EXPECT_EQ(static_cast<bool>(window.DrawPreview), window.Editor->Window().Preview);
  }
  EXPECT_EQ(dataWindows, 9);
  EXPECT_EQ(resultsWindows, 3);
  EXPECT_THROW(MakeDataWindow(FormId::Disp, model, messages), std::invalid_argument);
}

// Each example's menus through a whole session: opened, analysed, back to editing. The loads a
// type can carry decide its load items; a complete analysis trades the data menus for results.
TEST(MenuState, EachExampleThroughOpenAnalyzeAndEditData) {
  const std::set<M> data = {M::MnuJoint, M::MnuMatProp, M::MnuCrossProp,
                            M::MnuMemb,  M::MnuLoad,    M::MnuAna};
  const std::set<M> results = {M::MnuJtDispl, M::MnuMemForce, M::MnuReact, M::MnuEditData};
  for (const char* name : {"continuous-beam", "roof-truss", "portal-frame", "space-truss-tower",
                           "grid-floor", "space-frame"}) {
    std::string problem;
    ModelStore m = testing::ExampleModel(name, problem);
    const bool truss = m.StructType == "PTruss" || m.StructType == "STruss";
    const bool axialActions = m.StructType != "Beam" && m.StructType != "Grid";
    MenuState menus;
    EXPECT_TRUE(menus.Visible(M::MnuProjNew) && menus.Visible(M::MnuProjOpen)) << name;
    for (M item : data) EXPECT_FALSE(menus.Visible(item)) << name;
    menus.AfterOpen(m);
    EXPECT_FALSE(menus.Visible(M::MnuProjNew) || menus.Visible(M::MnuProjOpen)) << name;
    for (M item :
         {M::MnuProjName, M::MnuProjSave, M::MnuProjSaveAs, M::MnuProjPrint, M::MnuProjClose})
      EXPECT_TRUE(menus.Visible(item)) << name << " " << MenuItemOf(item).Name;
    for (M item : data) EXPECT_TRUE(menus.Visible(item)) << name << " " << MenuItemOf(item).Name;
    for (M item : results)
      EXPECT_FALSE(menus.Visible(item)) << name << " " << MenuItemOf(item).Name;
    EXPECT_EQ(menus.Visible(M::MnuLoadMem), !truss) << name;
    EXPECT_EQ(menus.Visible(M::MnuLoadTemp), axialActions) << name;
    EXPECT_EQ(menus.Visible(M::MnuLoadErr), axialActions) << name;
    const MenuState opened = menus;

    ModelStore failed = m;
    failed.AnalysisStatus = kNotStable;
    menus.AfterAnalysis(failed);
    EXPECT_TRUE(menus == opened) << name << ": a failed analysis changes no menu";

    Analyze(m);
    ASSERT_EQ(m.AnalysisStatus, kAnalysisComplete) << name;
    menus.AfterAnalysis(m);
    for (M item : data) EXPECT_FALSE(menus.Visible(item)) << name << " " << MenuItemOf(item).Name;
    for (M item : results) EXPECT_TRUE(menus.Visible(item)) << name << " " << MenuItemOf(item).Name;

    menus.AfterEditData();
    for (M item : data) EXPECT_TRUE(menus.Visible(item)) << name << " " << MenuItemOf(item).Name;
    for (M item : results)
      EXPECT_FALSE(menus.Visible(item)) << name << " " << MenuItemOf(item).Name;
  }
}

// A project read from a file offers Members once joints, materials and sections exist, Analyze
// once members and a load of any kind exist, and labels only the counts above 0.
TEST(MenuState, AfterOpenOffersWhatTheDataAllow) {
  const struct {
    int joints, materials, sections, members;
    std::int16_t ModelStore::*load;
    bool members_shown, analyze_shown;
  } cases[] = {
      {2, 1, 1, 1, &ModelStore::JointLoadCount, true, true},
      {2, 1, 1, 1, &ModelStore::MemberLoadCount, true, true},
      {2, 1, 1, 1, &ModelStore::SettlementCount, true, true},
      {2, 1, 1, 1, &ModelStore::TempChangeCount, true, true},
      {2, 1, 1, 1, &ModelStore::FabErrorCount, true, true},
      {2, 1, 1, 1, nullptr, true, false},
      {2, 1, 1, 0, &ModelStore::JointLoadCount, true, false},
      {1, 1, 0, 0, nullptr, false, false},
      {1, 0, 1, 0, nullptr, false, false},
      {0, 1, 1, 0, nullptr, false, false},
  };
  for (const auto& c : cases) {
    ModelStore m;
    m.Reset();
    m.SetStructType("PFrame");
    m.JointCount = static_cast<std::int16_t>(c.joints);
    m.MaterialCount = static_cast<std::int16_t>(c.materials);
    m.SectionCount = static_cast<std::int16_t>(c.sections);
    m.MemberCount = static_cast<std::int16_t>(c.members);
    if (c.load) m.*c.load = 1;
    MenuState menus;
    menus.AfterOpen(m);
    SCOPED_TRACE(std::to_string(c.joints) + " joints, " + std::to_string(c.members) + " members");
    EXPECT_EQ(menus.Visible(M::MnuMemb), c.members_shown);
    EXPECT_EQ(menus.Visible(M::MnuAna), c.analyze_shown);
    EXPECT_EQ(menus.Visible(M::MnuLoad), c.joints > 0);
    MainLabels labels;
    labels.ShowModel(m);
    EXPECT_EQ(labels.Text[3].empty(), c.joints == 0);
    EXPECT_EQ(labels.Text[5].empty(), c.materials == 0);
    EXPECT_EQ(labels.Text[6].empty(), c.sections == 0);
    EXPECT_EQ(labels.Text[7].empty(), c.members == 0);
  }
}

}  // namespace
}  // namespace stavelorn
