// The project file's springs and support angles: a project of every type with both survives the
// file whole, each fault of their records is refused naming section, record, field and line, and
// a change of units converts a spring's stiffness by its own dimension and never an angle; a turn
// is its angle's cosine and sine.
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

}  // namespace
}  // namespace stavelorn
