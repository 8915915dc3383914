// Makes the help folder at build time: stavelorn-help-pages PAGES_FOLDER EXAMPLE.str OUT_FOLDER
// fills the pages of PAGES_FOLDER from the program itself, the worked example from the project
// EXAMPLE.str, and writes them with their pictures into OUT_FOLDER. Every problem is named on
// stderr and makes the build fail.
#include <iostream>

#include "app/HelpBuild.h"
#include "model/ProjectFile.h"

int main(int argc, char** argv) {
  using namespace stavelorn;
  if (argc != 4) {
    std::cerr << "usage: stavelorn-help-pages PAGES_FOLDER EXAMPLE.str OUT_FOLDER\n";
    return 64;
  }
  HelpSources sources;
  sources.WorkedExample.ProjectFile = argv[2];
  if (const RunResult error = ReadProjectFile(sources.WorkedExample)) {
    std::cerr << argv[2] << ": the worked example cannot be read: " << RunErrorText(*error) << "\n";
    return 2;
  }
  const std::vector<std::string> problems = WriteHelpFolder(argv[1], sources, argv[3]);
  for (const std::string& problem : problems) std::cerr << problem << "\n";
  return problems.empty() ? 0 : 1;
}
