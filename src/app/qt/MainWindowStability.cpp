// The main window's part of the Stability menu: the options dialog and the windows of the
// buckling modes and of the second-order results, each modal over the main window; and the
// Exercise menu's "Make Variants" dialog.
#include "app/qt/BucklingModesWindow.h"
#include "app/qt/MainWindow.h"
#include "app/qt/MakeVariantsDialog.h"
#include "app/qt/SecondOrderWindow.h"
#include "app/qt/StabilityOptionsDialog.h"

namespace stavelorn {

bool MainWindow::ChooseStabilityOptions(StabilityOptions& options) {
  StabilityOptionsDialog dialog(options, messages_, this);
  dialog.adjustSize();
  dialog.move(geometry().center() - dialog.rect().center());
  if (dialog.exec() != QDialog::Accepted) return false;
  options = dialog.Chosen();
  return true;
}

bool MainWindow::ChooseVariants(VariantsChoice& choice) {
  MakeVariantsDialog dialog(choice, messages_, this);
  dialog.adjustSize();
  dialog.move(geometry().center() - dialog.rect().center());
  if (dialog.exec() != QDialog::Accepted) return false;
  choice = dialog.Chosen();
  return true;
}

bool MainWindow::ShowBucklingModes(const CriticalLoads& loads, const StabilityOptions& options) {
  BucklingModesWindow window(model_, loads, options, messages_, this);
  window.exec();
  return true;
}

bool MainWindow::ShowSecondOrder(const SecondOrderRun& run, const StabilityOptions& options) {
  SecondOrderWindow window(model_, run, options, messages_, this);
  window.exec();
  return true;
}

}  // namespace stavelorn
