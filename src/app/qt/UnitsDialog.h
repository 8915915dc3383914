// The Units dialog of Project > Units...: whether the project names its units and, when it does,
// its force, length and temperature-difference units. It only chooses; ProjectCommands decides
// what the choice does to the project.
#pragma once

#include <QDialog>

#include "model/Units.h"

class QCheckBox;
class QComboBox;

namespace stavelorn {

class UnitsDialog : public QDialog {
  Q_OBJECT
 public:
  UnitsDialog(const UnitSystem& units, QWidget* parent);

  // The system as the controls now stand.
  UnitSystem Chosen() const;

  QCheckBox* NamedBox() const { return named_; }
  QComboBox* ForceBox() const { return force_; }
  QComboBox* LengthBox() const { return length_; }
  QComboBox* TemperatureBox() const { return temperature_; }

 private:
  QCheckBox* named_;
  QComboBox* force_;
  QComboBox* length_;
  QComboBox* temperature_;
};

}  // namespace stavelorn
