// The windowed program: an empty model and the main window, opening the project file named on
// the command line, if any.
#include <QApplication>

#include "app/qt/MainWindow.h"
#include "model/ModelStore.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("STAVELORN");
  stavelorn::ModelStore model;
  stavelorn::MainWindow window(model);
  window.show();
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1) {
    window.Commands().OpenProjectFile(arguments.at(1).toStdString());
    window.Refresh();
  }
  return QApplication::exec();
}
