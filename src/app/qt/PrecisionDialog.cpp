#include "app/qt/PrecisionDialog.h"

#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/PrecisionChoice.h"
#include "app/PrecisionOptions.h"
#include "ui/AccessibleNames.h"
#include "ui/qt/DialogButtons.h"

namespace stavelorn {

namespace {

// A choice with the sentence that explains it, indented under it.
QRadioButton* AddChoice(QVBoxLayout* layout, const PrecisionOption& option) {
  const QString name = QString::fromStdString(SpokenCaption(option.Caption));
  auto* button = new QRadioButton(option.Caption);
  button->setObjectName(name);
  button->setAccessibleName(name);
  auto* note = new QLabel(option.Explanation);
  note->setAccessibleName(name + " explained");
  note->setWordWrap(true);
  note->setContentsMargins(24, 0, 0, 6);
  layout->addWidget(button);
  layout->addWidget(note);
  return button;
}

}  // namespace

PrecisionDialog::PrecisionDialog(AnalysisPrecision precision, QWidget* parent) : QDialog(parent) {
  setObjectName("Precision");
  setWindowTitle(kPrecisionTitle);
  auto* layout = new QVBoxLayout(this);
  for (const PrecisionOption& option : PrecisionOptions())
    (option.Precision == AnalysisPrecision::Double ? double_ : single_) = AddChoice(layout, option);
  (precision == AnalysisPrecision::Double ? double_ : single_)->setChecked(true);

  layout->addLayout(OkCancelButtons(this));
  setMinimumWidth(420);
}

AnalysisPrecision PrecisionDialog::Chosen() const {
  return double_->isChecked() ? AnalysisPrecision::Double : AnalysisPrecision::Single;
}

}  // namespace stavelorn
