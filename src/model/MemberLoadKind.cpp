#include "model/MemberLoadKind.h"

namespace stavelorn {

namespace {

// Every field of a row is set by name, so that a row reads on its own and the compiler checks
// each name.

constexpr const char* kFromBeginning = "a (from the beginning joint)";
constexpr const char* kFromEnd = "b (from the end joint)";

// The labels of the four stored values (magnitude, second magnitude, a, b) of a load at a point,
// of a load spread over [a, L - b] with one intensity, and of a linearly varying one.
constexpr std::array<const char*, 4> PointLabels(const char* magnitude) {
  return {magnitude, nullptr, kFromBeginning, nullptr};
}
constexpr std::array<const char*, 4> SpreadLabels(const char* intensity) {
  return {intensity, nullptr, kFromBeginning, kFromEnd};
}
constexpr std::array<const char*, 4> LinearLabels(const char* atBeginning, const char* atEnd) {
  return {atBeginning, atEnd, kFromBeginning, kFromEnd};
}

// The symbols of the same four values.
constexpr std::array<const char*, 4> PointSymbols(const char* magnitude) {
  return {magnitude, nullptr, "a", nullptr};
}
constexpr std::array<const char*, 4> SpreadSymbols(const char* intensity) {
  return {intensity, nullptr, "a", "b"};
}
constexpr std::array<const char*, 4> LinearSymbols(const char* atBeginning, const char* atEnd) {
  return {atBeginning, atEnd, "a", "b"};
}

// Transverse kinds in local y act on every type that bends; axial kinds need the axial coordinate
// of a plane or space frame; a torque needs the twisting coordinate of a grid or space frame; the
// local-z kinds exist only where a member bends in two planes.
constexpr std::array<StructKind, 4> kBendingTypes = {StructKind::Beam, StructKind::PFrame,
                                                     StructKind::Grid, StructKind::SFrame};
constexpr std::array<StructKind, 4> kAxialTypes = {StructKind::PFrame, StructKind::SFrame,
                                                   StructKind::None, StructKind::None};
constexpr std::array<StructKind, 4> kTwistingTypes = {StructKind::Grid, StructKind::SFrame,
                                                      StructKind::None, StructKind::None};
constexpr std::array<StructKind, 4> kTwoPlaneTypes = {StructKind::SFrame, StructKind::None,
                                                      StructKind::None, StructKind::None};

constexpr MemberLoadKindInfo ConcentratedKind() {
  MemberLoadKindInfo k{};
  k.Kind = MemberLoadKind::Concentrated;
  k.ReportName = " Conc. ";
  k.LongName = "Concentrated force";
  k.CheckName = "a concentrated force";
  k.ValueLabels = PointLabels("P");
  k.Symbols = PointSymbols("P");
  k.Form = LoadForm::PointForce;
  k.Axis = LoadAxis::Y;
  k.AppliedSign = -1;
  k.Plane = BendingPlane::LocalXY;
  k.AcceptingTypes = kBendingTypes;
  return k;
}

constexpr MemberLoadKindInfo CoupleKind() {
  MemberLoadKindInfo k{};
  k.Kind = MemberLoadKind::Couple;
  k.ReportName = "Moment ";
  k.LongName = "Concentrated couple";
  k.CheckName = "a couple";
  k.ValueLabels = PointLabels("M");
  k.Symbols = PointSymbols("M");
  k.Form = LoadForm::PointCouple;
  k.Axis = LoadAxis::Z;
  k.AppliedSign = -1;
  k.Plane = BendingPlane::LocalXY;
  k.AcceptingTypes = kBendingTypes;
  return k;
}

constexpr MemberLoadKindInfo UniformKind() {
  MemberLoadKindInfo k{};
  k.Kind = MemberLoadKind::Uniform;
  k.ReportName = "Uniform";
  k.LongName = "Uniform load";
  k.CheckName = "a uniform load";
  k.ValueLabels = SpreadLabels("w");
  k.Symbols = SpreadSymbols("w");
  k.Form = LoadForm::UniformForce;
  k.Axis = LoadAxis::Y;
  k.AppliedSign = -1;
  k.Plane = BendingPlane::LocalXY;
  k.AcceptingTypes = kBendingTypes;
  return k;
}

constexpr MemberLoadKindInfo LinearKind() {
  MemberLoadKindInfo k{};
  k.Kind = MemberLoadKind::Linear;
  k.ReportName = "Linear ";
  k.LongName = "Linearly varying load";
  k.CheckName = "a linearly varying load";
  k.ValueLabels = LinearLabels("w1", "w2");
  k.Symbols = LinearSymbols("w1", "w2");
  k.Form = LoadForm::LinearForce;
  k.Axis = LoadAxis::Y;
  k.AppliedSign = -1;
  k.Plane = BendingPlane::LocalXY;
  k.AcceptingTypes = kBendingTypes;
  return k;
}

constexpr MemberLoadKindInfo AxialForceKind() {
  MemberLoadKindInfo k{};
  k.Kind = MemberLoadKind::AxialForce;
  k.ReportName = "Axial W";
  k.LongName = "Axial force";
  k.CheckName = "an axial force";
  k.ValueLabels = PointLabels("P");
  k.Symbols = PointSymbols("P");
  k.Form = LoadForm::PointForce;
  k.Axis = LoadAxis::X;
  k.AppliedSign = -1;
  k.Plane = BendingPlane::None;
  k.AcceptingTypes = kAxialTypes;
  return k;
}

constexpr MemberLoadKindInfo AxialUniformKind() {
  MemberLoadKindInfo k{};
  k.Kind = MemberLoadKind::AxialUniform;
  k.ReportName = "Axial w";
  k.LongName = "Uniform axial load";
  k.CheckName = "a uniform axial load";
  k.ValueLabels = SpreadLabels("w");
  k.Symbols = SpreadSymbols("w");
  k.Form = LoadForm::UniformForce;
  k.Axis = LoadAxis::X;
  k.AppliedSign = -1;
  k.Plane = BendingPlane::None;
  k.AcceptingTypes = kAxialTypes;
  return k;
}

constexpr MemberLoadKindInfo TorqueKind() {
  MemberLoadKindInfo k{};
  k.Kind = MemberLoadKind::Torque;
  k.ReportName = "Torque ";
  k.LongName = "Torque";
  k.CheckName = "a torque";
  k.ValueLabels = PointLabels("T");
  k.Symbols = PointSymbols("T");
  k.Form = LoadForm::PointCouple;
  k.Axis = LoadAxis::X;
  k.AppliedSign = -1;
  k.Plane = BendingPlane::None;
  k.AcceptingTypes = kTwistingTypes;
  return k;
}

constexpr MemberLoadKindInfo ConcentratedZKind() {
  MemberLoadKindInfo k{};
  k.Kind = MemberLoadKind::ConcentratedZ;
  k.ReportName = "Conc.-z";
  k.LongName = "Concentrated force in local z";
  k.CheckName = "a force in local z";
  k.ValueLabels = PointLabels("P");
  k.Symbols = PointSymbols("P");
  k.Form = LoadForm::PointForce;
  k.Axis = LoadAxis::Z;
  k.AppliedSign = -1;
  k.Plane = BendingPlane::LocalXZ;
  k.AcceptingTypes = kTwoPlaneTypes;
  return k;
}

// A couple about local y that bends the member like a kind-2 couple does in its own plane turns
// the other way round the axis, so its sign is reversed.
constexpr MemberLoadKindInfo CoupleYKind() {
  MemberLoadKindInfo k{};
  k.Kind = MemberLoadKind::CoupleY;
  k.ReportName = "Moment-y";
  k.LongName = "Concentrated couple about local y";
  k.CheckName = "a couple about local y";
  k.ValueLabels = PointLabels("M");
  k.Symbols = PointSymbols("M");
  k.Form = LoadForm::PointCouple;
  k.Axis = LoadAxis::Y;
  k.AppliedSign = +1;
  k.Plane = BendingPlane::LocalXZ;
  k.AcceptingTypes = kTwoPlaneTypes;
  return k;
}

constexpr MemberLoadKindInfo UniformZKind() {
  MemberLoadKindInfo k{};
  k.Kind = MemberLoadKind::UniformZ;
  k.ReportName = "Unifr.-y";
  k.LongName = "Uniform load in local z";
  k.CheckName = "a uniform load in local z";
  k.ValueLabels = SpreadLabels("w");
  k.Symbols = SpreadSymbols("w");
  k.Form = LoadForm::UniformForce;
  k.Axis = LoadAxis::Z;
  k.AppliedSign = -1;
  k.Plane = BendingPlane::LocalXZ;
  k.AcceptingTypes = kTwoPlaneTypes;
  return k;
}

constexpr MemberLoadKindInfo LinearZKind() {
  MemberLoadKindInfo k{};
  k.Kind = MemberLoadKind::LinearZ;
  k.ReportName = "Linear-y";
  k.LongName = "Linearly varying load in local z";
  k.CheckName = "a linearly varying load in local z";
  k.ValueLabels = LinearLabels("w1", "w2");
  k.Symbols = LinearSymbols("w1", "w2");
  k.Form = LoadForm::LinearForce;
  k.Axis = LoadAxis::Z;
  k.AppliedSign = -1;
  k.Plane = BendingPlane::LocalXZ;
  k.AcceptingTypes = kTwoPlaneTypes;
  return k;
}

constexpr std::array<MemberLoadKindInfo, 11> kKinds = {
    ConcentratedKind(), CoupleKind(),       UniformKind(), LinearKind(),
    AxialForceKind(),   AxialUniformKind(), TorqueKind(),  ConcentratedZKind(),
    CoupleYKind(),      UniformZKind(),     LinearZKind()};

// FindMemberLoadKind and InfoOf find a kind by its code as an index.
constexpr bool InCodeOrder() {
  for (std::size_t i = 0; i < kKinds.size(); ++i)
    if (static_cast<std::size_t>(kKinds[i].Kind) != i + 1) return false;
  return true;
}
static_assert(InCodeOrder(), "the member-load kinds are listed in the order of their codes");

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
