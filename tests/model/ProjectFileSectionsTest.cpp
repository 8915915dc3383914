// The project file's springs and support angles: a project of every type with both survives the
// file whole, each fault of their records is refused naming section, record, field and line, and
// a change of units converts a spring's stiffness by its own dimension and never an angle; a turn
// is its angle's cosine and sine.
//
// A template's "Variations" in the project file: the section survives the file byte for byte,
// with and without load cases; each fault of a record is refused naming its field, record and
// line; and a change of units converts each range with the quantity of the value it varies.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/SupportAxes.h"
#include "model/UnitConversion.h"
#include "support/Golden.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

using testing::FullModel;
using testing::ModelFromText;

// FullModel's supports hold joint 1 in its even coordinates and joint 3 in its odd ones.
ModelStore WithSpringsAndAngle(const std::string& type) {
  ModelStore m = FullModel(type);
  if (m.TypeInfo().Truss) m.ReleaseCount = 0;  // the file keeps no releases of trusses
  m.SpringCount = 2;
  m.SpringCoords.Redim(2, 2);
  m.SpringCoords(1, 1) = 1, m.SpringCoords(1, 2) = 2;
  m.SpringCoords(2, 1) = 3, m.SpringCoords(2, 2) = 1;
  m.SpringStiffness.Redim(2);
  m.SpringStiffness(1) = 1250.5f, m.SpringStiffness(2) = 3e7f;
  if (m.TypeInfo().SupportTurnAxis != 0) {
    m.SupportAngleCount = 1;
    m.SupportAngleJoints.Redim(1);
    m.SupportAngleValues.Redim(1);
    m.SupportAngleJoints(1) = 3, m.SupportAngleValues(1) = -22.5f;
  }
  return m;
}

TEST(SupportSpringsFile, EveryTypeKeepsItsSpringsAndAnglesThroughTheFile) {
  for (const StructTypeInfo& type : AllStructTypes()) {
    SCOPED_TRACE(type.Code);
    const ModelStore saved = WithSpringsAndAngle(type.Code);
    const std::string text = testing::FileText(saved);
    EXPECT_NE(text.find("\"Support Springs\",2\r\n1,2,1250.5\r\n3,1,3E+07\r\n"), std::string::npos)
        << text;
    EXPECT_EQ(text.find("\"Support Angles\""),
              type.SupportTurnAxis != 0 ? text.find("\"Support Angles\",1\r\n3,-22.5\r\n")
                                        : std::string::npos);
    const ModelStore read = ModelFromText(text);
    std::string difference;
    EXPECT_TRUE(testing::SameModelData(saved, read, difference)) << difference;
    EXPECT_EQ(testing::FileText(read), text);
  }
}

// Two joints of a plane truss, plane frame or grid: joint 1 held in its first two coordinates,
// joint 2 in its second alone, then `extra` from line 8 on.
std::string Frame(const std::string& type, const std::string& extra) {
  const std::string third = type == "PTruss" ? "" : ",0";
  return "\"t\",\"" + type + "\"\n\"Joints\",2\n0,0\n4,0\n\"Supports\",2\n1,1,1" + third +
         "\n2,0,1" + third + "\n" + extra;
}

// Each faulty record is refused naming section, record, field and line, and the section stays out
// of the model while the sections before it are in; against a file checked by eye.
TEST(SupportSpringsFile, FaultyRecordsAreRefusedByName) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"spring on a free coordinate", Frame("PFrame", "\"Support Springs\",2\n1,2,500\n2,1,500\n")},
      {"zero stiffness", Frame("PFrame", "\"Support Springs\",1\n1,1,0\n")},
      {"negative stiffness", Frame("PFrame", "\"Support Springs\",1\n\n1,1,-7.5\n")},
      {"joint without support", Frame("PFrame", "\"Support Springs\",1\n3,1,5\n")},
      {"coordinate the type has not", Frame("PTruss", "\"Support Springs\",1\n1,3,5\n")},
      {"coordinate 0", Frame("PFrame", "\"Support Springs\",1\n1,0,5\n")},
      {"second spring at one coordinate", Frame("PFrame", "\"Support Springs\",2\n1,1,5\n1,1,6\n")},
      {"angle on a beam",
       "\"t\",\"Beam\"\n\"Joints\",2\n0\n4\n\"Supports\",1\n1,1,0\n\"Support Angles\",1\n1,30\n"},
      {"angle at a joint without support", Frame("PTruss", "\"Support Angles\",1\n3,30\n")},
      {"second angle for one joint", Frame("Grid", "\"Support Angles\",2\n2,30\n2,40\n")},
  };
  testing::ExpectRefusals(cases, "tests/model/golden/spring-refusals.txt",
                          [](const ModelStore& model) {
                            return "supports " + std::to_string(model.SupportCount) + ", springs " +
                                   std::to_string(model.SpringCount) + ", angles " +
                                   std::to_string(model.SupportAngleCount);
                          });
}

TEST(SupportSpringsFile, UnitsConvertStiffnessesByTheirDimensionAndNeverAngles) {
  ModelStore model =
      ModelFromText(Frame("PFrame",
                          "\"Support Springs\",2\n1,1,2000\n2,2,300\n\"Support Angles\",1\n2,30\n"
                          "\"Units\",1\n\"kN\",\"m\",\"C\"\n"));
  model.Supports(2, 4) = 1;
  model.SpringCoords(2, 2) = 3;  // a rotational spring at joint 2
  ASSERT_FALSE(ConvertUnits(model, NamedUnits(ForceUnit::N, LengthUnit::mm, TemperatureUnit::C)));
  // kN/m to N/mm: x 1000 / 1000; kN·m to N·mm: x 1000 x 1000.
  EXPECT_FLOAT_EQ(model.SpringStiffness(1), 2000.0f);
  EXPECT_FLOAT_EQ(model.SpringStiffness(2), 3e8f);
  EXPECT_FLOAT_EQ(model.SupportAngleValues(1), 30.0f);
}

// A support's turn is its angle's cosine and sine, exact at each quarter turn (where cos 90° would
// leave a stray 6E-17 in a stiffness), and no turn at whole turns or without an angle.
TEST(SupportAxes, ATurnIsItsAnglesCosineAndSineExactAtQuarterTurns) {
  ModelStore model = WithSpringsAndAngle("PFrame");  // joint 3 turned, by its only angle
  for (double degrees : {-22.5, 30.0, 90.0, 180.0, 270.0, -90.0, 450.0, 0.0, 360.0, -720.0}) {
    model.SupportAngleValues(1) = static_cast<float>(degrees);
    const JointTurn turn = JointTurnOf(model, 3);
    const double radians = degrees * std::acos(-1.0) / 180.0;
    const bool turned = std::fmod(degrees, 360.0) != 0;
    EXPECT_EQ(turn.Turned(), turned) << degrees;
    EXPECT_NEAR(turn.Cos, turned ? std::cos(radians) : 1, 1e-15) << degrees;
    EXPECT_NEAR(turn.Sin, turned ? std::sin(radians) : 0, 1e-15) << degrees;
    EXPECT_TRUE(std::fmod(degrees, 90.0) != 0 || turn.Cos * turn.Sin == 0) << degrees;
  }
  EXPECT_FALSE(JointTurnOf(model, 1).Turned()) << "joint 1 has no angle";
}

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
