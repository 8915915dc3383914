// The fixture of the project commands' tests: a session of commands over a model in a folder
// of its own, with scripted messages, file dialogs and windows, and a log of what the window
// shows after each command.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/ProjectCommands.h"
#include "support/FakeCommandWindows.h"
#include "support/SampleModels.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"

namespace stavelorn {

// The windows, each print preview logged as what it would show.
struct PreviewedWindows : FakeCommandWindows {
  std::vector<std::string> previews;
  void ShowPrintPreview(const PrintOptions&, const std::vector<const PagePicture*>& pages,
                        const PrintedInfluence* influence) override {
    previews.push_back(std::to_string(pages.size()) + " pages" + (influence ? ", influence" : ""));
  }
};

class ProjectCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("stavelorn-session-" + std::to_string(getpid()) + "-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    commands_.Start();
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string InFolder(const char* name) { return (folder_ / name).string(); }
  bool Shown(MenuItem item) { return commands_.Menus().Visible(item); }

  // Writes `text` into the project file `name` of the folder and opens it.
  void OpenText(const char* name, const std::string& text) {
    std::ofstream(InFolder(name), std::ios::binary) << text;
    ASSERT_TRUE(commands_.OpenProjectFile(InFolder(name)));
  }
  // Opens a fresh copy of an example, so saving never touches the repository.
  void OpenCopyOf(const char* example) {
    std::filesystem::copy_file(testing::SourcePath(std::string("examples/") + example),
                               folder_ / example,
                               std::filesystem::copy_options::overwrite_existing);
    dialogs_.Answer(InFolder(example));
    commands_.OpenProject();
  }
  // Analyses without saving first (data their file holds are not offered for saving) and
  // without printing the results.
  void AnalyzeQuietly() {
    if (!commands_.Session().HasFile() || commands_.HasUnsavedChanges())
      messages_.Answer(kAnswerNo);
    messages_.Answer(kAnswerNo);
    commands_.Analyze();
  }

  // What the window shows after `command`: the labels, the menus that differ from a new
  // session's, the project's file, the multiplier box and its list, undo and redo, unsaved work,
  // the analysis status (with its trail and mechanism), the recent projects, the redraws so far,
  // and the messages since the last command with each one's first line.
  void Shows(const std::string& command) {
    auto name = [](const std::string& path) { return std::filesystem::path(path).filename(); };
    log_ += "> " + command + "\n ";
    for (const std::string& label : commands_.Labels().Text)
      log_ += label.empty() ? "" : " [" + label + "]";
    log_ += " " + commands_.Labels().Units + "\n  menus:";
    for (const MenuItemInfo& info : MenuItems())
      if (Shown(info.Item) != MenuState().Visible(info.Item))
        log_ += std::string(Shown(info.Item) ? " +" : " -") + info.Name;
    log_ += "\n  file " + name(model_.ProjectFile).string() + "; multiplier " +
            commands_.MultiplierText() + " of";
    for (const std::string& choice : commands_.MultiplierChoices()) log_ += " " + choice;
    log_ += "; " + commands_.UndoCaption() + ", " + commands_.RedoCaption() +
            (commands_.HasUnsavedChanges() ? ", unsaved" : "") + "; status " +
            std::to_string(commands_.Results().AnalysisStatus) +
            (commands_.Trail() ? ", trail" : "") +
            (commands_.Results().MechanismMode.empty() ? "" : ", mechanism") + "; recent";
    for (const std::string& path : commands_.Prefs().Recent.Paths())
      log_ += " " + name(path).string();
    log_ += "; drawn " + std::to_string(windows_.redraws) + " times\n";
    for (; logged_ < messages_.Log().size(); ++logged_)
      log_ += "  message " + messages_.Log()[logged_].Title + ": " +
              messages_.Log()[logged_].Text.substr(0, messages_.Log()[logged_].Text.find('\n')) +
              "\n";
  }

  std::string log_;
  std::size_t logged_ = 0;
  std::filesystem::path folder_;
  ModelStore model_;
  ScriptedMessages messages_;
  ScriptedFileDialogs dialogs_;
  PreviewedWindows windows_;
  ProjectCommands commands_{model_, messages_, dialogs_, windows_};
};

// The project as its file would hold it.
using stavelorn::testing::FileText;

}  // namespace stavelorn
