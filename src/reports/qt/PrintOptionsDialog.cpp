#include "reports/qt/PrintOptionsDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace stavelorn {

PrintOptionsDialog::PrintOptionsDialog(PrintOptions& options, QWidget* parent)
    : QDialog(parent), options_(options) {
  setObjectName("PrintOptions");
  setWindowTitle(kPrintOptionsTitle);
  auto* group = new QGroupBox(kPrintOptionsGroup, this);
  auto* rows = new QVBoxLayout(group);
  for (const ReportSectionInfo& info : ReportSections()) {
    auto* box = new QCheckBox(info.Caption, group);
    box->setObjectName(info.Name);
    rows->addWidget(box);
    boxes_[static_cast<std::size_t>(info.Section)] = box;
    connect(box, &QCheckBox::toggled, this, [this, section = info.Section](bool checked) {
      options_.Choose(section, checked);
      Show();
    });
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  ok_ = buttons->button(QDialogButtonBox::Ok);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addWidget(buttons);
  Show();
}

void PrintOptionsDialog::Show() {
  for (const ReportSectionInfo& info : ReportSections()) {
    QCheckBox* box = Box(info.Section);
    const QSignalBlocker quiet(box);
    box->setEnabled(options_.Available(info.Section));
    box->setChecked(options_.Chosen(info.Section));
  }
  ok_->setEnabled(options_.AnythingChosen());
}

}  // namespace stavelorn
