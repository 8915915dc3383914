#include "app/qt/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

#include "model/ExitStatus.h"
#include "model/Version.h"

namespace stavelorn {

namespace {

void Write(std::FILE* stream, const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), stream);
  std::fflush(stream);
}

}  // namespace

WindowCommandLine ReadWindowCommandLine(int argc, char** argv) {
  // QCommandLineParser names the program from the application's arguments; a core application
  // gives it those without opening a connection to any display.
  QCoreApplication core(argc, argv);
  QCoreApplication::setApplicationName("stavelorn");
  QCoreApplication::setApplicationVersion(ProgramVersion());

  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Teaches the matrix stiffness method: describe a structure, analyse it, read and print "
      "the results.");
  // Its own help option rather than Qt's, whose --help-all lists window-system options this
  // program does not accept.
  const QCommandLineOption help({"h", "help"}, "Show this help and exit.");
  const QCommandLineOption version({"v", "version"}, "Show the program's version and exit.");
  parser.addOption(help);
  parser.addOption(version);
  parser.addPositionalArgument("FILE.str", "The project to open.", "[FILE.str]");

  WindowCommandLine line;
  const bool parsed = parser.parse(QCoreApplication::arguments());
  if (parsed && parser.isSet(help)) {
    Write(stdout, parser.helpText());
    line.ExitStatus = 0;
  } else if (parsed && parser.isSet(version)) {
    Write(stdout, QString("stavelorn %1\n").arg(ProgramVersion()));
    line.ExitStatus = 0;
  } else if (!parsed || parser.positionalArguments().size() > 1) {
    const QString reason =
        parsed ? QString("more than one project file given") : parser.errorText();
    Write(stderr, "stavelorn: " + reason + "\n" + parser.helpText());
    line.ExitStatus = kExitUsage;
  } else if (!parser.positionalArguments().isEmpty()) {
    line.ProjectFile = parser.positionalArguments().first();
  }
  return line;
}

}  // namespace stavelorn
