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

const char* const kFrame = testing::kThreeCaseFrame;

// The text of the first "key": [...] array of `json` at or after `from`.
std::string ArrayAfter(const std::string& json, const std::string& key, std::size_t from = 0) {
  const std::size_t start = json.find("\"" + key + "\": [", from);
  if (start == std::string::npos) return "";
  return json.substr(start, json.find("\n ]", start) - start);
}

TEST(LoadCaseBatch, TheChosenCaseFillsTheTopLevelAndTheCasesStayAsTheyAre) {
  const std::string file = ScratchFile("frame-cases.str", kFrame);
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

TEST(LoadCaseBatch, AnUnknownNameIsRefusedNamingTheCasesAndOneCaseHasNoEnvelope) {
  const std::string file = ScratchFile("frame-cases.str", kFrame);
  const testing::ToolRun unknown = RunTool({"--case", "Snow", file});
  EXPECT_EQ(unknown.status, kExitRejected);
  EXPECT_NE(unknown.err.find("\"Snow\" (it has Dead, Live, Wind, 1.2D+1.6L, 1.2D+L+W)"),
            std::string::npos)
      << unknown.err;
  EXPECT_TRUE(unknown.out.empty());

  // Without --case the report holds every case and the envelopes (the checked file below).
  const testing::ToolRun one = RunTool({"--case", "Wind", file});
  ASSERT_EQ(one.status, kExitComplete) << one.err;
  EXPECT_EQ(one.out.find("Envelopes over"), std::string::npos);
  EXPECT_NE(one.out.find("Results of Analysis"), std::string::npos);
}

// The whole report of every case with the diagrams, checked by eye: each case's, combination's
// and the envelopes' heading after two blank lines, as every heading, and the diagrams naming
// the case they are of.
TEST(LoadCaseBatch, TheReportOfEveryCaseMatchesItsCheckedFile) {
  const std::string file = ScratchFile("frame-cases.str", kFrame);
  const testing::ToolRun every = RunTool({"--diagrams", file});
  ASSERT_EQ(every.status, kExitComplete) << every.err;
  testing::ExpectGoldenFile(every.out, "tests/cli/golden/three-case-frame.txt");
}

// --trail follows a chosen case with its own {P} and {d}; a combination has none and says so.
TEST(LoadCaseBatch, TheTrailIsOfTheChosenCaseAndACombinationSaysItHasNone) {
  const std::string file = ScratchFile("frame-cases.str", kFrame);
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

// A misspelt label is skipped as ever, and now said so.
TEST(LoadCaseBatch, ASkippedLabelIsNamedOnTheErrorStream) {
  const std::string file = ScratchFile(
      "frame-misspelt.str", std::string(kFrame).replace(std::string(kFrame).find("\"Load Case\",3"),
                                                        13, "\"Load case\",3"));
  const testing::ToolRun run = RunTool({"--json", file});
  EXPECT_EQ(run.status, kExitComplete) << "Wind's joint load lands in case 2";
  EXPECT_NE(run.err.find("the section label \"Load case\" is not one this program knows"),
            std::string::npos)
      << run.err;
}

}  // namespace
}  // namespace stavelorn
