// The menus of each phase of the program for the data at hand, their access keys, and what a menu
// item's key does in each phase (where each data menu leads is walked window by window in
// tests/gui/AccessibleTreeTest.cpp).
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "app/MainLabels.h"
#include "app/MenuState.h"
#include "app/ProjectCommandsFixture.h"
#include "support/Golden.h"

namespace stavelorn {
namespace {

using M = MenuItem;

// The items shown (+) and hidden (-) against a fresh main window's menus.
std::string Changes(const MenuState& menus) {
  std::string text;
  const MenuState fresh;
  for (const MenuItemInfo& info : MenuItems())
    if (fresh.Visible(info.Item) != menus.Visible(info.Item))
      text += std::string(menus.Visible(info.Item) ? " +" : " -") +
              (info.Name + 3 * (info.Name[0] == 'M'));
  return text;
}

// The menus of each phase over a table of projects, against a file checked by eye: every type
// (trusses carry no member loads, beams and grids no temperature changes or fabrication
// errors), counts on each side of what a member needs (two joints, a material, a section),
// members with no load and with one load of each kind (Analyze needs both), with and without a
// file to Save over; and the main window's labels, each project's shown over the last one's.
TEST(MenuState, EachPhaseOverATableOfProjectsMatchesTheCheckedFile) {
  const struct {
    const char* type;
    std::int16_t joints, materials, sections, members;
    std::int16_t ModelStore::*load;
    const char* loadName;
  } projects[] = {
      {"PFrame", 1, 1, 1, 0, nullptr, ""},
      {"PFrame", 0, 0, 0, 0, nullptr, ""},
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
  std::string text;
  MainLabels labels;  // one window's labels, shown anew for each project
  for (const auto& p : projects) {
    ModelStore m;
    m.Reset();
    m.SetStructType(p.type);
    m.JointCount = p.joints;
    m.MaterialCount = p.materials;
    m.SectionCount = p.sections;
    m.MemberCount = p.members;
    if (p.load) m.*p.load = 1;
    text += std::string("== ") + p.type + ": " + std::to_string(p.joints) + " joints, " +
            std::to_string(p.materials) + " materials, " + std::to_string(p.sections) +
            " sections, " + std::to_string(p.members) + " members" +
            (p.load ? std::string(", ") + p.loadName : "") + "\nlabels:";
    labels.ShowModel(m);
    for (const std::string& label : labels.Text) text += label.empty() ? "" : " [" + label + "]";
    text += "\nentering data, no file:" + Changes(MenuState(Phase::EnteringData, m)) + "\n";
    m.ProjectFile = "p.str";
    text += "entering data, saved:" + Changes(MenuState(Phase::EnteringData, m)) + "\n";
    text += "showing results:" + Changes(MenuState(Phase::ShowingResults, m)) + "\n";
  }
  testing::ExpectGoldenFile(text, "tests/app/golden/menu-states.txt");
}

// Access keys for a menu whose captions begin alike: a caption's own mark stays, the others take
// the first letter or digit not yet taken; no two end up with the same key.
TEST(MenuKeys, EachCaptionOfAMenuGetsAKeyOfItsOwn) {
  const struct {
    std::vector<std::string> captions, marked;
  } menus[] = {
      {{"My", "Mz", "Vz", "z2"}, {"&My", "M&z", "&Vz", "z&2"}},
      {{"&Edit Data", "Edit"}, {"&Edit Data", "E&dit"}},
      {{"R&&D", "rd"}, {"&R&&D", "r&d"}},
      {{"..", "a"}, {"..", "&a"}},  // nothing to mark: left as it is
  };
  for (const auto& m : menus) EXPECT_EQ(WithAccessKeys(m.captions), m.marked);
  EXPECT_EQ(AccessKeyOf("Save Pictur&e"), 'E');  // the last letter
  EXPECT_EQ(AccessKeyOf("R&&D"), '\0');
}

// A menu item's key in every phase: it does what its name says, closing the open project first
// for New and Open, or says on the status line why it cannot.
TEST_F(ProjectCommandsTest, AKeyRunsItsCommandOrSaysWhyItCannot) {
  windows_.titleDialog = [this] {
    if (model_.StructType.empty()) model_.SetStructType("PTruss");
    model_.ProjectTitle += "!";
    return true;
  };
  const auto portal = [&] { OpenCopyOf("portal-frame.str"); };
  const auto changedPortal = [&] { portal(), commands_.ChangeProjectTitle(); };
  const auto analysed = [&] { portal(), AnalyzeQuietly(); };
  const struct {
    const char* key;
    std::function<void()> before;
    M item;
    int answer;              // to the question the key asks, 0 for none
    const char* chosenFile;  // in the file dialog it opens, or nullptr
    std::string notice;
    std::string after;  // the open project's file name ("-" for none), unsaved, results shown
  } cases[] = {
      {"Ctrl+O, changes dropped", changedPortal, M::MnuProjOpen, kAnswerNo, "roof-truss.str", "",
       "roof-truss.str"},
      {"F5 while results are shown", analysed, M::MnuAna, 0, nullptr,
       "Analyze: the results are shown; choose Edit Data to change the data and analyse again.",
       "portal-frame.str results"},
      {"F5 without a project", [] {}, M::MnuAna, 0, nullptr, "Analyze: no project is open.", "-"},
      {"Ctrl+S, project without a file", [&] { commands_.NewProject(); }, M::MnuProjSave, 0,
       "new.str", "", "new.str"},
  };
  std::filesystem::copy_file(testing::SourcePath("examples/roof-truss.str"),
                             folder_ / "roof-truss.str");
  for (const auto& row : cases) {
    SCOPED_TRACE(row.key);
    commands_.Start();
    row.before();
    if (row.answer) messages_.Answer(row.answer);
    if (row.chosenFile) dialogs_.Answer(InFolder(row.chosenFile));
    EXPECT_EQ(commands_.RunKey(row.item), row.notice);
    EXPECT_EQ(
        (commands_.ProjectOpen() ? std::filesystem::path(model_.ProjectFile).filename().string()
                                 : "-") +
            (commands_.HasUnsavedChanges() ? " unsaved" : "") +
            (commands_.Session().ResultsShown() ? " results" : ""),
        row.after);
  }
}

}  // namespace
}  // namespace stavelorn
