#include "model/StructType.h"

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string>

#include "model/LoadSymbols.h"
#include "model/MemberLoadKind.h"

namespace stavelorn {
namespace {

bool Has(const char* text, const std::string& part) {
  return std::string(text).find(part) != std::string::npos;
}

// The type table agrees with itself where the mechanics depends on it (its captions, headings
// and symbols stand in the golden windows and reports of every type):
// - a rotation is the coordinate loaded by a moment, restrained by a moment reaction and coming
//   after the translations (the stability count takes rotations from the end); a member end's
//   force at its position acts along or about the member's own axis;
// - a plane type has no Z column and a type lying in a horizontal line or plane is the one
//   without a Y column;
// - a member load goes only where the type has the coordinate its fixed-end forces go to: none
//   on a truss, an axial force only with an axial coordinate, a torque or a local-z load only
//   where a member bends in a second plane; the fixed-end forces find an axial coordinate
//   exactly on the types with axial members, a shear and a moment on every type that bends.
TEST(StructTypeTable, AgreesWithItselfForEveryType) {
  for (const StructTypeInfo& type : AllStructTypes()) {
    SCOPED_TRACE(type.Code);
    EXPECT_EQ(KindOfStructure(type.Code), type.Kind);
    EXPECT_EQ(&TypeOf(type.Kind), &type);
    bool rotationSeen = false;
    for (int k = 1; k <= type.CoordsPerJoint; ++k) {
      const JointCoordNames& c = type.Coords[static_cast<std::size_t>(k - 1)];
      const std::string axis(1, c.Axis);
      EXPECT_EQ(IsRotation(type.Code, k), Has(c.Load, "Moment")) << c.Load;
      EXPECT_EQ(Has(c.Reaction, "Moment"), Has(c.Load, "Moment")) << c.Reaction;
      EXPECT_FALSE(rotationSeen && !c.Rotation) << "translation after a rotation";
      rotationSeen = rotationSeen || c.Rotation;
      EXPECT_TRUE(Has(
          type.EndCoordNames[static_cast<std::size_t>(k - 1)],
          c.Axis == 'X' ? (c.Rotation ? "Torsion" : "Axial") : (c.Rotation ? "Moment" : "Shear")));
      EXPECT_EQ(LocalAxis(c), axis == "X" ? 'x' : axis == "Y" ? 'y' : 'z');
    }
    const std::string columns = type.ColumnAxes;
    EXPECT_EQ(columns.size(), static_cast<std::size_t>(type.CoordColumns));
    EXPECT_TRUE(!type.Plane || columns.find('Z') == std::string::npos);
    EXPECT_EQ(type.Horizontal, columns.find('Y') == std::string::npos);
    for (const MemberLoadKindInfo* kind : AcceptedLoadKinds(type.Kind)) {
      const bool torque = IsAxial(*kind) && kind->Form == LoadForm::PointCouple;
      EXPECT_TRUE(!IsAxial(*kind) || torque || type.Axial) << kind->LongName;
      EXPECT_TRUE(!(torque || kind->Plane == BendingPlane::LocalXZ) || RotationCount(type) >= 2)
          << kind->LongName;
    }
    EXPECT_EQ(AcceptedLoadKinds(type.Kind).empty(), type.Truss);
    EXPECT_EQ(EndCoordinate(type, 'x', false) > 0, type.Axial);
    EXPECT_EQ(EndCoordinate(type, 'y', false) > 0 && EndCoordinate(type, 'z', true) > 0,
              !type.Truss);
  }
  EXPECT_EQ(AcceptedLoadKinds(StructKind::SFrame).size(), AllMemberLoadKinds().size());
  EXPECT_EQ(KindOfStructure("Frame"), StructKind::None);
  EXPECT_THROW(TypeOf(StructKind::None), std::invalid_argument);
  EXPECT_THROW(CoordinateOf(TypeOf(StructKind::Beam), 7), std::out_of_range);
}

// The input report keeps its old one-value layout only for uniform loads over the whole member.
TEST(MemberLoadKinds, WholeSpanUniformOnlyWithoutStartOrEndDistances) {
  const int uniform = static_cast<int>(MemberLoadKind::Uniform);
  const struct {
    int code;
    std::array<float, 4> values;
    bool whole;
  } cases[] = {{uniform, {4, 0, 0, 0}, true},
               {uniform, {4, 1, 0, 0}, false},
               {uniform, {4, 0, 1, 0}, false},
               {uniform, {4, 0, 0, 1}, false},
               {static_cast<int>(MemberLoadKind::Concentrated), {4, 0, 0, 0}, false},
               {static_cast<int>(MemberLoadKind::UniformZ), {4, 0, 0, 0}, false}};
  for (const auto& c : cases)
    EXPECT_EQ(WholeSpanUniform(c.code, c.values), c.whole)
        << c.code << " " << c.values[1] << c.values[2] << c.values[3];
  for (const MemberLoadKindInfo& kind : AllMemberLoadKinds())
    EXPECT_FALSE(TypeAcceptsLoad(StructKind::None, kind)) << kind.LongName;
}

}  // namespace
}  // namespace stavelorn
