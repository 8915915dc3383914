// stavelorn-report [--trail] [--diagrams] [--json [--influence WHAT [--path ...]]] FILE.str: the
// report of a project, or its results as JSON, for instructors and scripts. Everything it does is
// RunBatchReport's.
#include <iostream>
#include <string>
#include <vector>

#include "reports/BatchReport.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return stavelorn::RunBatchReport(args, std::cout, std::cerr);
}
