// The load-case sections of the project file: every project file of the repository reads and
// writes byte for byte, a project of cases and combinations survives a round trip, and each
// malformed section is refused naming the section, record and line.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "model/ProjectFile.h"
#include "model/StructType.h"
#include "support/Golden.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

using testing::FileText;
using testing::ModelFromText;
using testing::ReadWholeFile;
using testing::SameModelData;
using testing::SourcePath;

// Every project file the repository holds (examples, golden projects) that the program wrote is
// written back exactly as it stands; one written by hand (LF lines), or a truss with releases
// (which trusses do not keep), is written once in the program's form and then stays so.
TEST(LoadCaseFile, EveryProjectFileOfTheRepositoryIsWrittenBackByteForByte) {
  int written = 0, byHand = 0;
  for (const char* folder : {"examples", "tests"})
    for (const auto& entry : std::filesystem::recursive_directory_iterator(SourcePath(folder))) {
      if (entry.path().extension() != ".str") continue;
      const std::string text = ReadWholeFile(entry.path().string());
      ModelStore model;
      model.Reset();
      if (ReadProjectText(model, text)) continue;
      const bool dropsReleases = IsTruss(model.StructType) && model.ReleaseCount > 0;
      if (text.find("\r\n") != std::string::npos && !dropsReleases) {
        EXPECT_EQ(FileText(model), text) << entry.path();
        ++written;
      } else {
        const std::string once = FileText(model);
        EXPECT_EQ(FileText(ModelFromText(once)), once) << entry.path();
        ++byHand;
      }
    }
  EXPECT_GT(written, 10);
  EXPECT_GT(byHand, 5);
}

// A beam of two spans: case 1 in the sections before any "Load Case" line, case 3 with no loads.
const std::string kBeam =
    "\"Cases\"\r\n\"Beam\"\r\n\"Joints\",3\r\n0\r\n5\r\n10\r\n\"Supports\",3\r\n1,1,0\r\n"
    "2,1,0\r\n3,1,0\r\n\"Materials\",1\r\n2E+08,1.2E-05\r\n\"Cross-Sections\",1\r\n0.0005\r\n"
    "\"Members\",2\r\n1,2,1,1\r\n2,3,1,1\r\n";
const std::string kCaseNames = "\"Load Cases\",3\r\n\"Dead\"\r\n\"Live 1\"\r\n\"Live 2\"\r\n";
const std::string kCase2 =
    "\"Load Case\",2\r\n\"Member Loads\",1\r\n1,3,20,0,0,0\r\n\"Joint Loads\",1\r\n2,-10,0\r\n";
const std::string kCombinations =
    "\"Load Combinations\",2\r\n\"1.2D+1.6L\",1.2,1.6,0\r\n\"D+L2\",1,0,1\r\n";

TEST(LoadCaseFile, CasesAndCombinationsSurviveAWriteAndARead) {
  const std::string text = kBeam + kCaseNames + "\"Member Loads\",1\r\n2,3,5,0,0,0\r\n" + kCase2 +
                           "\"Load Case\",3\r\n" + kCombinations +
                           "\"Units\",1\r\n\"kN\",\"m\","
                           "\"C\"\r\n";
  ModelStore model = ModelFromText(text);
  ASSERT_EQ(model.LoadCaseCount(), 3);
  EXPECT_EQ(model.CurrentLoadCase, 1);
  EXPECT_EQ(model.MemberLoadCount, 1);
  EXPECT_EQ(model.MemberLoadInfo(1, 1), 2) << "case 1 is shown after reading";

  // Written with a "Load Case" line before each case, sections in the table's order.
  const std::string written = FileText(model);
  const std::string expected =
      kBeam + kCaseNames + "\"Load Case\",1\r\n\"Member Loads\",1\r\n2,3,5,0,0,0\r\n" +
      "\"Load Case\",2\r\n\"Joint Loads\",1\r\n2,-10,0\r\n\"Member Loads\",1\r\n1,3,20,0,0,0\r\n" +
      "\"Load Case\",3\r\n" + kCombinations + "\"Units\",1\r\n\"kN\",\"m\",\"C\"\r\n";
  EXPECT_EQ(written, expected);
  ModelStore back = ModelFromText(written);
  std::string difference;
  EXPECT_TRUE(SameModelData(model, back, difference)) << difference;

  // Selecting another case and back changes nothing that is written.
  model.SelectLoadCase(3);
  model.SelectLoadCase(1);
  EXPECT_EQ(FileText(model), expected);
}

