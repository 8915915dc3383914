#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
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

// The windows as the commands see them: a title dialog played by a function, a count of
// redraws, and a text printer whose pages the test can read.
class FakeWindows : public CommandWindows {
 public:
  std::function<bool()> titleDialog = [] { return false; };
  int redraws = 0;
  bool printerAvailable = true;
  std::ostringstream printed;

  bool ShowTitleDialog() override { return titleDialog(); }
  void Redraw() override { ++redraws; }
  std::unique_ptr<ReportPrinter> OpenPrinter() override {
    if (!printerAvailable) return nullptr;
    return std::make_unique<TextReportPrinter>(printed);
  }
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

  std::string Example(const char* name) {
    return testing::SourcePath(std::string("examples/") + name);
  }
  std::string InFolder(const char* name) { return (folder_ / name).string(); }

  // Opens a copy of an example, so saving never touches the repository.
  void OpenCopyOf(const char* example) {
    std::filesystem::copy_file(Example(example), folder_ / example);
    dialogs_.Answer(InFolder(example));
    commands_.OpenProject();
  }

  std::filesystem::path folder_;
  ModelStore model_;
  ScriptedMessages messages_;
  ScriptedFileDialogs dialogs_;
  FakeWindows windows_;
  ProjectCommands commands_{model_, messages_, dialogs_, windows_};
};

TEST_F(ProjectCommandsTest, NewProjectWithATypeOffersTheDataMenus) {
  windows_.titleDialog = [this] {
    model_.ProjectTitle = "Truss 1";
    model_.SetStructType("PTruss");
    return true;
  };
  commands_.NewProject();
  EXPECT_TRUE(commands_.Menus().Visible(M::MnuJoint));
  EXPECT_FALSE(commands_.Menus().Visible(M::MnuProjNew));
  EXPECT_FALSE(commands_.Menus().Visible(M::MnuLoadMem));
  EXPECT_EQ(commands_.Labels().Text[1], "Truss 1");
  EXPECT_TRUE(commands_.HasUnsavedChanges());
}

TEST_F(ProjectCommandsTest, ANewProjectCancelledLeavesNoProject) {
  commands_.NewProject();
  EXPECT_EQ(commands_.Menus(), MenuState());
  EXPECT_FALSE(commands_.HasUnsavedChanges());
}

TEST_F(ProjectCommandsTest, OpeningAnExampleShowsItsCountsAndMenus) {
  OpenCopyOf("portal-frame.str");
  EXPECT_EQ(dialogs_.Log().at(0).Request.Title, "Project File Name");
  EXPECT_EQ(commands_.Labels().Text[2], " Plane Frame");
  EXPECT_EQ(commands_.Labels().Text[3], " Joints: 4");
  EXPECT_EQ(commands_.Labels().Text[4], " Supports : 2");
  EXPECT_EQ(commands_.Labels().Text[5], " Materials: 1");
  EXPECT_EQ(commands_.Labels().Text[6], " Cross-Sections: 2");
  EXPECT_EQ(commands_.Labels().Text[7], " Members: 3");
  for (M item : {M::MnuProjSave, M::MnuMemb, M::MnuLoad, M::MnuAna, M::MnuLoadMem})
    EXPECT_TRUE(commands_.Menus().Visible(item)) << MenuItemOf(item).Name;
  EXPECT_FALSE(commands_.HasUnsavedChanges());
  EXPECT_EQ(windows_.redraws, 1);
  EXPECT_TRUE(messages_.Log().empty());
}

TEST_F(ProjectCommandsTest, ADamagedFileIsReportedAndItsPartCannotOverwriteIt) {
  std::ofstream(InFolder("bad.str"), std::ios::binary)
      << "\"t\"\r\n\"Beam\"\r\n\"Joints\",2\r\n0,5\r\n\"Supports\",1\r\n1,x,0\r\n";
  dialogs_.Answer(InFolder("bad.str"));
  commands_.OpenProject();
  ASSERT_EQ(messages_.Log().size(), 1u);
  EXPECT_EQ(messages_.Log()[0].Title, "File_Reading Error");
  EXPECT_EQ(messages_.Log()[0].Text.rfind("Unexpected error # 13 occurred: \n\nType mismatch", 0),
            0u);
  EXPECT_EQ(model_.JointCount, 2) << "the joints read before the fault stay";
  EXPECT_EQ(model_.ProjectFile, "");
  EXPECT_FALSE(commands_.Menus().Visible(M::MnuProjSave));
  EXPECT_TRUE(commands_.Menus().Visible(M::MnuProjSaveAs));
  EXPECT_TRUE(commands_.HasUnsavedChanges());
}

