// The Influence Lines window: the quantity and the path picked from lists or by clicking the
// drawing, the line drawn under the structure, the principle that explains its shape, and the
// table of its stations, whose selected cells copy (Ctrl+C) as tab-separated text. Its Moving
// Load panel moves a train of loads and a lane load along the path, draws the train where it
// gives its larger extreme and opens the envelope along the studied member.
#pragma once

#include <QDialog>
#include <optional>

#include "analysis/InfluenceLine.h"
#include "analysis/MovingLoad.h"
#include "app/InfluenceChoice.h"
#include "app/ProjectCommands.h"
#include "app/ResultTables.h"
#include "model/ModelStore.h"

class QComboBox;
class QGroupBox;
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
                  ProjectCommands& commands, QWidget* parent = nullptr);

  const InfluenceChoice& Choice() const { return choice_; }
  // The line last drawn; HasLine is false while none could be drawn.
  const InfluenceLine& Line() const { return line_; }
  bool HasLine() const { return hasLine_; }
  PictureBox* Picture() const { return picture_; }
  QTableWidget* Grid() const { return grid_; }
  QLabel* Principle() const { return principle_; }
  QString SelectedText() const;
  QTableWidget* TrainTable() const { return trainTable_; }
  QComboBox* TrainPresetBox() const { return trainPreset_; }
  QLabel* MovingLoadResult() const { return movingResult_; }
  // The train the panel holds, when it can travel, and its worst places on the line shown.
  const std::optional<LoadTrain>& Train() const { return train_; }
  const MovingLoadExtremes& Worst() const { return worst_; }

  // What a click in the drawing does.
  void ClickMember(int member, double x, double y);
  void ClickJoint(int joint);

 private:
  void Recompute();
  void ShowChoice();
  void ReadControls();
  void SavePicture();
  QGroupBox* BuildMovingLoadPanel();
  void ShowPreset(int index);
  void ReadTrain();
  void ShowMovingLoad();
  void OpenEnvelope();

  const ModelStore& model_;
  const StructureResults& results_;
  ProjectCommands& commands_;  // the member window of a moving load's envelope reads them
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
  QComboBox* trainPreset_ = nullptr;
  QTableWidget* trainTable_ = nullptr;
  QLineEdit* lane_ = nullptr;
  QComboBox* direction_ = nullptr;
  QLabel* movingResult_ = nullptr;
  QPushButton* envelope_ = nullptr;
  std::optional<LoadTrain> train_;
  MovingLoadExtremes worst_;
  bool showing_ = false;  // the controls are being set from the choice, not by the user
  bool hasLine_ = false;
};

// Opens the window modally over `parent` when `results` are of a completed analysis; returns the
// line it showed last, if any, for the main window to print, and sets `train` to the moving load
// its panel held.
std::optional<InfluenceLine> ShowInfluenceLines(const ModelStore& model,
                                                const StructureResults& results,
                                                ProjectCommands& commands, QWidget* parent,
                                                std::optional<LoadTrain>* train = nullptr);

}  // namespace stavelorn
