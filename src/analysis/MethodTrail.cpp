#include "analysis/MethodTrail.h"

namespace stavelorn {

namespace {

template <typename Real>
std::vector<double> Vector(const MemberVector<Real>& v, int n) {
  return std::vector<double>(v.begin() + 1, v.begin() + 1 + n);
}

template <typename Real>
TrailMatrix Matrix(const MemberMatrix<Real>& m, int n) {
  TrailMatrix out{n, n, {}};
  out.Values.reserve(static_cast<std::size_t>(n * n));
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) out.Values.push_back(m[i][j]);
  return out;
}

}  // namespace

template <typename Real>
TrailRecorder<Real>::TrailRecorder(const ModelStore& model, bool structureMatrices)
    : structureMatrices_(structureMatrices) {
  trail_.DoublePrecision = sizeof(Real) > sizeof(float);
  trail_.CoordsPerJoint = model.CoordsPerJoint;
}

template <typename Real>
void TrailRecorder<Real>::MemberAssembled(const AssembledMember<Real>& a) {
  const int n = a.Context.EndCoords;
  TrailMember m;
  m.Member = a.Context.Member;
  m.BeginJoint = a.Context.BeginJoint;
  m.EndJoint = a.Context.EndJoint;
  m.ReleaseType = a.Context.ReleaseType;
  m.Length = a.Geometry.Length;
  m.DirCosX = a.Geometry.DirCosX;
  m.DirCosY = a.Geometry.DirCosY;
  m.DirCosZ = a.Geometry.DirCosZ;
  m.Aligned = a.Geometry.Aligned;
  m.CodeNumbers.assign(a.CodeNumbers.begin() + 1, a.CodeNumbers.begin() + 1 + n);
  if (structureMatrices_) {
    m.LocalStiffness = Matrix(a.LocalStiffness, n);
    m.Transformation = Matrix(a.Geometry.Transform, n);
    m.GlobalStiffness = Matrix(a.GlobalStiffness, n);
    if (a.Turns.Any()) m.SupportAxesStiffness = Matrix(a.SupportAxesStiffness, n);
  }
  m.LocalFixedEndForces = Vector(a.LocalFixedEndForces, n);
  m.SettlementDisp = Vector(a.SettlementDisp, n);
  m.GlobalFixedEndForces = Vector(a.GlobalFixedEndForces, n);
  trail_.Members.push_back(std::move(m));
}

template <typename Real>
void TrailRecorder<Real>::SpringAssembled(int joint, int k, int code, Real stiffness) {
  trail_.Springs.push_back({joint, k, code, stiffness});
}

template <typename Real>
void TrailRecorder<Real>::StructureAssembled(const EquationSystem<Real>& system,
                                             const std::vector<Real>& fixedEndPart,
                                             const std::vector<Real>& jointLoads) {
  const int n = system.Size();
  trail_.DofCount = n;
  if (structureMatrices_ && n <= kTrailStiffnessLimit) {
    trail_.Stiffness = {n, n, {}};
    trail_.Stiffness.Values.reserve(static_cast<std::size_t>(n * n));
    for (int i = 1; i <= n; ++i)
      for (int j = 1; j <= n; ++j) trail_.Stiffness.Values.push_back(system.Entry(i, j));
  }
  trail_.FixedEndPart.assign(fixedEndPart.begin(), fixedEndPart.end());
  trail_.JointLoads.assign(jointLoads.begin(), jointLoads.end());
  trail_.LoadVector.clear();
  for (int i = 1; i <= n; ++i) trail_.LoadVector.push_back(system.P(i));
}

template <typename Real>
void TrailRecorder<Real>::MemberDisplaced(int member, const MemberVector<Real>& v,
                                          const MemberVector<Real>& u) {
  TrailMember& m = trail_.Members.at(static_cast<std::size_t>(member - 1));
  const int n = static_cast<int>(m.CodeNumbers.size());
  m.GlobalEndDisplacements = Vector(v, n);
  m.LocalEndDisplacements = Vector(u, n);
}

template <typename Real>
MethodTrail TrailRecorder<Real>::Finish(const AnalysisResults<Real>& results) {
  trail_.DofCount = results.DofCount;
  trail_.CoordNumbers.clear();
  for (int i = 1; i <= results.CoordNumbers.Size(); ++i)
    trail_.CoordNumbers.push_back(results.CoordNumbers(i));
  trail_.Displacements.clear();
  for (int i = 1; i <= results.JointDisplacements.Size(); ++i)
    trail_.Displacements.push_back(results.JointDisplacements(i));
  return std::move(trail_);
}

// {F} = [T]^T{Q} by the engine's own transformation, in the store type of the run.
template <typename Real>
std::vector<double> GlobalForces(const TrailMember& m, const std::vector<double>& q) {
  const int n = static_cast<int>(q.size());
  MemberContext<Real> context;
  context.EndCoords = n;
  MemberGeometry<Real> geometry;
  MemberVector<Real> local{};
  for (int i = 1; i <= n; ++i) {
    local[i] = static_cast<Real>(q[i - 1]);
    for (int j = 1; j <= n; ++j)
      geometry.Transform[i][j] = static_cast<Real>(m.Transformation(i - 1, j - 1));
  }
  return Vector(TransformForcesToGlobal(context, geometry, local), n);
}

void TakeStoredEndForces(const StructureResults& results, MethodTrail& trail) {
  for (TrailMember& m : trail.Members) {
    const int n = static_cast<int>(m.CodeNumbers.size());
    if (m.Member > results.MemberEndForces.Rows() || n > results.MemberEndForces.Cols()) continue;
    m.LocalEndForces.clear();
    for (int i = 1; i <= n; ++i) m.LocalEndForces.push_back(results.MemberEndForces(m.Member, i));
    m.GlobalEndForces = trail.DoublePrecision ? GlobalForces<double>(m, m.LocalEndForces)
                                              : GlobalForces<float>(m, m.LocalEndForces);
  }
}

MethodTrail RecordMemberSteps(const ModelStore& model) {
  AnalysisResults<float> numbering;
  Engine<float> engine(model, numbering);
  // Numbered as the analysis numbers them, even where the stability count fails.
  engine.StopAtStabilityCount = false;
  engine.NumberCoordinates();
  TrailRecorder<float> recorder(model);
  for (int m = 1; m <= model.MemberCount; ++m)
    recorder.MemberAssembled(
        AssembleMember(model, engine.LoadMemberContext(m), numbering.CoordNumbers));
  return recorder.Finish(numbering);
}

template class TrailRecorder<float>;
template class TrailRecorder<double>;

std::string TrailPrecisionNote(const MethodTrail& trail) {
  if (trail.DoublePrecisionChosen)
    return "Values of the double-precision run (about 16 significant digits), whose results are "
           "shown, as double precision alone was chosen for this analysis in place of the "
           "single-precision method; a hand calculation may differ in the last digit shown.";
  return trail.DoublePrecision
             ? "Values of the double-precision run (about 16 significant digits), whose results "
               "are shown, as single precision was not accurate enough for this structure; a hand "
               "calculation may differ in the last digit shown."
             : "Values of the single-precision run (about 7 significant digits), whose results "
               "are shown: each value is rounded as it is stored, so a hand calculation may "
               "differ in the last digit, and a cosine of a right angle, stored as about 6e-8, "
               "shows as 0.";
}

}  // namespace stavelorn
