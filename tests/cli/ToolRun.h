// The batch tool run as a test runs it: on arguments, its two streams caught, its projects
// written to a scratch folder.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/BatchRun.h"
#include "support/SampleModels.h"

namespace stavelorn::testing {

struct ToolRun {
  int status;
  std::string out;
  std::string err;
};

inline ToolRun RunTool(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = RunBatchTool(args, out, err);
  return {status, out.str(), err.str()};
}

// Writes `text` to `name` in a scratch folder of this process and returns its path.
inline std::string ScratchFile(const std::string& name, const std::string& text) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("stavelorn-batch-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  std::ofstream((dir / name).string(), std::ios::binary) << text;
  return (dir / name).string();
}

// Three joints in a row loaded across the line at the middle one, without supports. One roller
// support is a mechanism the count finds (status 3); both ends pinned, the solution finds it
// (status 4).
inline std::string CollinearTruss() {
  return testing::ReadWholeFile(testing::SourcePath("tests/reports/golden/collinear-truss.str"));
}

}  // namespace stavelorn::testing
