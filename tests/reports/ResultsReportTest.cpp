#include "reports/ResultsReport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/RecordingPrinter.h"
#include "reports/ReportFixtures.h"

namespace stavelorn {
namespace {

std::vector<std::string> ResultLines(const ModelStore& model) {
  RecordingPrinter printer;
  PrintOutput(model, printer);
  return printer.Lines();
}

// Columns first..last of a line, counted from 1.
std::string Columns(const std::string& line, int first, int last) {
  return line.substr(static_cast<std::size_t>(first - 1),
                     static_cast<std::size_t>(last - first + 1));
}

TEST(ResultsReport, PrintsNothingUnlessTheAnalysisCompleted) {
  ModelStore model = LoadGoldenModel("pframe");
  FillHandResults(model);
  for (std::int16_t status : {kNoResults, kNotStable, kSolutionFailed}) {
    model.AnalysisStatus = status;
    RecordingPrinter printer;
    PrintOutput(model, printer);
    EXPECT_TRUE(printer.events.empty()) << status;
  }
}

// The golden reports show tension, compression and zero; a negative zero is neither.
TEST(ResultsReport, ATrussForceOfNegativeZeroIsNeitherTensionNorCompression) {
  ModelStore model = LoadGoldenModel("ptruss");
  FillHandResults(model);
  model.MemberEndForces(2, 1) = -0.0f;
  EXPECT_EQ(LineAfter(ResultLines(model), "Axial Force (Qa)", 3),
            std::string(29, ' ') + "2       0.0000E+00 ");
}

TEST(ResultsReport, RestrainedCoordinatesShowTheFirstSettlementOfTheirJoint) {
  ModelStore model = LoadGoldenModel("ptruss");  // joint 3 is a roller with a settlement of -0.25
  FillHandResults(model);
  model.SettlementCount = 3;
  model.SettlementJoints.Redim(3);
  model.SettlementValues.Redim(3, 2);
  model.SettlementJoints(1) = 1, model.SettlementValues(1, 1) = 1E-10f,
  model.SettlementValues(1, 2) = 2E-10f;
  model.SettlementJoints(2) = 3, model.SettlementValues(2, 2) = -0.25f;
  model.SettlementJoints(3) = 3, model.SettlementValues(3, 2) = 7.0f;
  std::vector<std::string> lines = ResultLines(model);
  std::string joint1 = LineAfter(lines, "X Translation", 2);
  EXPECT_EQ(Columns(joint1, 34, 44), " 0.0000E+00");  // exactly 1E-10 is not more than 1E-10
  EXPECT_EQ(Columns(joint1, 50, 60), " 2.0000E-10");
  std::string joint3 = LineAfter(lines, "X Translation", 4);
  EXPECT_EQ(Columns(joint3, 34, 44), " 3.0000E-03");  // free: the computed displacement
  EXPECT_EQ(Columns(joint3, 50, 60), "-2.5000E-01");  // the first record of joint 3 wins
}

TEST(ResultsReport, LargeNumbersOverflowTheirFieldsAndPushTheRowRight) {
  ModelStore model = LoadGoldenModel("sframe");
  FillHandResults(model);
  model.MemberProps(1, 1) = 100;  // only the printed joint number changes
  std::vector<std::string> lines = ResultLines(model);
  EXPECT_EQ(LineAfter(lines, "Member: 1", 1).substr(0, 22), "       100   1.100E+01");
  ModelStore beam = LoadGoldenModel("beam");
  FillHandResults(beam);
  beam.MemberProps(1, 2) = 1000;
  lines = ResultLines(beam);
  EXPECT_EQ(LineAfter(lines, "Shear Force     Moment", 3).substr(0, 49),
            std::string(30, ' ') + "1000    -1.3000E+01");
}

TEST(ResultsReport, StartsANewPageOnlyWhenThePageIsMoreThanFourFifthsUsed) {
  ModelStore model = LoadGoldenModel("beam");
  FillHandResults(model);
  RecordingPrinter full;
  full.usedAtStart = 48.5;
  PrintOutput(model, full);
  ASSERT_GE(full.events.size(), 7u);
  EXPECT_EQ(full.events[0], "newpage");
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(full.events[static_cast<std::size_t>(i)], "line:");
  EXPECT_EQ(full.events[6], "line:" + std::string(10, ' ') + std::string(60, '*'));

  RecordingPrinter exactly;
  exactly.usedAtStart = 48;  // 0.8 of 60: goes on
  PrintOutput(model, exactly);
  EXPECT_EQ(exactly.events[0], "line:" + std::string(10, ' ') + std::string(60, '*'));
}

}  // namespace
}  // namespace stavelorn
