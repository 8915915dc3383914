// The project commands' flows: new, open, save, analyse, edit, print and close, with the
// unsaved-changes flag and the menus each step leaves.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>

#include "analysis/GeneratedStructures.h"
#include "app/ProjectCommands.h"
#include "model/ProjectFile.h"
#include "reports/TextReportPrinter.h"
#include "support/SampleModels.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"

namespace stavelorn {
namespace {

using M = MenuItem;

// The windows as the commands see them: dialogs played by functions, a count of redraws, the
// previews shown and a text printer whose pages the test can read.
class FakeWindows : public CommandWindows {
 public:
  std::function<bool()> titleDialog = [] { return false; };
  std::function<bool(PrintOptions&)> printOptions = [](PrintOptions&) { return true; };
  int redraws = 0;
  std::ostringstream printed;
  std::vector<PrintOptions> previews;

  bool ShowTitleDialog() override { return titleDialog(); }
  void Redraw() override { ++redraws; }
  std::unique_ptr<ReportPrinter> OpenPrinter() override {
    return std::make_unique<TextReportPrinter>(printed);
  }
  bool ChoosePrintOptions(PrintOptions& options) override { return printOptions(options); }
  void ShowPrintPreview(const PrintOptions& options) override { previews.push_back(options); }
};

class ProjectCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("stavelorn-session-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    commands_.Start();
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string InFolder(const char* name) { return (folder_ / name).string(); }
  bool Shown(M item) { return commands_.Menus().Visible(item); }
  std::string Printed() { return windows_.printed.str(); }

  // Opens a copy of an example, so saving never touches the repository.
  void OpenCopyOf(const char* example) {
    std::filesystem::copy_file(testing::SourcePath(std::string("examples/") + example),
                               folder_ / example);
    dialogs_.Answer(InFolder(example));
    commands_.OpenProject();
  }
  // Analyses without saving the data or printing the results.
  void AnalyzeQuietly() {
    messages_.Answer(kAnswerNo);
    messages_.Answer(kAnswerNo);
    commands_.Analyze();
  }

  std::filesystem::path folder_;
  ModelStore model_;
  ScriptedMessages messages_;
  ScriptedFileDialogs dialogs_;
  FakeWindows windows_;
  ProjectCommands commands_{model_, messages_, dialogs_, windows_};
};

TEST_F(ProjectCommandsTest, NewProjectOffersTheDataMenusAndACancelledOneNothing) {
  commands_.NewProject();
  EXPECT_EQ(commands_.Menus(), MenuState());
  EXPECT_FALSE(commands_.HasUnsavedChanges());
  windows_.titleDialog = [this] {
    model_.ProjectTitle = "Truss 1";
    model_.SetStructType("PTruss");
    return true;
  };
  commands_.NewProject();
  EXPECT_TRUE(Shown(M::MnuJoint));
  EXPECT_FALSE(Shown(M::MnuProjNew));
  EXPECT_FALSE(Shown(M::MnuLoadMem));
  EXPECT_EQ(commands_.Labels().Text[1], "Truss 1");
  EXPECT_TRUE(commands_.HasUnsavedChanges());
}

TEST_F(ProjectCommandsTest, OpeningAnExampleShowsItsCountsAndMenus) {
  OpenCopyOf("portal-frame.str");
  EXPECT_EQ(
      std::vector<std::string>(commands_.Labels().Text.begin() + 2, commands_.Labels().Text.end()),
      (std::vector<std::string>{" Plane Frame", " Joints: 4", " Supports : 2", " Materials: 1",
                                " Cross-Sections: 2", " Members: 3"}));
  for (M item : {M::MnuProjSave, M::MnuMemb, M::MnuLoad, M::MnuAna, M::MnuLoadMem})
    EXPECT_TRUE(Shown(item)) << MenuItemOf(item).Name;
  EXPECT_FALSE(commands_.HasUnsavedChanges());
  EXPECT_EQ(windows_.redraws, 1);
  EXPECT_TRUE(messages_.Log().empty());
}

TEST_F(ProjectCommandsTest, DamagedFilesAreReportedAndNeverOverwritten) {
  // The joints read before the fault stay, as unsaved work without a file; a file without a
  // usable type leaves no project at all.
  std::ofstream(InFolder("bad.str"), std::ios::binary)
      << "\"t\"\r\n\"Beam\"\r\n\"Joints\",2\r\n0,5\r\n\"Supports\",1\r\n1,x,0\r\n";
  dialogs_.Answer(InFolder("bad.str"));
  commands_.OpenProject();
  ASSERT_EQ(messages_.Log().size(), 1u);
  EXPECT_EQ(messages_.Log()[0].Title, "File_Reading Error");
  EXPECT_EQ(model_.JointCount, 2);
  EXPECT_EQ(model_.ProjectFile, "");
  EXPECT_FALSE(Shown(M::MnuProjSave));
  EXPECT_TRUE(Shown(M::MnuProjSaveAs));
  EXPECT_TRUE(commands_.HasUnsavedChanges());

  std::ofstream(InFolder("junk.str"), std::ios::binary) << "\x7f\x45\x4c\x46 binary";
  commands_.Start();
  dialogs_.Answer(InFolder("junk.str"));
  commands_.OpenProject();
  EXPECT_EQ(messages_.Log().back().Title, "File_Reading Error");
  EXPECT_EQ(commands_.Menus(), MenuState());
  EXPECT_EQ(model_.StructType, "");
}

TEST_F(ProjectCommandsTest, SaveAsWritesTheNamedFileAndACancelOrFailureKeepsTheOld) {
  OpenCopyOf("continuous-beam.str");
  EXPECT_EQ(commands_.Labels().Text[6], " Cross-Sections: 1");
  const std::string original = model_.ProjectFile;
  dialogs_.Answer("");
  EXPECT_FALSE(commands_.SaveProjectAs());
  EXPECT_TRUE(messages_.Log().empty()) << "a cancel is no error";
  dialogs_.Answer(InFolder("missing/copy.str"));
  EXPECT_FALSE(commands_.SaveProjectAs());
  EXPECT_EQ(messages_.Log().at(0).Title, "File_Save Error");
  EXPECT_EQ(model_.ProjectFile, original);
  dialogs_.Answer(InFolder("mine.str"));
  EXPECT_TRUE(commands_.SaveProjectAs());
  EXPECT_EQ(model_.ProjectFile, InFolder("mine.str"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 2)
      << "the copy opened and mine.str, nothing else";
  EXPECT_TRUE(Shown(M::MnuProjSave));
}

TEST_F(ProjectCommandsTest, ACompletedAnalysisAsksToPrintAndSwapsTheMenus) {
  OpenCopyOf("portal-frame.str");
  messages_.Answer(kAnswerNo);   // Save Input Data in File ?
  messages_.Answer(kAnswerYes);  // Print Results of the Analysis ?
  commands_.Analyze();
  ASSERT_EQ(messages_.Log().size(), 2u);
  EXPECT_EQ(messages_.Log()[0].Style, kStyleYesNoQuestion);
  EXPECT_EQ(messages_.Log()[1].Title, "Analysis Results");
  EXPECT_EQ(messages_.Log()[1].Style, kStyleYesNo);
  EXPECT_EQ(model_.AnalysisStatus, kAnalysisComplete);
  EXPECT_NE(Printed().find("End of Input Data"), std::string::npos);
  EXPECT_TRUE(Shown(M::MnuJtDispl));
  EXPECT_TRUE(Shown(M::Combo1));
  EXPECT_FALSE(Shown(M::MnuAna));
  EXPECT_EQ(windows_.redraws, 2);
}

TEST_F(ProjectCommandsTest, PrintAndPreviewFollowTheOptionsAndTheTrailNeedsResults) {
  struct Case {
    bool analysed;
    std::optional<std::array<bool, 3>> ticked;  // input, results, trail; none: cancelled
    bool input, results, trail;
  };
  const std::array<bool, 3> all{true, true, true}, trailOnly{false, false, true},
      none{false, false, false};
  for (const Case& c :
       {Case{false, all, true, false, false}, Case{true, all, true, true, true},
        Case{true, trailOnly, false, false, true}, Case{true, std::nullopt, false, false, false},
        Case{false, none, false, false, false}}) {
    commands_.Start();
    ASSERT_TRUE(commands_.OpenProjectFile(testing::SourcePath("examples/portal-frame.str")));
    if (c.analysed) AnalyzeQuietly();
    EXPECT_EQ(commands_.Trail() != nullptr, c.analysed);
    windows_.printed.str("");
    windows_.previews.clear();
    windows_.printOptions = [&c](PrintOptions& options) {
      if (!c.ticked) return false;
      options.Choose(ReportSection::InputData, (*c.ticked)[0]);
      options.Choose(ReportSection::Results, (*c.ticked)[1]);
      options.Choose(ReportSection::MethodTrail, (*c.ticked)[2]);
      return true;
    };
    commands_.Print();
    commands_.PrintPreview();
    const std::string text = Printed();
    EXPECT_EQ(text.find("End of Input Data") != std::string::npos, c.input);
    EXPECT_EQ(text.find("End of Analysis") != std::string::npos, c.results);
    EXPECT_EQ(text.find("Step by Step") != std::string::npos, c.trail);
    ASSERT_EQ(windows_.previews.size(), c.input || c.results || c.trail ? 1u : 0u);
    if (c.input) EXPECT_TRUE(windows_.previews[0].Chosen(ReportSection::InputData));
  }
  messages_.Answer(kAnswerNo);  // Print Results ?
  commands_.EditData();
  EXPECT_EQ(commands_.Trail(), nullptr) << "no trail once the results are gone";
}

TEST_F(ProjectCommandsTest, SavingBeforeAnalysisAsksForANameWhenThereIsNone) {
  ASSERT_TRUE(commands_.OpenProjectFile(testing::SourcePath("examples/portal-frame.str")));
  model_.ProjectFile.clear();           // as if the data had been typed in, never saved
  dialogs_.Answer(InFolder("frame/"));  // names no file: refused, asked again
  dialogs_.Answer(InFolder("frame"));
  messages_.Answer(kAnswerYes);    // Save Input Data in File ?
  messages_.Answer(kAnswerRetry);  // FileName Error
  messages_.Answer(kAnswerNo);     // Print Results of the Analysis ?
  commands_.Analyze();
  EXPECT_EQ(messages_.Log().at(1).Title, "FileName Error");
  EXPECT_EQ(model_.ProjectFile, InFolder("frame.str"));
  EXPECT_TRUE(std::filesystem::exists(model_.ProjectFile));
  EXPECT_EQ(model_.AnalysisStatus, kAnalysisComplete);
}

TEST_F(ProjectCommandsTest, FailedOrRefusedAnalysesShowTheirMessageAndChangeNoMenu) {
  // Three bars in a line: pinned at both ends the solution fails, at one end the structure is
  // unstable; a member to a joint that does not exist fails the checks.
  const std::string head = "\"t\"\r\n\"PTruss\"\r\n\"Joints\",3\r\n0,0\r\n1,0\r\n2,0\r\n";
  const std::string tail =
      "\"Materials\",1\r\n1,0\r\n\"Cross-Sections\",1\r\n1\r\n\"Members\",2\r\n1,2,1,1\r\n"
      "2,3,1,1\r\n\"Joint Loads\",1\r\n2,0,-1\r\n";
  const struct {
    std::string supports, title, words;
    int style;
  } cases[] = {
      {"\"Supports\",2\r\n1,1,1\r\n3,1,1\r\n", "Analysis Results", "Singular", kStyleCritical},
      {"\"Supports\",1\r\n1,1,1\r\n", "Analysis Results", "NOT Statically Stable", kStyleCritical},
      {"\"Supports\",1\r\n1,1,1\r\n", "Input Data Error", "Member 2", -1},
  };
  for (const auto& c : cases) {
    commands_.Start();
    std::ofstream(InFolder("t.str"), std::ios::binary) << head << c.supports << tail;
    ASSERT_TRUE(commands_.OpenProjectFile(InFolder("t.str")));
    if (c.style < 0) model_.MemberProps(2, 2) = 9;
    const MenuState before = commands_.Menus();
    messages_.Answer(kAnswerNo);
    commands_.Analyze();
    const auto& shown = messages_.Log().back();
    EXPECT_EQ(shown.Title, c.title);
    EXPECT_NE(shown.Text.find(c.words), std::string::npos) << shown.Text;
    if (c.style < 0) EXPECT_EQ(model_.AnalysisStatus, kNoResults);
    if (c.style >= 0) {
      EXPECT_EQ(shown.Style, c.style);
      // How the structure can move: the middle joint across the line of bars.
      EXPECT_NE(shown.Text.find("Joint 2 can move in Y"), std::string::npos);
    }
    EXPECT_EQ(commands_.Menus(), before);
  }
}

TEST_F(ProjectCommandsTest, DoublePrecisionResultsAreAnnouncedAfterTheOutcome) {
  std::string text;
  ASSERT_FALSE(ProjectFileText(PlaneFrameGrid(4, 100), text));
  std::ofstream(InFolder("tower.str"), std::ios::binary) << text;
  ASSERT_TRUE(commands_.OpenProjectFile(InFolder("tower.str")));
  messages_.Answer(kAnswerNo);   // Save Input Data in File ?
  messages_.Answer(kAnswerYes);  // Print Results of the Analysis ?
  commands_.Analyze();
  ASSERT_EQ(messages_.Log().size(), 3u);
  EXPECT_EQ(messages_.Log()[2].Title, "Analysis Accuracy");
  EXPECT_EQ(messages_.Log()[2].Style, kStyleInformation);
  EXPECT_NE(Printed().find("End of Analysis"), std::string::npos) << "printed after the note";
}

TEST_F(ProjectCommandsTest, EditDataOffersToPrintThenReopensTheData) {
  OpenCopyOf("roof-truss.str");
  AnalyzeQuietly();
  messages_.Answer(kAnswerNo);
  commands_.EditData();
  EXPECT_EQ(messages_.Log().back().Title, "Print Results ?");
  EXPECT_EQ(model_.AnalysisStatus, kNoResults);
  EXPECT_TRUE(Shown(M::MnuAna));
  EXPECT_FALSE(Shown(M::MnuJtDispl));
  EXPECT_TRUE(Printed().empty());
  EXPECT_EQ(windows_.redraws, 3) << "open, analysis, and the model without its deformed shape";
}

TEST_F(ProjectCommandsTest, ClosingUnsavedWorkAsksFirst) {
  OpenCopyOf("grid-floor.str");
  commands_.DataWindowClosed(M::MnuJoint, true);
  ASSERT_TRUE(commands_.HasUnsavedChanges());
  messages_.Answer(kAnswerCancel);
  EXPECT_FALSE(commands_.CloseProject());
  EXPECT_EQ(messages_.Log().back().Style, kStyleYesNoCancelQuestion);
  EXPECT_EQ(model_.JointCount, 6) << "Cancel keeps everything";

  model_.JointCoords(2, 1) = 6.5f;
  messages_.Answer(kAnswerYes);
  EXPECT_TRUE(commands_.CloseProject());
  EXPECT_EQ(model_.JointCount, 0);
  EXPECT_EQ(commands_.Menus(), MenuState());
  ModelStore saved;
  saved.Reset();
  saved.ProjectFile = InFolder("grid-floor.str");
  ASSERT_FALSE(ReadProjectFile(saved));
  EXPECT_EQ(saved.JointCoords(2, 1), 6.5f);
}

TEST_F(ProjectCommandsTest, NothingUnsavedClosesAtOnceAndNoDiscardsWithoutSaving) {
  OpenCopyOf("space-frame.str");
  EXPECT_TRUE(commands_.ConfirmExit());
  EXPECT_TRUE(messages_.Log().empty());
  messages_.Answer(kAnswerNo);  // Print Results of the Analysis ?
  commands_.EditData();         // counts as a change
  const auto written = std::filesystem::last_write_time(model_.ProjectFile);
  messages_.Answer(kAnswerNo);  // Save changes to the project?
  EXPECT_TRUE(commands_.ConfirmExit());
  EXPECT_EQ(std::filesystem::last_write_time(InFolder("space-frame.str")), written);
}

TEST_F(ProjectCommandsTest, ASaveThatFailsOnCloseKeepsTheProjectOpen) {
  windows_.titleDialog = [this] {
    model_.SetStructType("Beam");
    return true;
  };
  commands_.NewProject();
  messages_.Answer(kAnswerYes);
  dialogs_.Answer(InFolder("missing/beam.str"));
  EXPECT_FALSE(commands_.CloseProject());
  EXPECT_EQ(model_.StructType, "Beam");
  EXPECT_EQ(messages_.Log().back().Title, "File_Save Error");
}

TEST_F(ProjectCommandsTest, TheMultiplierTakesOnlyAWholeNumberItCanDraw) {
  // 2185 would need 32775 curve points, more than their 16-bit count holds.
  const struct {
    const char* text;
    int value;  // the multiplier afterwards
    bool accepted;
  } cases[] = {{"12", 12, true},     {" 7 ", 7, true},   {"2184", 2184, true},
               {"abc", 2184, false}, {"", 2184, false},  {"2185", 2184, false},
               {"-20", 2184, false}, {"0", 2184, false}, {"2.5", 2184, false},
               {"1", 1, true}};
  for (const auto& c : cases) {
    const std::string before = commands_.MultiplierText();
    EXPECT_EQ(commands_.SetMultiplierText(c.text).empty(), c.accepted) << c.text;
    EXPECT_EQ(model_.DeflectionMultiplier, c.value) << c.text;
    EXPECT_EQ(commands_.MultiplierText(), c.accepted ? c.text : before);
  }
  // While it is typed, a text is taken only once it is acceptable, and without a word.
  for (const char* typed : {"-", "-2", "3", "3x", "30"}) commands_.TypeMultiplierText(typed);
  EXPECT_EQ(model_.DeflectionMultiplier, 30);
  EXPECT_TRUE(messages_.Log().empty());
}

TEST_F(ProjectCommandsTest, RetitlingKeepsTheResultsAndDataWindowsRelabelAndRedraw) {
  windows_.titleDialog = [this] {
    model_.ProjectTitle = "Second";
    return true;
  };
  OpenCopyOf("portal-frame.str");
  AnalyzeQuietly();
  const MenuState analysed = commands_.Menus();
  commands_.ChangeProjectTitle();
  EXPECT_EQ(commands_.Labels().Text[1], "Second");
  EXPECT_EQ(commands_.Menus(), analysed) << "no data menu beside the results";
  EXPECT_EQ(model_.AnalysisStatus, kAnalysisComplete);
  messages_.Answer(kAnswerNo);  // Print Results ?
  commands_.EditData();
  int redraws = windows_.redraws;
  for (M menu : {M::MnuJoint, M::MnuMatProp, M::MnuCrossProp, M::MnuMemb, M::MnuLoadJt,
                 M::MnuLoadMem, M::MnuLoadSett, M::MnuLoadTemp, M::MnuLoadErr}) {
    commands_.DataWindowClosed(menu, true);
    EXPECT_EQ(windows_.redraws, ++redraws) << MenuItemOf(menu).Name;
  }
  model_.MaterialCount = 0;  // every material deleted
  commands_.DataWindowClosed(M::MnuMatProp, true);
  EXPECT_EQ(commands_.Labels().Text[5], "");
  EXPECT_EQ(commands_.Labels().Text[7], " Members: 3");
  model_.MemberCount = 0;  // and every member
  commands_.DataWindowClosed(M::MnuMemb, true);
  EXPECT_EQ(commands_.Labels().Text[7], "");
}

TEST_F(ProjectCommandsTest, OpenedAndSavedProjectsAreRecentAndAMissingOneLeavesTheList) {
  OpenCopyOf("portal-frame.str");
  dialogs_.Answer(InFolder("copy.STR"));
  ASSERT_TRUE(commands_.SaveProjectAs());
  EXPECT_EQ(commands_.Recent().Paths(),
            (std::vector<std::string>{InFolder("copy.STR"), InFolder("portal-frame.str")}));
  commands_.CloseProject();
  std::filesystem::remove(InFolder("copy.STR"));
  EXPECT_FALSE(commands_.OpenRecentProject(InFolder("copy.STR")));
  EXPECT_EQ(messages_.Log().at(0).Title, "Open Recent");
  EXPECT_EQ(commands_.Recent().Paths(), std::vector<std::string>{InFolder("portal-frame.str")});
  EXPECT_TRUE(commands_.OpenRecentProject(InFolder("portal-frame.str")));
  EXPECT_EQ(model_.JointCount, 4);
}

}  // namespace
}  // namespace stavelorn
