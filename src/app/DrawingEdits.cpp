#include "app/DrawingEdits.h"

#include <algorithm>
#include <string>

#include "app/DrawingRules.h"
#include "editors/CellValues.h"
#include "editors/DataWindows.h"
#include "editors/RestraintText.h"
#include "model/ProjectFile.h"

namespace stavelorn {

namespace {

// The messages of a list window the drawing works: its confirmations are answered OK (the
// drawing asked for the command), everything else (a refused field) is shown to the user.
class ConfirmingMessages : public Messages {
 public:
  explicit ConfirmingMessages(Messages& user) : user_(user) {}

 protected:
  int Show(const std::string& title, const std::string& text, MessageStyle style) override {
    if (style == kStyleOkCancelQuestion) return kAnswerOk;
    return user_.ShowStop(title, text);
  }
  TickedAnswer ShowWithDontAsk(const std::string&, const std::string&, MessageStyle) override {
    return {kAnswerOk, false};
  }

 private:
  Messages& user_;
};

class HandWindows : public EditorWindows {
 public:
  explicit HandWindows(const EntryHand& hand) : hand_(hand) {}
  void ShowEntryDialog() override {
    if (editor_ != nullptr && hand_) hand_(*editor_);
    // A form the hand left open (refused values) is called off.
    if (editor_ != nullptr && editor_->Dialog().Open) editor_->CancelEntry();
  }
  void RefreshPreview() override {}
  ListEditor* editor_ = nullptr;

