// The whole printed report of one small project per structure type, compared with a file that
// was checked line by line against the report layouts. Run with STAVELORN_UPDATE_GOLDEN=1 to
// rewrite the files after a deliberate change, then check the difference by eye before committing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "reports/PrintCommand.h"
#include "reports/ReportFixtures.h"
#include "reports/TextReportPrinter.h"
#include "support/ScriptedMessages.h"

namespace stavelorn {
namespace {

std::string PrintedReport(const ModelStore& model) {
  std::ostringstream out;
  TextReportPrinter printer(out);
  ScriptedMessages messages;
  EXPECT_EQ(PrintReport(model, printer, messages), PrintOutcome::Printed);
  EXPECT_TRUE(messages.Log().empty());
  return out.str();
}

class GoldenReport : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenReport, MatchesTheCheckedFile) {
  ModelStore model = LoadGoldenModel(GetParam());
  FillHandResults(model);
  std::string report = PrintedReport(model);
  std::string golden = GoldenPath(GetParam() + ".txt");
  if (std::getenv("STAVELORN_UPDATE_GOLDEN")) std::ofstream(golden, std::ios::binary) << report;
  EXPECT_EQ(report, ReadWholeFile(golden));
}

INSTANTIATE_TEST_SUITE_P(EachStructureType, GoldenReport,
                         ::testing::Values("beam", "ptruss", "pframe", "struss", "grid", "sframe"));

}  // namespace
}  // namespace stavelorn
