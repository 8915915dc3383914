// One list window of the data menus driven without widgets: the editor the program makes for a
// form, scripted message answers, and scripted windows in which each entry dialog the editor
// opens is played by the next queued hand (types, clicks, presses Next, OK or Cancel), which must
// leave it closed. Also the small models and readers the editors' tests share.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <sstream>
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

// Splits `text` at each `separator`.
inline Texts Split(const std::string& text, const std::string& separator) {
  Texts parts;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find(separator, from)) != std::string::npos;
       from = at + separator.size())
    parts.push_back(text.substr(from, at - from));
  if (!text.empty()) parts.push_back(text.substr(from));
  return parts;
}

// Plays (or, with `check`, looks for) one item of a dialog. Each token fills the next editable
// field from Text1 on: '' is an empty text, '_' a blank inside a token, "~" expects the field
// hidden, "=text" expects that text there. "#n" clicks check box n on and "-#n" off, "@name" picks
// that choice; these take no field.
inline void Play(ListEditor& ed, const std::string& item, bool check = false) {
  std::size_t f = 1;
  for (std::string t : Split(item, " ")) {
    std::replace(t.begin(), t.end(), '_', ' ');
    const bool expect = t.rfind("=", 0) == 0;
    if (expect) t.erase(0, 1);
    if (t == "''") t.clear();
    if (t == "!cancel" || t == "!close") {
      t == "!cancel" ? ed.CancelEntry() : ed.DialogClosed();
      return;
    }
    const bool off = t.rfind("-#", 0) == 0;
    if (off || t.rfind("#", 0) == 0) {
      const int box = std::stoi(t.substr(off ? 2 : 1));
      if (check) {
        EXPECT_NE(ed.Dialog().Check[static_cast<std::size_t>(box)].Checked, off) << t;
      } else {
        ed.ClickCheck(box, !off);
      }
    } else if (t.rfind("@", 0) == 0) {
      const std::vector<std::string>& options = ed.Dialog().Choice.Options;
      const auto found = std::find(options.begin(), options.end(), t.substr(1));
      ASSERT_NE(found, options.end()) << t;
      if (check) {
        EXPECT_EQ(found - options.begin(), ed.Dialog().Choice.Selected) << t;
      } else {
        ed.Choose(static_cast<int>(found - options.begin()));
      }
      EXPECT_FALSE(ed.Dialog().Note.empty());  // the sign note of the kind
    } else {
      while (ed.Dialog().Text[f].ReadOnly) ++f;
      const bool look = check || expect;
      EXPECT_EQ(ed.Dialog().Text[f].Visible, t != "~") << "Text" << f;
      if (t != "~" && look) {
        EXPECT_EQ(ed.Dialog().Text[f].Text, t) << "Text" << f;
      } else if (t != "~") {
        ed.TypeField(static_cast<int>(f), t);
      }
      ++f;
    }
  }
}

// A whole dialog: items separated by " / " with Next between them, then OK unless an item ended
// the dialog with "!cancel" (its Cancel) or "!close" (the window's close button).
inline ScriptedEditorWindows::Hand Script(const std::string& script) {
  return [script](ListEditor& ed) {
    const Texts items = Split(script, " / ");
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (i > 0) ed.Next();
      Play(ed, items[i]);
    }
    if (ed.Dialog().Open) ed.Ok();
  };
}

// Adds the items of `script` to the form's list and closes it, as a user builds up a model.
inline void Enter(ModelStore& model, FormId form, const std::string& script) {
  Session e(form, model);
  e.windows.Then(Script(script));
  e.editor.Add();
  e.editor.Close();
}

// The texts of one grid row, column 0 included.
inline Texts Row(const GridModel& grid, int row) {
  Texts texts;
  for (int col = 0; col < grid.Cols(); ++col) texts.push_back(grid.Text(row, col));
  return texts;
}

// A project of `type` with `joints` joints 10 apart on the X axis, each next pair joined by a
// member of material 1 and section 1, and `materials` materials numbered E = 100, 200, ...
inline ModelStore Structure(const std::string& type, int joints, int materials = 0) {
  ModelStore model;
  model.Reset();
  model.SetStructType(type);
  model.ProjectTitle = "Bay";
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

// Structure(type, 11, 2) with one cross-section, joint 1 fixed and joint 3 restrained in its second
// coordinate only.
inline ModelStore Base(const std::string& type) {
  ModelStore model = Structure(type, 11, 2);
  model.SectionCount = 1;
  model.Sections.Redim(1, model.SectionColumns);
  model.SupportCount = 2;
  model.Supports.Redim(2, model.CoordsPerJoint + 1);
  model.Supports(1, 1) = 1;
  model.Supports(2, 1) = 3;
  model.Supports(2, 3) = 1;
  for (int k = 2; k <= model.CoordsPerJoint + 1; ++k) model.Supports(1, k) = 1;
  return model;
}

template <typename T>
inline std::string Join(const T& table, int row) {
  std::ostringstream text;
  for (int col = 1; col <= table.Cols(); ++col) text << (col > 1 ? " " : "") << table(row, col);
  return text.str();
}

// A value of a list, as Join writes a record of a table.
template <typename T>
inline std::string Join(const Array<T>& list, int i) {
  std::ostringstream text;
  text << list(i);
  return text.str();
}

}  // namespace stavelorn::testing
