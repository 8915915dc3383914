// The windowed program's command line: `stavelorn [FILE.str]`, with --help and --version. It is
// read before any window system is touched, so both answers work without a display.
#pragma once

#include <QString>

namespace stavelorn {

struct WindowCommandLine {
  // Set when the program is done after reading the line: 0 after --help or --version (printed on
  // stdout), 64 after a usage error (printed on stderr). -1: go on and open the window.
  int ExitStatus = -1;
  // The project file to open, or empty.
  QString ProjectFile;
};

// Reads the command line with a short-lived QCoreApplication, which needs no display; the
// caller creates its QApplication afterwards.
WindowCommandLine ReadWindowCommandLine(int argc, char** argv);

}  // namespace stavelorn
