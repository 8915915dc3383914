// The list window ("A" form) of an editor: the project title (Label1), the window's heading
// (Label2), the grid Grid1, the buttons AddB, InsertB, EditB, DeleteB, CloseB and CancelB, UndoB
// and RedoB (also Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y), and for joints and members a preview
// picture Pic1. It shows the editor's grid and buttons, passes the
// user's selection and commands to the editor and opens the entry dialog when the editor asks.
#pragma once

#include <QDialog>
#include <functional>

#include "editors/ListEditor.h"
#include "editors/qt/Twips.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace stavelorn {

class EntryDialog;
class GridTableModel;

class ListWindow : public QDialog, public EditorWindows {
  Q_OBJECT
 public:
  // `preview` (may be null) is the picture shown beside the grid; `drawPreview` repaints it
  // from the grid.
  ListWindow(ListEditor& editor, QWidget* parent, QWidget* preview = nullptr,
             std::function<void()> drawPreview = {});
  ~ListWindow() override;

  // True once the window has closed with CloseB, its grid written into the model.
  bool Committed() const { return committed_; }
  // A load list of a project with load cases: the selector CaseC beside the grid switches the
  // case the list edits (ShowLoadCaseInList) in `model`, the editor's own.
  void OfferLoadCases(ModelStore& model);
  // True once the selector has switched the case, storing the grid of the case it left.
  bool SwitchedCase() const { return switched_; }
  QComboBox* CaseBox() const { return case_; }

  QTableView* Grid() const { return view_; }
  QPushButton* Button(const char* name) const;
  // The entry dialog while it is open, else null.
  EntryDialog* Dialog() const { return dialog_; }

  // EditorWindows
  void ShowEntryDialog() override;
  void RefreshPreview() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Build();
  void Command(void (ListEditor::*command)());
  // Grid sizes, scroll bar, selection, first row and buttons as the editor left them.
  void SyncFromGrid();
  void SelectionFromView();
  // Redraws the preview once the current change of the grid is complete.
  void SchedulePreview();
  // Places the controls: centred column of labels, grid and buttons, the preview to its right.
  void Arrange();

  ListEditor& editor_;
  QWidget* preview_;
  std::function<void()> drawPreview_;
  GridTableModel* table_ = nullptr;
  QTableView* view_ = nullptr;
  QLabel* label1_ = nullptr;
  QLabel* label2_ = nullptr;
  QPushButton* add_ = nullptr;
  QPushButton* insert_ = nullptr;
  QPushButton* edit_ = nullptr;
  QPushButton* delete_ = nullptr;
  QPushButton* close_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* undo_ = nullptr;
  QPushButton* redo_ = nullptr;
  EntryDialog* dialog_ = nullptr;
  Twips twips_;
  bool syncing_ = false;
  bool shown_ = false;
  bool previewPending_ = false;
  bool committed_ = false;
  QComboBox* case_ = nullptr;
  QLabel* caseLabel_ = nullptr;
  bool switched_ = false;
};

}  // namespace stavelorn
