// The project commands' flows: new, open, save, analyse, edit, print and close, with the
// unsaved-changes flag and the menus each step leaves.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>

#include "analysis/GeneratedStructures.h"
#include "app/InfluenceChoice.h"
#include "app/ProjectCommands.h"
#include "model/ProjectFile.h"
#include "reports/TextReportPrinter.h"
#include "support/SampleModels.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"

namespace stavelorn {
namespace {

using M = MenuItem;

// The windows as the commands see them: a title dialog played by a function, a count of redraws
// and a text printer whose pages the test can read.
class FakeWindows : public CommandWindows {
 public:
  std::function<bool()> titleDialog = [] { return false; };
  std::function<void(PrintOptions&)> chooseOptions = [](PrintOptions&) {};
  int redraws = 0;
  std::ostringstream printed;

  bool ShowTitleDialog() override { return titleDialog(); }
  void Redraw() override { ++redraws; }
  std::unique_ptr<ReportPrinter> OpenPrinter() override {
    return std::make_unique<TextReportPrinter>(printed);
  }
  bool ChoosePrintOptions(PrintOptions& options) override {
    chooseOptions(options);
    return true;
  }
  void ShowPrintPreview(const PrintOptions&, const std::vector<const PagePicture*>&,
                        const PrintedInfluence*) override {}
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

