#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "fuzz/EditSessionRun.h"
#include "fuzz/PipelineRun.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

// Every input the fuzzers ever found a fault with is kept and replayed here, so a fault once
// fixed stays fixed (the sanitizer build of the tests turns a relapse into a report). An edit
// session's input is also replayed as the session it was.
TEST(FuzzRegressions, EveryKeptInputRunsThroughThePipeline) {
  int replayed = 0;
  for (const char* folder : {"tests/fuzz-regressions", "examples"}) {
    for (const auto& entry : std::filesystem::directory_iterator(testing::SourcePath(folder))) {
      if (!entry.is_regular_file() || entry.path().filename() == "README.md") continue;
      std::ifstream in(entry.path(), std::ios::binary);
      std::ostringstream bytes;
      bytes << in.rdbuf();
      SCOPED_TRACE(entry.path().string());
      EXPECT_NO_THROW(RunPipelineOn(bytes.str()));
      if (entry.path().filename().string().rfind("edit-session-", 0) == 0) {
        EXPECT_EQ(RunEditSessionInput(testing::SourcePath("."), bytes.str()), "");
      }
      ++replayed;
    }
  }
  EXPECT_GE(replayed, 6);
}

}  // namespace
}  // namespace stavelorn
