#include "fuzz/EditSessionRun.h"

#include <exception>
#include <fstream>
#include <sstream>
#include <vector>

#include "analysis/ModelCheck.h"
#include "app/MenuRoutes.h"
#include "app/ProjectCommands.h"
#include "editors/DataWindows.h"
#include "model/ProjectFile.h"
#include "support/FakeCommandWindows.h"

namespace stavelorn {

namespace {

// Texts a user might type: numbers in every form, numbers past what is stored, words, blanks.
const char* const kTyped[] = {"1",    "2",      "3",     "4",   "0",   "-1.5", "2.9e4",
                              "2e8",  "0.01",   "1e-4",  "12",  "7.5", "-20",  "100",
                              "1e39", "-1e39",  "1e-50", "abc", "",    " ",    "12kN",
                              "5",    "3.4e38", "0.5",   "-0",  "1D2", "6",    "8e7"};
const char* const kTitles[] = {"Frame A", "Truss, \"B\"", "t", "Beam 3 (kN, m)"};

// The session plays the user: it chooses each command by the next byte (past their end every
// choice is the first one), answers every message box (OK to the list's confirmations unless told
// to call one off, No to saving and printing, Cancel to a retry; every box must have something
// to say), chooses no file (so nothing is written), gives the title dialog a title, and refuses
// or ignores every other window.
class Session : public Messages, public FileDialogs {
 public:
  Session(const std::string& path, const std::string& fileText, const std::uint8_t* bytes,
          std::size_t size)
      : path_(path), start_(fileText), bytes_(bytes), size_(size) {
    windows_.titleDialog = [this] {
      model_.ProjectTitle = kTitles[Pick(4)];
      return true;
    };
  }

  std::string OpenFile(const FileDialogRequest&) override { return ""; }
  std::string SaveFile(const FileDialogRequest&) override { return ""; }

  std::string Run() {
    commands_.Start();
    if (!commands_.OpenProjectFile(path_)) return Fail("the project did not open");
    states_ = {Checked()};
    for (int step = 0; step < 120 && pos_ < size_ && failure_.empty(); ++step) {
      const int command = Pick(10);
      if (command < 4) {
        OpenDataWindow();
      } else if (command < 7) {
        command < 6 ? commands_.Undo() : commands_.Redo();
        Stepped(command == 6);
      } else if (command == 7) {
        commands_.ChangeProjectTitle();
        Committed();
      } else if (command == 8 && Menus().Visible(MenuItem::MnuAna)) {
        commands_.Analyze();
        analysed_ = Untitled();
      } else if (command == 9 && Menus().Visible(MenuItem::MnuEditData)) {
        commands_.EditData();
      }
      if (silent_) Fail("a message box had nothing to say");
      if (states_.back().empty() || Checked() != states_[position_]) Fail("the data left its step");
    }
    if (!failure_.empty()) return failure_;
    while (commands_.CanUndo()) commands_.Undo();
    if (Checked() != start_) return Fail("undoing every step did not give back the file opened");
    while (commands_.CanRedo()) commands_.Redo();
    if (Checked() != states_.back()) return Fail("redoing every step did not give back the last");
    return failure_;
  }

 private:
  int Show(const std::string& /*title*/, const std::string& text, MessageStyle style) override {
    silent_ = silent_ || text.empty();
    if (style == kStyleOkCancelQuestion) return callOff_ ? kAnswerCancel : kAnswerOk;
    if (style == kStyleRetryCancelCritical) return kAnswerCancel;
    return style == kStyleCritical || style == kStyleInformation ? kAnswerOk : kAnswerNo;
  }
  TickedAnswer ShowWithDontAsk(const std::string& title, const std::string& text,
                               MessageStyle style) override {
    return {Show(title, text, style), false};
  }
  int Pick(int count) { return pos_ < size_ && count > 0 ? bytes_[pos_++] % count : 0; }
  std::size_t Pick(std::size_t count) { return std::size_t(Pick(static_cast<int>(count))); }
  MenuState Menus() const { return commands_.Menus(); }
  std::string Fail(const std::string& what) {
    if (failure_.empty()) failure_ = what;
    return failure_;
  }

  // The file text of the model as it stands, after checking that it reads back the same.
  std::string Checked() {
    std::string text, again;
    if (RunResult e = ProjectFileText(model_, text))
      return Fail("unwritable: " + e->Description), "";
    ModelStore reread;
    reread.Reset();
    if (RunResult e = ReadProjectText(reread, text))
      return Fail("unreadable: " + e->Description), "";
    if (ProjectFileText(reread, again) || again != text) Fail("write, read, write differ");
    for (const std::string& problem : CheckModel(model_))
      if (problem.empty()) Fail("a problem of the model has no message");
    return text;
  }

  // The data's file text without the title, which changes no result.
  std::string Untitled() const {
    ModelStore data = model_;
    data.ProjectTitle.clear();
    std::string text;
    return ProjectFileText(data, text) ? "" : text;
  }

  void Committed() {
    const std::string text = Checked();
    if (text != states_[position_]) {
      states_.resize(position_ + 1);
      states_.push_back(text);
      ++position_;
    }
    if (commands_.CanUndo() != (position_ > 0)) Fail("the history's steps differ from the changes");
  }

