// The results windows Disp, MbForce and Reac: the project title (Label1), the heading (Label2),
// the grid Grid1 of the results table and the CloseB button; Disp also draws the structure and
// its deformed shape on its canvas Pic1 (hidden for space frames), MbForce keeps a canvas Pic1
// and a label Label3 that stay hidden, and a DiagramsB button that opens the member window of the
// selected member (as does a double-click on one of its rows). The selected cells can be copied
// (Ctrl+C) as tab-separated text for a spreadsheet. After an analysis of load cases a "Show:" box
// ShowC chooses the case, combination or envelope shown (ProjectCommands::ChooseShown).
#pragma once

#include <QDialog>
#include <cstdint>

#include <optional>
#include "app/ProjectCommands.h"

#include "app/ResultTables.h"
#include "editors/qt/Twips.h"
#include "model/ModelStore.h"
#include "ui/Messages.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace stavelorn {

class PictureBox;

class ResultsWindow : public QDialog {
  Q_OBJECT
 public:
  // Loads the window `form` (Disp, MbForce or Reac) from the results the commands show; the
  // displacement window draws the deformed shape magnified by the commands' multiplier. Drawing
  // failures on the canvas are reported through `messages`.
  ResultsWindow(FormId form, ProjectCommands& commands, Messages& messages,
                QWidget* parent = nullptr);
  // The reactions along turned supports' own axes, below the global ones, or null.
  QTableView* LocalGrid() const { return localView_; }
  // The "Show:" box, or null for a project of one load case.
  QComboBox* ShowBox() const { return show_; }

  const ResultTable& Table() const { return table_; }
  QTableView* Grid() const { return view_; }
  // The canvas, or null for Reac, which has none.
  PictureBox* Canvas() const { return canvas_; }

  // The selected cells as tab-separated text; also put on the clipboard by Ctrl+C.
  QString SelectedText() const;

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Build();
  // Column widths, row heights and the grid's size as the table gives them in twips.
  void SizeGrid();
  // Labels, grid and CloseB centred one under the other, CloseB near the bottom edge; a shown
  // canvas square to their right.
  void Arrange();
  // The table, the grid and the drawing of the choice the commands show.
  void Load();
  // The reactions window's table along turned supports' axes for the choice shown.
  void LoadLocal();
  // The deformed shape of the choice shown, on the displacement window's canvas.
  void DrawCanvas();

  ProjectCommands& commands_;
  FormId form_;
  Messages& messages_;
  QComboBox* show_ = nullptr;
  QLabel* showLabel_ = nullptr;
  ResultTable table_;
  QLabel* label1_ = nullptr;
  QLabel* label2_ = nullptr;
  // The reactions window's second table: turned supports' reactions in their own axes.
  std::optional<ResultTable> local_;
  QLabel* localCaption_ = nullptr;
  QTableView* localView_ = nullptr;
  QTableView* view_ = nullptr;
  QPushButton* close_ = nullptr;
  PictureBox* canvas_ = nullptr;
  QPushButton* diagrams_ = nullptr;  // MbForce only
  Twips twips_;
};

// Shows the results window `form` modally over `parent` and returns once it has been closed.
void ShowResultsWindow(FormId form, ProjectCommands& commands, Messages& messages, QWidget* parent);

}  // namespace stavelorn
