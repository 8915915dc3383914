// One list window of the data menus driven without widgets: the editor the program makes for a
// form, scripted message answers, and scripted windows in which each entry dialog the editor
// opens is played by the next queued hand (types, clicks, presses Next, OK or Cancel), which must
// leave it closed. Also the small models and readers the editors' tests share.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "editors/DataWindows.h"
#include "support/ScriptedMessages.h"

namespace stavelorn::testing {

using Texts = std::vector<std::string>;

class ScriptedEditorWindows : public EditorWindows {
 public:
  using Hand = std::function<void(ListEditor&)>;

  explicit ScriptedEditorWindows(ListEditor& editor) : editor_(editor) { editor.SetWindows(*this); }

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

  int dialogs = 0;
  int previews = 0;

 private:
  ListEditor& editor_;
  std::deque<Hand> hands_;
};

struct Session {
  Session(FormId form, ModelStore& model)
      : window(MakeDataWindow(form, model, messages)), editor(*window.Editor), windows(editor) {
    editor.Open();
  }
  ScriptedMessages messages;
  DataWindow window;
  ListEditor& editor;
  ScriptedEditorWindows windows;
};

// Types each item's texts into Text<first>, Text<first + 1>, ..., pressing Next between the items
// and OK after the last. Numbered lists start at Text2; the keyed ones key each item by Text1.
inline ScriptedEditorWindows::Hand Enter(std::vector<Texts> items, int first = 2) {
  return [items, first](ListEditor& editor) {
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (i > 0) editor.Next();
      for (std::size_t f = 0; f < items[i].size(); ++f)
        editor.TypeField(static_cast<int>(f) + first, items[i][f]);
    }
    editor.Ok();
  };
}

// The texts of one grid row, column 0 included.
inline Texts Row(const GridModel& grid, int row) {
  Texts texts;
  for (int col = 0; col < grid.Cols(); ++col) texts.push_back(grid.Text(row, col));
  return texts;
}

// Column 0 of every item row, top to bottom.
inline Texts Keys(const ListEditor& editor) {
  Texts keys;
  for (int row = 1; row <= editor.ItemCount(); ++row) keys.push_back(editor.Grid().Text(row, 0));
  return keys;
}

inline ModelStore Blank(const std::string& type) {
  ModelStore model;
  model.Reset();
  model.SetStructType(type);
  model.ProjectTitle = "Bay";
  return model;
}

// A project of `type` with `joints` joints 10 apart on the X axis, each next pair joined by a
// member of material 1 and section 1, and `materials` materials numbered E = 100, 200, ...
inline ModelStore Structure(const std::string& type, int joints, int materials = 0) {
  ModelStore model = Blank(type);
  model.JointCount = static_cast<std::int16_t>(joints);
  model.JointCoords.Redim(joints, model.CoordColumns);
  for (int j = 1; j <= joints; ++j) model.JointCoords(j, 1) = static_cast<float>(10 * (j - 1));
  model.MemberCount = static_cast<std::int16_t>(std::max(joints - 1, 0));
  model.MemberProps.Redim(model.MemberCount, 4);
  model.RollAngles.Redim(model.MemberCount);  // all 0; only space frames read them
  for (int m = 1; m < joints; ++m) {
    model.MemberProps(m, 1) = static_cast<std::int16_t>(m);
    model.MemberProps(m, 2) = static_cast<std::int16_t>(m + 1);
    model.MemberProps(m, 3) = model.MemberProps(m, 4) = 1;
  }
  model.MaterialCount = static_cast<std::int16_t>(materials);
  model.Materials.Redim(materials, model.MaterialColumns());
  for (int m = 1; m <= materials; ++m) model.Materials(m, 1) = static_cast<float>(100 * m);
  return model;
}

}  // namespace stavelorn::testing
