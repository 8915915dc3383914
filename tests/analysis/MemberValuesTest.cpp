// One member's geometry from the plain functions: the cases a careless transformation gets wrong.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "analysis/EquilibriumCheck.h"
#include "analysis/MemberValues.h"
#include "model/StructType.h"

namespace stavelorn {
namespace {

using testing::ModelFromText;

struct GeometryCase {
  const char* type;
  const char* joints;  // two joints
  float roll;
  bool aligned;
  // Length, direction cosines X, Y, Z, then the first 3 x 3 block of [T] row by row.
  double expected[13];
};

// Ones for every column of a material or cross-section of the type.
std::string Ones(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += i ? ",1" : "1";
  return text;
}

MemberGeometry<double> GeometryOf(const GeometryCase& c) {
  const StructTypeInfo* type = FindStructType(c.type);
  const bool space = std::string(c.type) == "SFrame";
  ModelStore m = ModelFromText(std::string("\"Member\",\"") + c.type + "\"\n\"Joints\",2, " +
                               c.joints + "\n\"Materials\",1, " + Ones(type->MaterialColumns) +
                               "\n\"Cross-Sections\",1, " + Ones(type->SectionColumns) +
                               "\n\"Members\",1, 1,2,1,1" +
                               (space ? "," + std::to_string(c.roll) : std::string()) + "\n");
  const MemberContext<double> member =
      LoadMemberContext<double>(m, KindOfStructure(c.type), 2 * m.CoordsPerJoint, 1);
  return ComputeMemberGeometry(m, member);
}

// Cases a careless transformation gets wrong: a beam ignores Y, a grid's second column is Z, a
// frame member along -X is not aligned, vertical space members up and down, and a space member
// along X that still rolls.
TEST(Geometry, GivesLengthCosinesAndRotation) {
  const GeometryCase cases[] = {
      {"PTruss", "0,0, 3,4", 0, false, {5, 0.6, 0.8, 0, 0.6, 0.8, 0, -0.8, 0.6, 0, 0, 0, 0.6}},
      {"Beam", "2, 7", 0, true, {5, 1, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1}},
      {"Grid", "0,0, 0,6", 0, false, {6, 0, 0, 1, 1, 0, 0, 0, 0, 1, 0, -1, 0}},
      {"PFrame", "4,0, 0,0", 0, false, {4, -1, 0, 0, -1, 0, 0, 0, -1, 0, 0, 0, 1}},
      {"SFrame", "0,0,0, 0,3,0", 0, false, {3, 0, 1, 0, 0, 1, 0, -1, 0, 0, 0, 0, 1}},
      {"SFrame", "0,3,0, 0,0,0", 0, false, {3, 0, -1, 0, 0, -1, 0, 1, 0, 0, 0, 0, 1}},
      {"SFrame", "0,0,0, 2,0,0", 90, false, {2, 1, 0, 0, 1, 0, 0, 0, 0, 1, 0, -1, 0}},
  };
  for (const GeometryCase& c : cases) {
    SCOPED_TRACE(std::string(c.type) + " " + c.joints);
    const MemberGeometry<double> g = GeometryOf(c);
    const double got[4] = {g.Length, g.DirCosX, g.DirCosY, g.DirCosZ};
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(got[i], c.expected[i], 1e-12) << i;
    EXPECT_EQ(g.Aligned, c.aligned);
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 3; ++j)
        EXPECT_NEAR(g.Transform[i + 1][j + 1], c.expected[4 + 3 * i + j], 1e-12) << i << j;
  }
}

// An inclined space-frame member: at roll 0 its local y lies in the vertical plane through the
// member, the rotation is orthonormal and right-handed, and a roll turns y towards z about x.
TEST(Geometry, ARollTurnsTheLocalAxesOfAnInclinedSpaceMemberAboutItsAxis) {
  auto rotation = [](float roll) {
    const MemberGeometry<double> g = GeometryOf({"SFrame", "0,0,0, 2,3,6", roll, false, {}});
    std::array<std::array<double, 3>, 3> r{};
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 3; ++j) r[i][j] = g.Transform[i + 1][j + 1];
    return r;
  };
  const auto r0 = rotation(0);
  EXPECT_NEAR(r0[1][0] * -6 + r0[1][2] * 2, 0, 1e-12);  // y . (vertical plane's normal) = 0
  for (float roll : {0.0f, 30.0f, 135.0f}) {
    const auto r = rotation(roll);
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 3; ++j) {
        double dot = 0;
        for (int k = 0; k < 3; ++k) dot += r[i][k] * r[j][k];
        EXPECT_NEAR(dot, i == j ? 1 : 0, 1e-12) << "roll " << roll << " rows " << i << j;
      }
    // z = x cross y, and y turned by the roll from its place at roll 0.
    const double c = std::cos(roll * 3.14159265358979 / 180),
                 s = std::sin(roll * 3.14159265358979 / 180);
    for (int k = 0; k < 3; ++k) {
      const int a = (k + 1) % 3, b = (k + 2) % 3;
      EXPECT_NEAR(r[2][k], r[0][a] * r[1][b] - r[0][b] * r[1][a], 1e-12) << roll;
      EXPECT_NEAR(r[1][k], c * r0[1][k] + s * r0[2][k], 1e-6) << roll;
    }
  }
}

}  // namespace
}  // namespace stavelorn
