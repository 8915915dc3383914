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

// Two loads of 10 at 2 and a lane load of 1 on the beam of 10 (influence-beam.str). At midspan
// (member 2, x = 1) the loads stand at 3 and 5 (40, the first on member 1) and the lane load
// covers the span (12.5); at member 2's beginning (x = 4 of the beam) the loads stand at 4 and 6
// (40) and the lane load adds 12; a downward train never makes these moments negative.
TEST(InfluenceBatch, MovingLoadAndEnvelopeFollowTheClosedForms) {
  std::ostringstream out, err;
  ASSERT_EQ(
      RunBatchTool({"--json", "--influence", "internal:2:1:M", "--train", "10,10@2", "--lane", "1",
                    "--envelope", testing::SourcePath("tests/reports/golden/influence-beam.str")},
                   out, err),
      0)
      << err.str();
  const JsonValue influence = ParseJson(out.str())["influence"];
  const JsonValue& max = influence["movingLoad"]["max"];
  EXPECT_NEAR(Number(max["value"]), 52.5, 1e-9);
  EXPECT_NEAR(Number(max["position"]), 3, 1e-9);
  EXPECT_EQ(max["reversed"].text, "false");
  EXPECT_EQ(max["member"].text, "1");
  EXPECT_NEAR(Number(influence["movingLoad"]["min"]["value"]), 0, 1e-9);
  const JsonValue& envelope = influence["envelope"];
  EXPECT_EQ(envelope["member"].text, "2");
  EXPECT_EQ(envelope["quantity"].text, "M");
  ASSERT_EQ(envelope["stations"].items.size(), 11u);
  EXPECT_NEAR(Number(envelope["stations"][0]["max"]), 52, 1e-9);
  EXPECT_NEAR(Number(envelope["stations"][10]["x"]), 6, 1e-12);
  for (const JsonValue& s : envelope["stations"].items) EXPECT_NEAR(Number(s["min"]), 0, 1e-9);
  // A lane load alone stands nowhere.
  std::ostringstream laneOut, laneErr;
  ASSERT_EQ(RunBatchTool({"--json", "--influence", "internal:2:1:M", "--lane", "2",
                          testing::SourcePath("tests/reports/golden/influence-beam.str")},
                         laneOut, laneErr),
            0);
  const JsonValue lane = ParseJson(laneOut.str())["influence"]["movingLoad"]["max"];
  EXPECT_NEAR(Number(lane["value"]), 25, 1e-9);
  EXPECT_EQ(lane["position"].kind, JsonValue::Kind::Null);
  EXPECT_EQ(lane["member"].kind, JsonValue::Kind::Null);
}

}  // namespace
}  // namespace stavelorn
