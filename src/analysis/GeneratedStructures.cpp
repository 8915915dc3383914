#include "analysis/GeneratedStructures.h"

#include <cstdint>
#include <vector>

#include "model/StructType.h"

namespace stavelorn {

namespace {

using i16 = std::int16_t;

struct MemberEnds {
  int begin, end;
};

// Fills the member table (every member with material 1 and section 1) and the roll angles.
void SetMembers(ModelStore& model, const std::vector<MemberEnds>& members, float rollDegrees) {
  model.MemberCount = static_cast<i16>(members.size());
  model.MemberProps.Redim(model.MemberCount, 4);
  model.RollAngles.Redim(model.MemberCount);
  for (int m = 1; m <= model.MemberCount; ++m) {
    model.MemberProps(m, 1) = static_cast<i16>(members[m - 1].begin);
    model.MemberProps(m, 2) = static_cast<i16>(members[m - 1].end);
    model.MemberProps(m, 3) = 1;
    model.MemberProps(m, 4) = 1;
    model.RollAngles(m) = rollDegrees;
  }
}

// Fixes every joint of the first level (joints 1..perLevel) in all its coordinates, and loads
// every other joint with `horizontal` along X and `vertical` along Y.
void FixBaseAndLoadJoints(ModelStore& model, int perLevel, float horizontal, float vertical) {
  const int perJoint = model.CoordsPerJoint;
  model.SupportCount = static_cast<i16>(perLevel);
  model.Supports.Redim(perLevel, perJoint + 1);
  for (int s = 1; s <= perLevel; ++s) {
    model.Supports(s, 1) = static_cast<i16>(s);
    for (int k = 1; k <= perJoint; ++k) model.Supports(s, k + 1) = 1;
  }
  model.JointLoadCount = static_cast<i16>(model.JointCount - perLevel);
  model.JointLoadJoints.Redim(model.JointLoadCount);
  model.JointLoadValues.Redim(model.JointLoadCount, perJoint);
  for (int i = 1; i <= model.JointLoadCount; ++i) {
    model.JointLoadJoints(i) = static_cast<i16>(perLevel + i);
    model.JointLoadValues(i, 1) = horizontal;
    model.JointLoadValues(i, 2) = vertical;
  }
}

}  // namespace

ModelStore PlaneFrameGrid(int bays, int storeys) {
  ModelStore model;
  model.Reset();
  model.ProjectTitle = "Plane frame grid";
  model.SetStructType(TypeOf(StructKind::PFrame).Code);
  const int columns = bays + 1;
  model.JointCount = static_cast<i16>(columns * (storeys + 1));
  model.JointCoords.Redim(model.JointCount, 2);
  auto joint = [columns](int column, int floor) { return floor * columns + column + 1; };
  for (int floor = 0; floor <= storeys; ++floor)
    for (int c = 0; c < columns; ++c) {
      model.JointCoords(joint(c, floor), 1) = 4.0f * static_cast<float>(c);
      model.JointCoords(joint(c, floor), 2) = 3.0f * static_cast<float>(floor);
    }
  model.MaterialCount = 1;
  model.Materials.Redim(1, 2);
  model.Materials(1, 1) = 2.0e8f;  // steel, kN/m2
  model.Materials(1, 2) = 1.2e-5f;
  model.SectionCount = 1;
  model.Sections.Redim(1, 2);
  model.Sections(1, 1) = 0.01f;    // m2
  model.Sections(1, 2) = 2.0e-4f;  // m4

  std::vector<MemberEnds> members;
  for (int floor = 1; floor <= storeys; ++floor) {
    for (int c = 0; c < columns; ++c) members.push_back({joint(c, floor - 1), joint(c, floor)});
    for (int c = 0; c + 1 < columns; ++c) members.push_back({joint(c, floor), joint(c + 1, floor)});
  }
  SetMembers(model, members, 0);
  FixBaseAndLoadJoints(model, columns, 5.0f, -20.0f);
  return model;
}

ModelStore SpaceFrameLattice(int nx, int nz, int levels, float rollDegrees) {
  ModelStore model;
  model.Reset();
  model.ProjectTitle = "Space frame lattice";
  model.SetStructType(TypeOf(StructKind::SFrame).Code);
  const int perLevel = nx * nz;
  model.JointCount = static_cast<i16>(perLevel * (levels + 1));
  model.JointCoords.Redim(model.JointCount, 3);
  auto joint = [nx, perLevel](int x, int z, int level) {
    return level * perLevel + z * nx + x + 1;
  };
  for (int level = 0; level <= levels; ++level)
    for (int z = 0; z < nz; ++z)
      for (int x = 0; x < nx; ++x) {
        const int j = joint(x, z, level);
        model.JointCoords(j, 1) = 4.0f * static_cast<float>(x);
        model.JointCoords(j, 2) = 3.0f * static_cast<float>(level);
        model.JointCoords(j, 3) = 5.0f * static_cast<float>(z);
      }
  model.MaterialCount = 1;
  model.Materials.Redim(1, 3);
  model.Materials(1, 1) = 2.0e8f;
  model.Materials(1, 2) = 8.0e7f;
  model.Materials(1, 3) = 1.2e-5f;
  model.SectionCount = 1;
  model.Sections.Redim(1, 4);
  model.Sections(1, 1) = 0.01f;
  model.Sections(1, 2) = 2.0e-4f;
  model.Sections(1, 3) = 1.0e-4f;
  model.Sections(1, 4) = 5.0e-6f;

  std::vector<MemberEnds> members;
  for (int level = 1; level <= levels; ++level) {
    for (int z = 0; z < nz; ++z)
      for (int x = 0; x < nx; ++x) members.push_back({joint(x, z, level - 1), joint(x, z, level)});
    for (int z = 0; z < nz; ++z)
      for (int x = 0; x + 1 < nx; ++x)
        members.push_back({joint(x, z, level), joint(x + 1, z, level)});
    for (int z = 0; z + 1 < nz; ++z)
      for (int x = 0; x < nx; ++x) members.push_back({joint(x, z, level), joint(x, z + 1, level)});
  }
  SetMembers(model, members, rollDegrees);
  FixBaseAndLoadJoints(model, perLevel, 2.0f, -10.0f);
  return model;
}

}  // namespace stavelorn
