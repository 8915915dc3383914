// The small dialogs the main window's commands ask through: the project's title, its units, the
// precision and the preferences, each shown modally over the window.
#include "app/qt/MainWindow.h"
#include "app/qt/PrecisionDialog.h"
#include "app/qt/PreferencesDialog.h"
#include "app/qt/ProjectTitleDialog.h"
#include "app/qt/UnitsDialog.h"

namespace stavelorn {

namespace {

// Shows a small dialog modally, centred over the window; true when it closed with OK.
bool AcceptedOverWindow(QDialog& dialog, const QWidget& window) {
  dialog.adjustSize();
  dialog.move(window.geometry().center() - dialog.rect().center());
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace

bool MainWindow::ShowTitleDialog() {
  ProjectTitleDialog dialog(model_, messages_, this);
  return AcceptedOverWindow(dialog, *this);
}

bool MainWindow::ChooseUnits(UnitSystem& units) {
  UnitsDialog dialog(units, this);
  if (!AcceptedOverWindow(dialog, *this)) return false;
  units = dialog.Chosen();
  return true;
}

bool MainWindow::ChoosePrecision(AnalysisPrecision& precision) {
  PrecisionDialog dialog(precision, this);
  if (!AcceptedOverWindow(dialog, *this)) return false;
  precision = dialog.Chosen();
  return true;
}

bool MainWindow::ChoosePreferences(RoutineAnswers& answers) {
  PreferencesDialog dialog(answers, this);
  if (!AcceptedOverWindow(dialog, *this)) return false;
  answers = dialog.Chosen();
  return true;
}

}  // namespace stavelorn
