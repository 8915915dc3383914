// The menus each data window leaves shown, and where each menu item leads.
#include <gtest/gtest.h>

#include <functional>

#include "app/MainLabels.h"
#include "app/MenuRoutes.h"
#include "app/MenuState.h"
#include "editors/DataWindows.h"
#include "support/Golden.h"
#include "support/SampleModels.h"
#include "support/ScriptedMessages.h"

namespace stavelorn {
namespace {

using M = MenuItem;
// What each step of a session shows and hides, as "+Item -Item" against the menus it started from,
// over a table of projects: every type (trusses carry no member loads, beams and grids no
// temperature changes or fabrication errors), counts on each side of what a member needs (two
// joints, a material, a section) and one load of each kind. Each step starts once from every item
// hidden and once from every item shown, so the file lists what it shows and what it hides. The
// file is checked by eye against these rules.
std::string Changes(const MenuState& from, const MenuState& to) {
  std::string text;
  for (const MenuItemInfo& info : MenuItems())
    if (from.Visible(info.Item) != to.Visible(info.Item))
      text += std::string(to.Visible(info.Item) ? " +" : " -") +
              (info.Name + 3 * (info.Name[0] == 'M'));
  return text;
}

TEST(MenuState, EachStepOverATableOfProjectsMatchesTheCheckedFile) {
  const struct {
    const char* type;
    std::int16_t joints, materials, sections, members;
    std::int16_t ModelStore::*load;
    const char* loadName;
  } projects[] = {
      {"PFrame", 0, 0, 0, 0, nullptr, ""},
      {"PFrame", 1, 1, 1, 0, nullptr, ""},
      {"PFrame", 2, 1, 1, 0, nullptr, ""},
      {"PFrame", 2, 0, 1, 0, nullptr, ""},
      {"PFrame", 2, 1, 0, 0, nullptr, ""},
      {"PFrame", 2, 1, 1, 1, nullptr, ""},
      {"PFrame", 2, 1, 1, 0, &ModelStore::JointLoadCount, "a joint load"},
      {"PFrame", 2, 1, 1, 1, &ModelStore::JointLoadCount, "a joint load"},
      {"PFrame", 2, 1, 1, 2, &ModelStore::MemberLoadCount, "a member load"},
      {"PFrame", 2, 1, 1, 1, &ModelStore::SettlementCount, "a settlement"},
      {"PFrame", 2, 1, 1, 1, &ModelStore::TempChangeCount, "a temperature change"},
      {"PFrame", 2, 1, 1, 1, &ModelStore::FabErrorCount, "a fabrication error"},
      {"Beam", 2, 1, 1, 1, &ModelStore::JointLoadCount, "a joint load"},
      {"PTruss", 2, 1, 1, 1, &ModelStore::JointLoadCount, "a joint load"},
      {"Grid", 2, 1, 1, 1, &ModelStore::JointLoadCount, "a joint load"},
      {"STruss", 2, 1, 1, 1, &ModelStore::JointLoadCount, "a joint load"},
      {"SFrame", 2, 1, 1, 1, &ModelStore::JointLoadCount, "a joint load"},
  };
  MenuState nothing, everything;
  for (const MenuItemInfo& info : MenuItems()) nothing.Hide(info.Item), everything.Show(info.Item);
  std::string text;
  for (const auto& p : projects) {
    ModelStore m;
    m.Reset();
    m.SetStructType(p.type);
    m.JointCount = p.joints;
    m.MaterialCount = p.materials;
    m.SectionCount = p.sections;
    m.MemberCount = p.members;
    if (p.load) m.*p.load = 1;
    StructureResults complete;
    complete.AnalysisStatus = kAnalysisComplete;
    text += std::string("== ") + p.type + ": " + std::to_string(p.joints) + " joints, " +
            std::to_string(p.materials) + " materials, " + std::to_string(p.sections) +
            " sections, " + std::to_string(p.members) + " members" +
            (p.load ? std::string(", ") + p.loadName : "") + "\nlabels:";
    MainLabels labels;
    labels.ShowModel(m);
    for (const std::string& label : labels.Text) text += label.empty() ? "" : " [" + label + "]";
    text += "\n";
    std::vector<std::pair<std::string, std::function<void(MenuState&)>>> steps = {
        {"open", [&](MenuState& s) { s.AfterOpen(m); }},
        {"project menus", [&](MenuState& s) { s.ShowProjectMenus(m); }},
        {"follow data", [&](MenuState& s) { s.FollowData(m); }},
        {"open, analyse", [&](MenuState& s) { s.AfterOpen(m), s.AfterAnalysis(complete); }},
        {"open, analyse, follow data",
         [&](MenuState& s) { s.AfterOpen(m), s.AfterAnalysis(complete), s.FollowData(m); }},
        {"open, analyse, edit data",
         [&](MenuState& s) { s.AfterOpen(m), s.AfterAnalysis(complete), s.AfterEditData(); }}};
    for (M window : {M::MnuJoint, M::MnuMatProp, M::MnuCrossProp, M::MnuMemb, M::MnuLoad,
                     M::MnuLoadJt, M::MnuLoadMem, M::MnuLoadSett, M::MnuLoadTemp, M::MnuLoadErr})
      steps.push_back({std::string("closed ") + (MenuItemOf(window).Name + 3),
                       [&m, window](MenuState& s) { s.AfterDataWindow(window, m); }});
    for (const auto& [name, step] : steps) {
      MenuState none = nothing, all = everything;
      step(none);
      step(all);
      text += name + ":" + Changes(nothing, none) + " |" + Changes(everything, all) + "\n";
    }
    // A failed analysis changes no menu.
    MenuState opened;
    opened.AfterOpen(m);
    MenuState failed = opened;
    StructureResults notStable;
    notStable.AnalysisStatus = kNotStable;
    failed.AfterAnalysis(notStable);
    EXPECT_TRUE(failed == opened) << p.type;
  }
  testing::ExpectGoldenFile(text, "tests/app/golden/menu-states.txt");
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
