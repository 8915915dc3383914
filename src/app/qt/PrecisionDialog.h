// The "Precision" dialog of Project > Precision…: single precision, the method as taught with its
// accuracy check, or double precision alone. It only chooses; ProjectCommands keeps the choice
// and the analysis uses it.
#pragma once

#include <QDialog>

#include "analysis/AnalysisPrecision.h"

class QRadioButton;

namespace stavelorn {

class PrecisionDialog : public QDialog {
  Q_OBJECT
 public:
  PrecisionDialog(AnalysisPrecision precision, QWidget* parent);

  // The precision as the buttons now stand.
  AnalysisPrecision Chosen() const;

  QRadioButton* SingleButton() const { return single_; }
  QRadioButton* DoubleButton() const { return double_; }

 private:
  QRadioButton* single_ = nullptr;
  QRadioButton* double_ = nullptr;
};

}  // namespace stavelorn
