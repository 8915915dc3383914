// The batch tool's --influence: the words it reads, the "influence" object it writes and the exit
// status of every way the request can go wrong.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "reports/BatchReport.h"
#include "reports/InfluenceWhat.h"
#include "reports/MiniJson.h"

namespace stavelorn {
namespace {

std::string ProjectFile(const std::string& name, const std::string& text) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "stavelorn-influence";
  std::filesystem::create_directories(dir);
  const std::string path = (dir / (name + ".str")).string();
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

// A simply supported beam of 10 on two members of 4 and 6.
const char kBeam[] = R"("Beam","Beam"
"Joints",3, 0, 4, 10
"Supports",2, 1,1,0, 3,1,0
"Materials",1, 200000000,0.000012
"Cross-Sections",1, 0.0005
"Members",2, 1,2,1,1, 2,3,1,1
)";

double Number(const JsonValue& v) {
  return std::strtod(v.text.c_str(), nullptr);
}

TEST(InfluenceBatch, WritesTheLineWithBothSidesOfTheSectionAndItsExtremes) {
  const std::string beam = ProjectFile("beam", kBeam);
  std::ostringstream out, err;
  ASSERT_EQ(
      RunBatchReport({"--json", "--influence", "internal:2:3:V", "--path", "2,1", beam}, out, err),
      0)
      << err.str();
  const JsonValue influence = ParseJson(out.str())["influence"];
  EXPECT_EQ(influence["what"].text, "internal:2:3:V");
  ASSERT_EQ(influence["path"].items.size(), 2u);
  EXPECT_EQ(influence["path"][0]["member"].text, "2") << "the path in the order given";
  // Member 2 runs from x = 4 to 10 of the beam; the section is at 7. Its stations: 11 tenth
  // points, the 5th of which (x = 3) becomes the two sides of the section.
  const JsonValue& stations = influence["path"][0]["stations"];
  ASSERT_EQ(stations.items.size(), 12u);
  EXPECT_EQ(stations[5]["side"].text, "before");
  EXPECT_EQ(stations[6]["side"].text, "after");
  EXPECT_NEAR(Number(stations[5]["value"]), -0.7, 1e-12);
  EXPECT_NEAR(Number(stations[6]["value"]), 0.3, 1e-12);
  EXPECT_EQ(stations[4].members.count("side"), 0u);
  for (const JsonValue& s : influence["path"][1]["stations"].items)
    EXPECT_NEAR(Number(s["value"]), -Number(s["x"]) / 10, 1e-12) << "load left of the section";
  EXPECT_EQ(influence["max"]["member"].text, "2");
  EXPECT_EQ(influence["max"]["side"].text, "after");
  EXPECT_NEAR(Number(influence["max"]["value"]), 0.3, 1e-12);
  EXPECT_NEAR(Number(influence["min"]["value"]), -0.7, 1e-12);
  EXPECT_NEAR(Number(influence["min"]["x"]), 3, 1e-12);
}

TEST(InfluenceBatch, ExitStatusNamesWhatWentWrong) {
  const std::string beam = ProjectFile("beam", kBeam);
  const std::string roller = ProjectFile(
      "roller", std::string(kBeam).replace(std::string(kBeam).find("1,1,0, 3"), 8, "1,0,0, 3"));
  const struct {
    std::vector<std::string> args;
    int status;
    const char* err;  // what the error stream holds
  } cases[] = {
      {{"--json", "--influence", "reaction:1:1", beam}, 0, ""},
      {{"--json", "--influence", "displacement:2:2", "--path", "1", beam}, 0, ""},
      {{"--influence", "reaction:1:1", beam}, 64, "--influence goes with --json"},
      {{"--json", "--path", "1", beam}, 64, "--path with --influence"},
      {{"--json", "--influence", beam}, 64, "usage:"},
      {{"--json", beam, "--influence"}, 64, "needs a value"},
      {{"--json", "--influence", "reaction:1", beam}, 64, "is none of"},
      {{"--json", "--influence", "internal:1:x:M", beam}, 64, "is none of"},
      {{"--json", "--influence", "internal:1:2:Q", beam}, 64, "is none of"},
      {{"--json", "--influence", "moment:1:2", beam}, 64, "is none of"},
      {{"--json", "--influence", "reaction:1:1", "--path", "1,,2", beam}, 64, "not member numbers"},
      {{"--json", "--influence", "reaction:2:1", beam}, 2, "Joint 2 is not a support"},
      {{"--json", "--influence", "end-force:3:1", beam}, 2, "Member 3 does not exist"},
      {{"--json", "--influence", "internal:1:4.5:M", beam}, 2, "outside member 1"},
      {{"--json", "--influence", "reaction:1:1", "--path", "1,7", beam}, 2, "Member 7 of the path"},
      {{"--json", "--influence", "reaction:1:1", roller}, 3, "NOT Statically"},
  };
  for (const auto& c : cases) {
    std::ostringstream out, err;
    const int status = RunBatchReport(c.args, out, err);
    SCOPED_TRACE(c.args[c.args.size() - 2]);
    EXPECT_EQ(status, c.status) << err.str();
    EXPECT_NE(err.str().find(c.err), std::string::npos) << err.str();
    EXPECT_EQ(out.str().find("\"influence\"") != std::string::npos, c.status == 0);
    if (c.status == 2 || c.status == 64) {
      EXPECT_EQ(out.str(), "");
    }
  }
}

TEST(InfluenceBatch, ReadsEveryFormOfWhatAndThePath) {
  using Q = DiagramQuantity;
  const struct {
    const char* text;
    InfluenceKind kind;
    int item, component;
    double x;
    Q quantity;
  } cases[] = {
      {"reaction:3:2", InfluenceKind::Reaction, 3, 2, 0, Q::N},
      {"displacement:12:1", InfluenceKind::Displacement, 12, 1, 0, Q::N},
      {"end-force:4:6", InfluenceKind::EndForce, 4, 6, 0, Q::N},
      {"internal:2:2.5:M", InfluenceKind::Internal, 2, 0, 2.5, Q::Mz},
      {"internal:2:0:V", InfluenceKind::Internal, 2, 0, 0, Q::Vy},
      {"internal:7:1e1:My", InfluenceKind::Internal, 7, 0, 10, Q::My},
      {"internal:7:3:Vz", InfluenceKind::Internal, 7, 0, 3, Q::Vz},
      {"internal:7:3:T", InfluenceKind::Internal, 7, 0, 3, Q::T},
  };
  for (const auto& c : cases) {
    const std::optional<InfluenceQuantity> q = ParseInfluenceWhat(c.text);
    ASSERT_TRUE(q) << c.text;
    EXPECT_EQ(q->Kind, c.kind) << c.text;
    EXPECT_EQ(q->Item, c.item) << c.text;
    EXPECT_EQ(q->Component, c.component) << c.text;
    EXPECT_EQ(q->X, c.x) << c.text;
    if (c.kind == InfluenceKind::Internal) {
      EXPECT_EQ(q->Quantity, c.quantity) << c.text;
    }
  }
  for (const char* bad : {"", "reaction", "reaction:1:2:3", "reaction:-1:2", "reaction:1:2x",
                          "internal:1:2", "internal:1: 2:M", "internal:1:nan:M", "internal:1:2:m",
                          "end-force:1:999999", "Reaction:1:2"})
    EXPECT_FALSE(ParseInfluenceWhat(bad)) << bad;
  EXPECT_EQ(ParseInfluencePath("3,1,12"), (std::vector<int>{3, 1, 12}));
  for (const char* bad : {"", ",", "1,", "1;2", "1, 2", "a"})
    EXPECT_FALSE(ParseInfluencePath(bad)) << bad;
}

}  // namespace
}  // namespace stavelorn
