// The batch tool on a project of three load cases and two combinations: --case chooses the
// results the top level, the report and the picture show, and every case and combination is
// written alike whichever is chosen.
#include <gtest/gtest.h>

#include <string>

#include "cli/ToolRun.h"
#include "model/ExitStatus.h"
#include "support/Golden.h"

namespace stavelorn {
namespace {

using testing::RunTool;
using testing::ScratchFile;

// The text of the first "key": [...] array of `json` at or after `from`.
std::string ArrayAfter(const std::string& json, const std::string& key, std::size_t from = 0) {
  const std::size_t start = json.find("\"" + key + "\": [", from);
  if (start == std::string::npos) return "";
  return json.substr(start, json.find("\n ]", start) - start);
}

TEST(LoadCaseBatch, TheChosenCaseFillsTheTopLevelAndTheCasesStayAsTheyAre) {
  const std::string file = ScratchFile("frame-cases.str", testing::kThreeCaseFrame);
  const testing::ToolRun first = RunTool({"--json", file});
  ASSERT_EQ(first.status, kExitComplete) << first.err;
  const std::size_t cases = first.out.find("\"loadCases\"");
  ASSERT_NE(cases, std::string::npos);
  const std::string everyCase = first.out.substr(cases);
  for (const char* name : {"Dead", "Live", "Wind", "1.2D+1.6L", "1.2D+L+W"}) {
    SCOPED_TRACE(name);
    const testing::ToolRun chosen = RunTool({"--json", "--case", name, file});
    ASSERT_EQ(chosen.status, kExitComplete) << chosen.err;
    const std::size_t entry = chosen.out.find("{\"name\": \"" + std::string(name) + "\"");
    ASSERT_NE(entry, std::string::npos);
    for (const char* key : {"jointDisplacements", "memberEndForces", "supportReactions"})
      EXPECT_EQ(ArrayAfter(chosen.out, key), ArrayAfter(chosen.out, key, entry)) << key;
    EXPECT_EQ(chosen.out.substr(chosen.out.find("\"loadCases\"")), everyCase);
  }
  EXPECT_EQ(ArrayAfter(first.out, "jointDisplacements"),
            ArrayAfter(first.out, "jointDisplacements", first.out.find("{\"name\": \"Dead\"")))
      << "the first case without --case";
}

// --trail follows a chosen case with its own {P} and {d}; a combination has none and says so.
TEST(LoadCaseBatch, TheTrailIsOfTheChosenCaseAndACombinationSaysItHasNone) {
  const std::string file = ScratchFile("frame-cases.str", testing::kThreeCaseFrame);
  const testing::ToolRun dead = RunTool({"--json", "--trail", "--case", "Dead", file});
  const testing::ToolRun wind = RunTool({"--json", "--trail", "--case", "Wind", file});
  ASSERT_EQ(wind.status, kExitComplete) << wind.err;
  EXPECT_NE(ArrayAfter(wind.out, "loadVector"), "");
  EXPECT_NE(ArrayAfter(wind.out, "loadVector"), ArrayAfter(dead.out, "loadVector"));
  const testing::ToolRun combined = RunTool({"--json", "--trail", "--case", "1.2D+L+W", file});
  EXPECT_EQ(combined.status, kExitComplete);
  EXPECT_EQ(combined.out.find("\"trail\""), std::string::npos);
  EXPECT_NE(combined.err.find("has no step-by-step solution of its own"), std::string::npos)
      << combined.err;
}

}  // namespace
}  // namespace stavelorn
