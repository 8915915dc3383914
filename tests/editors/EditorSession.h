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
#include "support/Golden.h"
#include "support/SampleModels.h"
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
    const Hand hand = std::move(hands_.front());
    hands_.pop_front();
    hand(editor_);
    EXPECT_FALSE(editor_.Dialog().Open) << "the scripted dialog was left open";
  }
  void RefreshPreview() override { ++previews; }

  int dialogs = 0, previews = 0;

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
// hidden, "=text" expects that text there, "^text" types into a read-only field all the same. "#n"
// clicks check box n on and "-#n" off, "%n=k" ticks the spring beside box n and types its
// stiffness k and "-%n" clears it, "@name" picks that choice; these take no field.
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
    } else if (t.rfind("%", 0) == 0 || t.rfind("-%", 0) == 0) {
      const bool clear = t[0] == '-';
      const std::size_t equals = t.find('=');
      const int box = std::stoi(t.substr(clear ? 2 : 1));
      std::string stiffness = equals == std::string::npos ? "" : t.substr(equals + 1);
      if (stiffness == "''") stiffness.clear();
      const EntrySpring& spring = ed.Dialog().Spring[static_cast<std::size_t>(box)];
      if (check) {
        EXPECT_EQ(spring.Checked, !clear) << t;
        EXPECT_EQ(spring.Stiffness.Text, stiffness) << t;
      } else {
        ed.ClickSpring(box, !clear);
        if (!clear) ed.TypeStiffness(box, stiffness);
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
      const bool readOnly = t.rfind("^", 0) == 0;  // typed into a read-only field
      if (readOnly) t.erase(0, 1);
      while (!readOnly && ed.Dialog().Text[f].ReadOnly) ++f;
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

std::string Shown(const EntryForm& dialog, bool whole);

// A whole dialog: items separated by " / " with Next between them, then OK unless an item ended
// the dialog with "!cancel" (its Cancel) or "!close" (the window's close button). With `log`,
// the dialog's texts are written there as each item begins and as OK is pressed.
inline ScriptedEditorWindows::Hand Script(const std::string& script, std::string* log = nullptr) {
  return [script, log](ListEditor& ed) {
    const auto note = [&] {
      if (log)
        *log += "  dialog" + std::string(ed.CanUndo() ? " undo" : "") + Shown(ed.Dialog(), false);
    };
    const Texts items = Split(script, " / ");
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (i > 0) ed.Next();
      note();
      Play(ed, items[i]);
    }
    if (ed.Dialog().Open) note(), ed.Ok();
  };
}

inline std::string Join(const Texts& texts, const std::string& separator) {
  std::string joined;
  for (std::size_t i = 0; i < texts.size(); ++i) joined += (i ? separator : "") + texts[i];
  return joined;
}

// The texts of one grid row, column 0 included.
inline Texts Row(const GridModel& grid, int row) {
  Texts texts;
  for (int col = 0; col < grid.Cols(); ++col) texts.push_back(grid.Text(row, col));
  return texts;
}

// What a list window shows: with `captions` its captions, then its buttons (Add Insert Edit
// Delete, 1 when visible), the editor's counts, the grid's layout in twips, the selection and the
// undo and redo steps on one line, and every grid row, headings included, cells joined by '|'.
inline std::string Shown(const ListEditor& ed, bool captions) {
  const ListWindowForm& w = ed.Window();
  const GridModel& g = ed.Grid();
  std::ostringstream out;
  if (captions)
    out << EditorFormName(w.Id) << " \"" << w.Caption << "\" \"" << w.Label1 << "\" \"" << w.Label2
        << "\" \"" << w.AddCaption << "\" \"" << w.CloseCaption << "\" preview " << w.Preview
        << "\n";
  out << "mode " << static_cast<int>(ed.Mode()) << " buttons " << w.AddVisible << w.InsertVisible
      << w.EditVisible << w.DeleteVisible << " items " << ed.ItemCount() << " current "
      << ed.CurrentItem() << " widths";
  for (int col = 0; col < g.Cols(); ++col) out << " " << g.ColWidth(col);
  out << " heights " << g.RowHeight(0) << " " << g.RowHeight(1) << " size " << g.Width() << "x"
      << g.Height() << (g.VerticalScrollBar() ? " scrolled" : "") << " top " << g.TopRow()
      << " selection " << g.Row() << "," << g.Col() << "-" << g.RowSel() << "," << g.ColSel()
      << " undo " << ed.CanUndo() << ed.CanRedo() << " \"" << ed.UndoName() << "\" redo \""
      << ed.RedoName() << "\"\n";
  for (int row = 0; row < g.Rows(); ++row) out << " " << Join(Row(g, row), "|") << "\n";
  return out.str();
}

// What an entry dialog shows: with `whole` its captions and each visible field's label and rule,
// else one line of the visible fields' texts and check boxes.
inline std::string Shown(const EntryForm& d, bool whole) {
  static const char* const rules[] = {"any", "text", "number", "positive", "whole"};
  std::ostringstream out;
  const std::string focus =
      d.FocusSpring > 0 ? "spring " + std::to_string(d.FocusSpring) : std::to_string(d.FocusField);
  if (whole)
    out << EditorFormName(d.Id) << " \"" << d.Caption << "\" next \"" << d.NextCaption
        << "\" focus " << focus << "\n";
  for (std::size_t f = 1; f < d.Text.size(); ++f) {
    const EntryField& t = d.Text[f];
    if (!t.Visible) continue;
    out << (whole ? " T" : " ") << f << (whole ? " \"" + t.Label + "\" " : "=")
        << (t.ReadOnly ? "read-only " : "");
    if (whole)
      out << rules[static_cast<int>(t.Rule.Is)] << (t.Rule.Required ? "! " : " ") << t.Rule.Low
          << ".." << t.Rule.High << " ";
    out << "\"" << t.Text << "\"" << (whole ? "\n" : "");
  }
  if (whole) out << " \"" << d.CheckGroup << "\"";
  for (std::size_t c = 1; c < d.Check.size(); ++c) {
    if (!d.Check[c].Visible) continue;
    out << " [" << (d.Check[c].Checked ? "x" : " ") << "]" << (whole ? d.Check[c].Caption : "");
    const EntrySpring& spring = d.Spring[c];
    if (!spring.Visible) continue;
    out << " spring[" << (spring.Checked ? "x" : " ") << "]";
    if (spring.Stiffness.Visible)
      out << (whole ? "\"" + spring.Stiffness.Label + "\"=" : "=") << "\"" << spring.Stiffness.Text
          << "\"";
  }
  if (d.Choice.Visible)
    out << " \"" << d.Choice.Label << "\" " << Join(d.Choice.Options, "/") << " chosen "
        << d.Choice.Selected;
  if (whole) out << "\n note at T" << d.NoteField << ": " << d.Note;
  return out.str() + (whole ? "\n" : " focus " + focus + "\n");
}

// `text` against the golden file tests/editors/golden/<name>.
inline void ExpectGolden(const std::string& text, const std::string& name) {
  ExpectGoldenFile(text, "tests/editors/golden/" + name);
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

// The records of the form's data, one text a record; with `base` only those beyond Base()'s.
inline Texts Records(FormId form, const ModelStore& m, bool base = true) {
  Texts out;
  const auto keyed = [&out](int count, const auto& keys, const auto& values) {
    for (int i = 1; i <= count; ++i) out.push_back(Join(keys, i) + " " + Join(values, i));
  };
  switch (form) {
    case FormId::MatA:
      for (int i = base ? 3 : 1; i <= m.MaterialCount; ++i) out.push_back(Join(m.Materials, i));
      break;
    case FormId::CrossA:
      for (int i = base ? 2 : 1; i <= m.SectionCount; ++i) out.push_back(Join(m.Sections, i));
      break;
    case FormId::JointA:
      for (int i = base ? 12 : 1; i <= m.JointCount; ++i) out.push_back(Join(m.JointCoords, i));
      for (int i = 1; i <= m.SupportCount; ++i)
        if (m.Supports(i, 1) > (base ? 11 : 0)) out.push_back("S " + Join(m.Supports, i));
      for (int i = 1; i <= m.SpringCount; ++i)
        out.push_back("K " + Join(m.SpringCoords, i) + " " + Join(m.SpringStiffness, i));
      for (int i = 1; i <= m.SupportAngleCount; ++i)
        out.push_back("A " + Join(m.SupportAngleJoints, i) + " " + Join(m.SupportAngleValues, i));
      break;
    case FormId::MemberA:
      for (int i = base ? 11 : 1; i <= m.MemberCount; ++i)
        out.push_back(Join(m.MemberProps, i) +
                      (m.RollAngles.Size() >= i ? " " + std::to_string(m.RollAngles(i)) : ""));
      for (int i = 1; i <= m.ReleaseCount; ++i) out.push_back("R " + Join(m.Releases, i));
      break;
    case FormId::JLoadA: keyed(m.JointLoadCount, m.JointLoadJoints, m.JointLoadValues); break;
    case FormId::JSettleA: keyed(m.SettlementCount, m.SettlementJoints, m.SettlementValues); break;
    case FormId::MemTempA: keyed(m.TempChangeCount, m.TempChangeMembers, m.TempChangeValues); break;
    case FormId::MemErrA: keyed(m.FabErrorCount, m.FabErrorMembers, m.FabErrorValues); break;
    default: keyed(m.MemberLoadCount, m.MemberLoadInfo, m.MemberLoadValues);
  }
  return out;
}

}  // namespace stavelorn::testing
