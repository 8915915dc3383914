#include "ui/qt/QtFileDialogs.h"

#include <QFileDialog>
#include <QString>

namespace stavelorn {

std::string QtFileDialogs::OpenFile(const FileDialogRequest& request) {
  return Run(request, false);
}

std::string QtFileDialogs::SaveFile(const FileDialogRequest& request) {
  return Run(request, true);
}

std::string QtFileDialogs::Run(const FileDialogRequest& request, bool save) {
  QFileDialog dialog(parent_, QString::fromStdString(request.Title));
  // Projects end in ".str", and older ones in ".STR"; on a case-sensitive file system the filter
  // must match both.
  QString pattern = QString::fromStdString(request.Pattern);
  QString upper = pattern.toUpper();
  QString patterns = pattern == upper ? pattern : pattern + " " + upper;
  dialog.setNameFilter(QString::fromStdString(request.FilterName) + " (" + patterns + ")");
  dialog.setDefaultSuffix(QString::fromStdString(request.DefaultSuffix));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (!request.InitialPath.empty()) dialog.selectFile(QString::fromStdString(request.InitialPath));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return "";
  return dialog.selectedFiles().first().toStdString();
}

}  // namespace stavelorn
