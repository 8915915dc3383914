// Building and editing a project in the browser page: New Project, the data menus' list windows
// with their entry forms, Undo and Redo, the file text Save downloads, and the history the page
// keeps in the browser's storage. The editors are the desktop's own (ListEditor and its kinds);
// this class only carries the page's clicks and typing to them and answers, as JSON, what a list
// window and its entry form show. Each item the entry form takes, and each deletion, goes into
// the project at once as one step of its history, named as the desktop's Edit menu names it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/DrawingEdits.h"
#include "app/MenuState.h"
#include "editors/DataWindows.h"
#include "web/PageMessages.h"
#include "web/PageSession.h"

namespace stavelorn {

class PageEditing {
 public:
  // Edits the project open in `page`, which must outlive this.
  explicit PageEditing(PageSession& page);

  // The New Project form: {"caption", "titleLabel", "typeLabel", "types": [{"code", "caption"}]}
  // with the types in the desktop dialog's order.
  static std::string TitleForm();

  // New Project with `title` and the structure type `typeCode`: a fresh project with nothing to
  // undo, unsaved, or the dialog's refusal. Answers as State does, with "refusal": "" or why not.
  std::string NewProject(const std::string& title, const std::string& typeCode);

  // Everything the page shows of the editing: {"open": whether a project is open, "title",
  // "svg": the structure, "menu": [{"item", "caption", "menu"}] the data lists offered now,
  // "analyze": whether Analyze is offered, "analysed": whether results (or a mechanism) are shown,
  // "undo", "redo": the Edit menu's captions, "canUndo", "canRedo", "unsaved",
  // "list": the open list window or null, "entry": its entry form or null,
  // "question": {"title", "text"} a command waits on, or null, "messages": [...],
  // "loadCases": the caption of Load Cases… when offered, else "", "loadCase": the load list's
  // case box {"label", "choices", "current"} (0-based) or null}.
  std::string State();

  // The load list window open now shows the loads of case `c` (1-based), the case its load-case
  // box chose. Answers as State does.
  std::string ShowCase(int c);

  // Opens the list window of the data menu item `item` ("MnuJoint"); an empty list goes
  // straight into Add, as on the desktop. Closing it only hides it: its items are stored already.
  std::string OpenList(const std::string& item);
  void CloseList() { list_.Editor.reset(); }
  // Opens the list window of a load the drawing places, with its entry form as the drawing
  // fills it in; State then shows them, and the form's OK records the load.
  void OpenEntry(const LoadEntry& entry);
  // The open list shows the data anew after a change made elsewhere (the drawing).
  void Follow();
  bool EntryOpen() const { return list_.Editor && list_.Editor->Dialog().Open; }

  // A list window's command ("add", "insert", "edit", "delete") on rows `first` to `last` (1-based
  // items). Insert, Edit and Delete first ask their question: unless `confirmed`, the answer
  // carries it and nothing changes; confirmed, the command goes ahead as after OK.
  std::string ListCommand(const std::string& command, int first, int last, bool confirmed);

  // The entry form: field `field` (1-7) now holds `text`, check box `check` (1-6) is `checked`,
  // the choice is `option`. Each answers the entry form as it now stands ({"entry": ...}).
  std::string TypeField(int field, const std::string& text);
  std::string ClickCheck(int check, bool checked);
  // The spring beside check box `check` ticked or cleared, its stiffness typed.
  std::string ClickSpring(int check, bool spring);
  std::string TypeStiffness(int check, const std::string& text);
  std::string Choose(int option);
  // "next", "ok" or "cancel": a refused field is named in a message and the form stays open.
  std::string EntryCommand(const std::string& command);

  // Project > Units…: {"caption", "namedCaption", "note", "named", "units": [{"label",
  // "options", "selected"}]}, the force, length and temperature-difference units in that order.
  std::string UnitsForm() const;
  // The units chosen in that form: unnamed, or the options `force`, `length` and `temperature`.
  // Where values could be converted, `answer` "" asks first (State's "question", Yes converting,
  // No relabelling); "convert" or "relabel" answers. Answers as State does.
  std::string ChangeUnits(bool named, int force, int length, int temperature,
                          const std::string& answer);

  // Edit > Undo and Redo of the project; the open list shows the data as they now are.
  std::string Undo();
  std::string Redo();

  // {"name": the file's name, "text": the project file as the desktop writes it, "messages": []}
  // or {"messages": [...]} when the data cannot be written. Saved (Save's download), the project
  // then counts as saved, and a new one takes the name it was saved under.
  std::string ProjectText(bool save);

  // Opens project file text as a new untitled copy (a shared link): as PageSession::Open
  // answers, the copy unsaved and without a file.
  std::string OpenCopy(const std::string& text);

  // The history as the page keeps it between visits: {"file", "position", "saved", "steps":
  // [{"change", "text"}]}, the first step's change "" (the project as opened or made).
  std::string Snapshot() const;
  // Puts back a history Snapshot wrote; false, changing nothing, for text that is not one.
  bool Restore(const std::string& snapshot);

 private:
  // The list window's items go into the project as one step, unless its form is open.
  void StoreList();
  // Opens the list window of the data menu item when the menus offer it (the user's opening also
  // shows it, so that an empty list goes into Add).
  bool OpenWindow(MenuItem item);
  // State's JSON with `extra` members after its own; the entry form alone, after typing.
  std::string Answer(const std::string& extra);
  std::string EntryAnswer();

  PageSession& page_;
  PageMessages messages_;
  MenuItem listItem_ = MenuItem::Count;
  DataWindow list_;
};

}  // namespace stavelorn
