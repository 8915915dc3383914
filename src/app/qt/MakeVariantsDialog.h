// The "Make Variants" dialog of Exercise > Make Variants…: how many variants, the seed they are
// drawn from and the folder they go into. It only chooses (VariantsForm.h reads its fields);
// ProjectCommands makes the variants.
#pragma once

#include <QDialog>

#include "app/VariantsForm.h"
#include "ui/Messages.h"

class QLineEdit;
class QSpinBox;

namespace stavelorn {

class MakeVariantsDialog : public QDialog {
  Q_OBJECT
 public:
  MakeVariantsDialog(const VariantsChoice& choice, Messages& messages, QWidget* parent);

  const VariantsChoice& Chosen() const { return chosen_; }

  QSpinBox* CountBox() const { return count_; }
  QLineEdit* SeedBox() const { return seed_; }
  QLineEdit* FolderBox() const { return folder_; }

  // OK: the fields read into the choice, or the first fault said and its field focused.
  void accept() override;

 private:
  Messages& messages_;
  VariantsChoice chosen_;
  QSpinBox* count_;
  QLineEdit* seed_;
  QLineEdit* folder_;
};

}  // namespace stavelorn
