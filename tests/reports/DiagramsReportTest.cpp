// The batch tool's optional parts: the trail and the diagrams after the results, and in JSON one
// diagram entry per member with a maximum and a minimum of every quantity of the type.

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "analysis/MemberDiagrams.h"
#include "reports/BatchReport.h"
#include "reports/MiniJson.h"

namespace stavelorn {
namespace {

struct Example {
  const char* file;
  int members;
  std::vector<const char*> quantities;
};

const Example kExamples[] = {
    {"continuous-beam", 3, {"V", "M"}},   {"roof-truss", 13, {"N"}},
    {"portal-frame", 3, {"N", "V", "M"}}, {"space-truss-tower", 26, {"N"}},
    {"grid-floor", 7, {"V", "T", "M"}},   {"space-frame", 8, {"N", "Vy", "Vz", "T", "My", "Mz"}},
};

std::string Tool(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  EXPECT_EQ(RunBatchReport(args, out, err), 0) << err.str();
  return out.str();
}

// The trail and the diagrams come after the results, and only when asked for.
TEST(DiagramsReport, TheTrailAndTheDiagramsFollowTheResultsOnlyWhenAsked) {
  for (const Example& e : kExamples)
    for (const auto& [flag, title] :
         {std::pair<std::string, std::string>{"--diagrams", "Internal Force Diagrams"},
          {"--trail", "Step by Step"}}) {
      SCOPED_TRACE(e.file + (" " + flag));
      const std::string path = std::string(STAVELORN_SOURCE_DIR) + "/examples/" + e.file + ".str";
      const std::string plain = Tool({path}), report = Tool({flag, path});
      EXPECT_EQ(plain.find(title), std::string::npos);
      const std::size_t end = report.find("End of Analysis"), at = report.find(title);
      ASSERT_NE(at, std::string::npos);
      EXPECT_LT(end, at);
      EXPECT_EQ(report.substr(0, end), plain.substr(0, end));
    }
}

TEST(DiagramsReport, JsonHasEveryMemberWithBothExtremesOfEveryQuantity) {
  for (const Example& e : kExamples) {
    const std::string path = std::string(STAVELORN_SOURCE_DIR) + "/examples/" + e.file + ".str";
    const JsonValue json = ParseJson(Tool({"--diagrams", "--json", path}));
    const JsonValue& diagrams = json["diagrams"];
    EXPECT_EQ(diagrams.items.size(), std::size_t(e.members)) << e.file;
    for (const JsonValue& member : diagrams.items) {
      const double length = std::stod(member["length"].text);
      const JsonValue& stations = member["stations"];
      ASSERT_GE(stations.items.size(), 11u) << e.file;
      EXPECT_EQ(std::stod(stations.items.front()["x"].text), 0) << e.file;
      EXPECT_EQ(std::stod(stations.items.back()["x"].text), length) << e.file;
      for (const char* q : e.quantities) {
        EXPECT_NO_THROW(stations.items.front()[q]) << e.file << " " << q;
        int found = 0;
        for (const JsonValue& x : member["extremes"].items)
          if (x["quantity"].text == q) found += x["kind"].text == "max" ? 1 : 10;
        EXPECT_EQ(found, 11) << e.file << " " << q;
      }
    }
  }
}

}  // namespace
}  // namespace stavelorn
