// What the golden reports cannot show: empty sections, codes out of their range, settlements,
// numbers too wide for their fields, negative zero and where a section starts a new page.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "reports/InputReport.h"
#include "reports/RecordingPrinter.h"
#include "reports/ReportFixtures.h"
#include "reports/ResultsReport.h"

namespace stavelorn {
namespace {

std::vector<std::string> InputLines(const ModelStore& model) {
  RecordingPrinter printer;
  PrintInputData(model, printer);
  return printer.Lines();
}

std::vector<std::string> ResultLines(const ModelStore& model) {
  RecordingPrinter printer;
  PrintOutput(model, printer);
  return printer.Lines();
}

ModelStore Analysed(const char* name) {
  ModelStore model = LoadGoldenModel(name);
  FillHandResults(model);
  return model;
}

// The general data, the joints and the closing line: every empty table leaves its section out.
TEST(InputReport, ANewProjectWithOnlyJointsPrintsTheGeneralDataAndItsJoints) {
  ModelStore model;
  model.Reset();
  model.SetStructType("PFrame");
  model.JointCount = 2;
  model.JointCoords.Redim(2, 2);
  model.JointCoords(2, 1) = 240;
  std::vector<std::string> lines = InputLines(model);
  ASSERT_EQ(lines.size(), 33u);
  EXPECT_EQ(lines[29], std::string(23, ' ') + "2         2.4000E+02       0.0000E+00");
  EXPECT_NE(lines[32].find("End of Input Data"), std::string::npos);
}

TEST(InputReport, UnknownCodesPrintNoReleaseLineAndNoLoadLabelAndAnyRestraintCodeIsYes) {
  ModelStore beam = LoadGoldenModel("beam");
  beam.Releases(1, 2) = 0;
  beam.Releases(2, 2) = 4;
  beam.MemberLoadInfo(3, 2) = 12;
  std::vector<std::string> lines = InputLines(beam);
  EXPECT_EQ(LineAfter(lines, "Hinge at:", 2), std::string(33, ' ') + "9         Beginning");
  EXPECT_EQ(LineAfter(lines, "Intensity", 5), std::string(30, ' ') + "3       ---   ");
  ModelStore truss = LoadGoldenModel("ptruss");
  truss.Supports(1, 2) = 2;
  truss.Supports(1, 3) = -1;
  truss.Supports(2, 2) = 0;
  EXPECT_EQ(LineAfter(InputLines(truss), "X Restraint   Y Restraint", 2),
            std::string(26, ' ') + "1" + std::string(11, ' ') + "Yes           No");
}

// Past 0.8 of the page the supports start a new page; the banner and the joints go on as it is.
TEST(InputReport, EverySectionButTheFirstMayStartANewPage) {
  RecordingPrinter printer;
  printer.usedAtStart = 49;
  PrintInputData(LoadGoldenModel("pframe"), printer);
  auto newPage = std::find(printer.events.begin(), printer.events.end(), "newpage");
  ASSERT_NE(newPage, printer.events.end());
  EXPECT_EQ(*(newPage - 3),
            "line:" + std::string(21, ' ') + "  9         1.2000E+01       8.0000E+00");
  EXPECT_EQ(*(newPage + 7), "line:" + std::string(35, ' ') + "Supports");
}

TEST(ResultsReport, PrintsNothingUnlessTheAnalysisCompleted) {
  ModelStore model = Analysed("pframe");
  for (std::int16_t status : {kNoResults, kNotStable, kSolutionFailed}) {
    model.AnalysisStatus = status;
    EXPECT_TRUE(ResultLines(model).empty()) << status;
  }
}

TEST(ResultsReport, ATrussForceOfNegativeZeroIsNeitherTensionNorCompression) {
  ModelStore model = Analysed("ptruss");
  model.MemberEndForces(2, 1) = -0.0f;
  EXPECT_EQ(LineAfter(ResultLines(model), "Axial Force (Qa)", 3),
            std::string(29, ' ') + "2       0.0000E+00 ");
}

// Joint 3 of the truss is a roller: free in X, restrained in Y.
TEST(ResultsReport, RestrainedCoordinatesShowTheFirstSettlementOfTheirJoint) {
  ModelStore model = Analysed("ptruss");
  model.SettlementCount = 3;
  model.SettlementJoints.Redim(3);
  model.SettlementValues.Redim(3, 2);
  model.SettlementJoints(1) = 1;
  model.SettlementValues(1, 1) = 1E-10f;  // exactly 1E-10 is not more than 1E-10
  model.SettlementValues(1, 2) = 2E-10f;
  model.SettlementJoints(2) = 3;
  model.SettlementValues(2, 2) = -0.25f;
  model.SettlementJoints(3) = 3;
  model.SettlementValues(3, 2) = 7.0f;
  std::vector<std::string> lines = ResultLines(model);
  EXPECT_EQ(LineAfter(lines, "X Translation", 2).substr(33), " 0.0000E+00      2.0000E-10 ");
  EXPECT_EQ(LineAfter(lines, "X Translation", 4).substr(33), " 3.0000E-03     -2.5000E-01 ");
}

TEST(ResultsReport, LargeNumbersOverflowTheirFieldsAndPushTheRowRight) {
  ModelStore frame = Analysed("sframe");
  frame.MemberProps(1, 1) = 100;  // only the printed joint number changes
  EXPECT_EQ(LineAfter(ResultLines(frame), "Member: 1", 1).substr(0, 22), "       100   1.100E+01");
  ModelStore beam = Analysed("beam");
  beam.MemberProps(1, 2) = 1000;
  EXPECT_EQ(LineAfter(ResultLines(beam), "Shear Force     Moment", 3).substr(0, 49),
            std::string(30, ' ') + "1000    -1.3000E+01");
}

// More than 0.8 of 60 lines used: a new page and five blank lines before the banner.
TEST(ResultsReport, StartsANewPageOnlyWhenThePageIsMoreThanFourFifthsUsed) {
  const std::string banner = "line:" + std::string(10, ' ') + std::string(60, '*');
  for (double used : {48.5, 48.0}) {
    RecordingPrinter printer;
    printer.usedAtStart = used;
    PrintOutput(Analysed("beam"), printer);
    const std::size_t first = used > 48 ? 6 : 0;
    ASSERT_GT(printer.events.size(), first);
    EXPECT_EQ(printer.events[0] == "newpage", used > 48) << used;
    EXPECT_EQ(printer.events[first], banner) << used;
  }
}

}  // namespace
}  // namespace stavelorn