  // Opens a copy of an example, so saving never touches the repository.
  void OpenCopyOf(const char* example) {
    std::filesystem::copy_file(testing::SourcePath(std::string("examples/") + example),
                               folder_ / example);
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

TEST_F(ProjectCommandsTest, NewProjectOffersTheDataMenus) {
  windows_.titleDialog = [this] {
    model_.ProjectTitle = "Truss 1";
    model_.SetStructType("PTruss");
    return true;
  };
  commands_.NewProject();
  EXPECT_TRUE(Shown(M::MnuJoint));
  EXPECT_EQ(commands_.Labels().Text[1], "Truss 1");
  EXPECT_TRUE(commands_.HasUnsavedChanges());
}

TEST_F(ProjectCommandsTest, OpeningAnExampleShowsItsCountsAndMenus) {
  OpenCopyOf("portal-frame.str");
  EXPECT_EQ(
      std::vector<std::string>(commands_.Labels().Text.begin() + 2, commands_.Labels().Text.end()),
      (std::vector<std::string>{" Plane Frame", " Joints: 4", " Supports : 2", " Materials: 1",
                                " Cross-Sections: 2", " Members: 3"}));
  EXPECT_TRUE(Shown(M::MnuAna));
  EXPECT_FALSE(commands_.HasUnsavedChanges());
}

TEST_F(ProjectCommandsTest, DamagedFilesAreReportedAndNeverOverwritten) {
  // The joints read before the fault stay, as unsaved work without a file.
  std::ofstream(InFolder("bad.str"), std::ios::binary)
      << "\"t\"\r\n\"Beam\"\r\n\"Joints\",2\r\n0,5\r\n\"Supports\",1\r\n1,x,0\r\n";
  dialogs_.Answer(InFolder("bad.str"));
  commands_.OpenProject();
  ASSERT_EQ(messages_.Log().size(), 1u);
  EXPECT_EQ(messages_.Log()[0].Title, "File_Reading Error");
  EXPECT_EQ(model_.JointCount, 2);
  EXPECT_EQ(model_.ProjectFile, "");
  EXPECT_TRUE(commands_.HasUnsavedChanges());
}

TEST_F(ProjectCommandsTest, SaveAsWritesTheNamedFileAndACancelOrFailureKeepsTheOld) {
  OpenCopyOf("continuous-beam.str");
  EXPECT_EQ(commands_.Labels().Text[6], " Cross-Sections: 1");
  const std::string original = model_.ProjectFile;
  dialogs_.Answer(InFolder("missing/copy.str"));
  EXPECT_FALSE(commands_.SaveProjectAs());
  EXPECT_EQ(messages_.Log().at(0).Title, "File_Save Error");
  EXPECT_EQ(model_.ProjectFile, original);
  dialogs_.Answer(InFolder("mine.str"));
  EXPECT_TRUE(commands_.SaveProjectAs());
  EXPECT_EQ(model_.ProjectFile, InFolder("mine.str"));
  EXPECT_TRUE(std::filesystem::exists(model_.ProjectFile));
}

TEST_F(ProjectCommandsTest, ACompletedAnalysisAsksToPrintAndSwapsTheMenusAndEditingRelabels) {
  windows_.titleDialog = [this] {
    model_.ProjectTitle = "Second";
    return true;
  };
  OpenCopyOf("portal-frame.str");
  messages_.Answer(kAnswerNo);   // Save Input Data in File ?
  messages_.Answer(kAnswerYes);  // Print Results of the Analysis ?
  commands_.Analyze();
  ASSERT_EQ(messages_.Log().size(), 2u);
  EXPECT_EQ(messages_.Log()[1].Title, "Analysis Results");
  EXPECT_NE(windows_.printed.str().find("End of Input Data"), std::string::npos);
  commands_.ChangeProjectTitle();  // keeps the results and adds no data menu
  EXPECT_EQ(commands_.Labels().Text[1], "Second");
  EXPECT_FALSE(Shown(M::MnuAna));
  messages_.Answer(kAnswerNo);  // Print Results ?
  commands_.EditData();
  EXPECT_EQ(model_.AnalysisStatus, kNoResults);
  EXPECT_TRUE(Shown(M::MnuAna));
  EXPECT_FALSE(Shown(M::MnuJtDispl));
  const int redraws = windows_.redraws;
  model_.MemberCount = 0;  // every member deleted
  commands_.DataWindowClosed(M::MnuMemb, true);
  EXPECT_EQ(windows_.redraws, redraws + 1);
  EXPECT_EQ(commands_.Labels().Text[7], "");
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
    bool refused;
  } cases[] = {
      {"\"Supports\",2\r\n1,1,1\r\n3,1,1\r\n", "Analysis Results", "Singular", false},
      {"\"Supports\",1\r\n1,1,1\r\n", "Analysis Results", "Joint 2 can move in Y", false},
      {"\"Supports\",1\r\n1,1,1\r\n", "Input Data Error", "Member 2", true},
  };
  for (const auto& c : cases) {
    commands_.Start();
    std::ofstream(InFolder("t.str"), std::ios::binary) << head << c.supports << tail;
    ASSERT_TRUE(commands_.OpenProjectFile(InFolder("t.str")));
    if (c.refused) model_.MemberProps(2, 2) = 9;
    const MenuState before = commands_.Menus();
    messages_.Answer(kAnswerNo);
    commands_.Analyze();
    const auto& shown = messages_.Log().back();
    EXPECT_EQ(shown.Title, c.title);
    EXPECT_NE(shown.Text.find(c.words), std::string::npos) << shown.Text;
    if (c.refused) {
      EXPECT_EQ(model_.AnalysisStatus, kNoResults);
    }
    EXPECT_EQ(commands_.Menus(), before);
  }
}

// The influence line is offered while the line the window showed last is kept from the results
// the model holds, and prints every row of the window's table: by Muller-Breslau's principle an
// end support's reaction reads 1 with the load on that support and 0 on every other support.
TEST_F(ProjectCommandsTest, PrintOptionsOfferTheKeptInfluenceLineWithItsTable) {
  OpenCopyOf("continuous-beam.str");
  messages_.Answer(kAnswerNo);  // Save Input Data in File ?
  messages_.Answer(kAnswerNo);  // Print Results of the Analysis ?
  commands_.Analyze();
  bool offered = false;
  windows_.chooseOptions = [&offered](PrintOptions& options) {
    offered = options.Available(ReportSection::InfluenceLine);
    for (const ReportSectionInfo& info : ReportSections())
      options.Choose(info.Section, info.Section == ReportSection::InfluenceLine);
  };
  commands_.Print();
  EXPECT_FALSE(offered);
  EXPECT_EQ(windows_.printed.str(), "");

  const InfluenceLine line =
      ComputeInfluenceLine(model_, FirstInfluenceChoice(model_).Quantity, {}).Line;
  ASSERT_EQ(line.Quantity.Item, 1);
  commands_.KeepInfluenceLine(line);
  commands_.Print();
  EXPECT_TRUE(offered);
  std::vector<std::vector<std::string>> printed;
  std::istringstream text(windows_.printed.str());
  for (std::string row; std::getline(text, row);) {
    std::istringstream words(row);
    printed.emplace_back(std::istream_iterator<std::string>(words),
                         std::istream_iterator<std::string>());
  }
  const ResultTable table = BuildInfluenceTable(model_, line);
  for (int r = 1; r < table.Rows(); ++r) {
    std::string cells;
    for (const std::string& cell : table.Cells[static_cast<std::size_t>(r)]) cells += cell + " ";
    std::istringstream words(cells);
    const std::vector<std::string> row{std::istream_iterator<std::string>(words),
                                       std::istream_iterator<std::string>()};
    EXPECT_NE(std::find(printed.begin(), printed.end(), row), printed.end()) << cells;
  }
  int supports = 0;  // every joint of the beam is a support
  for (const std::vector<std::string>& row : printed)
    if (row.size() == 5 && row[2] == "joint") {
      EXPECT_NEAR(std::stod(row[4]), row[3] == "1" ? 1 : 0, 1e-4) << row[3];
      ++supports;
    }
  EXPECT_GE(supports, 4);

  messages_.Answer(kAnswerNo);  // Print Results ?
  commands_.EditData();
  commands_.Print();
  EXPECT_FALSE(offered);
}

TEST_F(ProjectCommandsTest, ClosingUnsavedWorkAsksFirst) {
  OpenCopyOf("grid-floor.str");
  commands_.DataWindowClosed(M::MnuJoint, true);
  ASSERT_TRUE(commands_.HasUnsavedChanges());
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

TEST_F(ProjectCommandsTest, TheMultiplierTakesOnlyAWholeNumberItCanDraw) {
  // 2185 would need 32775 curve points, more than their 16-bit count holds.
  const struct {
    const char* text;
    int value;  // the multiplier afterwards
    bool accepted;
  } cases[] = {{" 7 ", 7, true}, {"2184", 2184, true}, {"2185", 2184, false}, {"2.5", 2184, false}};
  for (const auto& c : cases) {
    const std::string before = commands_.MultiplierText();
    EXPECT_EQ(commands_.SetMultiplierText(c.text).empty(), c.accepted) << c.text;
    EXPECT_EQ(model_.DeflectionMultiplier, c.value) << c.text;
    EXPECT_EQ(commands_.MultiplierText(), c.accepted ? c.text : before);
  }
}

}  // namespace
}  // namespace stavelorn
