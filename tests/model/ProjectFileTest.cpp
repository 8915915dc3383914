// The project file, with its load-case sections: every project file of the repository reads and
// writes byte for byte, a project of cases and combinations survives a round trip, and each
// malformed section is refused naming the section, record and line.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "model/ProjectFile.h"
#include "model/ProjectFileName.h"
#include "model/ProjectSections.h"
#include "model/StructType.h"
#include "support/Golden.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

using testing::FileText;
using testing::FullModel;
using testing::ModelFromText;
using testing::ReadWholeFile;
using testing::SameModelData;
using testing::SourcePath;

// The labels of the section header lines ("Joints",3) of project-file text, in order.
std::vector<std::string> SectionLabels(const std::string& text) {
  static const std::regex header("^\"([^\"]*)\",-?[0-9]+\r?$");
  std::vector<std::string> labels;
  std::istringstream lines(text);
  std::smatch match;
  for (std::string line; std::getline(lines, line);)
    if (std::regex_match(line, match, header)) labels.push_back(match[1]);
  return labels;
}

// A model holding one section alone is written as that one section under its label and read
// back with that section's count alone, for every type: a table row whose count, places or label
// went astray shows as a section written under another label or read into another count.
TEST(ProjectFile, EachSectionIsWrittenAndReadBackUnderItsOwnLabelAlone) {
  for (const StructTypeInfo& type : AllStructTypes())
    for (const SectionRow& row : ProjectSections()) {
      // Springs and support angles stand only beside the supports they name
      // (ProjectFileSectionsTest.cpp).
      if (row.RecordFault) continue;
      SCOPED_TRACE(std::string(type.Code) + ", " + row.Label);
      ModelStore only = FullModel(type.Code);
      for (const SectionRow& other : ProjectSections())
        if (other.Count && &other != &row) only.*other.Count = 0;
      if (!row.Count) only.Units = NamedUnits(ForceUnit::lb, LengthUnit::ft, TemperatureUnit::F);
      const bool kept = !(row.DroppedForTrusses && type.Truss);
      const std::string text = FileText(only);
      EXPECT_EQ(SectionLabels(text),
                kept ? std::vector<std::string>{row.Label} : std::vector<std::string>{});
      const ModelStore back = ModelFromText(text);
      for (const SectionRow& other : ProjectSections())
        EXPECT_EQ(RecordCount(other, back), &other == &row && kept ? RecordCount(row, only) : 0)
            << other.Label;
      std::string difference;
      if (kept) {
        EXPECT_TRUE(SameModelData(only, back, difference)) << difference;
      }
    }
}

// The writer refuses a table shorter than its count or narrower than its records, naming the
// section (against a file checked by eye); a space frame's angles of roll are a table of the
// members, other types have none.
TEST(ProjectFile, AModelWhoseTablesCannotHoldItsRecordsIsNotWritten) {
  const std::pair<const char*, void (*)(ModelStore&)> cases[] = {
      {"SFrame", [](ModelStore& m) { m.RollAngles.Redim(1); }},
      {"PFrame", [](ModelStore& m) { m.RollAngles.Redim(0); }},
      {"Grid", [](ModelStore& m) { m.JointLoadValues.Redim(1, 3); }},
      {"Beam", [](ModelStore& m) { m.MemberLoadValues.Redim(2, 3); }},
  };
  std::string log;
  for (const auto& [type, shorten] : cases) {
    ModelStore m = FullModel(type);
    shorten(m);
    std::string text;
    RunResult error = ProjectFileText(m, text);
    log += std::string(type) + ": " +
           (error ? std::to_string(error->Number) + " " + error->Description : "written") + "\n";
  }
  testing::ExpectGoldenFile(log, "tests/model/golden/unwritable-models.txt");
}

// A table that is empty is left out of the file; a title may hold quotes and commas.
TEST(ProjectFile, AnEmptyModelIsItsTitleAndTypeAndAnyTitleSurvives) {
  ModelStore m;
  m.Reset();
  m.SetStructType("Beam");
  EXPECT_EQ(FileText(m), "\"\"\r\n\"Beam\"\r\n");
  for (const char* title :
       {"He said \"stop\", then \"go\"", "", "\"", "\"\"", ",,,", "a,\"b\",c", "  padded  "}) {
    m.ProjectTitle = title;
    EXPECT_EQ(ModelFromText(FileText(m)).ProjectTitle, title);
  }
}

// A hand-written file may use LF lines, loose blanks, records split over lines, sections in any
// order and sections this program does not know, which are skipped with their records.
TEST(ProjectFile, ReadsLooseFilesAndSkipsUnknownSections) {
  const char* tidy =
      "\"Truss\"\r\n\"PTruss\"\r\n\"Joints\",2\r\n0,0\r\n10,0\r\n"
      "\"Supports\",1\r\n1,1,1\r\n\"Materials\",1\r\n200,1.2E-05\r\n";
  const char* loose =
      "  Truss  \n PTruss\n\n\"Materials\" , 1\n200,\n 1.2e-5 \n\"Notes\",0\n"
      "\"Supports\",1,1,\n1,1\n\"Joints\",\n2\n0,0,10\n0\n";
  std::string difference;
  EXPECT_TRUE(SameModelData(ModelFromText(tidy), ModelFromText(loose), difference)) << difference;
}

