#include "model/StructType.h"

#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <stdexcept>
#include <string>

#include "model/LoadSymbols.h"
#include "model/MemberLoadKind.h"

namespace stavelorn {
namespace {

bool Named(const char* text) {
  return text != nullptr && *text != '\0';
}

bool Has(const char* text, const std::string& part) {
  return std::string(text).find(part) != std::string::npos;
}

// The runs of dashes in the rule that ends a printed heading: one per column of numbers.
int RuledColumns(const std::array<const char*, 3>& heading) {
  std::string rule;
  for (const char* line : heading)
    if (line) rule = line;
  int runs = 0;
  for (std::size_t i = 0; i < rule.size(); ++i)
    runs += rule[i] == '-' && (i == 0 || rule[i - 1] != '-');
  return runs;
}

// The type table agrees with itself, so a grid, a report or a message never shows a blank, a
// stray heading or a name for the wrong coordinate:
// - every coordinate, section property and end force the type uses is named, and none beyond;
// - a rotation is the coordinate loaded by a moment, restrained by a moment reaction, named
//   "rotation [about axis]" and coming after the translations (the stability count takes
//   rotations from the end); a member end's force at its position acts along or about the
//   member's own axis;
// - the coordinate columns name their axes, a plane type has no Z column and a type lying in a
//   horizontal line or plane is the one without a Y column;
// - a section's symbol is the one its heading puts in brackets;
// - a member load goes only where the type has the coordinate its fixed-end forces go to: none
//   on a truss, an axial force only with an axial coordinate, a torque or a local-z load only
//   where a member bends in a second plane; the fixed-end forces find an axial coordinate
//   exactly on the types with axial members, a shear and a moment on every type that bends;
// - every printed joint table rules a column for the joint and one per coordinate (the units
//   line is centred over them), the end forces one more for the member but where it has a line
//   of its own.
TEST(StructTypeTable, AgreesWithItselfForEveryType) {
  for (const StructTypeInfo& type : AllStructTypes()) {
    SCOPED_TRACE(type.Code);
    EXPECT_EQ(KindOfStructure(type.Code), type.Kind);
    EXPECT_EQ(&TypeOf(type.Kind), &type);
    bool rotationSeen = false;
    for (int k = 1; k <= 6; ++k) {
      const JointCoordNames& c = type.Coords[static_cast<std::size_t>(k - 1)];
      const bool used = k <= type.CoordsPerJoint;
      for (const char* name : {c.Check, c.Restraint, c.RestraintLabel, c.Displacement, c.Reaction,
                               c.Load, c.LoadLabel, c.Settlement, c.SettlementLabel})
        EXPECT_EQ(Named(name), used) << "coordinate " << k;
      EXPECT_EQ(Named(type.EndCoordNames[static_cast<std::size_t>(k - 1)]), used);
      EXPECT_EQ(Named(type.EndForces[static_cast<std::size_t>(k - 1)]),
                k <= (type.Truss ? 1 : type.CoordsPerJoint));
      if (!used) continue;
      const std::string axis(1, c.Axis);
      EXPECT_EQ(IsRotation(type.Code, k), Has(c.Load, "Moment")) << c.Load;
      EXPECT_EQ(Has(c.Reaction, "Moment"), Has(c.Load, "Moment")) << c.Reaction;
      if (c.Rotation)
        EXPECT_TRUE(std::string(c.Check) == "rotation" ? type.Plane && axis == "Z"
                                                       : c.Check == "rotation about " + axis)
            << c.Check;
      else
        EXPECT_EQ(c.Check, axis + " translation");
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
    EXPECT_TRUE(Named(type.DiagramSide));
    for (int p = 0; p < 4; ++p) {
      const SectionPropertyNames& s = type.Sections[static_cast<std::size_t>(p)];
      EXPECT_EQ(Named(s.Heading) && Named(s.Label) && Named(s.Check), p < type.SectionColumns);
      if (p < type.SectionColumns) {
        std::string symbol = s.Symbol;
        for (char& ch : symbol)
          ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        EXPECT_TRUE(Has(s.Heading, "(" + symbol + ")")) << s.Heading;
      }
    }
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
    for (const auto* heading : {&type.JointLoadHeading, &type.SettlementHeading,
                                &type.DisplacementHeading, &type.ReactionHeading})
      EXPECT_EQ(RuledColumns(*heading), 1 + type.CoordsPerJoint) << (*heading)[0];
    EXPECT_EQ(RuledColumns(type.EndForceHeading),
              type.Truss ? 0 : type.CoordsPerJoint + (type.CoordsPerJoint == 6 ? 1 : 2));
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
