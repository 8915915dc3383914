// Assembly of the structure stiffness matrix and load vector, member by member, by the code
// numbers of each member's end coordinates. Restrained coordinates have no row: what a member
// puts there reappears as a support reaction after the solution.

#include "analysis/Arithmetic.h"
#include "analysis/Engine.h"

namespace stavelorn {

template <typename Real>
void Engine<Real>::AssembleStructure() {
  const int n = EndCoords;
  const bool memberActions =
      Model.MemberLoadCount > 0 || Model.TempChangeCount > 0 || Model.FabErrorCount > 0;
  for (int m = 1; m <= Model.MemberCount; ++m) {
    for (MemberVector& row : GlobalStiffness) row.fill(Real(0));
    LoadMemberContext(m);
    ComputeGlobalStiffness();
    StoreMemberStiffness();
    if (!memberActions && Model.SettlementCount <= 0) continue;

    GlobalFixedEndForces.fill(Real(0));
    if (memberActions) {
      CollectFixedEndForces();
      TransformFefToGlobal();
    }
    if (Model.SettlementCount > 0) {
      // A settled support drags the member's end with it: the forces needed to hold the member
      // in that displaced position act on the joints like fixed-end forces.
      MemberGlobalDisp.fill(Real(0));
      if (HasSettlementAtMemberJoints()) {
        AddSettlementDisp();
        for (int i = 1; i <= n; ++i)
          for (int j = 1; j <= n; ++j)
            GlobalFixedEndForces[i] =
                AddProduct(GlobalFixedEndForces[i], GlobalStiffness[i][j], MemberGlobalDisp[j]);
      }
    }
    StoreFixedEndForces();
  }
}

template <typename Real>
void Engine<Real>::StoreMemberStiffness() {
  const int n = EndCoords;
  const int dof = Results.DofCount;
  for (int i = 1; i <= n; ++i) {
    const int row = CodeNumber(i);
    if (row > dof) continue;
    for (int j = 1; j <= n; ++j) {
      const int col = CodeNumber(j);
      if (col > dof) continue;
      Real& s = Equations.S(row, col);
      s = Store<Real>(Calc(s) + Calc(GlobalStiffness[i][j]));
    }
  }
}

template <typename Real>
void Engine<Real>::StoreFixedEndForces() {
  for (int i = 1; i <= EndCoords; ++i) {
    const int row = CodeNumber(i);
    if (row > Results.DofCount) continue;
    Real& p = Equations.P(row);
    p = Store<Real>(Calc(p) - Calc(GlobalFixedEndForces[i]));
  }
}

template <typename Real>
void Engine<Real>::AddSettlementDisp() {
  const int perJoint = CoordsPerJoint();
  MemberVector& v = MemberGlobalDisp;
  for (int r = 1; r <= Model.SettlementCount; ++r) {
    const int joint = Model.SettlementJoints(r);
    // Every component is added, free or restrained; the model checks make sure only
    // restrained ones are non-zero.
    if (joint == BeginJoint) {
      for (int i = 1; i <= perJoint; ++i)
        v[i] = Store<Real>(Calc(v[i]) + Calc(Model.SettlementValues(r, i)));
    } else if (joint == EndJoint) {
      for (int i = perJoint + 1; i <= EndCoords; ++i)
        v[i] = Store<Real>(Calc(v[i]) + Calc(Model.SettlementValues(r, i - perJoint)));
    }
  }
}

template <typename Real>
bool Engine<Real>::HasSettlementAtMemberJoints() const {
  for (int r = 1; r <= Model.SettlementCount; ++r) {
    const int joint = Model.SettlementJoints(r);
    if (joint == BeginJoint || joint == EndJoint) return true;
  }
  return false;
}

template <typename Real>
void Engine<Real>::CollectFixedEndForces() {
  LocalFixedEndForces.fill(Real(0));
  for (int r = 1; r <= Model.MemberLoadCount; ++r)
    if (Model.MemberLoadInfo(r, 1) == CurrentMember) ComputeMemberLoadFef(r);
  for (int r = 1; r <= Model.TempChangeCount; ++r)
    if (Model.TempChangeMembers(r) == CurrentMember) AddTemperatureFef(r);
  for (int r = 1; r <= Model.FabErrorCount; ++r)
    if (Model.FabErrorMembers(r) == CurrentMember) AddFabricationErrorFef(r);
}

template void Engine<float>::AssembleStructure();
template void Engine<double>::AssembleStructure();
template void Engine<float>::StoreMemberStiffness();
template void Engine<double>::StoreMemberStiffness();
template void Engine<float>::StoreFixedEndForces();
template void Engine<double>::StoreFixedEndForces();
template void Engine<float>::AddSettlementDisp();
template void Engine<double>::AddSettlementDisp();
template bool Engine<float>::HasSettlementAtMemberJoints() const;
template bool Engine<double>::HasSettlementAtMemberJoints() const;
template void Engine<float>::CollectFixedEndForces();
template void Engine<double>::CollectFixedEndForces();

}  // namespace stavelorn
