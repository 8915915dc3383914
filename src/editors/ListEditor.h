// The list-and-dialog pattern every data editor follows: a list window whose grid is the working
// copy of one kind of data, and an entry dialog that edits one item of it at a time. This class
// holds the editor state (EditMode, ItemCount, CurrentItem, the selection taken when a command
// starts) and carries out the list window's commands (Add, Insert, Edit, Delete, Close, Cancel)
// and the dialog's (loading, typing, Next, OK, Cancel). Each kind of data derives from it and
// supplies only its columns, texts and how it reads from and writes to the model. Every change
// the commands make to the working copy is one step of the window's undo history.
#pragma once

#include <any>
#include <string>
#include <vector>

#include "editors/EditHistory.h"
#include "editors/EditorForms.h"
#include "editors/GridModel.h"
#include "model/ModelStore.h"
#include "ui/Messages.h"

namespace stavelorn {

// What the editor needs from the windows that show it.
class EditorWindows {
 public:
  virtual ~EditorWindows() = default;
  // Shows the entry dialog modally over the list window; returns once the dialog has closed.
  virtual void ShowEntryDialog() = 0;
  // Repaints the list window's preview picture from the grid as it stands.
  virtual void RefreshPreview() = 0;
};

class ListEditor {
 public:
  ListEditor(ModelStore& model, Messages& messages);
  virtual ~ListEditor() = default;
  ListEditor(const ListEditor&) = delete;
  ListEditor& operator=(const ListEditor&) = delete;

  void SetWindows(EditorWindows& windows) { windows_ = &windows; }

  // The list window is loaded: grid built from the model, buttons set, a fresh undo history.
  void Open();
  // The list window has been shown: an empty list goes straight into Add.
  virtual void Shown();

  // List window buttons. An item confirmed in the dialog, or rows deleted, make one step.
  void Add();
  void Insert();
  void Edit();
  void Delete();
  // CloseB: the grid goes into the model. The window then closes.
  void Close() { Commit(); }

  // The list window's undo and redo of its steps, offered while no dialog is open; the name
  // is the command that made the step ("Add", "Insert", "Edit", "Delete"), "" when there is none.
  bool CanUndo() const { return !dialog_.Open && history_.CanUndo(); }
  bool CanRedo() const { return !dialog_.Open && history_.CanRedo(); }
  std::string UndoName() const { return history_.UndoName(); }
  std::string RedoName() const { return history_.RedoName(); }
  void Undo();
  void Redo();

  // Entry dialog: a value field changed (as typed), a check box was clicked.
  void TypeField(int field, const std::string& text);
  void ClickCheck(int check, bool checked);
  // The spring beside check box `check` was ticked or cleared, or its stiffness typed.
  void ClickSpring(int check, bool spring) {
    dialog_.Spring.at(static_cast<std::size_t>(check)).Checked = spring;
    SpringChanged(check);
  }
  void TypeStiffness(int check, const std::string& text) {
    dialog_.Spring.at(static_cast<std::size_t>(check)).Stiffness.Text = text;
    SpringChanged(check);
  }
  // The dialog's choice was set to option `option` (0-based).
  void Choose(int option);
  // Next and OK first check every field against its rule; a refused field is named in a
  // message, the dialog stays open and FocusField points at that field.
  void Next();
  void Ok();
  // Cancel: the working copy goes back to what it was when this item's entry began (the dialog
  // opened, or the last Next), and the dialog closes.
  void CancelEntry();
  // Escape or the window's own close button: Cancel.
  void DialogClosed() { CancelEntry(); }

  const ListWindowForm& Window() const { return window_; }
  const EntryForm& Dialog() const { return dialog_; }
  GridModel& Grid() { return grid_; }
  const GridModel& Grid() const { return grid_; }
  EditMode Mode() const { return mode_; }
  int ItemCount() const { return itemCount_; }
  int CurrentItem() const { return currentItem_; }
  const ModelStore& Model() const { return model_; }

 protected:
  // How a list's confirmations word its data; ListEditor builds the Insert, Edit and Delete
  // prompts from them, each with the item's number (the examples are the joints').
  struct PromptWords {
    std::string Title;        // "Joints", after the command in Insert's and Edit's titles
    std::string DeleteTitle;  // "Joints", after "Delete" in Delete's title
    std::string EditOne;      // "coordinates of Joint": "Edit coordinates of Joint 3 ?"
    std::string DeleteOne;    // "Joint": "Delete Joint 3 ?"
    std::string DeleteRange;  // "Joints": "Delete Joints 3 thru 5 ?"
    // Lists whose items are renumbered (keyed lists leave these empty): the Insert question,
    // "Insert new joints after Joint 3 ?", and the word of the note under Insert's and under
    // Delete's question, "Note: The following joints will be renumbered.".
    std::string InsertAfter{};  // "new joints after Joint"
    std::string InsertRenumbered{};
    std::string DeleteRenumbered{};
    std::string RangeEnd = " ?";  // what ends "Delete Joints 3 thru 5"
  };

