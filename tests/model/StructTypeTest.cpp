#include "model/StructType.h"

#include <gtest/gtest.h>

#include <string>

#include "model/MemberLoadKind.h"

namespace stavelorn {
namespace {

bool Named(const char* text) {
  return text != nullptr && *text != '\0';
}

// Every place that names a joint coordinate has a name for each coordinate the type uses and none
// beyond, so a grid or report never shows a blank or a stray heading.
TEST(StructTypeTable, NamesEveryUsedCoordinateAndPropertyAndNoOther) {
  for (const StructTypeInfo& type : AllStructTypes()) {
    SCOPED_TRACE(type.Code);
    for (int k = 0; k < 6; ++k) {
      const JointCoordNames& c = type.Coords[static_cast<std::size_t>(k)];
      const bool used = k < type.CoordsPerJoint;
      for (const char* name : {c.Check, c.Restraint, c.RestraintLabel, c.Displacement, c.Reaction,
                               c.Load, c.LoadLabel, c.Settlement, c.SettlementLabel})
        EXPECT_EQ(Named(name), used) << "coordinate " << k + 1;
    }
    for (int p = 0; p < 4; ++p) {
      const SectionPropertyNames& s = type.Sections[static_cast<std::size_t>(p)];
      const bool used = p < type.SectionColumns;
      EXPECT_EQ(Named(s.Heading) && Named(s.Label) && Named(s.Check), used) << "property " << p;
    }
    const int endForces = type.Truss ? 1 : type.CoordsPerJoint;
    for (int k = 0; k < 6; ++k)
      EXPECT_EQ(Named(type.EndForces[static_cast<std::size_t>(k)]), k < endForces);
    EXPECT_EQ(KindOfStructure(type.Code), type.Kind);
    EXPECT_EQ(&TypeOf(type.Kind), &type);
  }
  EXPECT_EQ(KindOfStructure("Frame"), StructKind::None);
  EXPECT_THROW(TypeOf(StructKind::None), std::invalid_argument);
}

// A rotation is loaded by a moment and restrained by a moment reaction, a translation by forces:
// the rotation count must agree with what the load and reaction names say.
TEST(StructTypeTable, RotationsAreTheCoordinatesLoadedByMoments) {
  for (const StructTypeInfo& type : AllStructTypes()) {
    SCOPED_TRACE(type.Code);
    for (int k = 1; k <= type.CoordsPerJoint; ++k) {
      const JointCoordNames& c = type.Coords[static_cast<std::size_t>(k - 1)];
      const bool moment = std::string(c.Load).find("Moment") != std::string::npos;
      EXPECT_EQ(IsRotation(type.Code, k), moment) << c.Load;
      EXPECT_EQ(std::string(c.Reaction).find("Moment") != std::string::npos, moment);
    }
    // A hinge frees only rotations, and only where a member bends.
    for (int h : type.HingeCoords) EXPECT_TRUE(h == 0 || IsRotation(type.Code, h)) << h;
    EXPECT_EQ(type.HingeCoords[0] == 0, type.Truss);
  }
}

// A member load needs the local coordinate its fixed-end forces go to: none on a truss, an axial
// force only where members have an axial coordinate, a torque or a local-z load only where a
// member twists or bends in a second plane.
TEST(StructTypeTable, MemberLoadKindsGoWhereTheTypeHasTheirCoordinate) {
  for (const StructTypeInfo& type : AllStructTypes()) {
    SCOPED_TRACE(type.Code);
    for (const MemberLoadKindInfo* kind : AcceptedLoadKinds(type.Kind)) {
      EXPECT_FALSE(type.Truss);
      const bool axialForce = IsAxial(*kind) && kind->Form != LoadForm::PointCouple;
      const bool torque = IsAxial(*kind) && kind->Form == LoadForm::PointCouple;
      EXPECT_TRUE(!axialForce || type.Axial) << kind->LongName;
      const bool secondPlane = torque || kind->Plane == BendingPlane::LocalXZ;
      EXPECT_TRUE(!secondPlane || type.Rotations >= 2) << kind->LongName;
    }
    EXPECT_EQ(AcceptedLoadKinds(type.Kind).empty(), type.Truss);
  }
  EXPECT_EQ(AcceptedLoadKinds(StructKind::SFrame).size(), AllMemberLoadKinds().size());
}

}  // namespace
}  // namespace stavelorn