TEST(LoadCaseFile, OneNamedCaseOrACombinationIsWrittenAndOneUnnamedCaseIsNot) {
  for (const std::string& kept : {kBeam + "\"Load Cases\",1\r\n\"Dead\"\r\n",
                                  kBeam + "\"Load Combinations\",1\r\n\"1.4D\",1.4\r\n"})
    EXPECT_EQ(FileText(ModelFromText(kept)), kept);
  EXPECT_EQ(FileText(ModelFromText(kBeam + "\"Load Case\",1\r\n")), kBeam);
}

// Each malformed section is refused naming the section, record and line, and the shown case stays
// the first; against a file checked by eye.
TEST(LoadCaseFile, MalformedSectionsAreRefusedNamingSectionRecordAndLine) {
  std::vector<std::pair<std::string, std::string>> cases = {
      // each follows kBeam
      {"case out of range", kCaseNames + "\"Load Case\",4\r\n"},
      {"case 0", "\"Load Case\",0\r\n"},
      {"too few factors", kCaseNames + "\"Load Combinations\",1\r\n\"C\",1,2\r\n"},
      {"too many factors", kCaseNames + "\"Load Combinations\",1\r\n\"C\",1,2,3,4\r\n"},
      {"repeated case name", "\"Load Cases\",2\r\n\"Dead\"\r\n\"Dead\"\r\n"},
      {"empty name", "\"Load Cases\",1\r\n\"\"\r\n"},
      {"unquoted name", "\"Load Cases\",1\r\nDead\r\n"},
      {"no cases", "\"Load Cases\",0\r\n"},
      {"names after a load section", "\"Joint Loads\",1\r\n2,-10,0\r\n" + kCaseNames},
      {"names twice", kCaseNames + kCaseNames},
      {"a load section twice in a case", kCaseNames + kCase2 + "\"Joint Loads\",1\r\n2,-10,0\r\n"},
      {"load section after combinations",
       kCaseNames + kCombinations + "\"Joint Loads\",1\r\n2,-10,0\r\n"},
      {"case after combinations", kCaseNames + kCombinations + "\"Load Case\",2\r\n"},
      {"combinations after units",
       "\"Units\",1\r\n\"kN\",\"m\",\"C\"\r\n\"Load Combinations\",1\r\n\"C\",1\r\n"},
  };
  for (auto& named : cases) named.second = kBeam + named.second;
  testing::ExpectRefusals(cases, "tests/model/golden/load-case-refusals.txt",
                          [](const ModelStore& model) {
                            EXPECT_EQ(model.CurrentLoadCase, 1);
                            return "";
                          });
}

// A misspelt label would otherwise put a case's loads into another unnoticed.
TEST(LoadCaseFile, EverySkippedLabelIsNamedInAWarning) {
  std::vector<std::string> skipped;
  ModelStore model;
  model.Reset();
  ASSERT_FALSE(ReadProjectText(
      model, kBeam + "\"Load case\",2\r\n\"Joint Loads\",1\r\n2,-10,0\r\n\"Notes\",0\r\n",
      &skipped));
  EXPECT_EQ(skipped, (std::vector<std::string>{
                         "Line 18: the section label \"Load case\" is not one this program "
                         "knows; it was skipped.",
                         "Line 21: the section label \"Notes\" is not one this program knows; it "
                         "was skipped."}));
  EXPECT_EQ(model.JointLoadCount, 1);
}

}  // namespace
}  // namespace stavelorn
