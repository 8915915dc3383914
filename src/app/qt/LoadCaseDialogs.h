// The Load Cases and Load Combinations windows: a table of the cases (number, name, loads) or of
// the combinations (name, a factor per case, typed in place), a name box NameT, and AddB,
// RenameB, DeleteB, UpB and DownB (cases only), UndoB and CloseB. Every edit is a command of
// ProjectCommands, which refuses or records it; the window shows the model again after each.
#pragma once

#include <QDialog>

#include "app/ProjectCommands.h"

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace stavelorn {

class LoadCaseDialog : public QDialog {
  Q_OBJECT
 public:
  // The Load Cases window, or with `combinations` the Load Combinations window.
  LoadCaseDialog(ProjectCommands& commands, bool combinations, QWidget* parent = nullptr);

  QTableWidget* Grid() const { return grid_; }
  QLineEdit* NameBox() const { return name_; }
  QPushButton* Button(const char* name) const;

 private:
  QPushButton* AddButton(const char* name, const QString& caption);
  // The table as the model now stands, the row `row` current.
  void Fill(int row);
  int CurrentRow() const;

  ProjectCommands& commands_;
  const bool combinations_;
  QTableWidget* grid_ = nullptr;
  QLineEdit* name_ = nullptr;
  bool filling_ = false;
};

// Shows the window modally over `parent`.
void ShowLoadCaseDialog(ProjectCommands& commands, bool combinations, QWidget* parent);

}  // namespace stavelorn
