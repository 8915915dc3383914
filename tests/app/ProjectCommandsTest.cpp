// The project commands' flows logged command by command: new, open, save, analyse, edit, print,
// units, the multiplier and close, with the menus and the unsaved work each step leaves (the menus
// as a function of the data are in tests/app/golden/menu-states.txt); and every committed change
// one step of the history, unsaved work as the difference from the file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "app/InfluenceChoice.h"
#include "app/MainLabels.h"
#include "app/ProjectCommandsFixture.h"
#include "support/Golden.h"

namespace stavelorn {
namespace {

using M = MenuItem;

// A session, command by command, against a file checked by eye. A new project offers the data menus
// as its data come; an example opens with its counts and menus, unchanged; a completed analysis
// asks to print, trades the data menus for the results and shows the shape at the automatic
// multiplier, with its multiples in the list (1 for a shape that moves a tenth of the structure,
// none past the largest whole number); a new title keeps the results, and so does undoing it, while
// undoing a change of the data drops them and brings the data menus back, as Edit Data does. Save
// As cancelled or into a missing folder keeps the old file; closing unsaved work asks to save it
// first, and stays open when that save fails. An analysis that fails or is refused shows its
// message and changes no menu, nor does a title given afterwards; a file with no project in it
// leaves none open, and a damaged file keeps the joints read before the fault, as unsaved work
// without a file.
TEST_F(ProjectCommandsTest, ASessionShowsWhatEachCommandLeaves) {
  windows_.titleDialog = [this] {
    model_.ProjectTitle = "Truss 1";
    model_.SetStructType("PTruss");
    return true;
  };
  commands_.Run(M::MnuProjNew);
  Shows("new project");
  model_.JointCount = 1;
  model_.JointCoords.Redim(1, model_.CoordColumns);
  commands_.DataWindowClosed(M::MnuJoint, true);
  Shows("a joint entered");
  for (const bool named : {false, true}) {
    messages_.Answer(kAnswerYes);  // Save changes to the project?
    dialogs_.Answer(named ? InFolder("missing/new.str") : "");
    commands_.Run(M::MnuProjClose);
    Shows(named ? "close, saving into a folder that does not exist: the new project stays open"
                : "close, saving, no file name given: the new project stays open");
  }
  commands_.Start();
  OpenCopyOf("continuous-beam.str");
  Shows("open the continuous beam");
  model_.MemberLoadValues(1, 1) = -20;
  commands_.DataWindowClosed(M::MnuLoadMem, true);
  Shows("a member load changed");
  windows_.titleDialog = [this] {
    model_.ProjectTitle = "Beam B";
    return true;
  };
  messages_.Answer(kAnswerNo);   // Save Input Data in File ?
  messages_.Answer(kAnswerYes);  // Print Results of the Analysis ?
  commands_.Analyze();
  EXPECT_NE(windows_.printed.str().find("End of Input Data"), std::string::npos);
  Shows("analyse and print");
  commands_.Run(M::MnuProjName);
  Shows("title changed");
  for (const char* step : {"title undone", "member load undone"}) {
    commands_.Run(M::MnuEditUndo);
    Shows(step);
  }
  AnalyzeQuietly();
  messages_.Answer(kAnswerNo);  // Print Results ?
  commands_.Run(M::MnuEditData);
  Shows("analyse, then edit data");
  model_.MemberCount = 0;  // every member deleted
  commands_.DataWindowClosed(M::MnuMemb, true);
  Shows("every member deleted");
  dialogs_.Answer("");
  commands_.Run(M::MnuProjSaveAs);
  Shows("save as, cancelled");
  dialogs_.Answer(InFolder("missing/copy.str"));
  commands_.Run(M::MnuProjSaveAs);
  Shows("save as, in a folder that does not exist");
  dialogs_.Answer(InFolder("mine.str"));
  commands_.Run(M::MnuProjSaveAs);
  Shows("save as mine.str");
  model_.JointCoords(2, 1) = 6.5f;
  commands_.DataWindowClosed(M::MnuJoint, true);
  messages_.Answer(kAnswerYes);  // Save the changes?
  commands_.Run(M::MnuProjClose);
  Shows("a joint moved, then close and save");
  ASSERT_TRUE(commands_.OpenProjectFile(InFolder("mine.str")));
  EXPECT_EQ(model_.JointCoords(2, 1), 6.5f);
  std::filesystem::remove(InFolder("mine.str"));
  EXPECT_FALSE(commands_.OpenRecentProject(InFolder("mine.str")));
  Shows("open mine.str from the recent list, once it is gone");

  // Three bars in a line loaded at the middle joint: pinned at both ends the solution fails, at
  // one end the structure is unstable; a member to a joint that does not exist fails the checks.
  for (const auto& [supports, refused] :
       {std::pair{"2, 1,1,1, 3,1,1", false}, {"1, 1,1,1", false}, {"1, 1,1,1", true}}) {
    commands_.Start();
    OpenText(
        "t.str",
        std::string("\"t\",\"PTruss\",\"Joints\",3, 0,0, 1,0, 2,0, \"Supports\",") + supports +
            ", \"Materials\",1, 1,0, \"Cross-Sections\",1, 1, \"Members\",2, 1,2,1,1, 2,3,1,1, "
            "\"Joint Loads\",1, 2,0,-1\n");
    Shows(std::string("open bars in a line supported at ") + supports);
    if (refused) {  // after one that failed: the refused analysis leaves no results shown
      commands_.Run(M::MnuAna);
      model_.MemberProps(2, 2) = 9;
    }
    commands_.Run(M::MnuAna);  // data as read: not offered for saving
    Shows(refused ? "analyse a member to joint 9" : "analyse");
    commands_.Run(M::MnuProjName);
    Shows("title changed");
    commands_.DataWindowClosed(M::MnuLoadJt, true);
    Shows("joint loads closed");
  }
  for (const char* e : {"1", "1E+30"}) {
    commands_.Start();
    OpenText(
        "c.str",
        std::string(
            "\"c\",\"Beam\",\"Joints\",2, 0, 10, \"Supports\",1, 1,1,1, \"Materials\",1, ") +
            e +
            ",0, \"Cross-Sections\",1, 1, \"Members\",1, 1,2,1,1, \"Joint Loads\",1, 2,-1000,0\n");
    AnalyzeQuietly();
    Shows(std::string("a cantilever with E ") + e);
  }
  commands_.Start();
  std::ofstream(InFolder("none.str")) << "\n";
  dialogs_.Answer(InFolder("none.str"));
  commands_.Run(M::MnuProjOpen);
  Shows("open a file with no project in it: none is open");
  std::ofstream(InFolder("bad.str"), std::ios::binary)
      << "\"t\"\r\n\"Beam\"\r\n\"Joints\",2\r\n0,5\r\n\"Supports\",1\r\n1,x,0\r\n";
  dialogs_.Answer(InFolder("bad.str"));
  commands_.Run(M::MnuProjOpen);
  Shows("open a damaged file");
  testing::ExpectGoldenFile(log_, "tests/app/golden/session.txt");
}

// The influence line is offered while the line the window showed last is kept from the results
// the model holds, and prints (and previews) the window's table (in a file checked by eye; the
// ordinates themselves are the influence tests' business).
TEST_F(ProjectCommandsTest, PrintOptionsOfferTheKeptInfluenceLineWithItsTable) {
  OpenCopyOf("continuous-beam.str");
  AnalyzeQuietly();
  bool offered = false;
  windows_.printOptions = [&offered](PrintOptions& options) {
    offered = options.Available(ReportSection::InfluenceLine);
    for (const ReportSectionInfo& info : ReportSections())
      options.Choose(info.Section, info.Section == ReportSection::InfluenceLine);
  };
  commands_.Print();
  commands_.PrintPreview();
  EXPECT_FALSE(offered);
  EXPECT_EQ(windows_.printed.str(), "");

  const InfluenceLine kept =
      ComputeInfluenceLine(model_, commands_.Results(),
                           FirstInfluenceChoice(model_, commands_.Results()).Quantity, {})
          .Line;
  ASSERT_EQ(kept.Quantity.Item, 1);
  commands_.KeepInfluenceLine(kept);
  commands_.Print();
  EXPECT_TRUE(offered);
  testing::ExpectGoldenFile(windows_.printed.str(), "tests/app/golden/influence-print.txt");
  commands_.PrintPreview();
  windows_.printOptions = [&offered](PrintOptions& options) {
    offered = options.Available(ReportSection::InfluenceLine);
    options.Choose(ReportSection::Diagrams, true);  // the influence line ticked as last chosen
  };
  commands_.PrintPreview();

  messages_.Answer(kAnswerNo);  // Print Results ?
  commands_.EditData();
  commands_.Print();
  EXPECT_FALSE(offered);
  EXPECT_EQ(windows_.previews,
            (std::vector<std::string>{"0 pages, influence", "1 pages, influence"}));
}

// Naming units changes no number; between named units the user converts or only relabels, and
// a conversion drops the results it no longer matches (back to entering data, as after Edit
// Data), while a relabelling keeps them. Dropping the names keeps the numbers. Then printing and
// the multiplier. Each step's window against a file checked by eye.
TEST_F(ProjectCommandsTest, UnitsPrintingAndTheMultiplierOfThePortal) {
  using F = ForceUnit;
  using L = LengthUnit;
  using T = TemperatureUnit;
  OpenCopyOf("portal-frame.str");
  const UnitSystem kNm = NamedUnits(F::kN, L::m, T::C), kipIn = NamedUnits(F::kip, L::in, T::F);
  const struct {
    int answer;  // to "Convert?", or -1 where nothing is asked: no names before or after
    UnitSystem chosen;
    float height;  // joint 2's Y coordinate afterwards
    bool analysed;
  } steps[] = {
      {-1, kNm, 5.0f, false},           {kAnswerCancel, kipIn, 5.0f, false},
      {kAnswerNo, kipIn, 5.0f, false},  {kAnswerYes, kNm, 5.0f * 0.0254f, false},
      {kAnswerYes, kipIn, 5.0f, false}, {kAnswerNo, NamedUnits(F::kip, L::ft, T::F), 5.0f, true},
      {kAnswerYes, kipIn, 60.0f, true},  // 5 ft is 60 in
      {-1, UnitSystem(), 60.0f, false},
  };
  for (const auto& step : steps) {
    if (step.analysed) AnalyzeQuietly();
    windows_.unitsChosen = step.chosen;
    if (step.answer >= 0) messages_.Answer(step.answer);
    commands_.Run(M::MnuProjUnits);
    Shows("choose " + (step.chosen.Named ? UnitSystemText(step.chosen) : "no units") +
          (step.answer == kAnswerYes      ? ", convert"
           : step.answer == kAnswerNo     ? ", relabel"
           : step.answer == kAnswerCancel ? ", cancel"
                                          : ""));
    EXPECT_FLOAT_EQ(model_.JointCoords(2, 2), step.height) << step.answer;
    if (Shown(M::MnuEditData)) {
      messages_.Answer(kAnswerNo);  // Print Results ?
      commands_.EditData();
    }
  }
  // Print Options opens with the ticks last chosen; a section the model lacks for now is
  // remembered for later; a report printed to a file says where it is.
  std::string ticks;  // as Print Options opened
  const auto opened = [&ticks](PrintOptions& options) { ticks = options.Remembered(""); };
  windows_.printOptions = [&opened](PrintOptions& options) {
    opened(options);
    options.Choose(ReportSection::InputData, false);
    options.Choose(ReportSection::Diagrams, true);
  };
  AnalyzeQuietly();
  commands_.Run(M::MnuProjPrint);
  const bool paged = windows_.printed.str().find("[picture: member diagrams]") != std::string::npos;
  Shows("print results and diagrams, opened with " + ticks + ": " + commands_.Prefs().PrintChoice +
        (paged ? ", the diagram window's page among them" : ", without the diagram page"));
  messages_.Answer(kAnswerNo);  // Print Results ?
  commands_.Run(M::MnuEditData);
  windows_.printOptions = opened;
  // Each print to a file says so, the same file again too.
  for (const char* file : {"", "/tmp/out/report.pdf", "/tmp/out/report.pdf"}) {
    windows_.printFile = file;
    const std::string notice = commands_.Run(M::MnuProjPrint);
    Shows("print to \"" + windows_.printFile + "\", opened with " + ticks + ": " +
          commands_.Prefs().PrintChoice + "; " + notice);
  }
  // Any positive whole number magnifies the shape; anything else is refused and changes nothing.
  for (const char* text : {" 7 ", "1", "2147483647", "2147483648", "0", "2.5", "abc"}) {
    commands_.TypeMultiplierText(text);  // as typed, before Return
    const int typed = commands_.Multiplier();
    const std::string problem = commands_.SetMultiplierText(text);
    EXPECT_EQ(commands_.Multiplier(), typed) << "typing takes what Return takes: " << text;
    Shows("multiplier \"" + std::string(text) + "\" " + problem + ": " +
          std::to_string(commands_.Multiplier()));
  }
  testing::ExpectGoldenFile(log_, "tests/app/golden/portal-session.txt");
}

// A change drawn with the mouse drops the analysis shown and is one step of the history.
TEST_F(ProjectCommandsTest, AChangeDrawnDropsTheAnalysisAndIsAStep) {
  OpenCopyOf("portal-frame.str");
  AnalyzeQuietly();
  ASSERT_TRUE(commands_.Session().ResultsShown());
  model_.JointCoords(3, 1) = 9;
  commands_.DataDrawn(Change::Joints);
  EXPECT_FALSE(commands_.Session().ResultsShown());
  EXPECT_EQ(commands_.UndoCaption(), "Undo Joints");
}

// Each committed change is one step named after what it changed; undoing them one by one gives
// back each earlier file byte for byte, redoing them gives back the last, and the unsaved flag
// (and the window title's mark after the file's name) is clear exactly at the state saved.
TEST_F(ProjectCommandsTest, EachCommittedChangeIsAStepUndoneAndRedoneExactly) {
  OpenCopyOf("portal-frame.str");
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
  while (commands_.CanRedo()) commands_.Redo();
  EXPECT_EQ(FileText(model_), files.back());

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

}  // namespace
}  // namespace stavelorn
