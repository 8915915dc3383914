// How springs and turned supports are shown: the printed report (a golden file read by eye: the
// springs and angles after the supports, the reactions in global axes and again in the turned
// supports' own), and the results JSON's "supportReactionsLocal", one row per turned support,
// in the results of the project and of each load case and combination.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "analysis/AnalysisRun.h"
#include "model/LoadCombination.h"
#include "reports/LoadCaseJson.h"
#include "reports/PrintCommand.h"
#include "reports/ResultsJson.h"
#include "reports/TextReportPrinter.h"
#include "support/Golden.h"
#include "support/SampleModels.h"
#include "support/ScriptedMessages.h"

namespace stavelorn {
namespace {

// A beam on a pin at joint 1 and a roller at joint 3 turned by 30 degrees, joint 1 held in
// rotation by a spring, two load cases and their sum.
ModelStore InclinedFrame() {
  return testing::ModelFromText(
      "\"Beam on an inclined roller\",\"PFrame\"\n\"Joints\",3\n0,0\n5,0\n10,0\n"
      "\"Supports\",2\n1,1,1,1\n3,0,1,0\n\"Support Springs\",1\n1,3,5000\n"
      "\"Support Angles\",1\n3,30\n\"Materials\",1\n2E+08,1.2E-05\n\"Cross-Sections\",1\n"
      "0.01,0.0002\n\"Members\",2\n1,2,1,1\n2,3,1,1\n\"Load Cases\",2\n\"Dead\"\n\"Wind\"\n"
      "\"Load Case\",1\n\"Joint Loads\",1\n2,0,-12,0\n\"Load Case\",2\n\"Joint Loads\",1\n"
      "2,4,0,0\n\"Load Combinations\",1\n\"Both\",1,1\n\"Units\",1\n\"kN\",\"m\",\"C\"\n");
}

int Count(const std::string& text, const std::string& what) {
  int count = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
    ++count;
  return count;
}

TEST(ElasticSupportReport, ThePrintedReportShowsSpringsAnglesAndBothReactions) {
  const ModelStore model = InclinedFrame();
  const ModelStore dead = ModelWithLoads(model, model.LoadsOfCase(1));
  const AnalysisRun run = CheckAndAnalyze(dead);
  ASSERT_FALSE(run.Rejected) << run.RejectionText;
  std::ostringstream out;
  TextReportPrinter printer(out);
  ScriptedMessages messages;
  ASSERT_EQ(PrintReport(dead, run.Results, printer, messages), PrintOutcome::Printed);
  testing::ExpectGoldenFile(out.str(), "tests/reports/golden/elastic-supports.txt");
}

TEST(ElasticSupportReport, EveryResultsJsonCarriesTheTurnedSupportsLocalReactions) {
  const ModelStore model = InclinedFrame();
  const AnalysisRun run = CheckAndAnalyze(model);
  ASSERT_FALSE(run.Rejected) << run.RejectionText;
  const std::string json = ResultKeysJson(model, run.Results) +
                           LoadCasesJson(model, run.LoadCases, run.Combinations, false);
  // The project's own results, both cases and the combination: the turned joint 3 alone.
  EXPECT_EQ(Count(json, "\"supportReactionsLocal\": [\n  {\"joint\": 3, \"values\": ["), 4) << json;
  EXPECT_EQ(Count(json, "\"supportReactionsLocal\""), 4);
  EXPECT_EQ(Count(json, "\"supportReactions\""), 5);  // and once in the envelope
  // Without a turned support the key is left out.
  ModelStore square = model;
  square.SupportAngleCount = 0;
  const AnalysisRun plain = CheckAndAnalyze(square);
  EXPECT_EQ(ResultKeysJson(square, plain.Results).find("Local"), std::string::npos);
}

}  // namespace
}  // namespace stavelorn