// What each broken file is refused with (the error's number and words) and what of it stays read
// (the sections before the fault; never the faulty one), against a file checked by eye. A file
// named "...after" follows two good joints.
TEST(ProjectFile, ABrokenFileGivesAClearErrorAndKeepsWhatWasReadBefore) {
  const std::string good = "\"t\"\r\n\"PTruss\"\r\n\"Joints\",2\r\n0,0\r\n4,0\r\n";
  testing::ExpectRefusals(
      {
          {"empty file", ""},
          {"no type", "\"t\"\r\n"},
          {"unknown type", "\"t\"\r\n\"Arch\"\r\n"},
          {"truncated section", "\"t\"\r\n\"PTruss\"\r\n\"Joints\",3\r\n0,0\r\n4,0\r\n"},
          {"garbage for a title", std::string("\x00\x01,\x02", 4)},
          {"negative count after", good + "\"Supports\",-1\r\n"},
          {"count past 16 bits after", good + "\"Supports\",40000\r\n"},
          {"text for a number after", good + "\"Materials\",1\r\n200,abc\r\n"},
          {"integer past 16 bits after", good + "\"Supports\",1\r\n1,1,70000\r\n"},
          {"fraction for an integer after", good + "\"Supports\",1\r\n1.5,1,1\r\n"},
          {"single past its range after", good + "\"Materials\",1\r\n1E+39,0\r\n"},
          {"single too near 0 after", good + "\"Materials\",1\r\n2e8,-0.5e-45\r\n"},
          {"unterminated quote after", good + "\"Supports,1\r\n1,1,1\r\n"},
          {"count disagrees with records after", good + "\"Supports\",1\r\n1,1,1\r\n2,1,1\r\n"},
          {"text after a quote after", good + "\"Supports\"x,1\r\n"},
      },
      "tests/model/golden/broken-files.txt", [](const ModelStore& m) {
        return "joints " + std::to_string(m.JointCount) + ", supports " +
               std::to_string(m.SupportCount);
      });
}

// A save replaces the file and leaves nothing else behind; a save that fails leaves the previous
// file as it was and no temporary file behind; a read that fails names the reason.
TEST(ProjectFile, SavesAndOpensRealFilesOrFailsLeavingTheFolderAsItWas) {
  namespace fs = std::filesystem;
  const fs::path folder =
      fs::temp_directory_path() / ("stavelorn-project-file-test-" + std::to_string(getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  auto files = [&] {
    return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
  };
  ModelStore saved = FullModel("SFrame");
  saved.ProjectFile = (folder / "frame.STR").string();
  std::ofstream(saved.ProjectFile) << "old contents";
  ASSERT_FALSE(WriteProjectFile(saved));
  EXPECT_EQ(testing::ReadWholeFile(saved.ProjectFile), FileText(saved));
  EXPECT_EQ(files(), 1);

  std::ofstream(folder / "frame.STR") << "previous project";
  fs::create_directory(folder / "taken.STR");
  const struct {
    const char* name;
    bool write;
    const char* file;
    int number;
  } cases[] = {{"a value the file cannot hold", true, "frame.STR", 6},
               {"a missing folder", true, "no-such-folder/frame.STR", 75},
               {"a folder in the way", true, "taken.STR", 75},
               {"a missing file", false, "missing.STR", 53},
               {"a folder for a file", false, "", 75}};
  for (const auto& c : cases) {
    ModelStore m = FullModel("PFrame");
    if (c.number == 6) m.Materials(1, 1) = std::numeric_limits<float>::infinity();
    m.ProjectFile = (folder / c.file).string();
    RunResult error = c.write ? WriteProjectFile(m) : ReadProjectFile(m);
    ASSERT_TRUE(error) << c.name;
    EXPECT_EQ(error->Number, c.number) << c.name;
    EXPECT_EQ(testing::ReadWholeFile((folder / "frame.STR").string()), "previous project")
        << c.name;
    EXPECT_EQ(files(), 2) << c.name;
  }
  fs::remove_all(folder);
}

// Any case of ".str" stays, otherwise ".str" is added; dots in folder names and earlier dots in
// the name leave the rest alone. A path without a file name is error 5 and stays as it was.
TEST(ApplyProjectExtension, KeepsAnyCaseOfStrAddsLowerCaseStrOrRefusesAPathWithoutAName) {
  const struct {
    const char* path;
    const char* result;  // nullptr: refused
  } cases[] = {{"frame.STR", "frame.STR"},
               {"frame", "frame.str"},
               {"frame.st", "frame.st.str"},
               {"/home/user/course.2026/frame", "/home/user/course.2026/frame.str"},
               {"C:\\course.2026\\truss.s", "C:\\course.2026\\truss.s.str"},
               {"/home/user/", nullptr},
               {"/home/user/.", nullptr}};
  for (const auto& c : cases) {
    std::string path = c.path;
    RunResult error = ApplyProjectExtension(path);
    EXPECT_EQ(error ? error->Number : 0, c.result ? 0 : 5) << c.path;
    EXPECT_EQ(path, c.result ? c.result : c.path);
  }
}

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
