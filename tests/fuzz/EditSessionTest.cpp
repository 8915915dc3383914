// Random edit sessions from fixed seeds over every example: whatever the commands, the data stay
// writable and checkable, and the histories give back exactly what they took.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "fuzz/EditSessionRun.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

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
