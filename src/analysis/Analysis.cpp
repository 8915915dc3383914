// The analysis driver: numbering, assembly, joint loads, solution, member end forces.

#include "analysis/Analysis.h"

#include <cmath>
#include <stdexcept>
#include <type_traits>
#include <utility>
#include <vector>

#include "analysis/Arithmetic.h"
#include "analysis/BandedLdlt.h"
#include "analysis/EquationShape.h"
#include "model/StructType.h"

namespace stavelorn {

namespace {

// Every member array is sized from the joint's coordinate count, so it must be the one the type
// fixes; anything else would make the engine index past its member matrices.
int CheckedEndCoords(const ModelStore& model) {
  const StructTypeInfo* type = FindStructType(model.StructType);
  if (!type) throw std::invalid_argument("unknown structure type \"" + model.StructType + "\"");
  if (model.CoordsPerJoint != type->CoordsPerJoint)
    throw std::invalid_argument("CoordsPerJoint does not match the structure type " +
                                model.StructType);
  return 2 * type->CoordsPerJoint;
}

template <typename Real>
bool AllFinite(const Array<Real>& values) {
  for (int i = 1; i <= values.Size(); ++i)
    if (!std::isfinite(values(i))) return false;
  return true;
}

template <typename Real>
bool AllFinite(const Table<Real>& values) {
  for (int r = 1; r <= values.Rows(); ++r)
    for (int c = 1; c <= values.Cols(); ++c)
      if (!std::isfinite(values(r, c))) return false;
  return true;
}

}  // namespace

template <typename Real>
Engine<Real>::Engine(const ModelStore& model, AnalysisResults<Real>& results,
                     MethodRecorder<Real>* recorder)
    : Model(model),
      Results(results),
      Kind(KindOfStructure(model.StructType)),
      EndCoords(CheckedEndCoords(model)),
      recorder_(recorder) {}

template <typename Real>
void Engine<Real>::Analyze() {
  Results.AnalysisStatus = kNoResults;
  NumberCoordinates();
  if (Results.AnalysisStatus < 0) return;
  const int band = HalfBandwidth(Model, Results.CoordNumbers, Results.DofCount);
  if constexpr (std::is_same_v<Real, double>)
    Equations.RedimBanded(Results.DofCount, band);
  else
    Equations.Redim(Results.DofCount, band);
  AssembleStructure();
  AddJointLoads();
  SolveEquations();
  if (Results.AnalysisStatus < 0) {
    Equations.Redim(0);
    return;
  }
  Results.JointDisplacements.Redim(Results.DofCount);
  for (int i = 1; i <= Results.DofCount; ++i) Results.JointDisplacements(i) = Equations.P(i);
  if (!KeepSolvedSystem) Equations.Redim(0);
  Results.MemberEndForces.Redim(Model.MemberCount, EndCoords);
  Results.SupportReactions.Redim(Results.RestrainedCount);
  // With no free coordinate (every joint held) nothing was solved; the member end forces are
  // then those of the member loads and the settlements alone.
  ComputeMemberForces();
  // A member whose own loads cannot be evaluated (refused by the model checks) can still give
  // non-finite end forces when none of its coordinates is free; that is no result either.
  Results.AnalysisStatus = AllFinite(Results.MemberEndForces) && AllFinite(Results.SupportReactions)
                               ? kAnalysisComplete
                               : kSolutionFailed;
}

template <typename Real>
void Engine<Real>::SolveEquations() {
  if (Equations.Size() < 1) return;
  // Single precision is the method as taught, Gauss-Jordan with all its rounding; the
  // double-precision run only has to be right, and the symmetric band gets there with a fraction
  // of the work and memory.
  bool solved;
  if constexpr (std::is_same_v<Real, double>)
    solved = SolveBandedLdlt(Equations, &Results.StoppedAt);
  else
    solved = SolveGaussJordan(Equations, FastestVectorUnit(), &Results.StoppedAt);
  if (!solved) Results.AnalysisStatus = kSolutionFailed;
}

template <typename Real>
AnalysisResults<Real> AnalyzeInPrecision(const ModelStore& model, MethodRecorder<Real>* recorder) {
  AnalysisResults<Real> results;
  Engine<Real> engine(model, results, recorder);
  engine.Analyze();
  return results;
}

template <typename Real>
StructureResults StoredResults(const AnalysisResults<Real>& results) {
  StructureResults stored;
  stored.AnalysisStatus = results.AnalysisStatus;
  stored.DofCount = results.DofCount;
  stored.RestrainedCount = results.RestrainedCount;
  if (results.AnalysisStatus == kNotStable) return stored;
  stored.CoordNumbers = results.CoordNumbers;
  if (results.AnalysisStatus != kAnalysisComplete) return stored;

  // Each value rounded once to single precision, entry by entry in storage order.
  const auto round = [](const Real* from, std::size_t count, float* to) {
    for (std::size_t i = 0; i < count; ++i) to[i] = static_cast<float>(from[i]);
  };
  const Array<Real>& d = results.JointDisplacements;
  stored.JointDisplacements.Redim(d.Size());
  round(d.Data(), static_cast<std::size_t>(d.Size()), stored.JointDisplacements.Data());
  const Table<Real>& q = results.MemberEndForces;
  stored.MemberEndForces.Redim(q.Rows(), q.Cols());
  round(q.Data(), static_cast<std::size_t>(q.Rows()) * static_cast<std::size_t>(q.Cols()),
        stored.MemberEndForces.Data());
  const Array<Real>& r = results.SupportReactions;
  stored.SupportReactions.Redim(r.Size());
  round(r.Data(), static_cast<std::size_t>(r.Size()), stored.SupportReactions.Data());
  return stored;
}

StructureResults Analyze(const ModelStore& model) {
  return StoredResults(AnalyzeInPrecision<float>(model));
}

template <typename Real>
EquationSystem<Real> AssembleEquations(const ModelStore& model) {
  AnalysisResults<Real> results;
  Engine<Real> engine(model, results);
  engine.NumberCoordinates();
  if (results.AnalysisStatus < 0) return {};
  engine.Equations.Redim(results.DofCount);
  engine.AssembleStructure();
  engine.AddJointLoads();
  return engine.Equations;
}

template <typename Real>
EquationSystem<Real> AssembleFreeStiffness(const ModelStore& model,
                                           AnalysisResults<Real>& numbering) {
  Engine<Real> engine(model, numbering);
  engine.StopAtStabilityCount = false;
  engine.NumberCoordinates();
  engine.Equations.Redim(numbering.DofCount);
  engine.AssembleStructure();
  return std::move(engine.Equations);
}

template class Engine<float>;
template class Engine<double>;
template AnalysisResults<float> AnalyzeInPrecision(const ModelStore&, MethodRecorder<float>*);
template AnalysisResults<double> AnalyzeInPrecision(const ModelStore&, MethodRecorder<double>*);
template StructureResults StoredResults(const AnalysisResults<float>&);
template StructureResults StoredResults(const AnalysisResults<double>&);
template EquationSystem<float> AssembleEquations(const ModelStore&);
template EquationSystem<double> AssembleEquations(const ModelStore&);
template EquationSystem<double> AssembleFreeStiffness(const ModelStore&, AnalysisResults<double>&);

}  // namespace stavelorn
