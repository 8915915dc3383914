// The main window's title through a project's life: the banner alone, then the file's name with
// the modified mark before it (when the mark comes and goes is ProjectSessionTest's).
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/MainLabels.h"
#include "app/ProjectCommandsFixture.h"

namespace stavelorn {
namespace {

TEST_F(ProjectCommandsTest, TheWindowTitleNamesTheFileAndMarksItsChanges) {
  const std::string banner = kMainWindowBanner;
  windows_.titleDialog = [this] {
    if (model_.StructType.empty()) model_.SetStructType("PTruss");
    model_.ProjectTitle += "!";
    return true;
  };
  const struct {
    const char* step;
    std::function<void()> act;
    std::string title;
  } steps[] = {
      {"no project", [] {}, banner},
      {"new project", [&] { commands_.NewProject(); }, "Untitled* \u2014 " + banner},
      {"opened", [&] { OpenCopyOf("portal-frame.str"); }, "portal-frame.str \u2014 " + banner},
      {"retitled", [&] { commands_.ChangeProjectTitle(); }, "portal-frame.str* \u2014 " + banner},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.step);
    step.act();
    EXPECT_EQ(MainWindowTitle(commands_.Session(), model_.ProjectFile), step.title);
  }
}

}  // namespace
}  // namespace stavelorn
