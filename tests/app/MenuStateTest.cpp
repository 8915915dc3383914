// The menus each data window leaves shown, and where each menu item leads.
#include <gtest/gtest.h>

#include "analysis/Analysis.h"
#include "app/MainLabels.h"
#include "app/MenuRoutes.h"
#include "app/MenuState.h"
#include "editors/DataWindows.h"
#include "support/SampleModels.h"
#include "support/ScriptedMessages.h"

namespace stavelorn {
namespace {

using M = MenuItem;
using Count = std::int16_t ModelStore::*;

// Each load window, with the count of its own kind of load.
const std::pair<M, Count> kLoads[] = {{M::MnuLoadJt, &ModelStore::JointLoadCount},
                                      {M::MnuLoadMem, &ModelStore::MemberLoadCount},
                                      {M::MnuLoadSett, &ModelStore::SettlementCount},
                                      {M::MnuLoadTemp, &ModelStore::TempChangeCount},
                                      {M::MnuLoadErr, &ModelStore::FabErrorCount}};

ModelStore Counted(int joints, int materials, int sections, int members, Count load = nullptr) {
  ModelStore m;
  m.Reset();
  m.SetStructType("PFrame");
  m.JointCount = static_cast<std::int16_t>(joints);
  m.MaterialCount = static_cast<std::int16_t>(materials);
  m.SectionCount = static_cast<std::int16_t>(sections);
  m.MemberCount = static_cast<std::int16_t>(members);
  if (load) m.*load = 1;
  return m;
}

// A project read from a file offers Members once joints, materials and sections exist, Analyze
// once members and a load of any kind exist, and labels only the counts above 0. After the
// joints window Members needs two joints, since a member joins two.
TEST(MenuState, WhatTheDataAllowAfterOpenAndAfterEachDataWindow) {
  struct Case {
    int joints, materials, sections, members;
    Count load;
    bool members_shown, analyze_shown;
  };
  std::vector<Case> cases = {
      {2, 1, 1, 1, nullptr, true, false},  {2, 1, 1, 0, &ModelStore::JointLoadCount, true, false},
      {1, 1, 1, 0, nullptr, true, false},  {1, 1, 0, 0, nullptr, false, false},
      {1, 0, 1, 0, nullptr, false, false}, {0, 1, 1, 0, nullptr, false, false}};
  for (const auto& [window, load] : kLoads) cases.push_back({2, 1, 1, 1, load, true, true});
  for (const auto& c : cases) {
    const ModelStore m = Counted(c.joints, c.materials, c.sections, c.members, c.load);
    SCOPED_TRACE(::testing::Message() << c.joints << " joints " << c.materials << " materials "
                                      << c.sections << " sections " << c.members << " members");
    MenuState menus;
    menus.AfterOpen(m);
    EXPECT_EQ(menus.Visible(M::MnuMemb), c.members_shown);
    EXPECT_EQ(menus.Visible(M::MnuAna), c.analyze_shown);
    EXPECT_EQ(menus.Visible(M::MnuLoad), c.joints > 0);
    for (M window : {M::MnuJoint, M::MnuMatProp, M::MnuCrossProp}) {
      MenuState after;
      after.AfterDataWindow(window, m);
      EXPECT_EQ(after.Visible(M::MnuMemb),
                c.members_shown && (window != M::MnuJoint || c.joints > 1))
          << MenuItemOf(window).Name;
      EXPECT_EQ(after.Visible(M::MnuLoad), window == M::MnuJoint && c.joints > 0);
    }
    MainLabels labels;
    labels.ShowModel(m);
    EXPECT_EQ(labels.Text[3].empty(), c.joints == 0);
    EXPECT_EQ(labels.Text[5].empty(), c.materials == 0);
    EXPECT_EQ(labels.Text[6].empty(), c.sections == 0);
    EXPECT_EQ(labels.Text[7].empty(), c.members == 0);
  }
}

// Closing a load window offers Analyze when members exist and that window's own kind of load
// does; closing the members window offers it with joint loads, and the member-borne load menus.
TEST(MenuState, EachLoadWindowOffersAnalyzeForItsOwnLoads) {
  for (const auto& [kind, count] : kLoads)
    for (int members : {0, 1})
      for (M window : {M::MnuLoadJt, M::MnuLoadMem, M::MnuLoadSett, M::MnuLoadTemp, M::MnuLoadErr,
                       M::MnuLoad, M::MnuMemb}) {
        MenuState menus;
        for (M item : {M::MnuLoadMem, M::MnuLoadTemp, M::MnuLoadErr}) menus.Hide(item);
        menus.AfterDataWindow(window, Counted(2, 1, 1, members, count));
        const bool joint = kind == M::MnuLoadJt;
        const bool own =
            window == kind || (joint && (window == M::MnuLoad || window == M::MnuMemb));
        EXPECT_EQ(menus.Visible(M::MnuAna), members && own)
            << MenuItemOf(window).Name << " with " << MenuItemOf(kind).Name;
        for (M item : {M::MnuLoadMem, M::MnuLoadTemp, M::MnuLoadErr})
          EXPECT_EQ(menus.Visible(item), members && window == M::MnuMemb);
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
// type can carry decide its load items; a complete analysis trades the data menus for results;
// the exercise goes with Analyze or the results.
TEST(MenuState, EachExampleThroughOpenAnalyzeAndEditData) {
  const M data[] = {M::MnuJoint, M::MnuMatProp, M::MnuCrossProp, M::MnuMemb, M::MnuLoad, M::MnuAna};
  const M results[] = {M::MnuJtDispl, M::MnuMemForce, M::MnuReact, M::MnuEditData};
  const M project[] = {M::MnuProjName,  M::MnuProjSave,  M::MnuProjSaveAs,
                       M::MnuProjPrint, M::MnuProjClose, M::MnuExercise};
  for (const char* name : {"continuous-beam", "roof-truss", "portal-frame", "space-truss-tower",
                           "grid-floor", "space-frame"}) {
    std::string problem;
    ModelStore m = testing::ExampleModel(name, problem);
    MenuState menus;
    auto expectStage = [&](bool open, bool analysed) {
      for (M item : {M::MnuProjNew, M::MnuProjOpen}) EXPECT_EQ(menus.Visible(item), !open);
      for (M item : project) EXPECT_EQ(menus.Visible(item), open) << MenuItemOf(item).Name;
      for (M item : data)
        EXPECT_EQ(menus.Visible(item), open && !analysed) << MenuItemOf(item).Name;
      for (M item : results) EXPECT_EQ(menus.Visible(item), analysed) << MenuItemOf(item).Name;
    };
    SCOPED_TRACE(name);
    expectStage(false, false);
    menus.AfterOpen(m);
    expectStage(true, false);
    const bool truss = m.StructType == "PTruss" || m.StructType == "STruss";
    const bool axialActions = m.StructType != "Beam" && m.StructType != "Grid";
    EXPECT_EQ(menus.Visible(M::MnuLoadMem), !truss);
    EXPECT_EQ(menus.Visible(M::MnuLoadTemp), axialActions);
    EXPECT_EQ(menus.Visible(M::MnuLoadErr), axialActions);
    const MenuState opened = menus;
    ModelStore failed = m;
    failed.AnalysisStatus = kNotStable;
    menus.AfterAnalysis(failed);
    EXPECT_TRUE(menus == opened) << "a failed analysis changes no menu";
    Analyze(m);
    ASSERT_EQ(m.AnalysisStatus, kAnalysisComplete);
    menus.AfterAnalysis(m);
    expectStage(true, true);
    menus.AfterEditData();
    expectStage(true, false);
    menus.Hide(M::MnuAna);
    EXPECT_FALSE(menus.Visible(M::MnuExercise));
  }
}

// Access keys for a menu whose captions begin alike: a caption's own mark stays, the others take
// the first letter or digit not yet taken; no two end up with the same key.
TEST(MenuKeys, EachCaptionOfAMenuGetsAKeyOfItsOwn) {
  const struct {
    std::vector<std::string> captions, marked;
  } menus[] = {
      {{"N   Axial force", "V   Shear", "M   Bending moment", "None", "Member Diagrams..."},
       {"&N   Axial force", "&V   Shear", "&M   Bending moment", "N&one", "M&ember Diagrams..."}},
      {{"My", "Mz", "Vz", "z2"}, {"&My", "M&z", "&Vz", "z&2"}},
      {{"&Edit Data", "Edit"}, {"&Edit Data", "E&dit"}},
      {{"R&&D", "rd"}, {"&R&&D", "r&d"}},
      {{"..", "a"}, {"..", "&a"}},  // nothing to mark: left as it is
  };
  for (const auto& m : menus) EXPECT_EQ(WithAccessKeys(m.captions), m.marked);
  EXPECT_EQ(AccessKeyOf("Save Pict&ure..."), 'U');
  EXPECT_EQ(AccessKeyOf("R&&D"), '\0');
}

}  // namespace
}  // namespace stavelorn
