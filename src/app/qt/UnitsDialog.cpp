#include "app/qt/UnitsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/qt/DialogButtons.h"

namespace stavelorn {

namespace {

template <std::size_t N>
QComboBox* UnitBox(const std::array<UnitInfo, N>& units, int current, const char* name) {
  auto* box = new QComboBox;
  for (const UnitInfo& unit : units) box->addItem(QString::fromUtf8(unit.Symbol));
  box->setCurrentIndex(current);
  box->setObjectName(name);
  box->setAccessibleName(name);
  return box;
}

}  // namespace

UnitsDialog::UnitsDialog(const UnitSystem& units, QWidget* parent) : QDialog(parent) {
  setObjectName("Units");
  setWindowTitle("Units");

  named_ = new QCheckBox("&Name the units of this project");
  named_->setObjectName("NamedUnits");
  named_->setAccessibleName("Name the units");
  named_->setChecked(units.Named);
  force_ = UnitBox(ForceUnits(), static_cast<int>(units.Force), "Force unit");
  length_ = UnitBox(LengthUnits(), static_cast<int>(units.Length), "Length unit");
  temperature_ = UnitBox(TemperatureUnits(), static_cast<int>(units.Temperature),
                         "Temperature difference unit");

  auto* note = new QLabel(
      "Without names, values are in any consistent units of your choice.\n"
      "Angles stay in radians (rotations) and degrees (angles of roll).");
  note->setAccessibleName("About units");

  auto* form = new QFormLayout;
  form->addRow("&Force:", force_);
  form->addRow("&Length:", length_);
  form->addRow("&Temperature difference:", temperature_);
  auto enable = [this](bool on) {
    for (QComboBox* box : {force_, length_, temperature_}) box->setEnabled(on);
  };
  enable(units.Named);
  connect(named_, &QCheckBox::toggled, this, enable);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(named_);
  layout->addLayout(form);
  layout->addWidget(note);
  layout->addLayout(OkCancelButtons(this));
}

UnitSystem UnitsDialog::Chosen() const {
  if (!named_->isChecked()) return UnitSystem();
  return NamedUnits(static_cast<ForceUnit>(force_->currentIndex()),
                    static_cast<LengthUnit>(length_->currentIndex()),
                    static_cast<TemperatureUnit>(temperature_->currentIndex()));
}

}  // namespace stavelorn
