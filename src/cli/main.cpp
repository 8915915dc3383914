// stavelorn-report: the report of a project, or its results as JSON, its drawing as a picture,
// or the verdicts on a student's answers, for instructors and scripts. Everything it does is
// RunBatchTool's; its options are listed in BatchOptionTable.cpp.
#include <iostream>
#include <string>
#include <vector>

#include "cli/BatchRun.h"

int main(int argc, char** argv) {
  return stavelorn::RunBatchTool(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                 std::cerr);
}
