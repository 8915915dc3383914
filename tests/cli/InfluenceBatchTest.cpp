// The batch tool's --influence: the "influence" object it writes (the requests it refuses are
// among the tool's refusals).
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "cli/BatchRun.h"
#include "reports/JsonReader.h"
#include "support/Golden.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

double Number(const JsonValue& v) {
  return std::strtod(v.text.c_str(), nullptr);
}

// A simply supported beam of 10 on two members of 4 and 6 (influence-beam.str). Member 2 spans
// x = 4..10 of the beam, its section at 7: the tenth point x = 3 becomes the two sides of the
// section, where the shear's line jumps from -0.7 to 0.3; on member 1 it reads -x/10. The object
// is compared with a file checked by eye.
TEST(InfluenceBatch, WritesTheLineWithBothSidesOfTheSectionAndItsExtremes) {
  std::ostringstream out, err;
  ASSERT_EQ(RunBatchTool({"--json", "--influence", "internal:2:3:V", "--path", "2,1",
                          testing::SourcePath("tests/reports/golden/influence-beam.str")},
                         out, err),
            0);
  testing::ExpectGoldenFile(out.str(), "tests/reports/golden/influence.json");
  const JsonValue influence = ParseJson(out.str())["influence"];
  for (const JsonValue& s : influence["path"][1]["stations"].items)
    EXPECT_NEAR(Number(s["value"]), -Number(s["x"]) / 10, 1e-12);
  const JsonValue& stations = influence["path"][0]["stations"];
  EXPECT_NEAR(Number(stations[6]["value"]) - Number(stations[5]["value"]), 1, 1e-12);
}

// Asked without a path, the roof truss's unit load travels its bottom chord, members 1 to 4 of 3
// each from joint 1 to joint 5, and the reaction at the pinned joint 1 reads 1 - X/12 at the
// chord's joints as the lever rule gives it.
TEST(InfluenceBatch, ATrussWithoutAPathCarriesTheLoadOnItsBottomChord) {
  std::ostringstream out, err;
  ASSERT_EQ(RunBatchTool({"--json", "--influence", "reaction:1:2",
                          testing::SourcePath("examples/roof-truss.str")},
                         out, err),
            0)
      << err.str();
  const JsonValue json = ParseJson(out.str());
  const JsonValue& path = json["influence"]["path"];
  ASSERT_EQ(path.items.size(), 4u);
  for (std::size_t i = 0; i < path.items.size(); ++i) {
    EXPECT_EQ(path[i]["member"].text, std::to_string(i + 1));
    for (const JsonValue& s : path[i]["stations"].items)
      EXPECT_NEAR(Number(s["value"]), 1 - (3.0 * double(i) + Number(s["x"])) / 12, 1e-9);
  }
}

}  // namespace
}  // namespace stavelorn
