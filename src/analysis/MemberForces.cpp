// Member end forces {Q} = [k]{u} + {Qf} in local coordinates from the solved joint
// displacements, and the support reactions as the sums of the members' global end forces at the
// restrained coordinates.

#include "analysis/Arithmetic.h"
#include "analysis/Engine.h"

namespace stavelorn {

template <typename Real>
void Engine<Real>::ComputeMemberForces() {
  const int n = EndCoords;
  const bool memberActions =
      Model.MemberLoadCount > 0 || Model.TempChangeCount > 0 || Model.FabErrorCount > 0;
  for (int m = 1; m <= Model.MemberCount; ++m) {
    LoadMemberContext(m);
    GatherMemberDisp();
    if (Model.SettlementCount > 0 && HasSettlementAtMemberJoints()) AddSettlementDisp();
    ComputeMemberGeometry();
    TransformDispToLocal();
    ComputeLocalEndForces();
    if (memberActions) {
      // The member's own loads act on top of what its end displacements cause.
      CollectFixedEndForces();
      for (int i = 1; i <= n; ++i)
        MemberLocalForces[i] =
            Store<Real>(Calc(MemberLocalForces[i]) + Calc(LocalFixedEndForces[i]));
    }
    for (int i = 1; i <= n; ++i) Results.MemberEndForces(m, i) = MemberLocalForces[i];
    if (HasSupportAtMemberJoints()) {
      TransformForcesToGlobal();
      StoreReactions();
    }
  }
}

template <typename Real>
void Engine<Real>::GatherMemberDisp() {
  MemberGlobalDisp.fill(Real(0));
  for (int i = 1; i <= EndCoords; ++i) {
    const int number = CodeNumber(i);
    if (number <= Results.DofCount) MemberGlobalDisp[i] = Results.JointDisplacements(number);
  }
}

template <typename Real>
void Engine<Real>::ComputeLocalEndForces() {
  const int n = EndCoords;
  MemberLocalForces.fill(Real(0));
  ComputeLocalStiffness();
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j)
      MemberLocalForces[i] =
          AddProduct(MemberLocalForces[i], LocalStiffness[i][j], MemberLocalDisp[j]);
}

template <typename Real>
void Engine<Real>::StoreReactions() {
  for (int i = 1; i <= EndCoords; ++i) {
    const int number = CodeNumber(i);
    if (number <= Results.DofCount) continue;
    Real& r = Results.SupportReactions(number - Results.DofCount);
    r = Store<Real>(Calc(r) + Calc(MemberGlobalForces[i]));
  }
}

template <typename Real>
bool Engine<Real>::HasSupportAtMemberJoints() const {
  for (int s = 1; s <= Model.SupportCount; ++s) {
    const int joint = Model.Supports(s, 1);
    if (joint == BeginJoint || joint == EndJoint) return true;
  }
  return false;
}

template void Engine<float>::ComputeMemberForces();
template void Engine<double>::ComputeMemberForces();
template void Engine<float>::GatherMemberDisp();
template void Engine<double>::GatherMemberDisp();
template void Engine<float>::ComputeLocalEndForces();
template void Engine<double>::ComputeLocalEndForces();
template void Engine<float>::StoreReactions();
template void Engine<double>::StoreReactions();
template bool Engine<float>::HasSupportAtMemberJoints() const;
template bool Engine<double>::HasSupportAtMemberJoints() const;

}  // namespace stavelorn
