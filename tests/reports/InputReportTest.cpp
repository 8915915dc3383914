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

bool HasLine(const std::vector<std::string>& lines, const std::string& text) {
  return std::find(lines.begin(), lines.end(), text) != lines.end();
}

// The line `offset` lines below the first one that contains `text`.
std::string LineAfter(const std::vector<std::string>& lines, const std::string& text, int offset) {
  auto it = std::find_if(lines.begin(), lines.end(), [&](const std::string& line) {
    return line.find(text) != std::string::npos;
  });
  EXPECT_NE(it, lines.end()) << text;
  return it == lines.end() ? "" : *(it + offset);
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
  std::vector<std::string> expected = {
      std::string(26, ' ') + "****************************",
      std::string(26, ' ') + "*    Computer Software     *",
      std::string(26, ' ') + "*           for            *",
      std::string(26, ' ') + "*        STAVELORN         *",
      std::string(26, ' ') + "*      Tessel Edition      *",
      std::string(26, ' ') + "*           by             *",
      std::string(26, ' ') + "*     Orvel Dunverake      *",
      std::string(26, ' ') + "****************************",
      "",
      "",
      std::string(28, ' ') + "=======================",
      std::string(28, ' ') + "General Structural Data",
      std::string(28, ' ') + "=======================",
      "",
      std::string(10, ' ') + "Project Title : Joints only",
      std::string(10, ' ') + "Structure Type : Plane Frame",
      std::string(10, ' ') + "Number of Joints : 2 ",
      std::string(10, ' ') + "Number of Members : 0 ",
      std::string(10, ' ') + "Number of Material Property Sets (E) : 0 ",
      std::string(10, ' ') + "Number of Cross-Sectional Property Sets : 0 ",
      "",
      "",
      std::string(30, ' ') + "=================",
      std::string(30, ' ') + "Joint Coordinates",
      std::string(30, ' ') + "=================",
      "",
      std::string(18, ' ') + "Joint No.     X Coordinate     Y Coordinate",
      std::string(18, ' ') + "---------     ------------     ------------",
      std::string(23, ' ') + "1         0.0000E+00       0.0000E+00",
      std::string(23, ' ') + "2         2.4000E+02       0.0000E+00",
      "",
      "",
      std::string(15, ' ') + "************** End of Input Data **************"};
  EXPECT_EQ(lines, expected);
}

TEST(InputReport, EveryBannerLineIs28CharactersWide) {
  ModelStore model;
  model.Reset();
  model.SetStructType("Beam");
  std::vector<std::string> lines = InputLines(model);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(lines[static_cast<std::size_t>(i)].size(), 26u + 28u) << i;
}

TEST(InputReport, ATrussPrintsNoReleasesAndOnlyTheTitleOfItsMemberLoads) {
  ModelStore model = LoadGoldenModel("struss");  // holds a release and a member load record
  ASSERT_GT(model.ReleaseCount, 0);
  ASSERT_GT(model.MemberLoadCount, 0);
  std::vector<std::string> lines = InputLines(model);
  EXPECT_FALSE(HasLine(lines, std::string(33, ' ') + "Member Releases"));
  EXPECT_EQ(LineAfter(lines, "Member Loads", 2), "");
  EXPECT_EQ(LineAfter(lines, "Member Loads", 3), "");
  EXPECT_EQ(LineAfter(lines, "Member Loads", 4), "");
  EXPECT_EQ(LineAfter(lines, "Member Loads", 5).find("====="),
            std::string(28, ' ').size());  // next title
}

TEST(InputReport, BothEndsOfATwoDigitMemberStartsOneColumnRightOfBeginning) {
  ModelStore model = LoadGoldenModel("beam");  // releases: 3 end, 4 both, 9 beginning, 10 both
  std::vector<std::string> lines = InputLines(model);
  std::string beginning = LineAfter(lines, "Hinge at:", 4);
  std::string both = LineAfter(lines, "Hinge at:", 5);
  EXPECT_EQ(beginning, std::string(33, ' ') + "9         Beginning");
  EXPECT_EQ(both, std::string(32, ' ') + "10          Both Ends");
  EXPECT_EQ(both.find("Both Ends"), beginning.find("Beginning") + 1);
  EXPECT_EQ(LineAfter(lines, "Hinge at:", 2), std::string(33, ' ') + "3            End");
  EXPECT_EQ(LineAfter(lines, "Hinge at:", 3), std::string(32, ' ') + "4          Both Ends");
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

TEST(InputReport, EveryLoadKindShowsItsFirstMagnitudeAsIntensity) {
  ModelStore model = LoadGoldenModel("beam");
  std::vector<std::string> lines = InputLines(model);
  EXPECT_EQ(LineAfter(lines, "Intensity", 3), std::string(30, ' ') + "1    Uniform    1.500E+0");
  EXPECT_EQ(LineAfter(lines, "Intensity", 4),
            std::string(30, ' ') + "2    Uniform    2.000E+0");  // partial
  EXPECT_EQ(LineAfter(lines, "Intensity", 5), std::string(30, ' ') + "3     Conc.     1.000E+1");
  EXPECT_EQ(LineAfter(lines, "Intensity", 6), std::string(30, ' ') + "4    Moment     5.000E+0");
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

TEST(InputReport, AGridPrintsItsSecondCoordinateUnderZ) {
  ModelStore model = LoadGoldenModel("grid");
  std::vector<std::string> lines = InputLines(model);
  EXPECT_TRUE(HasLine(lines, std::string(18, ' ') + "Joint No.     X Coordinate     Z Coordinate"));
  EXPECT_EQ(LineAfter(lines, "Z Coordinate", 6),
            std::string(23, ' ') + "5         0.0000E+00       8.0000E+00");
}

TEST(InputReport, ASpaceFramePrintsItsRollAnglesWithTwoDigitsBeforeThePoint) {
  ModelStore model = LoadGoldenModel("sframe");
  std::vector<std::string> lines = InputLines(model);
  EXPECT_EQ(LineAfter(lines, "Roll(Deg)", 5),
            std::string(13, ' ') + "4        4         8      1            1           45.00E+0");
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
