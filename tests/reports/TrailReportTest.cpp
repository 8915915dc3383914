// The method's trail in print and in JSON: a golden page of one small frame (checked by eye), the
// rule that leaves out a large [S], and the JSON "trail" member of the batch tool.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "analysis/AnalysisRun.h"
#include "analysis/EquilibriumCheck.h"
#include "analysis/GeneratedStructures.h"
#include "reports/BatchReport.h"
#include "reports/MiniJson.h"
#include "reports/ReportFixtures.h"
#include "reports/TextReportPrinter.h"
#include "reports/TrailJson.h"
#include "reports/TrailReport.h"

namespace stavelorn {
namespace {

std::string PrintedTrail(const ModelStore& model, const MethodTrail& trail) {
  std::ostringstream out;
  TextReportPrinter printer(out);
  PrintTrail(model, trail, printer);
  printer.EndDocument();
  return out.str();
}

// An L-shaped frame: a column fixed at its foot and a beam pinned at its far end, with a uniform
// load on the beam and a sway load at the knee.
constexpr char kSmallFrame[] = R"("L frame","PFrame"
"Joints",3, 0,0, 0,4, 6,4
"Supports",2, 1,1,1,1, 3,1,1,0
"Materials",1, 200000000,0
"Cross-Sections",1, 0.01,0.0001
"Members",2, 1,2,1,1, 2,3,1,1
"Joint Loads",1, 2,10,0,0
"Member Loads",1, 2,3,5,0,0,0
)";

TEST(TrailReport, PrintsTheSmallFrameAsCheckedByEye) {
  ModelStore model = testing::ModelFromText(kSmallFrame);
  AnalysisRun run = CheckAndAnalyze(model);
  ASSERT_TRUE(run.Trail);
  const std::string text = PrintedTrail(model, *run.Trail);
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
    ModelStore model = PlaneFrameGrid(c.bays, c.storeys);
    AnalysisRun run = CheckAndAnalyze(model);
    ASSERT_TRUE(run.Trail);
    const std::string text = PrintedTrail(model, *run.Trail);
    EXPECT_EQ(text.find("[S] structure stiffness matrix") != std::string::npos, c.printed)
        << run.Trail->DofCount;
    EXPECT_EQ(text.find("it is printed only up to 60") != std::string::npos, !c.printed);
    const JsonValue json = ParseJson(TrailJson(*run.Trail));
    EXPECT_EQ(json["structureStiffness"].kind == JsonValue::Kind::Null, !c.inJson);
    EXPECT_EQ(json["displacements"].items.size(), static_cast<std::size_t>(run.Trail->DofCount));
  }
}

TEST(TrailReport, SaysSoWhenNoCoordinateIsFree) {
  ModelStore model = testing::ModelFromText(R"("Fixed","PFrame"
"Joints",2, 0,0, 4,0
"Supports",2, 1,1,1,1, 2,1,1,1
"Materials",1, 200000000,0
"Cross-Sections",1, 0.01,0.0001
"Members",1, 1,2,1,1
"Member Loads",1, 1,3,5,0,0,0
)");
  AnalysisRun run = CheckAndAnalyze(model);
  ASSERT_TRUE(run.Trail);
  EXPECT_NE(PrintedTrail(model, *run.Trail).find("No coordinate is free"), std::string::npos);
  const JsonValue json = ParseJson(TrailJson(*run.Trail));
  EXPECT_EQ(json["structureStiffness"].kind, JsonValue::Kind::Array);
  EXPECT_TRUE(json["structureStiffness"].items.empty());
  // The member's end forces are its fixed-end forces: wL/2 and wL^2/12.
  EXPECT_EQ(json["members"][0]["localEndForces"][1].text, "10");
}

TEST(TrailJson, HoldsEveryFieldAndTheStoredEndForces) {
  std::ostringstream out, err;
  const std::string example = std::string(STAVELORN_SOURCE_DIR) + "/examples/portal-frame.str";
  ASSERT_EQ(RunBatchReport({"--trail", "--json", example}, out, err), kExitComplete) << err.str();
  const JsonValue results = ParseJson(out.str());
  const JsonValue& trail = results["trail"];
  const std::size_t n = std::stoul(trail["dofCount"].text);
  EXPECT_EQ(trail["dofCount"].text, results["dofCount"].text);
  EXPECT_EQ(trail["structureStiffness"].items.size(), n);
  EXPECT_EQ(trail["structureStiffness"][0].items.size(), n);
  EXPECT_EQ(trail["loadVector"].items.size(), n);
  EXPECT_EQ(trail["jointCodeNumbers"][0]["joint"].text, "1");
  const JsonValue& members = trail["members"];
  const JsonValue& forces = results["memberEndForces"];
  ASSERT_EQ(members.items.size(), forces.items.size());
  for (std::size_t m = 0; m < members.items.size(); ++m) {
    const JsonValue& member = members[m];
    EXPECT_EQ(member["member"].text, std::to_string(m + 1));
    for (const char* matrix : {"localStiffness", "transformation", "globalStiffness"})
      EXPECT_EQ(member[matrix].items.size(), member["codeNumbers"].items.size()) << matrix;
    for (const char* vector :
         {"localFixedEndForces", "globalFixedEndForces", "globalEndDisplacements",
          "localEndDisplacements", "globalEndForces"})
      EXPECT_EQ(member[vector].items.size(), member["codeNumbers"].items.size()) << vector;
    for (std::size_t i = 0; i < forces[m]["values"].items.size(); ++i)
      EXPECT_EQ(member["localEndForces"][i].text, forces[m]["values"][i].text);
  }
}

}  // namespace
}  // namespace stavelorn
