// The batch tool's critical load and second-order analysis: the JSON they add and their exit
// statuses (their options' refusals, a type that is no frame among them, are the tool's refusals).

#include <gtest/gtest.h>

#include "cli/ToolRun.h"
#include "support/Golden.h"

namespace stavelorn {
namespace {

using testing::RunTool;
using testing::ScratchFile;
using testing::SourcePath;

// A cantilever column under `load` down at its top and 1 across.
std::string Cantilever(const std::string& load) {
  return ScratchFile("cantilever-" + load + ".str",
                     "\"Column\"\n\"PFrame\"\n\"Joints\",2\n0,0\n0,5\n\"Supports\",1\n1,1,1,1\n"
                     "\"Materials\",1\n2E+08,1.2E-05\n\"Cross-Sections\",1\n1,0.0001\n"
                     "\"Members\",1\n1,2,1,1\n\"Joint Loads\",1\n2,1," +
                         load + ",0\n");
}

TEST(StabilityBatch, ThePortalFramesModesAndSecondOrderResultsReadAsCheckedByEye) {
  const std::string portal = SourcePath("examples/portal-frame.str");
  const testing::ToolRun buckling = RunTool({"--json", "--buckling", "--modes", "2", portal});
  const testing::ToolRun second = RunTool({"--json", "--second-order", "--segments", "8", portal});
  EXPECT_EQ(buckling.status, 0);
  EXPECT_EQ(second.status, 0);
  testing::ExpectGoldenFile(buckling.out + second.out, "tests/cli/golden/stability-portal.json");
}

// What a run says of a column with no compression, one beyond its critical load, and a trail that
// adds the geometric stiffness.
TEST(StabilityBatch, StatusesAndMessages) {
  const std::string portal = SourcePath("examples/portal-frame.str");
  struct Case {
    std::vector<std::string> args;
    int status;
    const char* said;  // in the output or on stderr
  } cases[] = {
      {{"--json", "--buckling", Cantilever("100")}, 0, "No member is in compression"},
      {{"--json", "--second-order", Cantilever("-10000")}, 4, "at or above the elastic critical"},
      {{"--json", "--buckling", "--modes", "1", Cantilever("-10000")}, 0, "[0.19739"},
      {{"--json", "--trail", "--buckling", portal}, 0, "\"structureGeometricStiffness\": [["},
  };
  for (const Case& c : cases) {
    const testing::ToolRun run = RunTool(c.args);
    EXPECT_EQ(run.status, c.status) << c.args[1] << " " << c.args.back();
    EXPECT_NE((run.out + run.err).find(c.said), std::string::npos) << c.said << "\n"
                                                                   << run.out << run.err;
  }
}

}  // namespace
}  // namespace stavelorn
