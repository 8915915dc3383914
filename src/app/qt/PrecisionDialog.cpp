#include "app/qt/PrecisionDialog.h"

#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/qt/DialogButtons.h"

namespace stavelorn {

namespace {

// A choice with the sentence that explains it, indented under it.
QRadioButton* AddChoice(QVBoxLayout* layout, const char* caption, const char* name,
                        const char* explanation) {
  auto* button = new QRadioButton(caption);
  button->setObjectName(name);
  button->setAccessibleName(name);
  auto* note = new QLabel(explanation);
  note->setAccessibleName(QString(name) + " explained");
  note->setWordWrap(true);
  note->setContentsMargins(24, 0, 0, 6);
  layout->addWidget(button);
  layout->addWidget(note);
  return button;
}

}  // namespace

PrecisionDialog::PrecisionDialog(AnalysisPrecision precision, QWidget* parent) : QDialog(parent) {
  setObjectName("Precision");
  setWindowTitle("Precision");
  auto* layout = new QVBoxLayout(this);
  single_ = AddChoice(layout, "&Single precision", "Single precision",
                      "The method as taught: every value is stored in single precision. A run "
                      "in double precision checks it, and replaces results that are not "
                      "accurate enough.");
  double_ = AddChoice(layout, "&Double precision only", "Double precision only",
                      "Solves in double precision alone, with no check needed: faster for large "
                      "structures.");
  (precision == AnalysisPrecision::Double ? double_ : single_)->setChecked(true);

  layout->addLayout(OkCancelButtons(this));
  setMinimumWidth(420);
}

AnalysisPrecision PrecisionDialog::Chosen() const {
  return double_->isChecked() ? AnalysisPrecision::Double : AnalysisPrecision::Single;
}

}  // namespace stavelorn
