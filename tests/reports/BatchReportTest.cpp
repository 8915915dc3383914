#include "reports/BatchReport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "analysis/Analysis.h"
#include "analysis/AnalysisRun.h"
#include "model/ProjectFile.h"
#include "reports/MiniJson.h"
#include "reports/PrintCommand.h"
#include "reports/ReportFixtures.h"
#include "reports/ResultsJson.h"
#include "reports/TextReportPrinter.h"
#include "support/ScriptedMessages.h"

namespace stavelorn {
namespace {

struct ToolRun {
  int status;
  std::string out;
  std::string err;
};

ToolRun RunTool(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  int status = RunBatchReport(args, out, err);
  return {status, out.str(), err.str()};
}

// A project file with the given lines, in a fresh temporary folder.
std::string ProjectFile(const std::string& name, const std::vector<std::string>& lines) {
  std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("stavelorn-report-test-" + name);
  std::filesystem::create_directories(dir);
  std::string path = (dir / (name + ".str")).string();
  std::ofstream file(path, std::ios::binary);
  for (const std::string& line : lines) file << line << "\r\n";
  return path;
}

std::string ExamplePath(const std::string& name) {
  return std::string(STAVELORN_SOURCE_DIR) + "/examples/" + name;
}

TEST(BatchReport, MisuseIsAUsageError) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{}, {"a.str", "b.str"}, {"--pdf", "a.str"}, {"--json"}}) {
    ToolRun run = RunTool(args);
    EXPECT_EQ(run.status, 64);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("usage: stavelorn-report [--trail] [--diagrams] [--json] FILE.str"),
              std::string::npos);
  }
}

TEST(BatchReport, AFileThatCannotBeReadIsReportedAsTheProgramDoes) {
  for (bool json : {false, true}) {
    std::vector<std::string> args = {"/nonexistent/folder/none.str"};
    if (json) args.insert(args.begin(), "--json");
    ToolRun run = RunTool(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("File_Reading Error\nUnexpected error # 53 occurred: \n\n", 0), 0u)
        << run.err;
  }
}

TEST(BatchReport, AModelThatFailsTheChecksIsRejectedWithItsProblems) {
  std::string path =
      ProjectFile("rejected", {"\"Bad member\"", "\"PTruss\"", "\"Joints\",2", "0,0", "4,0",
                               "\"Supports\",1", "1,1,1", "\"Materials\",1", "29000,0",
                               "\"Cross-Sections\",1", "8", "\"Members\",1", "1,7,1,1"});
  ToolRun run = RunTool({"--json", path});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err.rfind("Input Data Error\n", 0), 0u) << run.err;
  EXPECT_NE(run.err.find("Member 1"), std::string::npos) << run.err;
}

// Three joints in a row, the middle one free: stable by the count, but nothing holds the middle
// joint up, so the stiffness matrix is singular.
std::vector<std::string> CollinearTruss(const std::string& supports) {
  return {"\"Collinear\"",
          "\"PTruss\"",
          "\"Joints\",3",
          "0,0",
          "4,0",
          "8,0",
          supports,
          "\"Materials\",1",
          "29000,0",
          "\"Cross-Sections\",1",
          "8",
          "\"Members\",2",
          "1,2,1,1",
          "2,3,1,1",
          "\"Joint Loads\",1",
          "2,0,-10"};
}

TEST(BatchReport, AnUnstableStructureEndsWithStatus3) {
  std::vector<std::string> lines = CollinearTruss("\"Supports\",1");
  lines.insert(lines.begin() + 7, "1,0,1");
  std::string path = ProjectFile("unstable", lines);
  ToolRun json = RunTool({"--json", path});
  EXPECT_EQ(json.status, 3);
  // The middle joint of a straight line of bars moves across it unresisted.
  EXPECT_EQ(json.out,
            "{\"status\": -1, \"structType\": \"PTruss\""
            ",\n \"mechanism\": {\"mode\": [\n  {\"joint\": 1, \"values\": [0, 0]},\n  {\"joint\": "
            "2, \"values\": [0, 1]},\n  {\"joint\": 3, \"values\": [0, 0]}\n ],\n  \"moving\": "
            "[\"Joint 2 Y Translation\"]}}\n");
  ToolRun text = RunTool({path});
  EXPECT_EQ(text.status, 3);
  EXPECT_NE(text.err.find("Analysis Results\n     **** Analysis ERROR ****  \n\nStructure is NOT "
                          "Statically Stable !"),
            std::string::npos);
  EXPECT_NE(text.out.find("End of Input Data"), std::string::npos);
  EXPECT_EQ(text.out.find("Results of Analysis"), std::string::npos);
}

TEST(BatchReport, AFailedEquationSolutionEndsWithStatus4) {
  std::vector<std::string> lines = CollinearTruss("\"Supports\",2");
  lines.insert(lines.begin() + 7, {"1,1,1", "3,1,1"});
  std::string path = ProjectFile("singular", lines);
  ToolRun json = RunTool({"--json", path});
  EXPECT_EQ(json.status, 4);
  // The middle joint of a straight line of bars moves across it unresisted.
  EXPECT_EQ(json.out,
            "{\"status\": -2, \"structType\": \"PTruss\""
            ",\n \"mechanism\": {\"mode\": [\n  {\"joint\": 1, \"values\": [0, 0]},\n  {\"joint\": "
            "2, \"values\": [0, 1]},\n  {\"joint\": 3, \"values\": [0, 0]}\n ],\n  \"moving\": "
            "[\"Joint 2 Y Translation\"]}}\n");
  ToolRun text = RunTool({path});
  EXPECT_EQ(text.status, 4);
  EXPECT_NE(text.err.find("Structure Stiffness Matrix may be Singular"), std::string::npos);
}

