// A template's "Variations" in the project file: the section survives the file byte for byte,
// with and without load cases; each fault of a record is refused naming its field, record and
// line; and a change of units converts each range with the quantity of the value it varies.
#include <gtest/gtest.h>

#include <string>

#include "model/UnitConversion.h"
#include "support/Golden.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

// A propped cantilever of a plane frame: two joints, the first fixed, the second on a roller,
// a joint load at the second (propped-cantilever.str), then `extra`.
std::string Cantilever(const std::string& extra) {
  return testing::ReadWholeFile(testing::SourcePath("tests/model/golden/propped-cantilever.str")) +
         extra;
}

// The first range holds the most values a range may hold, 100000.
TEST(VariationsFile, TheSectionSurvivesTheFileByteForByte) {
  const std::string variations =
      "\"Variations\",3\r\n\"Joints\",2,1,0,99999,1\r\n\"Joint Loads\",1,3,-20,-10,2.5\r\n"
      "\"Support Angles\",1,2,0,30,15\r\n";
  const std::string plain = Cantilever(variations + "\"Units\",1\r\n\"kN\",\"m\",\"C\"\r\n");
  // In a project with load cases a load section's record names its case.
  std::string cased = testing::kThreeCaseFrame;
  cased += "\"Variations\",2\r\n\"Member Loads\",2,3,10,20,5,2\r\n\"Joints\",2,2,4,6,1\r\n";
  for (const std::string& text : {plain, cased}) {
    EXPECT_EQ(testing::FileText(testing::ModelFromText(text)), text);
  }
  const ModelStore model = testing::ModelFromText(cased);
  ASSERT_EQ(model.Variations.size(), 2u);
  const Variation& load = model.Variations[0];
  EXPECT_EQ(load.Section, "Member Loads");
  EXPECT_EQ(load.Record * 100 + load.Field * 10 + load.Case, 232);
  EXPECT_EQ(load.Low + load.High + load.Step, 35.0f);
  EXPECT_EQ(model.Variations[1].Case, 1);
}

// A record deleted after the file was read takes its variation with it: the file written still
// reads, and keeps every other variation.
TEST(VariationsFile, AVariationOfADeletedRecordIsNotWritten) {
  ModelStore model = testing::ModelFromText(Cantilever(
      "\"Variations\",2\r\n\"Joint Loads\",1,3,-20,-10,2.5\r\n\"Joints\",2,1,3,5,0.5\r\n"));
  model.JointLoadCount = 0;
  const ModelStore reread = testing::ModelFromText(testing::FileText(model));
  ASSERT_EQ(reread.Variations.size(), 1u);
  EXPECT_EQ(reread.Variations[0].Section, "Joints");
}

// Each faulty record is refused naming its field, record and line, no variation or all of the good
// ones read, and the sections before it in; against a file checked by eye.
TEST(VariationsFile, FaultyRecordsAreRefusedByFieldRecordAndLine) {
  const std::string last = "\"Variations\",2\r\n\"Joints\",2,1,3,5,0.5\r\n";
  std::vector<std::pair<std::string, std::string>> cases = {
      // from line 19 on
      {"unknown section", last + "\"Joint\",1,1,0,1,1\r\n"},
      {"record out of range", last + "\"Joints\",3,1,0,1,1\r\n"},
      {"field out of range", last + "\"Joints\",2,3,0,1,1\r\n"},
      {"a joint number", last + "\"Members\",1,2,1,2,1\r\n"},
      {"the same value twice",
       "\"Variations\",2\r\n\"Joint Loads\",1,2,0,1,1\r\n"
       "\"Joint Loads\",1,2,1,2,1\r\n"},
      {"no step", last + "\"Joints\",1,2,0,1,0\r\n"},
      {"high below low", last + "\"Joints\",1,2,1,0,0.5\r\n"},
      {"one value too many", last + "\"Joints\",1,2,0,100000,1\r\n"},
      {"a case of a section without cases", last + "\"Joints\",1,2,0,1,1,2\r\n"},
      {"a case the project has not", last + "\"Joint Loads\",1,2,0,1,1,2\r\n"},
      {"too many fields", last + "\"Joint Loads\",1,2,0,1,1,1,9\r\n"},
      {"no label", last + "Joints,1,2,0,1,1\r\n"},
      {"a section after it", last + "\"Joints\",1,2,0,1,1\r\n\"Member Releases\",1\r\n1,1\r\n"},
      {"after the units", "\"Units\",1\r\n\"kN\",\"m\",\"C\"\r\n" + last},
  };
  for (auto& named : cases) named.second = Cantilever(named.second);
  testing::ExpectRefusals(cases, "tests/model/golden/variation-refusals.txt",
                          [](const ModelStore& m) {
                            return "variations " + std::to_string(m.Variations.size()) +
                                   ", joint loads " + std::to_string(m.JointLoadCount);
                          });
}

TEST(VariationsFile, UnitsConvertEachRangeWithItsValueAndNeverAnAngle) {
  ModelStore model = testing::ModelFromText(
      Cantilever("\"Variations\",3\r\n\"Joints\",2,1,3,5,0.5\r\n\"Joint Loads\",1,4,-20,-10,2.5\r\n"
                 "\"Support Angles\",1,2,0,30,15\r\n\"Units\",1\r\n\"kN\",\"m\",\"C\"\r\n"));
  ASSERT_FALSE(ConvertUnits(model, NamedUnits(ForceUnit::N, LengthUnit::mm, TemperatureUnit::C)));
  const auto range = [&](std::size_t i) {
    const Variation& v = model.Variations[i];
    return std::vector<float>{v.Low, v.High, v.Step};
  };
  EXPECT_EQ(range(0), (std::vector<float>{3000, 5000, 500}));                // m to mm
  EXPECT_EQ(range(1), (std::vector<float>{-20000000, -10000000, 2500000}));  // kN·m to N·mm
  EXPECT_EQ(range(2), (std::vector<float>{0, 30, 15}));                      // degrees
  // A variation whose record was deleted since the file was read is left as it was.
  model.JointCount = 1;
  ASSERT_FALSE(ConvertUnits(model, NamedUnits(ForceUnit::kN, LengthUnit::m, TemperatureUnit::C)));
  EXPECT_EQ(range(0), (std::vector<float>{3000, 5000, 500}));
  EXPECT_EQ(range(1), (std::vector<float>{-20, -10, 2.5f}));
}

}  // namespace
}  // namespace stavelorn
