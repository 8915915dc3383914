// Assembly of the structure stiffness matrix and load vector, member by member, by the code
// numbers of each member's end coordinates. Restrained coordinates have no row: what a member
// puts there reappears as a support reaction after the solution.

#include "analysis/Arithmetic.h"
#include "analysis/Engine.h"

namespace stavelorn {

template <typename Real>
AssembledMember<Real> AssembleMember(const ModelStore& model, const MemberContext<Real>& context,
                                     const Array<std::int16_t>& coordNumbers) {
  const int n = context.EndCoords;
  const bool memberActions =
      model.MemberLoadCount > 0 || model.TempChangeCount > 0 || model.FabErrorCount > 0;
  AssembledMember<Real> a;
  a.Context = context;
  a.Geometry = ComputeMemberGeometry(model, a.Context);
  a.LocalStiffness = ComputeLocalStiffness(a.Context, a.Geometry);
  a.GlobalStiffness = ComputeGlobalStiffness(a.Context, a.Geometry, a.LocalStiffness);
  a.CodeNumbers = MemberCodeNumbers(coordNumbers, a.Context);
  if (memberActions) {
    a.LocalFixedEndForces = ComputeFixedEndForces(model, a.Context, a.Geometry);
    a.GlobalFixedEndForces = TransformFefToGlobal(a.Context, a.Geometry, a.LocalFixedEndForces);
  }
  // A settled support drags the member's end with it: the forces needed to hold the member in
  // that displaced position act on the joints like fixed-end forces.
  if (model.SettlementCount > 0 && HasSettlementAtMemberJoints(model, a.Context)) {
    a.SettlementDisp = AddSettlementDisp(model, a.Context, a.SettlementDisp);
    for (int i = 1; i <= n; ++i)
      for (int j = 1; j <= n; ++j)
        a.GlobalFixedEndForces[i] =
            AddProduct(a.GlobalFixedEndForces[i], a.GlobalStiffness[i][j], a.SettlementDisp[j]);
  }
  return a;
}

template <typename Real>
void Engine<Real>::AssembleStructure() {
  const bool memberActions = HasMemberActions();
  for (int m = 1; m <= Model.MemberCount; ++m) {
    const AssembledMember<Real> a =
        AssembleMember(Model, LoadMemberContext(m), Results.CoordNumbers);
    StoreMemberStiffness(a.CodeNumbers, a.GlobalStiffness);
    if (memberActions || Model.SettlementCount > 0)
      StoreFixedEndForces(a.CodeNumbers, a.GlobalFixedEndForces);
    if (recorder_) recorder_->MemberAssembled(a);
  }
}

template <typename Real>
void Engine<Real>::AssembleLoads() {
  if (!HasMemberActions() && Model.SettlementCount == 0) return;
  for (int m = 1; m <= Model.MemberCount; ++m) {
    const AssembledMember<Real> a =
        AssembleMember(Model, LoadMemberContext(m), Results.CoordNumbers);
    StoreFixedEndForces(a.CodeNumbers, a.GlobalFixedEndForces);
  }
}

template <typename Real>
void Engine<Real>::StoreMemberStiffness(const CodeNumberList& codes, const MemberMatrix<Real>& kg) {
  const int n = EndCoords;
  const int dof = Results.DofCount;
  for (int i = 1; i <= n; ++i) {
    const int row = codes[i];
    if (row > dof) continue;
    for (int j = 1; j <= n; ++j) {
      const int col = codes[j];
      // A banded S keeps only the upper half; the lower is its mirror image.
      if (col > dof || (col < row && Equations.IsBanded())) continue;
      Real& s = Equations.S(row, col);
      s = Store<Real>(Calc(s) + Calc(kg[i][j]));
    }
  }
}

template <typename Real>
void Engine<Real>::StoreFixedEndForces(const CodeNumberList& codes, const MemberVector<Real>& ff) {
  for (int i = 1; i <= EndCoords; ++i) {
    const int row = codes[i];
    if (row > Results.DofCount) continue;
    Real& p = Equations.P(row);
    p = Store<Real>(Calc(p) - Calc(ff[i]));
  }
}

template <typename Real>
MemberVector<Real> AddSettlementDisp(const ModelStore& model, const MemberContext<Real>& member,
                                     MemberVector<Real> v) {
  const int perJoint = member.EndCoords / 2;
  for (int r = 1; r <= model.SettlementCount; ++r) {
    const int joint = model.SettlementJoints(r);
    // Every component is added, free or restrained; the model checks make sure only
    // restrained ones are non-zero.
    if (joint == member.BeginJoint) {
      for (int i = 1; i <= perJoint; ++i)
        v[i] = Store<Real>(Calc(v[i]) + Calc(model.SettlementValues(r, i)));
    } else if (joint == member.EndJoint) {
      for (int i = perJoint + 1; i <= member.EndCoords; ++i)
        v[i] = Store<Real>(Calc(v[i]) + Calc(model.SettlementValues(r, i - perJoint)));
    }
  }
  return v;
}

template <typename Real>
bool HasSettlementAtMemberJoints(const ModelStore& model, const MemberContext<Real>& member) {
  for (int r = 1; r <= model.SettlementCount; ++r) {
    const int joint = model.SettlementJoints(r);
    if (joint == member.BeginJoint || joint == member.EndJoint) return true;
  }
  return false;
}

#define STAVELORN_INSTANTIATE(Real)                                                            \
  template AssembledMember<Real> AssembleMember(const ModelStore&, const MemberContext<Real>&, \
                                                const Array<std::int16_t>&);                   \
  template void Engine<Real>::AssembleStructure();                                             \
  template void Engine<Real>::AssembleLoads();                                                 \
  template void Engine<Real>::StoreMemberStiffness(const CodeNumberList&,                      \
                                                   const MemberMatrix<Real>&);                 \
  template void Engine<Real>::StoreFixedEndForces(const CodeNumberList&,                       \
                                                  const MemberVector<Real>&);                  \
  template MemberVector<Real> AddSettlementDisp(const ModelStore&, const MemberContext<Real>&, \
                                                MemberVector<Real>);                           \
  template bool HasSettlementAtMemberJoints(const ModelStore&, const MemberContext<Real>&);
STAVELORN_INSTANTIATE(float)
STAVELORN_INSTANTIATE(double)
#undef STAVELORN_INSTANTIATE

}  // namespace stavelorn
