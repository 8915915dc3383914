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

// A simply supported beam of 10 on two members of 4 and 6.
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

}  // namespace
}  // namespace stavelorn
