// The batch tool's --influence: the "influence" object it writes, once for each option that shapes
// it (the requests it refuses are among the tool's refusals; the lines' and the trains' values
// against closed forms are the analysis tests').
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/ToolRun.h"
#include "support/Golden.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

// Against a file checked by eye, on the simply supported beam of 10 on members of 4 and 6
// (influence-beam.str) but for the roof truss:
// - the shear at member 2's x = 3 along the path 2, 1: both sides of the section, -0.7 and 0.3,
//   and -x/10 on member 1;
// - the roof truss without a path: its bottom chord, members 1 to 4, the pinned joint 1's
//   reaction 1 - X/12 by the lever rule;
// - two loads of 10 at 2 and a lane load of 1 with the envelope of member 2's moment: at its
//   x = 1 the loads at 3 and 5 (52.5 with the lane, the first on member 1), at its beginning
//   52; a downward train never makes these moments negative;
// - a lane load alone, which stands nowhere: 25.
TEST(InfluenceBatch, WritesEachOptionsInfluenceObjectAsCheckedByEye) {
  const std::string beam = testing::SourcePath("tests/reports/golden/influence-beam.str");
  const std::vector<std::string> runs[] = {
      {"--json", "--influence", "internal:2:3:V", "--path", "2,1", beam},
      {"--json", "--influence", "reaction:1:2", testing::SourcePath("examples/roof-truss.str")},
      {"--json", "--influence", "internal:2:1:M", "--train", "10,10@2", "--lane", "1", "--envelope",
       beam},
      {"--json", "--influence", "internal:2:1:M", "--lane", "2", beam},
  };
  std::string text;
  for (const std::vector<std::string>& args : runs) {
    const testing::ToolRun run = testing::RunTool(args);
    EXPECT_EQ(run.status, 0) << run.err;
    text += run.out.substr(run.out.find("\"influence\""));
  }
  testing::ExpectGoldenFile(text, "tests/reports/golden/influence.json");
}

}  // namespace
}  // namespace stavelorn
