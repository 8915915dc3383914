// One member's values from the plain functions: geometry cases a careless transformation gets
// wrong, and [K] = [T]^T [k] [T] against a product written out here.

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
  const char* name;
  const char* type;
  int coordsPerJoint;
  const char* joints;  // two joints
  float roll;
  double length, cx, cy, cz;
  bool aligned;
  // Expected non-zero entries of the first 3 x 3 block of [T], row by row.
  double t[3][3];
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
      LoadMemberContext<double>(m, KindOfStructure(c.type), 2 * c.coordsPerJoint, 1);
  return ComputeMemberGeometry(m, member);
}

class Geometry : public ::testing::TestWithParam<GeometryCase> {};

TEST_P(Geometry, GivesLengthCosinesAndRotation) {
  const GeometryCase& c = GetParam();
  const MemberGeometry<double> g = GeometryOf(c);
  EXPECT_NEAR(g.Length, c.length, 1e-12);
  EXPECT_NEAR(g.DirCosX, c.cx, 1e-12);
  EXPECT_NEAR(g.DirCosY, c.cy, 1e-12);
  EXPECT_NEAR(g.DirCosZ, c.cz, 1e-12);
  EXPECT_EQ(g.Aligned, c.aligned);
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) EXPECT_NEAR(g.Transform[i + 1][j + 1], c.t[i][j], 1e-12) << i << j;
}

INSTANTIATE_TEST_SUITE_P(
    Members, Geometry,
    ::testing::Values(GeometryCase{"TrussThreeFourFive",
                                   "PTruss",
                                   2,
                                   "0,0, 3,4",
                                   0,
                                   5,
                                   0.6,
                                   0.8,
                                   0,
                                   false,
                                   {{0.6, 0.8, 0}, {-0.8, 0.6, 0}, {0, 0, 0.6}}},
                      GeometryCase{"BeamIgnoresY",
                                   "Beam",
                                   2,
                                   "2, 7",
                                   0,
                                   5,
                                   1,
                                   0,
                                   0,
                                   true,
                                   {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}},
                      GeometryCase{"GridSecondColumnIsZ",
                                   "Grid",
                                   3,
                                   "0,0, 0,6",
                                   0,
                                   6,
                                   0,
                                   0,
                                   1,
                                   false,
                                   {{1, 0, 0}, {0, 0, 1}, {0, -1, 0}}},
                      GeometryCase{"FrameAlongMinusXIsNotAligned",
                                   "PFrame",
                                   3,
                                   "4,0, 0,0",
                                   0,
                                   4,
                                   -1,
                                   0,
                                   0,
                                   false,
                                   {{-1, 0, 0}, {0, -1, 0}, {0, 0, 1}}},
                      GeometryCase{"VerticalSpaceMemberUp",
                                   "SFrame",
                                   6,
                                   "0,0,0, 0,3,0",
                                   0,
                                   3,
                                   0,
                                   1,
                                   0,
                                   false,
                                   {{0, 1, 0}, {-1, 0, 0}, {0, 0, 1}}},
                      GeometryCase{"VerticalSpaceMemberDown",
                                   "SFrame",
                                   6,
                                   "0,3,0, 0,0,0",
                                   0,
                                   3,
                                   0,
                                   -1,
                                   0,
                                   false,
                                   {{0, -1, 0}, {1, 0, 0}, {0, 0, 1}}},
                      GeometryCase{"SpaceMemberAlongXStillRolls",
                                   "SFrame",
                                   6,
                                   "0,0,0, 2,0,0",
                                   90,
                                   2,
                                   1,
                                   0,
                                   0,
                                   false,
                                   {{1, 0, 0}, {0, 0, 1}, {0, -1, 0}}}),
    [](const ::testing::TestParamInfo<GeometryCase>& p) { return p.param.name; });

TEST(GlobalStiffness, IsTheTripleProductOfAnInclinedFrameMember) {
  ModelStore m = ModelFromText(R"("Member","PFrame"
"Joints",2, 0,0, 3,4
"Materials",1, 200,0
"Cross-Sections",1, 2,3
"Members",1, 1,2,1,1
"Member Releases",1, 1,1
)");
  const MemberContext<double> member = LoadMemberContext<double>(m, StructKind::PFrame, 6, 1);
  const MemberGeometry<double> g = ComputeMemberGeometry(m, member);
  const MemberMatrix<double> k = ComputeLocalStiffness(member, g);
  const MemberMatrix<double> kg = ComputeGlobalStiffness(member, g, k);
  for (int i = 1; i <= 6; ++i)
    for (int j = 1; j <= 6; ++j) {
      double expected = 0;
      for (int a = 1; a <= 6; ++a)
        for (int b = 1; b <= 6; ++b) expected += g.Transform[a][i] * k[a][b] * g.Transform[b][j];
      EXPECT_NEAR(kg[i][j], expected, 1e-9 * (1 + std::abs(expected))) << i << ", " << j;
    }
  // A hinge at the beginning leaves the beginning rotation without stiffness.
  for (int j = 1; j <= 6; ++j) EXPECT_EQ(k[3][j], 0) << j;
}

// An inclined space-frame member: at roll 0 its local y lies in the vertical plane through the
// member, the rotation is orthonormal and right-handed, and a roll turns y towards z about x.
TEST(Geometry, ARollTurnsTheLocalAxesOfAnInclinedSpaceMemberAboutItsAxis) {
  auto rotation = [](float roll) {
    const MemberGeometry<double> g =
        GeometryOf({"", "SFrame", 6, "0,0,0, 2,3,6", roll, 7, 0, 0, 0, false, {}});
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
