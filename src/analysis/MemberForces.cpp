// Member end forces {Q} = [k]{u} + {Qf} in local coordinates from the solved joint
// displacements, and the support reactions as the sums of the members' global end forces at the
// restrained coordinates, along a turned support's own axes. A spring's reaction is not summed
// here: it is -k·(d - s), read from the displacement (analysis/SupportReactions.h).

#include <algorithm>
#include <vector>

#include "analysis/Arithmetic.h"
#include "analysis/Engine.h"

namespace stavelorn {

namespace {

// Whether each joint (by number, 0 unused) has a support record: looked up for every member.
std::vector<bool> JointsWithSupports(const ModelStore& model) {
  std::vector<bool> supported(static_cast<std::size_t>(std::max<int>(0, model.JointCount)) + 1);
  for (int s = 1; s <= model.SupportCount; ++s) {
    const int joint = model.Supports(s, 1);
    if (joint >= 1 && joint <= model.JointCount) supported[static_cast<std::size_t>(joint)] = true;
  }
  return supported;
}

}  // namespace

template <typename Real>
MemberForceBasis<Real> Engine<Real>::BasisOfMember(int m,
                                                   const std::vector<bool>& supported) const {
  auto hasSupport = [&supported](int joint) {
    return joint >= 1 && static_cast<std::size_t>(joint) < supported.size() &&
           supported[static_cast<std::size_t>(joint)];
  };
  MemberForceBasis<Real> basis;
  basis.Context = LoadMemberContext(m);
  basis.CodeNumbers = MemberCodeNumbers(Results.CoordNumbers, basis.Context);
  basis.Turns = JointTurnsOf(Model, basis.Context);
  basis.Geometry = ComputeMemberGeometry(Model, basis.Context);
  basis.LocalStiffness = ComputeLocalStiffness(basis.Context, basis.Geometry);
  basis.AtSupport = hasSupport(basis.Context.BeginJoint) || hasSupport(basis.Context.EndJoint);
  return basis;
}

template <typename Real>
std::vector<bool> Engine<Real>::SupportedJoints() const {
  return JointsWithSupports(Model);
}

template <typename Real>
void Engine<Real>::ComputeMemberForces() {
  const std::vector<bool> supported = SupportedJoints();
  for (int m = 1; m <= Model.MemberCount; ++m) StoreMemberForces(m, BasisOfMember(m, supported));
}

template <typename Real>
void Engine<Real>::StoreMemberForces(int m, const MemberForceBasis<Real>& basis) {
  const int n = EndCoords;
  const MemberContext<Real>& member = basis.Context;
  MemberVector<Real> v = GatherMemberDisp(basis.CodeNumbers);
  if (Model.SettlementCount > 0 && HasSettlementAtMemberJoints(Model, member))
    v = AddSettlementDisp(Model, member, v);
  TurnToGlobalAxes(basis.Turns, n, v);
  const MemberVector<Real> u = TransformDispToLocal(member, basis.Geometry, v);
  if (recorder_) recorder_->MemberDisplaced(m, v, u);
  MemberVector<Real> q = ComputeLocalEndForces(member, basis.LocalStiffness, u);
  if (HasMemberActions()) {
    // The member's own loads act on top of what its end displacements cause.
    const MemberVector<Real> qf = ComputeFixedEndForces(Model, member, basis.Geometry);
    for (int i = 1; i <= n; ++i) q[i] = Store<Real>(Calc(q[i]) + Calc(qf[i]));
  }
  for (int i = 1; i <= n; ++i) Results.MemberEndForces(m, i) = q[i];
  if (basis.AtSupport) {
    MemberVector<Real> f = TransformForcesToGlobal(member, basis.Geometry, q);
    TurnToSupportAxes(basis.Turns, n, f);
    StoreReactions(basis.CodeNumbers, f);
  }
}

template <typename Real>
MemberVector<Real> Engine<Real>::GatherMemberDisp(const CodeNumberList& codes) const {
  MemberVector<Real> v{};
  for (int i = 1; i <= EndCoords; ++i)
    if (codes[i] <= Results.DofCount) v[i] = Results.JointDisplacements(codes[i]);
  return v;
}

template <typename Real>
MemberVector<Real> ComputeLocalEndForces(const MemberContext<Real>& member,
                                         const MemberMatrix<Real>& k, const MemberVector<Real>& u) {
  const int n = member.EndCoords;
  MemberVector<Real> q{};
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) q[i] = AddProduct(q[i], k[i][j], u[j]);
  return q;
}

template <typename Real>
void Engine<Real>::StoreReactions(const CodeNumberList& codes, const MemberVector<Real>& f) {
  for (int i = 1; i <= EndCoords; ++i) {
    if (codes[i] <= Results.DofCount) continue;
    Real& r = Results.SupportReactions(codes[i] - Results.DofCount);
    r = Store<Real>(Calc(r) + Calc(f[i]));
  }
}

#define STAVELORN_INSTANTIATE(Real)                                                             \
  template void Engine<Real>::ComputeMemberForces();                                            \
  template std::vector<bool> Engine<Real>::SupportedJoints() const;                             \
  template MemberForceBasis<Real> Engine<Real>::BasisOfMember(int, const std::vector<bool>&)    \
      const;                                                                                    \
  template void Engine<Real>::StoreMemberForces(int, const MemberForceBasis<Real>&);            \
  template MemberVector<Real> Engine<Real>::GatherMemberDisp(const CodeNumberList&) const;      \
  template void Engine<Real>::StoreReactions(const CodeNumberList&, const MemberVector<Real>&); \
  template MemberVector<Real> ComputeLocalEndForces(                                            \
      const MemberContext<Real>&, const MemberMatrix<Real>&, const MemberVector<Real>&);

STAVELORN_INSTANTIATE(float)
STAVELORN_INSTANTIATE(double)
#undef STAVELORN_INSTANTIATE

}  // namespace stavelorn
