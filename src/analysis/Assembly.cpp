// Assembly of the structure stiffness matrix and load vector, member by member, by the code
// numbers of each member's end coordinates. Restrained coordinates have no row: what a member
// puts there reappears as a support reaction after the solution.

#include "analysis/Arithmetic.h"
#include "analysis/Engine.h"
#include "model/SupportSprings.h"

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
  a.Turns = JointTurnsOf(model, a.Context);
  if (model.SettlementCount > 0 && HasSettlementAtMemberJoints(model, a.Context)) {
    // A turned support settles along its own axes.
    a.SettlementDisp = AddSettlementDisp(model, a.Context, a.SettlementDisp);
    TurnToGlobalAxes(a.Turns, n, a.SettlementDisp);
    for (int i = 1; i <= n; ++i)
      for (int j = 1; j <= n; ++j)
        a.GlobalFixedEndForces[i] =
            AddProduct(a.GlobalFixedEndForces[i], a.GlobalStiffness[i][j], a.SettlementDisp[j]);
  }
  if (a.Turns.Any()) {
    a.SupportAxesStiffness = TurnedStiffness(a.Turns, n, a.GlobalStiffness);
    a.SupportAxesFixedEndForces = a.GlobalFixedEndForces;
    TurnToSupportAxes(a.Turns, n, a.SupportAxesFixedEndForces);
  }
  return a;
}

template <typename Real>
void Engine<Real>::AssembleStructure() {
  const bool memberActions = HasMemberActions();
  for (int m = 1; m <= Model.MemberCount; ++m) {
    const AssembledMember<Real> a =
        AssembleMember(Model, LoadMemberContext(m), Results.CoordNumbers);
    StoreMemberStiffness(a.CodeNumbers, a.AssembledStiffness());
    if (memberActions || Model.SettlementCount > 0)
      StoreFixedEndForces(a.CodeNumbers, a.AssembledFixedEndForces());
    if (recorder_) recorder_->MemberAssembled(a);
  }
  const int perJoint = CoordsPerJoint();
  for (int r = 1; r <= Model.SpringCount; ++r) {
    const int joint = Model.SpringCoords(r, 1), k = Model.SpringCoords(r, 2);
    const int code = Results.CoordNumbers((joint - 1) * perJoint + k);
    if (code > Results.DofCount) continue;
    Real& s = Equations.S(code, code);
    s = Store<Real>(Calc(s) + Calc(Model.SpringStiffness(r)));
    if (recorder_)
      recorder_->SpringAssembled(joint, k, code, Store<Real>(Model.SpringStiffness(r)));
  }
  AddSpringSettlements();
}

template <typename Real>
void Engine<Real>::AddSpringSettlements() {
  if (Model.SpringCount == 0 || Model.SettlementCount == 0) return;
  const int perJoint = CoordsPerJoint();
  for (int r = 1; r <= Model.SpringCount; ++r) {
    const int joint = Model.SpringCoords(r, 1), k = Model.SpringCoords(r, 2);
    const int code = Results.CoordNumbers((joint - 1) * perJoint + k);
    const float base = SpringBaseSettlement(Model, joint, k);
    if (code > Results.DofCount || base == 0.0f) continue;
    Real& p = Equations.P(code);
    p = AddProduct(p, Store<Real>(Model.SpringStiffness(r)), Store<Real>(base));
  }
}

template <typename Real>
void Engine<Real>::AssembleLoads() {
  const bool loaded = HasMemberActions() || Model.SettlementCount > 0;
  // A record takes every member, loaded or not.
  if (!loaded && !recorder_) return;
  AddSpringSettlements();
  for (int m = 1; m <= Model.MemberCount; ++m) {
    const AssembledMember<Real> a =
        AssembleMember(Model, LoadMemberContext(m), Results.CoordNumbers);
    if (loaded) StoreFixedEndForces(a.CodeNumbers, a.AssembledFixedEndForces());
    if (recorder_) recorder_->MemberAssembled(a);
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
    // restrained ones are non-zero. A spring's base settles, not its joint: the spring pulls it.
    const int offset = joint == member.BeginJoint ? 0 : joint == member.EndJoint ? perJoint : -1;
    if (offset < 0) continue;
    for (int i = 1; i <= perJoint; ++i)
      if (model.SpringCount == 0 || SpringRecordAt(model, joint, i) == 0)
        v[offset + i] = Store<Real>(Calc(v[offset + i]) + Calc(model.SettlementValues(r, i)));
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
  template void Engine<Real>::AddSpringSettlements();                                          \
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
