// Stands in for an editor's windows: each time the editor opens its entry dialog, the next
// scripted hand plays it (types, clicks, presses Next, OK or Cancel) and must leave it closed.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "editors/ListEditor.h"

namespace stavelorn::testing {

class ScriptedEditorWindows : public EditorWindows {
 public:
  using Hand = std::function<void(ListEditor&)>;

  explicit ScriptedEditorWindows(ListEditor& editor) : editor_(editor) { editor.SetWindows(*this); }

  // Queues what the user does in the next dialog.
  void Then(Hand hand) { hands_.push_back(std::move(hand)); }

  void ShowEntryDialog() override {
    ++dialogs;
    ASSERT_FALSE(hands_.empty()) << "an entry dialog opened that no test step expected";
    Hand hand = std::move(hands_.front());
    hands_.pop_front();
    hand(editor_);
    EXPECT_FALSE(editor_.Dialog().Open) << "the scripted dialog was left open";
  }
  void RefreshPreview() override { ++previews; }

  std::size_t Pending() const { return hands_.size(); }

  int dialogs = 0;
  int previews = 0;

 private:
  ListEditor& editor_;
  std::deque<Hand> hands_;
};

// Types each text into Text2, Text3, ... of the dialog, pressing Next between the items and OK
// after the last one.
inline ScriptedEditorWindows::Hand EnterItems(std::vector<std::vector<std::string>> items) {
  return [items](ListEditor& editor) {
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (i > 0) editor.Next();
      for (std::size_t f = 0; f < items[i].size(); ++f)
        editor.TypeField(static_cast<int>(f) + 2, items[i][f]);
    }
    editor.Ok();
  };
}

// The texts of one grid row, column 0 included.
inline std::vector<std::string> Row(const GridModel& grid, int row) {
  std::vector<std::string> texts;
  for (int col = 0; col < grid.Cols(); ++col) texts.push_back(grid.Text(row, col));
  return texts;
}

}  // namespace stavelorn::testing
