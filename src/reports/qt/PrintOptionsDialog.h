// The "Print Options" dialog: one check box per report section, as PrintOptions lists them.
// Print and Print Preview both open it. OK is offered only while something is ticked.
#pragma once

#include <QDialog>
#include <array>

#include "reports/PrintOptions.h"

class QCheckBox;
class QPushButton;

namespace stavelorn {

class PrintOptionsDialog : public QDialog {
  Q_OBJECT
 public:
  // Shows `options` and writes the user's ticks back into it as they change.
  PrintOptionsDialog(PrintOptions& options, QWidget* parent = nullptr);

  // cppcheck-suppress CastIntegerToAddressAtReturn ; std::array of pointers, misread as integers
  QCheckBox* Box(ReportSection section) const { return boxes_[static_cast<std::size_t>(section)]; }
  QPushButton* OkButton() const { return ok_; }

 private:
  void Show();

  PrintOptions& options_;
  std::array<QCheckBox*, kReportSectionCount> boxes_{};
  QPushButton* ok_ = nullptr;
};

}  // namespace stavelorn
