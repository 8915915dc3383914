// The "Print Options" dialog: one check box per row of PrintChoiceRows(), the parts that need
// results disabled when there are none, then OK and Cancel.
#pragma once

#include <QDialog>
#include <vector>

#include "reports/PrintChoices.h"

class QCheckBox;

namespace stavelorn {

class PrintOptionsDialog : public QDialog {
  Q_OBJECT
 public:
  PrintOptionsDialog(const PrintChoices& choices, bool hasResults, QWidget* parent = nullptr);
  PrintChoices Choices() const;

 private:
  PrintChoices choices_;
  std::vector<QCheckBox*> boxes_;  // one per row
};

}  // namespace stavelorn