  void Stepped(bool forward) {
    if (forward && position_ + 1 < states_.size()) ++position_;
    if (!forward && position_ > 0) --position_;
    if (Checked() != states_[position_])
      Fail(forward ? "redo missed its state" : "undo missed its state");
    // Data other than what the results were computed from cannot show them.
    if (commands_.Session().ResultsShown() && Untitled() != analysed_)
      Fail("results left over after an undo");
  }

  // One of the data windows the menus offer, as its menu item opens it.
  void OpenDataWindow() {
    std::vector<MenuItem> offered;
    for (const MenuItemInfo& info : MenuItems())
      if (RouteOf(info.Item).Target == MenuTarget::DataWindow && Menus().Visible(info.Item) &&
          (info.Parent == MenuItem::Count || Menus().Visible(info.Parent)))
        offered.push_back(info.Item);
    if (!offered.empty()) DataWindow(offered[Pick(offered.size())]);
  }

  void DataWindow(MenuItem menu) {
    stavelorn::DataWindow window = MakeDataWindow(RouteOf(menu).Window, model_, *this);
    ListEditor& editor = *window.Editor;
    editor.Open();
    const GridModel opened = editor.Grid();
    editor.Shown();
    for (int step = Pick(10); step >= 0 && failure_.empty(); --step) {
      if (editor.Dialog().Open) {
        Dialog(editor);
        continue;
      }
      const int rows = editor.Grid().Rows() - 1;
      editor.Grid().Select(1 + Pick(rows), 1, 1 + Pick(rows), 1);
      callOff_ = Pick(8) == 0;
      // Only the buttons the window shows can be pressed; the seventh choice presses none.
      const ListWindowForm& shown = editor.Window();
      const std::pair<bool, void (ListEditor::*)()> buttons[] = {
          {shown.AddVisible, &ListEditor::Add},
          {shown.InsertVisible, &ListEditor::Insert},
          {shown.EditVisible, &ListEditor::Edit},
          {shown.DeleteVisible, &ListEditor::Delete},
          {true, &ListEditor::Undo},
          {true, &ListEditor::Redo}};
      const std::size_t button = Pick(std::size(buttons) + 1);
      if (button < std::size(buttons) && buttons[button].first) (editor.*buttons[button].second)();
      callOff_ = false;
    }
    if (editor.Dialog().Open) editor.Ok();
    if (editor.Dialog().Open) editor.CancelEntry();
    if (editor.Dialog().Open) Fail("Cancel left the dialog open");
    // The list's own history: forward to its last step, back to the list as opened, and forward
    // again to the same list.
    while (editor.CanRedo()) editor.Redo();
    const GridModel last = editor.Grid();
    while (editor.CanUndo()) editor.Undo();
    if (!editor.Grid().SameCells(opened)) Fail("the list's undo did not give back the list opened");
    while (editor.CanRedo()) editor.Redo();
    if (!editor.Grid().SameCells(last)) Fail("the list's redo did not give back its last step");
    const bool commit = Pick(4) != 0;
    if (commit) editor.Close();
    commands_.DataWindowClosed(menu, commit);
    Committed();
  }

  void Dialog(ListEditor& editor) {
    const EntryForm& form = editor.Dialog();
    switch (Pick(10)) {
      case 7: editor.Ok(); break;
      case 8: editor.Next(); break;
      case 9: Pick(2) ? editor.CancelEntry() : editor.DialogClosed(); break;
      case 5: {
        const int check = 1 + Pick(EntryForm::kChecks);
        if (form.Check[std::size_t(check)].Visible) editor.ClickCheck(check, Pick(2) != 0);
        break;
      }
      case 6: editor.Choose(Pick(static_cast<int>(form.Choice.Options.size()) + 1)); break;
      default: {
        const int field = 1 + Pick(EntryForm::kFields);
        const EntryField& box = form.Text[std::size_t(field)];
        if (box.Visible && !box.ReadOnly) editor.TypeField(field, kTyped[Pick(std::size(kTyped))]);
      }
    }
  }

  const std::string& path_;
  const std::string& start_;
  const std::uint8_t* bytes_;
  std::size_t size_;
  std::size_t pos_ = 0;
  bool callOff_ = false;  // Cancel the next confirmation
  bool silent_ = false;   // a message box with no text was shown
  ModelStore model_;
  FakeCommandWindows windows_;
  ProjectCommands commands_{model_, *this, *this, windows_};
  std::vector<std::string> states_;  // the file text of each state the history should hold
  std::string analysed_;             // Untitled() at the last analysis
  std::size_t position_ = 0;
  std::string failure_;
};

}  // namespace

std::string RunEditSession(const std::string& path, const std::string& fileText,
                           const std::uint8_t* bytes, std::size_t size) {
  try {
    return Session(path, fileText, bytes, size).Run();
  } catch (const std::exception& e) {
    return std::string("threw: ") + e.what();
  }
}

std::string RunEditSessionInput(const std::string& root, const std::string& input) {
  if (input.empty()) return "";
  const std::string path = root + "/examples/" +
                           kSessionExamples[std::uint8_t(input[0]) % std::size(kSessionExamples)] +
                           ".str";
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  if (!in) return "cannot read " + path;
  return RunEditSession(path, text.str(), reinterpret_cast<const std::uint8_t*>(input.data()) + 1,
                        input.size() - 1);
}

}  // namespace stavelorn