TEST_F(ProjectCommandsTest, AFileWithoutAUsableTypeLeavesNoProject) {
  std::ofstream(InFolder("junk.str"), std::ios::binary) << "\x7f\x45\x4c\x46 binary";
  dialogs_.Answer(InFolder("junk.str"));
  commands_.OpenProject();
  EXPECT_EQ(messages_.Log().at(0).Title, "File_Reading Error");
  EXPECT_EQ(commands_.Menus(), MenuState());
  EXPECT_EQ(model_.StructType, "");
}

TEST_F(ProjectCommandsTest, SaveAsGivesTheFileItsExtensionAndOffersSave) {
  OpenCopyOf("continuous-beam.str");
  dialogs_.Answer(InFolder("copy.st"));
  EXPECT_TRUE(commands_.SaveProjectAs());
  EXPECT_EQ(model_.ProjectFile, InFolder("copy.STR"));
  EXPECT_TRUE(std::filesystem::exists(InFolder("copy.STR")));
  EXPECT_TRUE(commands_.Menus().Visible(M::MnuProjSave));
}

TEST_F(ProjectCommandsTest, ACancelledOrFailedSaveAsKeepsTheProjectFile) {
  OpenCopyOf("continuous-beam.str");
  const std::string original = model_.ProjectFile;
  dialogs_.Answer("");
  EXPECT_FALSE(commands_.SaveProjectAs());
  EXPECT_TRUE(messages_.Log().empty()) << "a cancel is no error";
  dialogs_.Answer(InFolder("missing/copy.str"));
  EXPECT_FALSE(commands_.SaveProjectAs());
  EXPECT_EQ(messages_.Log().at(0).Title, "File_Save Error");
  EXPECT_EQ(model_.ProjectFile, original);
}

TEST_F(ProjectCommandsTest, ACompletedAnalysisAsksToPrintAndSwapsTheMenus) {
  OpenCopyOf("portal-frame.str");
  messages_.Answer(kAnswerNo);   // Save Input Data in File ?
  messages_.Answer(kAnswerYes);  // Print Results of the Analysis ?
  commands_.Analyze();
  ASSERT_EQ(messages_.Log().size(), 2u);
  EXPECT_EQ(messages_.Log()[0].Title, "Save Data ?");
  EXPECT_EQ(messages_.Log()[0].Text, "Save Input Data in File ?");
  EXPECT_EQ(messages_.Log()[0].Style, kStyleYesNoQuestion);
  EXPECT_EQ(messages_.Log()[1].Title, "Analysis Results");
  EXPECT_EQ(messages_.Log()[1].Text,
            "  **** Analysis Completed ****  \n\nPrint Results of the Analysis ?");
  EXPECT_EQ(messages_.Log()[1].Style, kStyleYesNo);
  EXPECT_EQ(model_.AnalysisStatus, kAnalysisComplete);
  EXPECT_NE(windows_.printed.str().find("End of Input Data"), std::string::npos);
  EXPECT_TRUE(commands_.Menus().Visible(M::MnuJtDispl));
  EXPECT_TRUE(commands_.Menus().Visible(M::Combo1));
  EXPECT_FALSE(commands_.Menus().Visible(M::MnuAna));
  EXPECT_EQ(windows_.redraws, 2);
}

