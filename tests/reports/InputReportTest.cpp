#include "reports/InputReport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "reports/RecordingPrinter.h"
#include "reports/ReportFixtures.h"

namespace stavelorn {
namespace {

std::vector<std::string> InputLines(const ModelStore& model) {
  RecordingPrinter printer;
  PrintInputData(model, printer);
  return printer.Lines();
}

TEST(InputReport, ANewProjectWithOnlyJointsPrintsTheGeneralDataAndItsJoints) {
  ModelStore model;
  model.Reset();
  model.SetStructType("PFrame");
  model.ProjectTitle = "Joints only";
  model.JointCount = 2;
  model.JointCoords.Redim(2, 2);
  model.JointCoords(2, 1) = 240;
  std::vector<std::string> lines = InputLines(model);
  // The golden reports show every section's layout; here each empty table leaves its section out.
  ASSERT_EQ(lines.size(), 33u);
  EXPECT_EQ(lines[17], std::string(10, ' ') + "Number of Members : 0 ");
  EXPECT_EQ(lines[22], std::string(30, ' ') + "=================");
  EXPECT_EQ(lines[29], std::string(23, ' ') + "2         2.4000E+02       0.0000E+00");
  EXPECT_EQ(lines[30], "");
  EXPECT_EQ(lines[32], std::string(15, ' ') + "************** End of Input Data **************");
}

TEST(InputReport, AnUnknownReleaseCodeOrLoadTypePrintsNoLineOrNoLabel) {
  ModelStore model = LoadGoldenModel("beam");
  model.Releases(1, 2) = 0;
  model.Releases(2, 2) = 4;
  model.MemberLoadInfo(3, 2) = 12;
  std::vector<std::string> lines = InputLines(model);
  EXPECT_EQ(LineAfter(lines, "Hinge at:", 2), std::string(33, ' ') + "9         Beginning");
  EXPECT_EQ(LineAfter(lines, "Intensity", 5), std::string(30, ' ') + "3       ---   ");
}

TEST(InputReport, ARestraintCodeOfOneOrMoreIsYes) {
  ModelStore model = LoadGoldenModel("ptruss");
  model.Supports(1, 2) = 2;
  model.Supports(1, 3) = -1;
  model.Supports(2, 2) = 0;
  std::vector<std::string> lines = InputLines(model);
  std::string row = LineAfter(lines, "X Restraint   Y Restraint", 2);
  EXPECT_EQ(row, std::string(26, ' ') + "1" + std::string(11, ' ') + "Yes           No");
  EXPECT_EQ(row.find("Yes"), 38u);  // column 39
  EXPECT_EQ(row.find("No"), 52u);   // column 53
}

TEST(InputReport, EverySectionButTheFirstMayStartANewPage) {
  ModelStore model = LoadGoldenModel("pframe");
  RecordingPrinter printer;
  printer.usedAtStart = 49;  // past 0.8 of 60 lines already
  PrintInputData(model, printer);
  // The banner and the joint coordinates go on the page as it is; the supports start a new one.
  auto newPage = std::find(printer.events.begin(), printer.events.end(), "newpage");
  ASSERT_NE(newPage, printer.events.end());
  EXPECT_EQ(*(newPage - 3),
            "line:" + std::string(21, ' ') + "  9         1.2000E+01       8.0000E+00");
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(*(newPage + i), "line:");
  EXPECT_EQ(*(newPage + 7), "line:" + std::string(35, ' ') + "Supports");
}

}  // namespace
}  // namespace stavelorn
