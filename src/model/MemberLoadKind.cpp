#include "model/MemberLoadKind.h"

namespace stavelorn {

namespace {

constexpr const char* kFromBeginning = "a (from the beginning joint)";
constexpr const char* kFromEnd = "b (from the end joint)";

// Transverse kinds in local y act on every type that bends; axial kinds need the axial coordinate
// of a plane or space frame; a torque needs the twisting coordinate of a grid or space frame; the
// local-z kinds exist only where a member bends in two planes.
constexpr std::array<MemberLoadKindInfo, 11> kKinds = {{
    {MemberLoadKind::Concentrated,
     " Conc. ",
     "Concentrated force",
     "a concentrated force",
     {"P", nullptr, kFromBeginning, nullptr},
     LoadForm::PointForce,
     LoadAxis::Y,
     -1,
     BendingPlane::LocalXY,
     {StructKind::Beam, StructKind::PFrame, StructKind::Grid, StructKind::SFrame}},
    {MemberLoadKind::Couple,
     "Moment ",
     "Concentrated couple",
     "a couple",
     {"M", nullptr, kFromBeginning, nullptr},
     LoadForm::PointCouple,
     LoadAxis::Z,
     -1,
     BendingPlane::LocalXY,
     {StructKind::Beam, StructKind::PFrame, StructKind::Grid, StructKind::SFrame}},
    {MemberLoadKind::Uniform,
     "Uniform",
     "Uniform load",
     "a uniform load",
     {"w", nullptr, kFromBeginning, kFromEnd},
     LoadForm::UniformForce,
     LoadAxis::Y,
     -1,
     BendingPlane::LocalXY,
     {StructKind::Beam, StructKind::PFrame, StructKind::Grid, StructKind::SFrame}},
    {MemberLoadKind::Linear,
     "Linear ",
     "Linearly varying load",
     "a linearly varying load",
     {"w1", "w2", kFromBeginning, kFromEnd},
     LoadForm::LinearForce,
     LoadAxis::Y,
     -1,
     BendingPlane::LocalXY,
     {StructKind::Beam, StructKind::PFrame, StructKind::Grid, StructKind::SFrame}},
    {MemberLoadKind::AxialForce,
     "Axial W",
     "Axial force",
     "an axial force",
     {"P", nullptr, kFromBeginning, nullptr},
     LoadForm::PointForce,
     LoadAxis::X,
     -1,
     BendingPlane::None,
     {StructKind::PFrame, StructKind::SFrame, StructKind::None, StructKind::None}},
    {MemberLoadKind::AxialUniform,
     "Axial w",
     "Uniform axial load",
     "a uniform axial load",
     {"w", nullptr, kFromBeginning, kFromEnd},
     LoadForm::UniformForce,
     LoadAxis::X,
     -1,
     BendingPlane::None,
     {StructKind::PFrame, StructKind::SFrame, StructKind::None, StructKind::None}},
    {MemberLoadKind::Torque,
     "Torque ",
     "Torque",
     "a torque",
     {"T", nullptr, kFromBeginning, nullptr},
     LoadForm::PointCouple,
     LoadAxis::X,
     -1,
     BendingPlane::None,
     {StructKind::Grid, StructKind::SFrame, StructKind::None, StructKind::None}},
    {MemberLoadKind::ConcentratedZ,
     "Conc.-z",
     "Concentrated force in local z",
     "a force in local z",
     {"P", nullptr, kFromBeginning, nullptr},
     LoadForm::PointForce,
     LoadAxis::Z,
     -1,
     BendingPlane::LocalXZ,
     {StructKind::SFrame, StructKind::None, StructKind::None, StructKind::None}},
    // A couple about local y that bends the member like a kind-2 couple does in its own plane
    // turns the other way round the axis, so its sign is reversed.
    {MemberLoadKind::CoupleY,
     "Moment-y",
     "Concentrated couple about local y",
     "a couple about local y",
     {"M", nullptr, kFromBeginning, nullptr},
     LoadForm::PointCouple,
     LoadAxis::Y,
     +1,
     BendingPlane::LocalXZ,
     {StructKind::SFrame, StructKind::None, StructKind::None, StructKind::None}},
    {MemberLoadKind::UniformZ,
     "Unifr.-y",
     "Uniform load in local z",
     "a uniform load in local z",
     {"w", nullptr, kFromBeginning, kFromEnd},
     LoadForm::UniformForce,
     LoadAxis::Z,
     -1,
     BendingPlane::LocalXZ,
     {StructKind::SFrame, StructKind::None, StructKind::None, StructKind::None}},
    {MemberLoadKind::LinearZ,
     "Linear-y",
     "Linearly varying load in local z",
     "a linearly varying load in local z",
     {"w1", "w2", kFromBeginning, kFromEnd},
     LoadForm::LinearForce,
     LoadAxis::Z,
     -1,
     BendingPlane::LocalXZ,
     {StructKind::SFrame, StructKind::None, StructKind::None, StructKind::None}},
}};

}  // namespace

const MemberLoadKindInfo* FindMemberLoadKind(int code) {
  if (code < 1 || code > static_cast<int>(kKinds.size())) return nullptr;
  return &kKinds[static_cast<std::size_t>(code - 1)];
}

const std::array<MemberLoadKindInfo, 11>& AllMemberLoadKinds() {
  return kKinds;
}

bool TypeAcceptsLoad(StructKind type, const MemberLoadKindInfo& kind) {
  if (type == StructKind::None) return false;
  for (StructKind accepting : kind.AcceptingTypes)
    if (accepting == type) return true;
  return false;
}

bool TypeAcceptsLoad(const std::string& typeCode, const MemberLoadKindInfo& kind) {
  return TypeAcceptsLoad(KindOfStructure(typeCode), kind);
}

std::vector<const MemberLoadKindInfo*> AcceptedLoadKinds(StructKind type) {
  std::vector<const MemberLoadKindInfo*> kinds;
  for (const MemberLoadKindInfo& kind : kKinds)
    if (TypeAcceptsLoad(type, kind)) kinds.push_back(&kind);
  return kinds;
}

const MemberLoadKindInfo& InfoOf(MemberLoadKind kind) {
  return kKinds[static_cast<std::size_t>(static_cast<int>(kind) - 1)];
}

}  // namespace stavelorn