TEST_F(ProjectCommandsTest, SavingBeforeAnalysisAsksForANameWhenThereIsNone) {
  ASSERT_TRUE(commands_.OpenProjectFile(Example("portal-frame.str")));
  model_.ProjectFile.clear();  // as if the data had been typed in, never saved
  dialogs_.Answer(InFolder("frame"));
  dialogs_.Answer(InFolder("frame.str"));
  messages_.Answer(kAnswerYes);    // Save Input Data in File ?
  messages_.Answer(kAnswerRetry);  // a name without extension is refused; ask again
  messages_.Answer(kAnswerNo);     // Print Results of the Analysis ?
  commands_.Analyze();
  EXPECT_EQ(messages_.Log().at(1).Title, "FileName Error");
  EXPECT_EQ(model_.ProjectFile, InFolder("frame.STR"));
  EXPECT_TRUE(std::filesystem::exists(model_.ProjectFile));
  EXPECT_EQ(model_.AnalysisStatus, kAnalysisComplete);
}

TEST_F(ProjectCommandsTest, FailedAnalysesShowTheirMessageAndChangeNoMenu) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      // Two bars meeting in a straight line carry no load across it.
      {"\"t\"\r\n\"PTruss\"\r\n\"Joints\",3\r\n0,0\r\n1,0\r\n2,0\r\n\"Supports\",2\r\n1,1,1\r\n3,1,"
       "1\r\n"
       "\"Materials\",1\r\n1,0\r\n\"Cross-Sections\",1\r\n1\r\n\"Members\",2\r\n1,2,1,1\r\n2,3,1,"
       "1\r\n"
       "\"Joint Loads\",1\r\n2,0,-1\r\n",
       "     **** Analysis ERROR ****  \n\nError in Solution of Simultaneous Equations\n\n"
       "Structure Stiffness Matrix may be Singular\n\n       Check Input Data."},
      {"\"t\"\r\n\"PTruss\"\r\n\"Joints\",3\r\n0,0\r\n1,0\r\n2,0\r\n\"Supports\",1\r\n1,1,1\r\n"
       "\"Materials\",1\r\n1,0\r\n\"Cross-Sections\",1\r\n1\r\n\"Members\",2\r\n1,2,1,1\r\n2,3,1,"
       "1\r\n"
       "\"Joint Loads\",1\r\n2,0,-1\r\n",
       "     **** Analysis ERROR ****  \n\nStructure is NOT Statically Stable !\n\n       Check "
       "Input Data."},
  };
  for (const auto& c : cases) {
    commands_.Start();
    std::ofstream(InFolder("t.str"), std::ios::binary) << c.text;
    ASSERT_TRUE(commands_.OpenProjectFile(InFolder("t.str")));
    const MenuState before = commands_.Menus();
    messages_.Answer(kAnswerNo);
    commands_.Analyze();
    EXPECT_EQ(messages_.Log().back().Title, "Analysis Results");
    EXPECT_EQ(messages_.Log().back().Text, c.message);
    EXPECT_EQ(messages_.Log().back().Style, kStyleCritical);
    EXPECT_EQ(commands_.Menus(), before);
  }
}

TEST_F(ProjectCommandsTest, AModelThatFailsItsChecksIsNotAnalysed) {
  OpenCopyOf("portal-frame.str");
  model_.MemberProps(2, 2) = 9;
  messages_.Answer(kAnswerNo);
  const MenuState before = commands_.Menus();
  commands_.Analyze();
  EXPECT_EQ(messages_.Log().back().Title, "Input Data Error");
  EXPECT_NE(messages_.Log().back().Text.find("Member 2"), std::string::npos);
  EXPECT_EQ(model_.AnalysisStatus, kNoResults);
  EXPECT_EQ(commands_.Menus(), before);
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
  EXPECT_EQ(messages_.Log()[1].Title, "Analysis Results");
  EXPECT_EQ(messages_.Log()[2].Title, "Analysis Accuracy");
  EXPECT_EQ(messages_.Log()[2].Style, kStyleInformation);
  EXPECT_NE(windows_.printed.str().find("End of Analysis"), std::string::npos)
      << "printed after the note";
}