class BatchReportExample : public ::testing::TestWithParam<std::string> {
 protected:
  ModelStore Analysed() {
    ModelStore model;
    model.Reset();
    model.ProjectFile = ExamplePath(GetParam());
    EXPECT_FALSE(ReadProjectFile(model));
    // As the batch tool analyses: with the accuracy guard and its exact zeros.
    EXPECT_FALSE(CheckAndAnalyze(model).Rejected);
    EXPECT_EQ(model.AnalysisStatus, kAnalysisComplete);
    return model;
  }
};

TEST_P(BatchReportExample, TheTextIsThePrintCommandsReport) {
  ModelStore model = Analysed();
  std::ostringstream printed;
  TextReportPrinter printer(printed);
  ScriptedMessages messages;
  ASSERT_EQ(PrintReport(model, printer, messages), PrintOutcome::Printed);

  ToolRun run = RunTool({ExamplePath(GetParam())});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, printed.str());
  EXPECT_NE(run.out.find("End of Analysis"), std::string::npos);
}

// What a restrained coordinate of the examples has moved: its settlement, if the joint has one.
float Settlement(const ModelStore& model, int joint, int k) {
  for (int record = 1; record <= model.SettlementCount; ++record)
    if (model.SettlementJoints(record) == joint) return model.SettlementValues(record, k);
  return 0.0f;
}

// The value written for `expected` reads back as the very same single.
void ExpectSameSingle(const JsonValue& value, float expected) {
  ASSERT_EQ(value.kind, JsonValue::Kind::Number);
  EXPECT_EQ(std::strtof(value.text.c_str(), nullptr), expected) << value.text;
}

TEST_P(BatchReportExample, TheJsonHoldsTheResultsAsTheReportShowsThem) {
  ModelStore model = Analysed();
  ToolRun run = RunTool({"--json", ExamplePath(GetParam())});
  EXPECT_EQ(run.status, 0);
  JsonValue json = ParseJson(run.out);
  EXPECT_EQ(json["status"].text, "1");
  EXPECT_EQ(json["structType"].text, model.StructType);
  EXPECT_EQ(json["dofCount"].text, std::to_string(model.DofCount));
  const int n = model.CoordsPerJoint;

  const JsonValue& displacements = json["jointDisplacements"];
  ASSERT_EQ(displacements.items.size(), static_cast<std::size_t>(model.JointCount));
  for (int j = 1; j <= model.JointCount; ++j) {
    const JsonValue& entry = displacements[static_cast<std::size_t>(j - 1)];
    EXPECT_EQ(entry["joint"].text, std::to_string(j));
    ASSERT_EQ(entry["values"].items.size(), static_cast<std::size_t>(n));
    for (int k = 1; k <= n; ++k) {
      int number = model.CoordNumbers((j - 1) * n + k);
      float expected =
          number <= model.DofCount ? model.JointDisplacements(number) : Settlement(model, j, k);
      ExpectSameSingle(entry["values"][static_cast<std::size_t>(k - 1)], expected);
    }
  }
  const JsonValue& forces = json["memberEndForces"];
  ASSERT_EQ(forces.items.size(), static_cast<std::size_t>(model.MemberCount));
  for (int m = 1; m <= model.MemberCount; ++m) {
    const JsonValue& entry = forces[static_cast<std::size_t>(m - 1)];
    EXPECT_EQ(entry["member"].text, std::to_string(m));
    ASSERT_EQ(entry["values"].items.size(), static_cast<std::size_t>(2 * n));
    for (int c = 1; c <= 2 * n; ++c)
      ExpectSameSingle(entry["values"][static_cast<std::size_t>(c - 1)],
                       model.MemberEndForces(m, c));
  }
  const JsonValue& reactions = json["supportReactions"];
  ASSERT_EQ(reactions.items.size(), static_cast<std::size_t>(model.SupportCount));
  for (int s = 1; s <= model.SupportCount; ++s) {
    const JsonValue& entry = reactions[static_cast<std::size_t>(s - 1)];
    int joint = model.Supports(s, 1);
    EXPECT_EQ(entry["joint"].text, std::to_string(joint));
    for (int k = 1; k <= n; ++k) {
      int number = model.CoordNumbers((joint - 1) * n + k);
      float expected =
          number > model.DofCount ? model.SupportReactions(number - model.DofCount) : 0.0f;
      ExpectSameSingle(entry["values"][static_cast<std::size_t>(k - 1)], expected);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EachExample, BatchReportExample,
                         ::testing::Values("continuous-beam.str", "roof-truss.str",
                                           "portal-frame.str", "space-truss-tower.str",
                                           "grid-floor.str", "space-frame.str"),
                         [](const ::testing::TestParamInfo<std::string>& param_info) {
                           std::string name =
                               param_info.param.substr(0, param_info.param.find('.'));
                           for (char& c : name)
                             if (c == '-') c = '_';
                           return name;
                         });

TEST(ResultsJson, SettlementsAndFreeSupportCoordinatesAppearAsInTheReport) {
  ModelStore model = LoadGoldenModel("ptruss");  // joint 3: roller free in X, settles -0.25 in Y
  FillHandResults(model);
  JsonValue json = ParseJson(ResultsJson(model));
  const JsonValue& joint3 = json["jointDisplacements"][2]["values"];
  EXPECT_EQ(joint3[0].text, "0.003");
  EXPECT_EQ(joint3[1].text, "-0.25");
  const JsonValue& support2 = json["supportReactions"][1];
  EXPECT_EQ(support2["joint"].text, "3");
  EXPECT_EQ(support2["values"][0].text, "0");
  EXPECT_EQ(support2["values"][1].text, "1400.5");
}

}  // namespace
}  // namespace stavelorn
