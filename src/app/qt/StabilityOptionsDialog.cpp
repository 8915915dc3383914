#include "app/qt/StabilityOptionsDialog.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "editors/FieldRules.h"
#include "ui/qt/DialogButtons.h"

namespace stavelorn {

StabilityOptionsDialog::StabilityOptionsDialog(const StabilityOptions& options, Messages& messages,
                                               QWidget* parent)
    : QDialog(parent), messages_(messages), chosen_(options) {
  setObjectName("StabilityOptions");
  setWindowTitle(kStabilityOptionsTitle);
  const StabilityOptionsForm form = StabilityOptionsForm::Load(options);
  auto* fields = new QFormLayout;
  for (std::size_t i = 0; i < kStabilityFieldCount; ++i) {
    const StabilityField& field = StabilityFields()[i];
    auto* box = new QLineEdit(QString::fromStdString(form.Texts[i]));
    box->setObjectName(field.Name);
    box->setAccessibleName(field.Name);
    box->setToolTip(QString("A whole number from %1 to %2").arg(field.Low).arg(field.High));
    auto* label = new QLabel(field.Caption);
    label->setBuddy(box);
    fields->addRow(label, box);
    fields_[i] = box;
  }
  auto* note = new QLabel(kStabilityOptionsNote);
  note->setAccessibleName("About the options");
  note->setWordWrap(true);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(note);
  layout->addLayout(OkCancelButtons(this));
  setMinimumWidth(380);
}

void StabilityOptionsDialog::accept() {
  StabilityOptionsForm form;
  for (std::size_t i = 0; i < kStabilityFieldCount; ++i)
    form.Texts[i] = fields_[i]->text().toStdString();
  const StabilityOptionsForm::Refusal refusal = form.Check();
  if (!refusal.Text.empty()) {
    messages_.ShowStop(kFieldErrorTitle, refusal.Text);
    fields_.at(refusal.Field)->setFocus();
    fields_.at(refusal.Field)->selectAll();
    return;
  }
  chosen_ = form.Chosen();
  QDialog::accept();
}

}  // namespace stavelorn
