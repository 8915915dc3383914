// The project session through its commands: every committed change one step of the history,
// unsaved work as the difference from the file, and the analysis shown dropped whole or kept
// whole. The menus as a function of the data are in tests/app/golden/menu-states.txt.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/InfluenceChoice.h"
#include "app/MainLabels.h"
#include "app/ProjectCommandsFixture.h"

namespace stavelorn {
namespace {

using M = MenuItem;

// Each committed change is one step named after what it changed; undoing them one by one gives
// back each earlier file byte for byte, redoing them gives back the last, and the unsaved flag
// (and the window title's mark after the file's name) is clear exactly at the state saved.
TEST_F(ProjectCommandsTest, EachCommittedChangeIsAStepUndoneAndRedoneExactly) {
  OpenCopyOf("portal-frame.str");
  const std::string title = model_.ProjectTitle;
  windows_.titleDialog = [this] {
    model_.ProjectTitle = "Renamed";
    return true;
  };
  // Each step changes the model, or nothing, and closes its window (committed or cancelled).
  const struct {
    const char* step;
    M window;
    std::function<void()> change;
    bool committed;
  } steps[] = {
      {"Joints", M::MnuJoint, [] {}, true},
      {"Joints", M::MnuJoint, [this] { model_.JointCoords(2, 1) = 0.5f; }, true},
      {"Project Title", M::MnuProjName, nullptr, true},
      {"Cross-Sections", M::MnuCrossProp, [this] { model_.Sections(1, 1) *= 2; }, true},
      {"Joint Loads", M::MnuLoadJt, [this] { model_.JointLoadCount = 0; }, true},
      {"Joint Loads", M::MnuLoadJt, [] {}, false},
  };
  std::vector<std::string> files = {FileText(model_)}, names;
  for (const auto& s : steps) {
    if (s.change) {
      s.change();
      commands_.DataWindowClosed(s.window, s.committed);
    } else {
      commands_.ChangeProjectTitle();
    }
    if (FileText(model_) != files.back()) {
      files.push_back(FileText(model_));
      names.push_back(s.step);
    }
    EXPECT_EQ(commands_.UndoCaption(), names.empty() ? "Undo" : "Undo " + names.back());
    EXPECT_EQ(commands_.HasUnsavedChanges(), !names.empty());
    EXPECT_EQ(MainWindowTitle(commands_.Session(), model_.ProjectFile),
              std::string("portal-frame.str") + (names.empty() ? "" : "*") + " \u2014 " +
                  kMainWindowBanner);
  }
  ASSERT_EQ(names,
            (std::vector<std::string>{"Joints", "Project Title", "Cross-Sections", "Joint Loads"}));
  for (std::size_t back = files.size() - 1; back > 0; --back) {
    EXPECT_EQ(commands_.RedoCaption(),
              back + 1 < files.size() ? "Redo " + names[back] : std::string("Redo"));
    commands_.Undo();
    EXPECT_EQ(FileText(model_), files[back - 1]) << names[back - 1];
    EXPECT_EQ(commands_.HasUnsavedChanges(), back > 1);
  }
  EXPECT_FALSE(commands_.CanUndo());
  EXPECT_EQ(commands_.Labels().Text[1], title);
  while (commands_.CanRedo()) commands_.Redo();
  EXPECT_EQ(FileText(model_), files.back());
  EXPECT_EQ(model_.ProjectFile, InFolder("portal-frame.str"));

  // Saving makes the last state the saved one, and Exit asks to save exactly when the data differ
  // from it; a fresh project starts a fresh history.
  ASSERT_TRUE(commands_.SaveProject());
  EXPECT_TRUE(commands_.ConfirmExit());
  commands_.Undo();
  EXPECT_TRUE(commands_.HasUnsavedChanges());
  messages_.Answer(kAnswerCancel);  // Save changes to the project?
  EXPECT_FALSE(commands_.ConfirmExit());
  EXPECT_EQ(MainWindowTitle(commands_.Session(), ""),
            std::string("Untitled* \u2014 ") + kMainWindowBanner);
  commands_.Redo();
  EXPECT_FALSE(commands_.HasUnsavedChanges());
  ASSERT_TRUE(commands_.CloseProject());
  EXPECT_FALSE(commands_.CanUndo() || commands_.CanRedo());
  EXPECT_EQ(MainWindowTitle(commands_.Session(), model_.ProjectFile), kMainWindowBanner);
}

// Everything one analysis leaves (its results and their menus, its trail, the influence line
// kept from it) goes at once or stays at once: what changes no result keeps it all, anything
// else drops it all, whichever command does it.
TEST_F(ProjectCommandsTest, TheAnalysisShownIsDroppedWholeOrKeptWhole) {
  using F = ForceUnit;
  using L = LengthUnit;
  windows_.titleDialog = [this] {
    model_.ProjectTitle = "Renamed";
    return true;
  };
  const auto changeUnits = [this](UnitSystem units, int answer) {
    windows_.unitsChosen = units;
    messages_.Answer(answer);  // Convert the project's values?
    commands_.ChangeUnits();
  };
  const UnitSystem kipFt = NamedUnits(F::kip, L::ft, TemperatureUnit::F);
  const struct {
    const char* commands;
    std::function<void()> run;
    bool kept;
  } rows[] = {
      {"nothing", [] {}, true},
      {"title changed", [this] { commands_.ChangeProjectTitle(); }, true},
      {"units relabelled", [&] { changeUnits(kipFt, kAnswerNo); }, true},
      {"units converted", [&] { changeUnits(kipFt, kAnswerYes); }, false},
      {"edit data",
       [this] {
         messages_.Answer(kAnswerNo);  // Print Results ?
         commands_.EditData();
       },
       false},
      {"units named before the analysis undone", [this] { commands_.Undo(); }, false},
  };
  for (const auto& row : rows) {
    OpenCopyOf("portal-frame.str");
    windows_.unitsChosen = NamedUnits(F::kN, L::m, TemperatureUnit::C);
    commands_.ChangeUnits();  // naming units asks nothing
    AnalyzeQuietly();
    commands_.KeepInfluenceLine(
        ComputeInfluenceLine(model_, commands_.Results(),
                             FirstInfluenceChoice(model_, commands_.Results()).Quantity, {})
            .Line);
    ASSERT_TRUE(commands_.Trail() && commands_.KeptInfluenceLine()) << row.commands;
    row.run();
    const bool results = Shown(M::MnuJtDispl) && Shown(M::MnuEditData) && Shown(M::Combo1) &&
                         commands_.Results().Complete();
    const bool none = !Shown(M::MnuJtDispl) && !Shown(M::MnuEditData) && !Shown(M::Combo1) &&
                      !commands_.Results().Complete();
    EXPECT_EQ(results && commands_.Trail() && commands_.KeptInfluenceLine(), row.kept)
        << row.commands;
    EXPECT_EQ(none && !commands_.Trail() && !commands_.KeptInfluenceLine(), !row.kept)
        << row.commands;
  }
}

}  // namespace
}  // namespace stavelorn
