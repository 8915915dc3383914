// The second-order results beside the first-order ones: the amplification of a pinned column at
// half its critical load against 1/(1 - P/Pcr), and the printed section of the portal frame,
// read by eye, which the report adds once Second-Order Analysis has settled.

#include <cmath>
#include <sstream>

#include "analysis/Analysis.h"
#include "app/ProjectCommandsFixture.h"
#include "app/SecondOrderTables.h"
#include "support/Golden.h"

namespace stavelorn {
namespace {

using M = MenuItem;

constexpr double kPi = 3.14159265358979323846;

// A pinned column 5 long of two members (EI = 2e4) with a small lateral load at its middle and
// `p` down at its top.
ModelStore PinnedColumn(double p) {
  std::ostringstream text;
  text << "\"Column\"\n\"PFrame\"\n\"Joints\",3\n0,0\n0,2.5\n0,5\n\"Supports\",2\n1,1,1,0\n"
          "3,1,0,0\n\"Materials\",1\n2E+08,1.2E-05\n\"Cross-Sections\",1\n1,0.0001\n"
          "\"Members\",2\n1,2,1,1\n2,3,1,1\n\"Joint Loads\",2\n2,1,0,0\n3,0,"
       << -p << ",0\n";
  return testing::ModelFromText(text.str());
}

TEST(SecondOrderTables, APinnedColumnAtHalfItsCriticalLoadSwaysTwiceAsFar) {
  const double critical = kPi * kPi * 2e4 / 25;
  for (double share : {0.25, 0.5}) {
    const ModelStore column = PinnedColumn(share * critical);
    const SecondOrderRun run = AnalyzeSecondOrder(column, Analyze(column), 4);
    ASSERT_TRUE(run.Settled) << run.Message;
    const std::vector<AmplificationRow> rows =
        AmplificationRows(column, run.FirstOrder, run.SecondOrder, FormId::Disp);
    const AmplificationRow* middle = nullptr;
    for (const AmplificationRow& row : rows) {
      if (row.Item != 2) {
        EXPECT_NE(row.Name, "X Translation") << "held at joint " << row.Item;
      }
      if (row.Item == 2 && row.Name == "X Translation") middle = &row;
    }
    ASSERT_NE(middle, nullptr);
    ASSERT_TRUE(middle->Amplification);
    const double exact = 1 / (1 - share);
    EXPECT_NEAR(*middle->Amplification, exact, 0.02 * exact) << share;
  }
}

// Print adds the settled run after the results, with fixed-layout headings.
TEST_F(ProjectCommandsTest, TheReportPrintsTheSecondOrderResultsOnceTheyHaveSettled) {
  OpenCopyOf("portal-frame.str");
  AnalyzeQuietly();
  windows_.printOptions = [](PrintOptions& options) {
    for (ReportSection section :
         {ReportSection::InputData, ReportSection::MethodTrail, ReportSection::Diagrams})
      options.Choose(section, false);
    options.Choose(ReportSection::Results, true);
  };
  commands_.Run(M::MnuSecondOrder);
  commands_.Print();
  const std::string report = windows_.printed.str();
  const std::size_t section = report.find("Second-Order Analysis");
  ASSERT_NE(section, std::string::npos) << report;
  testing::ExpectGoldenFile(report.substr(report.rfind('\n', section) + 1),
                            "tests/app/golden/second-order-print.txt");
}

}  // namespace
}  // namespace stavelorn
