// The method's trail in print and in JSON: a golden page of one small frame (checked by eye) and
// the rule that leaves out a large [S]. The batch tool's "trail" is checked with the examples.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "analysis/AnalysisRun.h"
#include "analysis/EquilibriumCheck.h"
#include "analysis/GeneratedStructures.h"
#include "reports/MiniJson.h"
#include "reports/ReportFixtures.h"
#include "reports/TextReportPrinter.h"
#include "reports/TrailJson.h"
#include "reports/TrailReport.h"

namespace stavelorn {
namespace {

struct Trailed {
  std::string text;
  JsonValue json;
  int dofCount;
};

Trailed Trail(ModelStore model) {
  AnalysisRun run = CheckAndAnalyze(model);
  EXPECT_TRUE(run.Trail);
  if (!run.Trail) return {};
  std::ostringstream out;
  TextReportPrinter printer(out);
  PrintTrail(model, *run.Trail, printer);
  printer.EndDocument();
  return {out.str(), ParseJson(TrailJson(*run.Trail)), run.Trail->DofCount};
}

// An L-shaped frame: a column fixed at its foot and a beam pinned at its far end, with a uniform
// load on the beam and a sway load at the knee.
TEST(TrailReport, PrintsTheSmallFrameAsCheckedByEye) {
  const std::string text = Trail(testing::ModelFromText(R"("L frame","PFrame"
"Joints",3, 0,0, 0,4, 6,4
"Supports",2, 1,1,1,1, 3,1,1,0
"Materials",1, 200000000,0
"Cross-Sections",1, 0.01,0.0001
"Members",2, 1,2,1,1, 2,3,1,1
"Joint Loads",1, 2,10,0,0
"Member Loads",1, 2,3,5,0,0,0
)"))
                               .text;
  const std::string golden = GoldenPath("trail-frame.txt");
  if (std::getenv("STAVELORN_UPDATE_GOLDEN")) std::ofstream(golden, std::ios::binary) << text;
  EXPECT_EQ(text, ReadWholeFile(golden));
}

TEST(TrailReport, LeavesOutALargeStiffnessMatrixAndSaysWhy) {
  struct Case {
    int bays, storeys;
    bool printed, inJson;
  };
  // 3 x (bays + 1) x storeys free coordinates: 54, 72 and 330.
  for (Case c : {Case{2, 6, true, true}, Case{3, 6, false, true}, Case{10, 10, false, false}}) {
    const Trailed t = Trail(PlaneFrameGrid(c.bays, c.storeys));
    SCOPED_TRACE(t.dofCount);
    EXPECT_EQ(t.text.find("[S] structure stiffness matrix") != std::string::npos, c.printed);
    EXPECT_EQ(t.text.find("it is printed only up to 60") != std::string::npos, !c.printed);
    EXPECT_EQ(t.json["structureStiffness"].kind == JsonValue::Kind::Null, !c.inJson);
    EXPECT_EQ(t.json["displacements"].items.size(), static_cast<std::size_t>(t.dofCount));
  }
}

TEST(TrailReport, SaysSoWhenNoCoordinateIsFree) {
  const Trailed t = Trail(testing::ModelFromText(R"("Fixed","PFrame"
"Joints",2, 0,0, 4,0
"Supports",2, 1,1,1,1, 2,1,1,1
"Materials",1, 200000000,0
"Cross-Sections",1, 0.01,0.0001
"Members",1, 1,2,1,1
"Member Loads",1, 1,3,5,0,0,0
)"));
  EXPECT_NE(t.text.find("No coordinate is free"), std::string::npos);
  EXPECT_EQ(t.json["structureStiffness"].kind, JsonValue::Kind::Array);
  EXPECT_TRUE(t.json["structureStiffness"].items.empty());
  // The member's end forces are its fixed-end forces: wL/2 and wL^2/12.
  EXPECT_EQ(t.json["members"][0]["localEndForces"][1].text, "10");
}

}  // namespace
}  // namespace stavelorn
