// The Influence Lines window: the quantity and the path picked from lists or by clicking the
// drawing, the line drawn under the structure, the principle that explains its shape, and the
// table of its stations, whose selected cells copy (Ctrl+C) as tab-separated text.
#pragma once

#include <QDialog>
#include <optional>

#include "analysis/InfluenceLine.h"
#include "app/InfluenceChoice.h"
#include "app/ResultTables.h"
#include "model/ModelStore.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace stavelorn {

class PictureBox;

class InfluenceWindow : public QDialog {
  Q_OBJECT
 public:
  // `model` holds a completed analysis and outlives the window.
  InfluenceWindow(const ModelStore& model, const StructureResults& results,
                  QWidget* parent = nullptr);

  const InfluenceChoice& Choice() const { return choice_; }
  // The line last drawn; HasLine is false while none could be drawn.
  const InfluenceLine& Line() const { return line_; }
  bool HasLine() const { return hasLine_; }
  PictureBox* Picture() const { return picture_; }
  QTableWidget* Grid() const { return grid_; }
  QLabel* Principle() const { return principle_; }
  QString SelectedText() const;

  // What a click in the drawing does.
  void ClickMember(int member, double x, double y);
  void ClickJoint(int joint);

 private:
  void Recompute();
  void ShowChoice();
  void ReadControls();
  void SavePicture();

  const ModelStore& model_;
  const StructureResults& results_;
  InfluenceChoice choice_;
  InfluenceLine line_;
  ResultTable table_;
  QComboBox* kind_ = nullptr;
  QSpinBox* item_ = nullptr;
  QComboBox* component_ = nullptr;
  QLineEdit* section_ = nullptr;
  QLabel* itemLabel_ = nullptr;
  QLabel* path_ = nullptr;
  QPushButton* pickPath_ = nullptr;
  QLabel* problem_ = nullptr;
  QLabel* principle_ = nullptr;
  PictureBox* picture_ = nullptr;
  QTableWidget* grid_ = nullptr;
  bool showing_ = false;  // the controls are being set from the choice, not by the user
  bool hasLine_ = false;
};

// Opens the window modally over `parent` when `results` are of a completed analysis; returns the
// line it showed last, if any, for the main window to print.
std::optional<InfluenceLine> ShowInfluenceLines(const ModelStore& model,
                                                const StructureResults& results, QWidget* parent);

}  // namespace stavelorn
