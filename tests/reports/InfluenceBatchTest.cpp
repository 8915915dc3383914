// The batch tool's --influence: the words it reads, the "influence" object it writes and the exit
// status of every way the request can go wrong.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "reports/BatchReport.h"
#include "reports/JsonReader.h"
#include "support/Golden.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

// A simply supported beam of 10 on two members of 4 and 6 (or on one support only).
std::string BeamFile(const char* name, const char* firstSupport) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("stavelorn-influence-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  const std::string path = (dir / name).string();
  std::ofstream(path, std::ios::binary)
      << R"("B","Beam", "Joints",3, 0, 4, 10, "Supports",2, )" << firstSupport
      << R"(, 3,1,0, "Materials",1, 2E8,1E-5, "Cross-Sections",1, 5E-4, )"
      << R"("Members",2, 1,2,1,1, 2,3,1,1)" << '\n';
  return path;
}

double Number(const JsonValue& v) {
  return std::strtod(v.text.c_str(), nullptr);
}

// Member 2 spans x = 4..10 of the beam, its section at 7: the tenth point x = 3 becomes the two
// sides of the section, where the shear's line jumps from -0.7 to 0.3; on member 1 it reads -x/10.
// The object is compared with a file checked by eye.
TEST(InfluenceBatch, WritesTheLineWithBothSidesOfTheSectionAndItsExtremes) {
  std::ostringstream out, err;
  ASSERT_EQ(RunBatchReport({"--json", "--influence", "internal:2:3:V", "--path", "2,1",
                            BeamFile("beam.str", "1,1,0")},
                           out, err),
            0);
  testing::ExpectGoldenFile(out.str(), "tests/reports/golden/influence.json");
  const JsonValue influence = ParseJson(out.str())["influence"];
  for (const JsonValue& s : influence["path"][1]["stations"].items)
    EXPECT_NEAR(Number(s["value"]), -Number(s["x"]) / 10, 1e-12);
  const JsonValue& stations = influence["path"][0]["stations"];
  EXPECT_NEAR(Number(stations[6]["value"]) - Number(stations[5]["value"]), 1, 1e-12);
}

TEST(InfluenceBatch, ExitStatusNamesWhatWentWrong) {
  const std::string beam = BeamFile("beam.str", "1,1,0"), loose = BeamFile("loose.str", "1,0,0");
  const struct {
    std::vector<std::string> args;
    int status;
    const char* err;
  } cases[] = {
      {{"--json", "--influence", "reaction:1:1", beam}, 0, ""},
      {{"--json", "--influence", "internal:1:2.5e0:M", "--path", "1", beam}, 0, ""},
      {{"--json", "--influence", "displacement:2:2", beam}, 0, ""},
      {{"--influence", "reaction:1:1", beam}, 64, "--influence goes with --json"},
      {{"--json", "--path", "1", beam}, 64, "--path with --influence"},
      {{"--json", beam, "--influence"}, 64, "needs a value"},
      {{"--json", "--influence", "reaction:1", beam}, 64, "is none of"},
      {{"--json", "--influence", "internal:1:x:M", beam}, 64, "is none of"},
      {{"--json", "--influence", "internal:1:2:m", beam}, 64, "is none of"},
      {{"--json", "--influence", "moment:1:2", beam}, 64, "is none of"},
      {{"--json", "--influence", "reaction:1:1", "--path", "1,,2", beam}, 64, "not member numbers"},
      {{"--json", "--influence", "reaction:2:1", beam}, 2, "Joint 2 is not a support"},
      {{"--json", "--influence", "reaction:1:1", "--path", "1,7", beam}, 2, "Member 7 of the path"},
      {{"--json", "--influence", "reaction:1:1", loose}, 3, "NOT Statically"},
  };
  for (const auto& c : cases) {
    std::ostringstream out, err;
    SCOPED_TRACE(c.args[c.args.size() - 2]);
    EXPECT_EQ(RunBatchReport(c.args, out, err), c.status) << err.str();
    EXPECT_NE(err.str().find(c.err), std::string::npos) << err.str();
    EXPECT_EQ(out.str().find("\"influence\"") != std::string::npos, c.status == 0);
    EXPECT_EQ(out.str().empty(), c.status == 2 || c.status == 64);
  }
}

}  // namespace
}  // namespace stavelorn
