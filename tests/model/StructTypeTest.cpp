#include "model/StructType.h"

#include <gtest/gtest.h>

#include <cctype>
#include <stdexcept>
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

// What each coordinate measures agrees with how the messages name it, rotations come after the
// translations (the stability count takes them from the end), and a member end's force at the
// same position is named for what it does along or about the member's own axis.
TEST(StructTypeTable, CoordinateAxesAgreeWithTheirNames) {
  for (const StructTypeInfo& type : AllStructTypes()) {
    SCOPED_TRACE(type.Code);
    bool rotationSeen = false;
    for (int k = 1; k <= type.CoordsPerJoint; ++k) {
      const JointCoordNames& c = CoordinateOf(type, k);
      const std::string check = c.Check, axis(1, c.Axis);
      if (c.Rotation)
        EXPECT_TRUE(check == "rotation" ? type.Plane && axis == "Z"
                                        : check == "rotation about " + axis)
            << check;
      else
        EXPECT_EQ(check, axis + " translation");
      EXPECT_FALSE(rotationSeen && !c.Rotation) << "translation after a rotation";
      rotationSeen = rotationSeen || c.Rotation;
      const std::string end = type.EndCoordNames[static_cast<std::size_t>(k - 1)];
      const char* expected =
          c.Axis == 'X' ? (c.Rotation ? "Torsion" : "Axial") : (c.Rotation ? "Moment" : "Shear");
      EXPECT_NE(end.find(expected), std::string::npos) << end;
      EXPECT_EQ(LocalAxis(c), axis == "X" ? 'x' : axis == "Y" ? 'y' : 'z');
    }
    EXPECT_EQ(CoordinateName(CoordinateOf(type, 1)),
              std::string(1, CoordinateOf(type, 1).Axis) + " Translation");
    for (std::size_t k = static_cast<std::size_t>(type.CoordsPerJoint); k < 6; ++k)
      EXPECT_FALSE(Named(type.EndCoordNames[k]));
    EXPECT_EQ(std::string(type.ColumnAxes).size(), static_cast<std::size_t>(type.CoordColumns));
    EXPECT_TRUE(!type.Plane || std::string(type.ColumnAxes).find('Z') == std::string::npos);
    // A type lying in one horizontal line or plane is the one without a vertical coordinate.
    EXPECT_EQ(type.Horizontal, std::string(type.ColumnAxes).find('Y') == std::string::npos);
    EXPECT_TRUE(Named(type.DiagramSide));
  }
  EXPECT_THROW(CoordinateOf(TypeOf(StructKind::Beam), 7), std::out_of_range);
}

// A picked member lists its section by the symbols the list headings put in brackets.
TEST(StructTypeTable, SectionSymbolsAreTheHeadingsBracketedSymbols) {
  for (const StructTypeInfo& type : AllStructTypes())
    for (int p = 0; p < type.SectionColumns; ++p) {
      const SectionPropertyNames& s = type.Sections[static_cast<std::size_t>(p)];
      std::string symbol = s.Symbol;
      for (char& ch : symbol) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
      EXPECT_NE(std::string(s.Heading).find("(" + symbol + ")"), std::string::npos) << s.Heading;
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
      EXPECT_TRUE(!secondPlane || RotationCount(type) >= 2) << kind->LongName;
    }
    EXPECT_EQ(AcceptedLoadKinds(type.Kind).empty(), type.Truss);
  }
  EXPECT_EQ(AcceptedLoadKinds(StructKind::SFrame).size(), AllMemberLoadKinds().size());
}

}  // namespace
}  // namespace stavelorn
