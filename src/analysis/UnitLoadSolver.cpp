#include "analysis/UnitLoadSolver.h"

#include <utility>

#include "analysis/BandedLdlt.h"
#include "analysis/EquationShape.h"

namespace stavelorn {

namespace {

// Keeps every member as the assembly built it, so that the responses use the very [k], [T] and
// code numbers the stiffness matrix was made of.
class KeepMembers final : public MethodRecorder<double> {
 public:
  explicit KeepMembers(std::vector<AssembledMember<double>>& members) : members_(members) {}
  void MemberAssembled(const AssembledMember<double>& member) override {
    members_.push_back(member);
  }
  void SpringAssembled(int, int, int, double) override {}
  void StructureAssembled(const EquationSystem<double>&, const std::vector<double>&,
                          const std::vector<double>&) override {}
  void MemberDisplaced(int, const MemberVector<double>&, const MemberVector<double>&) override {}

 private:
  std::vector<AssembledMember<double>>& members_;
};

// The concentrated member-load kind of a force along each local axis x, y, z.
constexpr MemberLoadKind kPointForceKinds[3] = {
    MemberLoadKind::AxialForce, MemberLoadKind::Concentrated, MemberLoadKind::ConcentratedZ};

bool IsVerticalTranslation(const JointCoordNames& coordinate) {
  return !coordinate.Rotation && coordinate.Axis == 'Y';
}

}  // namespace

UnitLoadSolver::UnitLoadSolver(const ModelStore& model)
    : model_(model), perJoint_(model.CoordsPerJoint) {
  AnalysisResults<double> numbering;
  KeepMembers keep(members_);
  Engine<double> engine(model, numbering, &keep);
  engine.NumberCoordinates();
  if (numbering.AnalysisStatus < 0) return;
  engine.Equations.RedimBanded(numbering.DofCount,
                               HalfBandwidth(model, numbering.CoordNumbers, numbering.DofCount));
  // The model's own loads go into {P} as well; only [S] is used.
  engine.AssembleStructure();
  dofCount_ = numbering.DofCount;
  coordNumbers_ = numbering.CoordNumbers;
  factors_ = std::move(engine.Equations);
  ready_ = SolveBandedLdlt(factors_);
}

const AssembledMember<double>& UnitLoadSolver::MemberAt(int member) const {
  return members_.at(static_cast<std::size_t>(member - 1));
}

double UnitLoadSolver::Length(int member) const {
  return MemberAt(member).Geometry.Length;
}

int UnitLoadSolver::CoordinateNumber(int joint, int k) const {
  return coordNumbers_((joint - 1) * perJoint_ + k);
}

void UnitLoadSolver::Solve(UnitLoadCase& load, const MemberVector<double>& globalForces,
                           const CodeNumberList& codes, const MemberJointTurns& turns) const {
  MemberVector<double> forces = globalForces;
  TurnToSupportAxes(turns, 2 * perJoint_, forces);
  load.Displacements.assign(static_cast<std::size_t>(dofCount_), 0.0);
  for (int i = 1; i <= 2 * perJoint_; ++i)
    if (codes[i] <= dofCount_)
      load.Displacements[static_cast<std::size_t>(codes[i] - 1)] -= forces[i];
  SolveWithLdltFactor(factors_, load.Displacements);
}

UnitLoadCase UnitLoadSolver::OnMember(int member, double at) const {
  const AssembledMember<double>& m = MemberAt(member);
  const StructTypeInfo& type = model_.TypeInfo();
  UnitLoadCase load;
  load.Member = member;
  load.At = at;
  // The unit force in global components at the beginning joint, turned into local ones by the
  // member's own [T]; each local component is a concentrated member load of its axis.
  MemberVector<double> global{};
  for (int k = 1; k <= perJoint_; ++k)
    if (IsVerticalTranslation(CoordinateOf(type, k))) global[k] = -1;
  const MemberVector<double> local = TransformDispToLocal(m.Context, m.Geometry, global);
  MemberVector<double> qf{};
  for (int k = 1; k <= perJoint_; ++k) {
    const JointCoordNames& coordinate = CoordinateOf(type, k);
    if (coordinate.Rotation || local[k] == 0) continue;
    const int axis = LocalAxis(coordinate) - 'x';
    const MemberLoadKindInfo& kind = InfoOf(kPointForceKinds[axis]);
    if (!TypeAcceptsLoad(type.Kind, kind)) continue;
    const MemberLoadData data{static_cast<int>(kind.Kind), {local[k] / kind.AppliedSign, 0, at, 0}};
    qf = AddMemberLoadFef(data, m.Context, m.Geometry, qf);
    load.Loads.push_back({LoadForm::PointForce, axis, local[k], local[k], at, at});
  }
  load.LocalFixedEndForces = qf;
  Solve(load, TransformFefToGlobal(m.Context, m.Geometry, qf), m.CodeNumbers, m.Turns);
  return load;
}

UnitLoadCase UnitLoadSolver::OnJoint(int joint) const {
  const StructTypeInfo& type = model_.TypeInfo();
  UnitLoadCase load;
  load.Joint = joint;
  load.Displacements.assign(static_cast<std::size_t>(dofCount_), 0.0);
  MemberVector<double> unit{};
  for (int k = 1; k <= perJoint_; ++k)
    if (IsVerticalTranslation(CoordinateOf(type, k))) unit[k] = -1;
  JointTurnOf(model_, joint).ToSupportAxes(unit);
  for (int k = 1; k <= perJoint_; ++k) {
    const int code = CoordinateNumber(joint, k);
    if (code <= dofCount_) load.Displacements[static_cast<std::size_t>(code - 1)] = unit[k];
  }
  SolveWithLdltFactor(factors_, load.Displacements);
  return load;
}

MemberVector<double> UnitLoadSolver::EndForces(int member, const UnitLoadCase& load) const {
  const AssembledMember<double>& m = MemberAt(member);
  MemberVector<double> v{};
  for (int i = 1; i <= 2 * perJoint_; ++i)
    if (m.CodeNumbers[i] <= dofCount_)
      v[i] = load.Displacements[static_cast<std::size_t>(m.CodeNumbers[i] - 1)];
  TurnToGlobalAxes(m.Turns, 2 * perJoint_, v);
  MemberVector<double> q = ComputeLocalEndForces(m.Context, m.LocalStiffness,
                                                 TransformDispToLocal(m.Context, m.Geometry, v));
  // The member carrying the load adds the load's own fixed-end forces.
  if (load.Member == member)
    for (int i = 1; i <= 2 * perJoint_; ++i) q[i] += load.LocalFixedEndForces[i];
  return q;
}

double UnitLoadSolver::Reaction(int joint, int k, const UnitLoadCase& load) const {
  double reaction = 0;
  for (const AssembledMember<double>& m : members_) {
    const bool begins = m.Context.BeginJoint == joint, ends = m.Context.EndJoint == joint;
    if (!begins && !ends) continue;
    const MemberVector<double> f =
        TransformForcesToGlobal(m.Context, m.Geometry, EndForces(m.Context.Member, load));
    if (begins) reaction += f[k];
    if (ends) reaction += f[k + perJoint_];
  }
  // A load standing on the support itself goes straight into it.
  if (load.Joint == joint && IsVerticalTranslation(CoordinateOf(model_.TypeInfo(), k)))
    reaction += 1;
  return reaction;
}

double UnitLoadSolver::Displacement(int joint, int k, const UnitLoadCase& load) const {
  // Solved along a turned support's axes, shown in global ones.
  MemberVector<double> values{};
  for (int c = 1; c <= perJoint_; ++c) {
    const int code = CoordinateNumber(joint, c);
    if (code <= dofCount_) values[c] = load.Displacements[static_cast<std::size_t>(code - 1)];
  }
  JointTurnOf(model_, joint).ToGlobalAxes(values);
  return values[k];
}

}  // namespace stavelorn
