// The member window: one member's internal-force diagrams one above another, its loads drawn on
// it, beside the table of their values at the tenth points, extremes and loads. The selected
// cells copy (Ctrl+C) as tab-separated text. After an analysis of load cases a "Show:" box ShowC
// chooses the case, combination or envelope shown (an envelope draws both its curves).
#pragma once

#include <QDialog>

#include "analysis/MemberDiagrams.h"
#include "analysis/MovingLoadEnvelope.h"
#include "app/ProjectCommands.h"
#include "app/ResultTables.h"
#include "model/ModelStore.h"

class QComboBox;
class QLabel;
class QTableWidget;
class QVBoxLayout;

namespace stavelorn {

class PictureBox;

class MemberDiagramWindow : public QDialog {
  Q_OBJECT
 public:
  // The window of member `member` of the results the commands show (ShownMemberDiagrams).
  MemberDiagramWindow(ProjectCommands& commands, int member, QWidget* parent = nullptr);

  PictureBox* Picture() const { return picture_; }
  QTableWidget* Grid() const { return grid_; }
  const ResultTable& Table() const { return table_; }
  // The selected cells as tab-separated text; also put on the clipboard by Ctrl+C.
  QString SelectedText() const;
  // The "Show:" box, or null for a project of one load case.
  QComboBox* ShowBox() const { return show_; }

  // Adds the envelope of a moving load along the member: its two curves and, beneath, the
  // values at each station with the places of the train that give them.
  void ShowEnvelope(const ModelStore& model, const MovingLoadEnvelope& envelope);
  PictureBox* EnvelopePicture() const { return envelopePicture_; }

 private:
  // The picture, the table and the headings of the choice shown.
  void Load();

  ProjectCommands& commands_;
  int member_;
  ResultTable table_;
  QLabel* title_ = nullptr;
  QLabel* heading_ = nullptr;
  QComboBox* show_ = nullptr;
  PictureBox* picture_ = nullptr;
  QTableWidget* grid_ = nullptr;
  QVBoxLayout* column_ = nullptr;
  PictureBox* envelopePicture_ = nullptr;
};

// Shows a results grid's data rows in `grid`, its row 0 as the column headings, read-only.
void FillResultGrid(QTableWidget& grid, const ResultTable& table);

// The cells of `table` selected in `grid` (filled by FillResultGrid) as tab-separated text.
QString SelectedCellsText(const QTableWidget& grid, const ResultTable& table);

// Opens the member window of member `member` modally over `parent`, when the commands show
// the results of a completed analysis and the model has that member; otherwise does nothing.
void ShowMemberDiagrams(int member, ProjectCommands& commands, QWidget* parent);

// The same window with the envelope of a moving load along its member added.
void ShowMemberEnvelope(const MovingLoadEnvelope& envelope, ProjectCommands& commands,
                        QWidget* parent);

}  // namespace stavelorn
