// The "Stability Options" dialog of Stability > Options…: the pieces each member is divided into
// and the buckling modes sought. OK takes the fields only when StabilityOptionsForm accepts them;
// the project's session keeps what was chosen.
#pragma once

#include <QDialog>
#include <array>

#include "app/StabilityOptions.h"
#include "ui/Messages.h"

class QLineEdit;

namespace stavelorn {

class StabilityOptionsDialog : public QDialog {
  Q_OBJECT
 public:
  StabilityOptionsDialog(const StabilityOptions& options, Messages& messages, QWidget* parent);

  // The options OK took; those the dialog opened with until then.
  const StabilityOptions& Chosen() const { return chosen_; }
  QLineEdit* Field(std::size_t index) const { return fields_.at(index); }

  // OK: refused with a message naming the field when a field is not a whole number within its
  // limits, the field then selected for correction.
  void accept() override;

 private:
  Messages& messages_;
  std::array<QLineEdit*, kStabilityFieldCount> fields_{};
  StabilityOptions chosen_;
};

}  // namespace stavelorn
