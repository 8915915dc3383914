#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "analysis/GeneratedStructures.h"
#include "app/ProjectSession.h"
#include "model/ProjectFile.h"
#include "reports/TextReportPrinter.h"
#include "support/SampleModels.h"
#include "ui/ScriptedFileDialogs.h"
#include "ui/ScriptedMessages.h"

namespace stavelorn {
namespace {

using M = MenuItem;

// The windows as the commands see them: a title dialog played by a function, a count of
// redraws, and a text printer whose pages the test can read.
class FakeWindows : public SessionWindows {
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

class ProjectSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("stavelorn-session-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    session_.Start();
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
    session_.OpenProject();
  }

  std::filesystem::path folder_;
  ModelStore model_;
  ScriptedMessages messages_;
  ScriptedFileDialogs dialogs_;
  FakeWindows windows_;
  ProjectSession session_{model_, messages_, dialogs_, windows_};
};

TEST_F(ProjectSessionTest, NewProjectWithATypeOffersTheDataMenus) {
  windows_.titleDialog = [this] {
    model_.ProjectTitle = "Truss 1";
    model_.SetStructType("PTruss");
    return true;
  };
  session_.NewProject();
  EXPECT_TRUE(session_.Menus().Visible(M::MnuJoint));
  EXPECT_FALSE(session_.Menus().Visible(M::MnuProjNew));
  EXPECT_FALSE(session_.Menus().Visible(M::MnuLoadMem));
  EXPECT_EQ(session_.Labels().Text[1], "Truss 1");
  EXPECT_TRUE(session_.HasUnsavedChanges());
}

TEST_F(ProjectSessionTest, ANewProjectCancelledLeavesNoProject) {
  session_.NewProject();
  EXPECT_EQ(session_.Menus(), MenuState());
  EXPECT_FALSE(session_.HasUnsavedChanges());
}

TEST_F(ProjectSessionTest, OpeningAnExampleShowsItsCountsAndMenus) {
  OpenCopyOf("portal-frame.str");
  EXPECT_EQ(dialogs_.Log().at(0).Request.Title, "Project File Name");
  EXPECT_EQ(session_.Labels().Text[2], " Plane Frame");
  EXPECT_EQ(session_.Labels().Text[3], " Joints: 4");
  EXPECT_EQ(session_.Labels().Text[4], " Supports : 2");
  EXPECT_EQ(session_.Labels().Text[5], " Materials: 1");
  EXPECT_EQ(session_.Labels().Text[6], " Cross-Sections: 2");
  EXPECT_EQ(session_.Labels().Text[7], " Members: 3");
  for (M item : {M::MnuProjSave, M::MnuMemb, M::MnuLoad, M::MnuAna, M::MnuLoadMem})
    EXPECT_TRUE(session_.Menus().Visible(item)) << MenuItemOf(item).Name;
  EXPECT_FALSE(session_.HasUnsavedChanges());
  EXPECT_EQ(windows_.redraws, 1);
  EXPECT_TRUE(messages_.Log().empty());
}

TEST_F(ProjectSessionTest, ADamagedFileIsReportedAndItsPartCannotOverwriteIt) {
  std::ofstream(InFolder("bad.str"), std::ios::binary)
      << "\"t\"\r\n\"Beam\"\r\n\"Joints\",2\r\n0,5\r\n\"Supports\",1\r\n1,x,0\r\n";
  dialogs_.Answer(InFolder("bad.str"));
  session_.OpenProject();
  ASSERT_EQ(messages_.Log().size(), 1u);
  EXPECT_EQ(messages_.Log()[0].Title, "File_Reading Error");
  EXPECT_EQ(messages_.Log()[0].Text.rfind("Unexpected error # 13 occurred: \n\nType mismatch", 0),
            0u);
  EXPECT_EQ(model_.JointCount, 2) << "the joints read before the fault stay";
  EXPECT_EQ(model_.ProjectFile, "");
  EXPECT_FALSE(session_.Menus().Visible(M::MnuProjSave));
  EXPECT_TRUE(session_.Menus().Visible(M::MnuProjSaveAs));
  EXPECT_TRUE(session_.HasUnsavedChanges());
}

TEST_F(ProjectSessionTest, AFileWithoutAUsableTypeLeavesNoProject) {
  std::ofstream(InFolder("junk.str"), std::ios::binary) << "\x7f\x45\x4c\x46 binary";
  dialogs_.Answer(InFolder("junk.str"));
  session_.OpenProject();
  EXPECT_EQ(messages_.Log().at(0).Title, "File_Reading Error");
  EXPECT_EQ(session_.Menus(), MenuState());
  EXPECT_EQ(model_.StructType, "");
}

TEST_F(ProjectSessionTest, SaveAsGivesTheFileItsExtensionAndOffersSave) {
  OpenCopyOf("continuous-beam.str");
  dialogs_.Answer(InFolder("copy.st"));
  EXPECT_TRUE(session_.SaveProjectAs());
  EXPECT_EQ(model_.ProjectFile, InFolder("copy.STR"));
  EXPECT_TRUE(std::filesystem::exists(InFolder("copy.STR")));
  EXPECT_TRUE(session_.Menus().Visible(M::MnuProjSave));
}

TEST_F(ProjectSessionTest, ACancelledOrFailedSaveAsKeepsTheProjectFile) {
  OpenCopyOf("continuous-beam.str");
  const std::string original = model_.ProjectFile;
  dialogs_.Answer("");
  EXPECT_FALSE(session_.SaveProjectAs());
  EXPECT_TRUE(messages_.Log().empty()) << "a cancel is no error";
  dialogs_.Answer(InFolder("missing/copy.str"));
  EXPECT_FALSE(session_.SaveProjectAs());
  EXPECT_EQ(messages_.Log().at(0).Title, "File_Save Error");
  EXPECT_EQ(model_.ProjectFile, original);
}

TEST_F(ProjectSessionTest, ACompletedAnalysisAsksToPrintAndSwapsTheMenus) {
  OpenCopyOf("portal-frame.str");
  messages_.Answer(kAnswerNo);   // Save Input Data in File ?
  messages_.Answer(kAnswerYes);  // Print Results of the Analysis ?
  session_.Analyze();
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
  EXPECT_TRUE(session_.Menus().Visible(M::MnuJtDispl));
  EXPECT_TRUE(session_.Menus().Visible(M::Combo1));
  EXPECT_FALSE(session_.Menus().Visible(M::MnuAna));
  EXPECT_EQ(windows_.redraws, 2);
}

TEST_F(ProjectSessionTest, SavingBeforeAnalysisAsksForANameWhenThereIsNone) {
  ASSERT_TRUE(session_.OpenProjectFile(Example("portal-frame.str")));
  model_.ProjectFile.clear();  // as if the data had been typed in, never saved
  dialogs_.Answer(InFolder("frame"));
  dialogs_.Answer(InFolder("frame.str"));
  messages_.Answer(kAnswerYes);    // Save Input Data in File ?
  messages_.Answer(kAnswerRetry);  // a name without extension is refused; ask again
  messages_.Answer(kAnswerNo);     // Print Results of the Analysis ?
  session_.Analyze();
  EXPECT_EQ(messages_.Log().at(1).Title, "FileName Error");
  EXPECT_EQ(model_.ProjectFile, InFolder("frame.STR"));
  EXPECT_TRUE(std::filesystem::exists(model_.ProjectFile));
  EXPECT_EQ(model_.AnalysisStatus, kAnalysisComplete);
}

TEST_F(ProjectSessionTest, FailedAnalysesShowTheirMessageAndChangeNoMenu) {
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
    session_.Start();
    std::ofstream(InFolder("t.str"), std::ios::binary) << c.text;
    ASSERT_TRUE(session_.OpenProjectFile(InFolder("t.str")));
    const MenuState before = session_.Menus();
    messages_.Answer(kAnswerNo);
    session_.Analyze();
    EXPECT_EQ(messages_.Log().back().Title, "Analysis Results");
    EXPECT_EQ(messages_.Log().back().Text, c.message);
    EXPECT_EQ(messages_.Log().back().Style, kStyleCritical);
    EXPECT_EQ(session_.Menus(), before);
  }
}

TEST_F(ProjectSessionTest, AModelThatFailsItsChecksIsNotAnalysed) {
  OpenCopyOf("portal-frame.str");
  model_.MemberProps(2, 2) = 9;
  messages_.Answer(kAnswerNo);
  const MenuState before = session_.Menus();
  session_.Analyze();
  EXPECT_EQ(messages_.Log().back().Title, "Input Data Error");
  EXPECT_NE(messages_.Log().back().Text.find("Member 2"), std::string::npos);
  EXPECT_EQ(model_.AnalysisStatus, kNoResults);
  EXPECT_EQ(session_.Menus(), before);
}

TEST_F(ProjectSessionTest, DoublePrecisionResultsAreAnnouncedAfterTheOutcome) {
  std::string text;
  ASSERT_FALSE(ProjectFileText(PlaneFrameGrid(4, 100), text));
  std::ofstream(InFolder("tower.str"), std::ios::binary) << text;
  ASSERT_TRUE(session_.OpenProjectFile(InFolder("tower.str")));
  messages_.Answer(kAnswerNo);   // Save Input Data in File ?
  messages_.Answer(kAnswerYes);  // Print Results of the Analysis ?
  session_.Analyze();
  ASSERT_EQ(messages_.Log().size(), 3u);
  EXPECT_EQ(messages_.Log()[1].Title, "Analysis Results");
  EXPECT_EQ(messages_.Log()[2].Title, "Analysis Accuracy");
  EXPECT_EQ(messages_.Log()[2].Style, kStyleInformation);
  EXPECT_NE(windows_.printed.str().find("End of Analysis"), std::string::npos)
      << "printed after the note";
}

TEST_F(ProjectSessionTest, EditDataOffersToPrintThenReopensTheData) {
  OpenCopyOf("roof-truss.str");
  messages_.Answer(kAnswerNo);
  messages_.Answer(kAnswerNo);
  session_.Analyze();
  messages_.Answer(kAnswerNo);
  session_.EditData();
  EXPECT_EQ(messages_.Log().back().Title, "Print Results ?");
  EXPECT_EQ(messages_.Log().back().Text, "Print Results of the Analysis ?");
  EXPECT_EQ(model_.AnalysisStatus, kNoResults);
  EXPECT_TRUE(session_.Menus().Visible(M::MnuAna));
  EXPECT_FALSE(session_.Menus().Visible(M::MnuJtDispl));
  EXPECT_TRUE(windows_.printed.str().empty());
}

TEST_F(ProjectSessionTest, ClosingUnsavedWorkAsksFirst) {
  OpenCopyOf("grid-floor.str");
  session_.DataWindowClosed(M::MnuJoint, true);
  ASSERT_TRUE(session_.HasUnsavedChanges());

  messages_.Answer(kAnswerCancel);
  EXPECT_FALSE(session_.CloseProject());
  EXPECT_EQ(messages_.Log().back().Text, "Save changes to the project?");
  EXPECT_EQ(messages_.Log().back().Style, kStyleYesNoCancelQuestion);
  EXPECT_EQ(model_.JointCount, 6) << "Cancel keeps everything";

  const auto before = std::filesystem::last_write_time(model_.ProjectFile);
  model_.JointCoords(2, 1) = 6.5f;
  messages_.Answer(kAnswerYes);
  EXPECT_TRUE(session_.CloseProject());
  EXPECT_EQ(model_.JointCount, 0);
  EXPECT_EQ(session_.Menus(), MenuState());
  ModelStore saved;
  saved.Reset();
  saved.ProjectFile = InFolder("grid-floor.str");
  ASSERT_FALSE(ReadProjectFile(saved));
  EXPECT_EQ(saved.JointCoords(2, 1), 6.5f);
  EXPECT_GE(std::filesystem::last_write_time(saved.ProjectFile), before);
}

TEST_F(ProjectSessionTest, NothingUnsavedClosesAtOnceAndNoDiscardsWithoutSaving) {
  OpenCopyOf("space-frame.str");
  EXPECT_TRUE(session_.ConfirmExit());
  EXPECT_TRUE(messages_.Log().empty());
  messages_.Answer(kAnswerNo);  // Print Results of the Analysis ?
  session_.EditData();          // counts as a change
  const std::string saved = model_.ProjectFile;
  const auto written = std::filesystem::last_write_time(saved);
  messages_.Answer(kAnswerNo);  // Save changes to the project?
  EXPECT_TRUE(session_.ConfirmExit());
  EXPECT_EQ(std::filesystem::last_write_time(saved), written);
}

TEST_F(ProjectSessionTest, ASaveThatFailsOnCloseKeepsTheProjectOpen) {
  windows_.titleDialog = [this] {
    model_.SetStructType("Beam");
    return true;
  };
  session_.NewProject();
  messages_.Answer(kAnswerYes);
  dialogs_.Answer(InFolder("missing/beam.str"));
  EXPECT_FALSE(session_.CloseProject());
  EXPECT_EQ(model_.StructType, "Beam");
  EXPECT_EQ(messages_.Log().back().Title, "File_Save Error");
}

TEST_F(ProjectSessionTest, TheMultiplierReadsTheLeadingNumberRoundedHalfToEven) {
  const struct {
    const char* text;
    int value;
  } accepted[] = {{"12", 12}, {" 2.5", 2}, {"3.5", 4}, {"abc", 0}, {"-7kN", -7}, {"2184", 2184}};
  for (const auto& c : accepted) {
    EXPECT_EQ(session_.SetMultiplierText(c.text), "") << c.text;
    EXPECT_EQ(model_.DeflectionMultiplier, c.value) << c.text;
    EXPECT_EQ(session_.MultiplierText(), c.text);
  }
  // 2185 would need 32775 curve points, more than their 16-bit count holds.
  for (const char* refused : {"2185", "40000", "-32769", "1e30"}) {
    EXPECT_NE(session_.SetMultiplierText(refused), "") << refused;
    EXPECT_EQ(model_.DeflectionMultiplier, 2184) << refused;
    EXPECT_EQ(session_.MultiplierText(), "2184") << "the text goes back to the accepted value";
  }
}

TEST_F(ProjectSessionTest, RetitlingANeverSavedProjectLeavesTheLabel) {
  windows_.titleDialog = [this] {
    model_.ProjectTitle = "First";
    model_.SetStructType("Grid");
    return true;
  };
  session_.NewProject();
  windows_.titleDialog = [this] {
    model_.ProjectTitle = "Second";
    return true;
  };
  session_.ChangeProjectTitle();
  EXPECT_EQ(session_.Labels().Text[1], "First");
  model_.ProjectFile = InFolder("grid.STR");
  session_.ChangeProjectTitle();
  EXPECT_EQ(session_.Labels().Text[1], "Second");
  EXPECT_EQ(session_.Labels().Text[2], " Grid");
}

}  // namespace
}  // namespace stavelorn
