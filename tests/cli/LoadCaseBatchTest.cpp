// The batch tool on a project of three load cases and two combinations: --case chooses the case
// the trail follows, the first without it (that the top level holds the chosen case's numbers is
// the browser page's test, which shows them beside the tool's).
#include <gtest/gtest.h>

#include <string>

#include "cli/ToolRun.h"
#include "model/ExitStatus.h"
#include "support/Golden.h"

namespace stavelorn {
namespace {

using testing::RunTool;
using testing::ScratchFile;

// The text of the first "key": [...] array of `json`.
std::string FirstArray(const std::string& json, const std::string& key) {
  const std::size_t start = json.find("\"" + key + "\": [");
  if (start == std::string::npos) return "";
  return json.substr(start, json.find("\n ]", start) - start);
}

// The whole report of every case with the diagrams, checked by eye: each case's, combination's
// and the envelopes' heading after two blank lines, as every heading, each envelope value with the
// case or combination that gives it, and the diagrams naming the case they are of; and the same
// in JSON, each diagram station's largest and smallest values with the case or combination that
// gives each.
TEST(LoadCaseBatch, TheReportOfEveryCaseMatchesItsCheckedFile) {
  const std::string file = ScratchFile("frame-cases.str", testing::kThreeCaseFrame);
  const testing::ToolRun every = RunTool({"--diagrams", file});
  ASSERT_EQ(every.status, kExitComplete) << every.err;
  testing::ExpectGoldenFile(every.out, "tests/cli/golden/three-case-frame.txt");
  testing::ExpectGoldenFile(RunTool({"--json", "--diagrams", file}).out,
                            "tests/cli/golden/three-case-frame.json");
}

// --trail follows a chosen case with its own {P} and {d}; a combination has none and says so.
TEST(LoadCaseBatch, TheTrailIsOfTheChosenCaseAndACombinationSaysItHasNone) {
  const std::string file = ScratchFile("frame-cases.str", testing::kThreeCaseFrame);
  const testing::ToolRun dead = RunTool({"--json", "--trail", "--case", "Dead", file});
  const testing::ToolRun wind = RunTool({"--json", "--trail", "--case", "Wind", file});
  ASSERT_EQ(wind.status, kExitComplete) << wind.err;
  EXPECT_NE(FirstArray(wind.out, "loadVector"), "");
  EXPECT_NE(FirstArray(wind.out, "loadVector"), FirstArray(dead.out, "loadVector"));
  EXPECT_EQ(FirstArray(RunTool({"--json", "--trail", file}).out, "loadVector"),
            FirstArray(dead.out, "loadVector"));
  const testing::ToolRun combined = RunTool({"--json", "--trail", "--case", "1.2D+L+W", file});
  EXPECT_EQ(combined.status, kExitComplete);
  EXPECT_EQ(combined.out.find("\"trail\""), std::string::npos);
  EXPECT_NE(combined.err.find("has no step-by-step solution of its own"), std::string::npos)
      << combined.err;
}

}  // namespace
}  // namespace stavelorn