 private:
  const EntryHand& hand_;
};

std::string ProjectText(const ModelStore& model) {
  std::string text;
  ProjectFileText(model, text);
  return text;
}

void SelectItem(ListEditor& editor, int row) {
  editor.Grid().Select(row, 1, row, 1);
}

// The row of a keyed list whose key is `key`, or 0.
int KeyedRow(const ListEditor& editor, int key) {
  for (int row = 1; row <= editor.ItemCount(); ++row)
    if (editor.Grid().Text(row, 0) == std::to_string(key)) return row;
  return 0;
}

// Copies the records of `table` (of `count` rows) that `keep` accepts, in order, and returns
// their number.
template <typename T, typename Keep>
int KeepRecords(Table<T>& table, int count, Keep keep) {
  Table<T> kept(count, table.Cols());
  int rows = 0;
  for (int r = 1; r <= count; ++r) {
    if (!keep(r)) continue;
    ++rows;
    for (int c = 1; c <= table.Cols(); ++c) kept(rows, c) = table(r, c);
  }
  table = kept;
  return rows;
}
template <typename T, typename Keep>
int KeepRecords(Array<T>& list, int count, Keep keep) {
  Array<T> kept(count);
  int rows = 0;
  for (int r = 1; r <= count; ++r)
    if (keep(r)) kept(++rows) = list(r);
  list = kept;
  return rows;
}

// Removes every record of `keys` (and of `values`, when the values are kept apart) naming `item`,
// and numbers the later items one less.
template <typename Keys, typename Values>
void DropItem(Keys& keys, Values* values, std::int16_t& count, int item,
              std::int16_t& (*key)(Keys&, int)) {
  const auto keep = [&](int r) { return key(keys, r) != item; };
  const int before = count;
  if (values != nullptr) KeepRecords(*values, before, keep);
  count = static_cast<std::int16_t>(KeepRecords(keys, before, keep));
  for (int r = 1; r <= count; ++r)
    if (key(keys, r) > item) --key(keys, r);
}

std::int16_t& ArrayKey(Array<std::int16_t>& keys, int r) {
  return keys(r);
}
std::int16_t& TableKey(Table<std::int16_t>& keys, int r) {
  return keys(r, 1);
}

// Every load set of the project: the current case's (in the model) and the others'.
std::vector<LoadSet*> LoadSets(ModelStore& model) {
  std::vector<LoadSet*> sets{&model};
  for (std::size_t c = 0; c < model.LoadCases.size(); ++c)
    if (static_cast<int>(c) + 1 != model.CurrentLoadCase) sets.push_back(&model.LoadCases[c].Loads);
  return sets;
}

}  // namespace

LoadEntry JointLoadEntry(int joint) {
  return {FormId::JLoadA,
          [joint](ListEditor& ed) {
            const int row = KeyedRow(ed, joint);
            if (row == 0) return ed.Add();
            SelectItem(ed, row);
            ed.Edit();
          },
          [joint](ListEditor& ed) {
            if (ed.Mode() == EditMode::Add) ed.TypeField(1, std::to_string(joint));
          }};
}

LoadEntry MemberLoadEntry(int member, MemberLoadKind kind, double distance) {
  return {FormId::MemLoadA, [](ListEditor& ed) { ed.Add(); },
          [member, kind, distance](ListEditor& ed) {
            ed.TypeField(1, std::to_string(member));
            const std::vector<std::string>& options = ed.Dialog().Choice.Options;
            const auto chosen = std::find(options.begin(), options.end(), InfoOf(kind).LongName);
            if (chosen != options.end()) ed.Choose(static_cast<int>(chosen - options.begin()));
            // The distance a of a load at a point, in the third value field.
            if (IsConcentrated(InfoOf(kind))) ed.TypeField(4, CoordinateText(distance));
          }};
}

void PressOk(ListEditor& editor) {
  editor.Ok();
}

DrawingEdits::DrawingEdits(ModelStore& model, Messages& messages)
    : model_(model), messages_(messages) {}

bool DrawingEdits::RunWindow(FormId form, const std::function<void(ListEditor&)>& command,
                             const EntryHand& hand) {
  const std::string before = ProjectText(model_);
  ConfirmingMessages prompts(messages_);
  DataWindow window = MakeDataWindow(form, model_, prompts);
  HandWindows windows(hand);
  windows.editor_ = window.Editor.get();
  window.Editor->SetWindows(windows);
  window.Editor->Open();
  command(*window.Editor);
  window.Editor->Close();
  return ProjectText(model_) != before;
}

int DrawingEdits::AddJoints(const std::vector<Point>& points) {
  std::vector<Point> all = waiting_;
  all.insert(all.end(), points.begin(), points.end());
  if (model_.JointCount == 0 && all.size() == 1) {
    waiting_ = all;
    return 0;
  }
  const bool vertical = model_.CoordColumns >= 2;
  const EntryHand type = [&](ListEditor& ed) {
    for (std::size_t i = 0; i < all.size(); ++i) {
      if (i > 0) ed.Next();
      ed.TypeField(2, CoordinateText(all[i].X));
      if (vertical) ed.TypeField(3, CoordinateText(all[i].Y));
    }
    ed.Ok();
  };
  waiting_.clear();
  const int before = model_.JointCount;
  RunWindow(
      FormId::JointA, [](ListEditor& ed) { ed.Add(); }, type);
  return model_.JointCount > before ? model_.JointCount : 0;
}

bool DrawingEdits::MoveJoint(int joint, Point to) {
  const EntryHand type = [&](ListEditor& ed) {
    ed.TypeField(2, CoordinateText(to.X));
    if (model_.CoordColumns >= 2) ed.TypeField(3, CoordinateText(to.Y));
    ed.Ok();
  };
  return RunWindow(
      FormId::JointA, [joint](ListEditor& ed) { SelectItem(ed, joint), ed.Edit(); }, type);
}

bool DrawingEdits::AddMember(int begin, int end, int material, int section) {
  const EntryHand type = [&](ListEditor& ed) {
    ed.TypeField(2, std::to_string(begin));
    ed.TypeField(3, std::to_string(end));
    ed.TypeField(4, std::to_string(material));
    ed.TypeField(5, std::to_string(section));
    ed.Ok();
  };
  return RunWindow(
      FormId::MemberA, [](ListEditor& ed) { ed.Add(); }, type);
}

bool DrawingEdits::SetSupport(int joint, const std::vector<int>& flags) {
  const EntryHand tick = [&](ListEditor& ed) {
    const std::vector<RestraintName>& names = RestraintNames(model_.StructType);
    for (std::size_t k = 0; k < flags.size(); ++k) ed.ClickCheck(names.at(k).Check, flags[k] == 1);
    ed.Ok();
  };
  return RunWindow(
      FormId::JointA, [joint](ListEditor& ed) { SelectItem(ed, joint), ed.Edit(); }, tick);
}

bool DrawingEdits::ToggleHinge(int member, bool atEnd) {
  const EntryHand tick = [&](ListEditor& ed) {
    const int box = atEnd ? 2 : 1;
    ed.ClickCheck(box, !ed.Dialog().Check[static_cast<std::size_t>(box)].Checked);
    ed.Ok();
  };
  return RunWindow(
      FormId::MemberA, [member](ListEditor& ed) { SelectItem(ed, member), ed.Edit(); }, tick);
}

bool DrawingEdits::AddLoad(const LoadEntry& entry, const EntryHand& hand) {
  return RunWindow(entry.Form, entry.Command, [&](ListEditor& ed) {
    entry.Prefill(ed);
    hand(ed);
  });
}

void DrawingEdits::DeleteMember(int member) {
  ModelStore& m = model_;
  const int count = m.MemberCount;
  const auto keep = [member](int r) { return r != member; };
  if (m.RollAngles.Size() >= count) KeepRecords(m.RollAngles, count, keep);
  m.MemberCount = static_cast<std::int16_t>(KeepRecords(m.MemberProps, count, keep));
  DropItem(m.Releases, static_cast<Array<float>*>(nullptr), m.ReleaseCount, member, TableKey);
  for (LoadSet* loads : LoadSets(m)) {
    DropItem(loads->MemberLoadInfo, &loads->MemberLoadValues, loads->MemberLoadCount, member,
             TableKey);
    DropItem(loads->TempChangeMembers, &loads->TempChangeValues, loads->TempChangeCount, member,
             ArrayKey);
    DropItem(loads->FabErrorMembers, &loads->FabErrorValues, loads->FabErrorCount, member,
             ArrayKey);
  }
}

void DrawingEdits::DeleteJoint(int joint) {
  ModelStore& m = model_;
  for (int member = m.MemberCount; member >= 1; --member)
    if (m.MemberProps(member, 1) == joint || m.MemberProps(member, 2) == joint)
      DeleteMember(member);
  for (int member = 1; member <= m.MemberCount; ++member)
    for (int end = 1; end <= 2; ++end)
      if (m.MemberProps(member, end) > joint) --m.MemberProps(member, end);
  DropItem(m.Supports, static_cast<Array<float>*>(nullptr), m.SupportCount, joint, TableKey);
  DropItem(m.SpringCoords, &m.SpringStiffness, m.SpringCount, joint, TableKey);
  DropItem(m.SupportAngleJoints, &m.SupportAngleValues, m.SupportAngleCount, joint, ArrayKey);
  m.JointCount = static_cast<std::int16_t>(
      KeepRecords(m.JointCoords, m.JointCount, [joint](int r) { return r != joint; }));
  for (LoadSet* loads : LoadSets(m)) {
    DropItem(loads->JointLoadJoints, &loads->JointLoadValues, loads->JointLoadCount, joint,
             ArrayKey);
    DropItem(loads->SettlementJoints, &loads->SettlementValues, loads->SettlementCount, joint,
             ArrayKey);
  }
  // A list of one joint is no structure: the joint left waits for the next one.
  if (m.JointCount == 1) {
    waiting_ = {PlanePosition(m, 1).value_or(Point{})};
    m.JointCount = 0;
  }
}

}  // namespace stavelorn
