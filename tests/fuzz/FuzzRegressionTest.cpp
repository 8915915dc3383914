#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <vector>

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
      const std::string bytes = testing::ReadWholeFile(entry.path().string());
      SCOPED_TRACE(entry.path().string());
      EXPECT_NO_THROW(RunPipelineOn(bytes));
      if (entry.path().filename().string().rfind("edit-session-", 0) == 0) {
        EXPECT_EQ(RunEditSessionInput(testing::SourcePath("."), bytes), "");
      }
      ++replayed;
    }
  }
  EXPECT_GE(replayed, 6);
}

// Random edit sessions from fixed seeds over every example: whatever the commands, the data stay
// writable and checkable, and the histories give back exactly what they took.
TEST(EditSessions, RandomSessionsKeepTheDataSoundAndUndoExactly) {
  for (const char* example : kSessionExamples) {
    const std::string path = testing::SourcePath(std::string("examples/") + example + ".str");
    const std::string text = testing::ReadWholeFile(path);
    for (unsigned seed = 1; seed <= 12; ++seed) {
      std::mt19937 random(seed);
      std::vector<std::uint8_t> bytes(600);
      for (std::uint8_t& b : bytes) b = static_cast<std::uint8_t>(random());
      EXPECT_EQ(RunEditSession(path, text, bytes.data(), bytes.size()), "")
          << example << " seed " << seed;
    }
  }
}

}  // namespace
}  // namespace stavelorn
