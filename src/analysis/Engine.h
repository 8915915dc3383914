// The matrix stiffness engine: one object per analysis run, holding the working state of the
// run (the current member and its matrices, the structure stiffness matrix and load vector) and
// the steps of the method as member functions, from the numbering of the structure coordinates
// to the member end forces and support reactions.
//
// The store type Real is float for the analysis whose results the program shows, exactly as a
// single-precision engine computes them, and double for a check run of the same code in the same
// order. Lengths, forces and moduli are in the user's consistent units, angles of roll in
// degrees, rotations in radians.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "analysis/EquationSolver.h"
#include "model/ModelStore.h"
#include "model/StructType.h"

namespace stavelorn {

// What one run leaves behind, in the engine's store type: the model's result fields.
template <typename Real>
struct AnalysisResults {
  std::int16_t AnalysisStatus = kNoResults;
  std::int16_t DofCount = 0;         // free structure coordinates
  std::int16_t RestrainedCount = 0;  // restrained structure coordinates
  Array<std::int16_t> CoordNumbers;  // (joint-1)*CoordsPerJoint + k -> structure coordinate
  Array<Real> JointDisplacements;    // DofCount; translations and rotations (radians)
  Table<Real> MemberEndForces;   // MemberCount x 2*CoordsPerJoint, local axes, begin joint first
  Array<Real> SupportReactions;  // RestrainedCount, index = coordinate number - DofCount
};

template <typename Real>
class Engine {
 public:
  static constexpr int kMaxEndCoords = 12;  // 2 x 6 coordinates of a space-frame member
  using MemberVector = std::array<Real, kMaxEndCoords + 1>;          // used from index 1
  using MemberMatrix = std::array<MemberVector, kMaxEndCoords + 1>;  // used from (1, 1)

  // The engine reads `model` and writes only `results`; both must outlive the engine. Throws
  // std::invalid_argument when the model's type is none of the six or its CoordsPerJoint is not
  // the one its type fixes (every member array is sized from it).
  Engine(const ModelStore& model, AnalysisResults<Real>& results);

  // The whole analysis: numbering and stability count, assembly, joint loads, solution, member
  // end forces and reactions. Ends with results.AnalysisStatus 1, -1 (not statically stable) or
  // -2 (singular stiffness matrix, or any result that is not a finite number). A model that refers
  // to a row outside one of its tables makes it throw std::out_of_range (with the status still 0);
  // a model with more joint coordinates than 16-bit coordinate numbers hold makes it throw
  // std::length_error.
  void Analyze();

  // Structure coordinates.
  void NumberCoordinates();
  void AddJointLoads();

  // The current member: context, geometry and transformations.
  void LoadMemberContext(int member);  // joints, properties and release code of `member`
  void ComputeMemberGeometry();
  void TransformDispToLocal();
  void TransformFefToGlobal();
  void TransformForcesToGlobal();

  // Member stiffness.
  void ComputeLocalStiffness();
  void ComputeGlobalStiffness();

  // Fixed-end forces of one record (1-based) of the current member, added to
  // LocalFixedEndForces; the caller passes only records of the current member.
  void ComputeMemberLoadFef(int record);
  void AddTemperatureFef(int record);
  void AddFabricationErrorFef(int record);

  // Assembly.
  void AssembleStructure();
  void StoreMemberStiffness();
  void StoreFixedEndForces();
  void AddSettlementDisp();

  // Solution.
  void SolveEquations();

  // Member end forces and support reactions.
  void ComputeMemberForces();
  void GatherMemberDisp();
  void ComputeLocalEndForces();
  void StoreReactions();

  // --- Working state of the run ---
  const ModelStore& Model;
  AnalysisResults<Real>& Results;
  const StructKind Kind;
  const int EndCoords;  // 2 * CoordsPerJoint: the size of every member array

  EquationSystem<Real> Equations;  // the stiffness matrix S and the load vector P

  int CurrentMember = 0;
  int BeginJoint = 0;
  int EndJoint = 0;
  int ReleaseType = 0;  // 0 none, 1 hinge at the beginning, 2 at the end, 3 both

  Real ElasticModulus = 0, ShearModulus = 0, ThermalCoeff = 0;
  Real Area = 0, InertiaZ = 0, InertiaY = 0, TorsionConstant = 0;

  Real MemberLength = 0;
  Real DirCosX = 0, DirCosY = 0, DirCosZ = 0;

  MemberMatrix TransformMatrix{};       // [T]: global -> local
  MemberMatrix LocalStiffness{};        // [k]
  MemberMatrix GlobalStiffness{};       // [K] = [T]^T [k] [T]
  MemberVector LocalFixedEndForces{};   // {Qf}
  MemberVector GlobalFixedEndForces{};  // {Ff}
  MemberVector MemberGlobalDisp{};      // {v}
  MemberVector MemberLocalDisp{};       // {u}
  MemberVector MemberLocalForces{};     // {Q}
  MemberVector MemberGlobalForces{};    // {F}

 private:
  int CoordsPerJoint() const { return EndCoords / 2; }
  // Structure coordinate number of end coordinate i (1..EndCoords) of the current member.
  int CodeNumber(int i) const;
  // Whether [T] may be replaced by the identity for the current member.
  bool IsAligned() const;
  bool HasSettlementAtMemberJoints() const;
  bool HasSupportAtMemberJoints() const;
  // Zeroes {Qf} and adds every member load, temperature change and fabrication error of the
  // current member, in that order and in record order.
  void CollectFixedEndForces();
  void PlaceBendingFef(Real fsb, Real fmb, Real fse, Real fme, int sb, int mb, int se, int me,
                       bool mirrored);

  const Real pi_;
};

}  // namespace stavelorn
