// The Critical Load window of Stability > Critical Load…: the buckling modes found, one chosen
// from a list by its load factor and drawn over the structure at the automatic magnification,
// with why fewer modes were found than sought, when that is so. The drawing saves as a picture.
#pragma once

#include <QDialog>

#include "analysis/CriticalLoad.h"
#include "app/StabilityOptions.h"
#include "model/ModelStore.h"
#include "ui/Messages.h"

class QComboBox;
class QLabel;

namespace stavelorn {

class PictureBox;

class BucklingModesWindow : public QDialog {
  Q_OBJECT
 public:
  // `model` outlives the window; `loads` holds at least one mode.
  BucklingModesWindow(const ModelStore& model, CriticalLoads loads, const StabilityOptions& options,
                      Messages& messages, QWidget* parent = nullptr);

  QComboBox* Chooser() const { return chooser_; }
  PictureBox* Picture() const { return picture_; }

 private:
  void DrawChosen();
  void SavePicture();

  const ModelStore& model_;
  const CriticalLoads loads_;
  const StabilityOptions options_;
  Messages& messages_;
  QComboBox* chooser_ = nullptr;
  QLabel* problem_ = nullptr;
  PictureBox* picture_ = nullptr;
};

}  // namespace stavelorn
