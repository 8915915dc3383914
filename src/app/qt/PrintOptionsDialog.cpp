#include "app/qt/PrintOptionsDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QVBoxLayout>

namespace stavelorn {

PrintOptionsDialog::PrintOptionsDialog(const PrintChoices& choices, bool hasResults,
                                       QWidget* parent)
    : QDialog(parent), choices_(Available(choices, hasResults)) {
  setObjectName("PrintOptions");
  setWindowTitle("Print Options");
  auto* layout = new QVBoxLayout(this);
  for (const PrintChoiceRow& row : PrintChoiceRows()) {
    auto* box = new QCheckBox(QString::fromUtf8(row.Caption));
    box->setChecked(choices_.*row.Choice);
    box->setEnabled(hasResults || !row.NeedsResults);
    layout->addWidget(box);
    boxes_.push_back(box);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

PrintChoices PrintOptionsDialog::Choices() const {
  PrintChoices choices = choices_;
  const std::vector<PrintChoiceRow>& rows = PrintChoiceRows();
  for (std::size_t i = 0; i < rows.size(); ++i) choices.*rows[i].Choice = boxes_[i]->isChecked();
  return choices;
}

}  // namespace stavelorn
