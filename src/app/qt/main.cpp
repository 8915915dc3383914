// The windowed program: an empty model and the main window, opening the project file named on
// the command line, if any. The command line is read first, so --help and --version answer
// without a display.
#include <QApplication>

#include "app/qt/CommandLine.h"
#include "app/qt/MainWindow.h"
#include "model/ModelStore.h"

int main(int argc, char** argv) {
  const stavelorn::WindowCommandLine line = stavelorn::ReadWindowCommandLine(argc, argv);
  if (line.ExitStatus >= 0) return line.ExitStatus;

  QApplication app(argc, argv);
  QApplication::setApplicationName("STAVELORN");
  QApplication::setOrganizationName("stavelorn");  // where QSettings keeps the recent projects
  stavelorn::ModelStore model;
  stavelorn::MainWindow window(model);
  window.show();
  if (!line.ProjectFile.isEmpty()) {
    window.Commands().OpenProjectFile(line.ProjectFile.toStdString());
    window.Refresh();
  }
  return QApplication::exec();
}