  // A column of the list's grid, and the dialog field that edits it (0 for none: the item's
  // number, or a column the check boxes set).
  struct GridColumn {
    std::string Heading;
    int Width = 0;  // twips
    int Field = 0;
    std::string NewItemText{};  // what the field starts with for a new item
  };
  struct ColumnTable {
    int HeadingHeight = 0;  // twips
    std::vector<GridColumn> Columns;
  };

  // What the commands do; the public commands add the undo steps around them. DoNext returns
  // whether the item was taken (a refused one stays in the dialog).
  virtual void DoOpen();
  virtual void DoAdd();
  virtual void DoInsert();
  virtual void DoEdit();
  virtual void DoDelete();
  virtual bool DoNext();
  virtual void DoOk();
  virtual void DoCancelEntry();
  // Whatever an editor keeps beside the grid about its rows, for the undo history.
  virtual std::any SaveRows() const { return {}; }
  virtual void RestoreRows(const std::any& /*rows*/) {}

  // The kind of data: the grid's columns, the model's count and rows, whether other data refer
  // to the items by number, the confirmations' words, the dialog's labels, what loading and
  // typing do beyond the columns' fields, and what Close stores.
  virtual ColumnTable Columns() const = 0;
  virtual int StoredCount() const = 0;
  virtual void FillRow(int item) = 0;
  virtual bool Referenced() const = 0;
  virtual PromptWords Words() const = 0;
  // How the confirmations name the item of data row `row`: its position, in a numbered list.
  virtual std::string ItemName(int row) const { return std::to_string(row); }
  virtual void DescribeDialog(EntryForm& dialog) const = 0;
  // Loading sets each column's field from the current row (a new item: its NewItemText); a
  // changed field is written to its column.
  virtual void LoadFields();
  virtual void FieldChanged(int field);
  virtual void CheckChanged(int /*check*/) {}
  virtual void SpringChanged(int /*check*/) {}
  virtual void ChoiceChanged() {}
  virtual void Commit() = 0;
  // Whether column 0 holds the item's position, renumbered as rows come and go; keyed lists
  // hold a joint or member number there instead.
  virtual bool NumberedRows() const { return true; }

  // The grid's size from its rows and column widths, with the scroll bar from the twelfth row.
  void SizeGrid();
  // Keeps CurrentItem in view: from the eleventh item on it is the tenth row shown.
  void ScrollToCurrent();
  void SelectRow(int row);
  void Renumber(int from, int to);
  // Sets a field or check box as loading does; a change runs the same rule as the user's.
  void SetField(int field, const std::string& text);
  void SetCheck(int check, bool checked);
  void LoadDialog();
  void ShowDialog();
  // Whether every visible, editable field meets its rule; else the first that does not is
  // refused as Next and OK describe.
  bool FieldsAccepted();

  ModelStore& model_;
  Messages& messages_;
  EditorWindows* windows_ = nullptr;
  GridModel grid_;
  ListWindowForm window_;
  EntryForm dialog_;
  EditMode mode_ = EditMode::None;
  int itemCount_ = 0;
  int currentItem_ = 0;
  int selFirstRow_ = 0, selLastRow_ = 0;

 private:
  struct Prompt {
    std::string Title;
    std::string Text;
  };
  Prompt InsertPrompt(int row) const;
  Prompt EditPrompt(int row) const;
  Prompt DeletePrompt(int first, int last) const;

  // The working copy as one undo state.
  struct WorkingCopy {
    GridModel Grid;
    int ItemCount = 0;
    int CurrentItem = 0;
    ListWindowForm Window;
    std::any Rows;
  };

  // The grid's columns, headings and widths from Columns().
  void BuildGrid();
  void TakeSelection();
  WorkingCopy Copy() const;
  void Restore(const WorkingCopy& copy);
  // Records `copy` as the step `name` when it differs from the current state.
  void RecordStep(const std::string& name, WorkingCopy copy);
  // Add, Insert or Edit: the state its dialog's Cancel returns to, then the command.
  void StartEntry(void (ListEditor::*command)());
  std::string ModeName() const;

  std::vector<GridColumn> columns_;
  EditHistory<WorkingCopy> history_;
  WorkingCopy entryStart_;
};

}  // namespace stavelorn