TEST_F(ProjectCommandsTest, EditDataOffersToPrintThenReopensTheData) {
  OpenCopyOf("roof-truss.str");
  messages_.Answer(kAnswerNo);
  messages_.Answer(kAnswerNo);
  commands_.Analyze();
  messages_.Answer(kAnswerNo);
  commands_.EditData();
  EXPECT_EQ(messages_.Log().back().Title, "Print Results ?");
  EXPECT_EQ(messages_.Log().back().Text, "Print Results of the Analysis ?");
  EXPECT_EQ(model_.AnalysisStatus, kNoResults);
  EXPECT_TRUE(commands_.Menus().Visible(M::MnuAna));
  EXPECT_FALSE(commands_.Menus().Visible(M::MnuJtDispl));
  EXPECT_TRUE(windows_.printed.str().empty());
}

TEST_F(ProjectCommandsTest, ClosingUnsavedWorkAsksFirst) {
  OpenCopyOf("grid-floor.str");
  commands_.DataWindowClosed(M::MnuJoint, true);
  ASSERT_TRUE(commands_.HasUnsavedChanges());

  messages_.Answer(kAnswerCancel);
  EXPECT_FALSE(commands_.CloseProject());
  EXPECT_EQ(messages_.Log().back().Text, "Save changes to the project?");
  EXPECT_EQ(messages_.Log().back().Style, kStyleYesNoCancelQuestion);
  EXPECT_EQ(model_.JointCount, 6) << "Cancel keeps everything";

  const auto before = std::filesystem::last_write_time(model_.ProjectFile);
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
  EXPECT_GE(std::filesystem::last_write_time(saved.ProjectFile), before);
}

TEST_F(ProjectCommandsTest, NothingUnsavedClosesAtOnceAndNoDiscardsWithoutSaving) {
  OpenCopyOf("space-frame.str");
  EXPECT_TRUE(commands_.ConfirmExit());
  EXPECT_TRUE(messages_.Log().empty());
  messages_.Answer(kAnswerNo);  // Print Results of the Analysis ?
  commands_.EditData();         // counts as a change
  const std::string saved = model_.ProjectFile;
  const auto written = std::filesystem::last_write_time(saved);
  messages_.Answer(kAnswerNo);  // Save changes to the project?
  EXPECT_TRUE(commands_.ConfirmExit());
  EXPECT_EQ(std::filesystem::last_write_time(saved), written);
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

TEST_F(ProjectCommandsTest, TheMultiplierReadsTheLeadingNumberRoundedHalfToEven) {
  const struct {
    const char* text;
    int value;
  } accepted[] = {{"12", 12}, {" 2.5", 2}, {"3.5", 4}, {"abc", 0}, {"-7kN", -7}, {"2184", 2184}};
  for (const auto& c : accepted) {
    EXPECT_EQ(commands_.SetMultiplierText(c.text), "") << c.text;
    EXPECT_EQ(model_.DeflectionMultiplier, c.value) << c.text;
    EXPECT_EQ(commands_.MultiplierText(), c.text);
  }
  // 2185 would need 32775 curve points, more than their 16-bit count holds.
  for (const char* refused : {"2185", "40000", "-32769", "1e30"}) {
    EXPECT_NE(commands_.SetMultiplierText(refused), "") << refused;
    EXPECT_EQ(model_.DeflectionMultiplier, 2184) << refused;
    EXPECT_EQ(commands_.MultiplierText(), "2184") << "the text goes back to the accepted value";
  }
}

TEST_F(ProjectCommandsTest, RetitlingANeverSavedProjectLeavesTheLabel) {
  windows_.titleDialog = [this] {
    model_.ProjectTitle = "First";
    model_.SetStructType("Grid");
    return true;
  };
  commands_.NewProject();
  windows_.titleDialog = [this] {
    model_.ProjectTitle = "Second";
    return true;
  };
  commands_.ChangeProjectTitle();
  EXPECT_EQ(commands_.Labels().Text[1], "First");
  model_.ProjectFile = InFolder("grid.STR");
  commands_.ChangeProjectTitle();
  EXPECT_EQ(commands_.Labels().Text[1], "Second");
  EXPECT_EQ(commands_.Labels().Text[2], " Grid");
}

}  // namespace
}  // namespace stavelorn
