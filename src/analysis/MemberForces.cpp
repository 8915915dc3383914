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
void Engine<Real>::ComputeMemberForces() {
  const int n = EndCoords;
  const bool memberActions = HasMemberActions();
  const std::vector<bool> supported = JointsWithSupports(Model);
  auto hasSupport = [&supported](int joint) {
    return joint >= 1 && static_cast<std::size_t>(joint) < supported.size() &&
           supported[static_cast<std::size_t>(joint)];
  };
  for (int m = 1; m <= Model.MemberCount; ++m) {
    const MemberContext<Real> member = LoadMemberContext(m);
    const CodeNumberList codes = MemberCodeNumbers(Results.CoordNumbers, member);
    MemberVector<Real> v = GatherMemberDisp(codes);
    if (Model.SettlementCount > 0 && HasSettlementAtMemberJoints(Model, member))
      v = AddSettlementDisp(Model, member, v);
    const MemberJointTurns turns = JointTurnsOf(Model, member);
    TurnToGlobalAxes(turns, n, v);
    const MemberGeometry<Real> geometry = ComputeMemberGeometry(Model, member);
    const MemberVector<Real> u = TransformDispToLocal(member, geometry, v);
    if (recorder_) recorder_->MemberDisplaced(m, v, u);
    MemberVector<Real> q =
        ComputeLocalEndForces(member, ComputeLocalStiffness(member, geometry), u);
    if (memberActions) {
      // The member's own loads act on top of what its end displacements cause.
      const MemberVector<Real> qf = ComputeFixedEndForces(Model, member, geometry);
      for (int i = 1; i <= n; ++i) q[i] = Store<Real>(Calc(q[i]) + Calc(qf[i]));
    }
    for (int i = 1; i <= n; ++i) Results.MemberEndForces(m, i) = q[i];
    if (hasSupport(member.BeginJoint) || hasSupport(member.EndJoint)) {
      MemberVector<Real> f = TransformForcesToGlobal(member, geometry, q);
      TurnToSupportAxes(turns, n, f);
      StoreReactions(codes, f);
    }
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
  template MemberVector<Real> Engine<Real>::GatherMemberDisp(const CodeNumberList&) const;      \
  template void Engine<Real>::StoreReactions(const CodeNumberList&, const MemberVector<Real>&); \
  template MemberVector<Real> ComputeLocalEndForces(                                            \
      const MemberContext<Real>&, const MemberMatrix<Real>&, const MemberVector<Real>&);

STAVELORN_INSTANTIATE(float)
STAVELORN_INSTANTIATE(double)
#undef STAVELORN_INSTANTIATE

}  // namespace stavelorn
