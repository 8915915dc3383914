// The Second-Order Analysis window of Stability > Second-Order Analysis: the first-order and the
// second-order deformed shape, or one internal-force diagram of both, side by side, and the table
// of either run's joint displacements or member end forces with their amplification. Ctrl+C
// copies the selected cells.
#pragma once

#include <QDialog>
#include <vector>

#include "analysis/SecondOrder.h"
#include "app/ResultTables.h"
#include "app/StabilityOptions.h"
#include "model/ModelStore.h"
#include "ui/Messages.h"

class QComboBox;
class QTableWidget;

namespace stavelorn {

class PictureBox;

class SecondOrderWindow : public QDialog {
  Q_OBJECT
 public:
  // `model` and `run` (settled) outlive the window.
  SecondOrderWindow(const ModelStore& model, const SecondOrderRun& run,
                    const StabilityOptions& options, Messages& messages, QWidget* parent = nullptr);

  // "Deformed shape", then each diagram of the type.
  QComboBox* Shown() const { return shown_; }
  QComboBox* TableChooser() const { return tableChooser_; }
  PictureBox* FirstOrderPicture() const { return first_; }
  PictureBox* SecondOrderPicture() const { return second_; }
  QTableWidget* Grid() const { return grid_; }

 private:
  void Draw();
  void FillTable();

  const ModelStore& model_;
  const SecondOrderRun& run_;
  Messages& messages_;
  ResultTable table_;
  QComboBox* shown_ = nullptr;
  QComboBox* tableChooser_ = nullptr;
  PictureBox* first_ = nullptr;
  PictureBox* second_ = nullptr;
  QTableWidget* grid_ = nullptr;
};

}  // namespace stavelorn
