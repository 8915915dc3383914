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

// A project file with the given text, in a fresh temporary folder.
std::string ProjectFile(const std::string& name, const std::string& text) {
  std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("stavelorn-report-test-" + name);
  std::filesystem::create_directories(dir);
  std::string path = (dir / (name + ".str")).string();
  std::ofstream(path, std::ios::binary) << text;
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
  std::string path = ProjectFile("rejected", R"("Bad member","PTruss"
"Joints",2, 0,0, 4,0
"Supports",1, 1,1,1
"Materials",1, 29000,0
"Cross-Sections",1, 8
"Members",1, 1,7,1,1
)");
  ToolRun run = RunTool({"--json", path});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err.rfind("Input Data Error\n", 0), 0u) << run.err;
  EXPECT_NE(run.err.find("Member 1"), std::string::npos) << run.err;
}

// Three joints in a row loaded across the line at the middle one; the supports come last.
constexpr char kCollinearTruss[] = R"("Collinear","PTruss"
"Joints",3, 0,0, 4,0, 8,0
"Materials",1, 29000,0
"Cross-Sections",1, 8
"Members",2, 1,2,1,1, 2,3,1,1
"Joint Loads",1, 2,0,-10
)";

// Status 3 when the count finds a mechanism (one support, a roller), status 4 when the solution
// does (both ends pinned). Either way the middle joint moves across the line of bars unresisted.
TEST(BatchReport, AnUnstableStructureOrAFailedSolutionIsReportedWithItsMechanism) {
  const struct {
    const char* supports;
    int status;
    const char* jsonStatus;
    const char* says;
  } cases[] = {{"\"Supports\",1, 1,0,1", 3, "-1", "Structure is NOT Statically Stable !"},
               {"\"Supports\",2, 1,1,1, 3,1,1", 4, "-2",
                "Error in Solution of Simultaneous Equations\n\nStructure Stiffness Matrix may be "
                "Singular"}};
  for (const auto& c : cases) {
    std::string path = ProjectFile("unstable" + std::to_string(c.status),
                                   kCollinearTruss + std::string(c.supports));
    ToolRun json = RunTool({"--json", path});
    EXPECT_EQ(json.status, c.status);
    EXPECT_EQ(json.out, std::string("{\"status\": ") + c.jsonStatus +
                            ", \"structType\": \"PTruss\",\n \"mechanism\": {\"mode\": [\n  "
                            "{\"joint\": 1, \"values\": [0, 0]},\n  {\"joint\": 2, \"values\": "
                            "[0, 1]},\n  {\"joint\": 3, \"values\": [0, 0]}\n ],\n  \"moving\": "
                            "[\"Joint 2 Y Translation\"]}}\n");
    ToolRun text = RunTool({path});
    EXPECT_EQ(text.status, c.status);
    EXPECT_NE(text.err.find(std::string("Analysis Results\n     **** Analysis ERROR ****  \n\n") +
                            c.says),
              std::string::npos)
        << text.err;
    EXPECT_NE(text.out.find("End of Input Data"), std::string::npos);
    EXPECT_EQ(text.out.find("Results of Analysis"), std::string::npos);
  }
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
  // Each list holds `count` entries, numbered by `id`, of `width` values each.
  auto expectList = [&](const char* name, const char* key, int count, int width, auto id,
                        auto value) {
    const JsonValue& list = json[name];
    ASSERT_EQ(list.items.size(), static_cast<std::size_t>(count)) << name;
    for (int r = 1; r <= count; ++r) {
      const JsonValue& entry = list[static_cast<std::size_t>(r - 1)];
      EXPECT_EQ(entry[key].text, std::to_string(id(r))) << name;
      ASSERT_EQ(entry["values"].items.size(), static_cast<std::size_t>(width)) << name;
      for (int k = 1; k <= width; ++k)
        ExpectSameSingle(entry["values"][static_cast<std::size_t>(k - 1)], value(r, k));
    }
  };
  auto itself = [](int r) { return r; };
  auto number = [&](int joint, int k) { return model.CoordNumbers((joint - 1) * n + k); };
  expectList("jointDisplacements", "joint", model.JointCount, n, itself, [&](int j, int k) {
    return number(j, k) <= model.DofCount ? model.JointDisplacements(number(j, k))
                                          : Settlement(model, j, k);
  });
  expectList("memberEndForces", "member", model.MemberCount, 2 * n, itself,
             [&](int m, int c) { return model.MemberEndForces(m, c); });
  auto joint = [&](int s) { return model.Supports(s, 1); };
  expectList("supportReactions", "joint", model.SupportCount, n, joint, [&](int s, int k) {
    const int c = number(joint(s), k);
    return c > model.DofCount ? model.SupportReactions(c - model.DofCount) : 0.0f;
  });
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
