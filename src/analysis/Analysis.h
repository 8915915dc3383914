// Running an analysis of the structure model: the entry points the program, the batch tool, the
// tests and the benchmarks use.
#pragma once

#include "analysis/Engine.h"
#include "analysis/EquationSolver.h"
#include "analysis/StructureResults.h"
#include "model/ModelStore.h"

namespace stavelorn {

// Analyses the model in single precision and returns AnalysisStatus (1 complete, -1 not
// statically stable, -2 singular stiffness matrix or a result that is not finite), DofCount,
// RestrainedCount, CoordNumbers and, when complete, JointDisplacements, MemberEndForces and
// SupportReactions. Callers check the model first; on a model that refers to rows outside its
// tables it throws std::out_of_range, on an unknown type or a CoordsPerJoint that does not match
// the type std::invalid_argument, and on more joint coordinates than 16-bit numbers hold
// std::length_error.
StructureResults Analyze(const ModelStore& model);

// The same analysis in store type Real (float as Analyze does it, or double), with the results
// in that type; `recorder`, when given, receives the values of
// the run as they are computed. Throws as Analyze does.
template <typename Real>
AnalysisResults<Real> AnalyzeInPrecision(const ModelStore& model,
                                         MethodRecorder<Real>* recorder = nullptr);

// The results as Analyze returns them (values rounded to single precision): the status and the
// counts always, the coordinate numbers unless the stability count failed, the result arrays
// only for a complete analysis.
template <typename Real>
StructureResults StoredResults(const AnalysisResults<Real>& results);

// The stiffness matrix and load vector of the model as the solver receives them (numbered,
// assembled and with the joint loads added); empty when the stability count fails.
template <typename Real>
EquationSystem<Real> AssembleEquations(const ModelStore& model);

// The stiffness matrix S of the free coordinates, with the numbering that gives them in
// `numbering` (CoordNumbers, DofCount, RestrainedCount), also for a model that fails the static
// stability count: its coordinates are then numbered all the same, so that the mechanism that
// makes it unstable can be sought in S. Throws as Analyze does.
template <typename Real>
EquationSystem<Real> AssembleFreeStiffness(const ModelStore& model,
                                           AnalysisResults<Real>& numbering);

}  // namespace stavelorn
