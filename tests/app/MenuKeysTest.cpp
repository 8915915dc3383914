// A menu item's key in every phase: it does what its name says, closing the open project first
// for New and Open, or says on the status line why it cannot.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "app/ProjectCommandsFixture.h"

namespace stavelorn {
namespace {

using M = MenuItem;

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
