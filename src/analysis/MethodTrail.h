// The method, step by step: what one analysis run computed on its way to the results, member by
// member and for the whole structure, recorded by the engine as it went (never computed a second
// time). The program keeps the trail of the run whose results it stored, so a student can follow
// the numbers from each member's matrices to the displacements and end forces shown.
//
// Values are held in double; those of a single-precision run are its float values exactly.
// Vectors and matrices are indexed from 0 here (row-major matrices), in the member's local or
// global coordinate order; code numbers are the 1-based structure coordinate numbers.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "analysis/Engine.h"

namespace stavelorn {

// [S] is kept for structures of up to this many free coordinates.
inline constexpr int kTrailStiffnessLimit = 300;

struct TrailMatrix {
  int Rows = 0, Cols = 0;
  std::vector<double> Values;  // row by row

  double operator()(int row, int col) const {
    return Values[static_cast<std::size_t>(row) * static_cast<std::size_t>(Cols) +
                  static_cast<std::size_t>(col)];
  }
};

struct TrailMember {
  int Member = 0, BeginJoint = 0, EndJoint = 0;
  int ReleaseType = 0;
  double Length = 0, DirCosX = 0, DirCosY = 0, DirCosZ = 0;
  bool Aligned = false;          // [T] was taken as the identity: {u}, {Ff} and [K] are copies
  std::vector<int> CodeNumbers;  // per end coordinate
  TrailMatrix LocalStiffness;    // [k], releases applied
  TrailMatrix Transformation;    // [T]
  TrailMatrix GlobalStiffness;   // [K] = [T]^T [k] [T]
  // [Tn][K][Tn]^T, what entered [S] when a joint of the member stands on a turned support (the
  // nodal transformation); empty otherwise.
  TrailMatrix SupportAxesStiffness;
  std::vector<double> LocalFixedEndForces;     // {Qf}
  std::vector<double> SettlementDisp;          // {v} of the settled supports at its joints
  std::vector<double> GlobalFixedEndForces;    // {Ff} = [T]^T{Qf} + [K]{v of settlements}
  std::vector<double> GlobalEndDisplacements;  // {v}
  std::vector<double> LocalEndDisplacements;   // {u} = [T]{v}
  std::vector<double> LocalEndForces;          // {Q}: the stored member end forces
  std::vector<double> GlobalEndForces;         // {F} = [T]^T{Q}
  // [kg] of the member's axial force in {Q}, local; empty unless a stability analysis asked
  // for it (AddGeometricStiffness).
  TrailMatrix GeometricStiffness;
};

// A spring's stiffness as it joined [S]'s diagonal.
struct TrailSpring {
  int Joint = 0, Coordinate = 0, Code = 0;
  double Stiffness = 0;
};

struct MethodTrail {
  bool DoublePrecision = false;  // the run in double precision made the results
  // ... because the user chose double precision alone, rather than because the single-precision
  // results were not accurate enough.
  bool DoublePrecisionChosen = false;
  int CoordsPerJoint = 0;
  int DofCount = 0;
  std::vector<int> CoordNumbers;  // (joint-1)*CoordsPerJoint + k -> structure coordinate
  // [S] (DofCount square) as assembled; empty above kTrailStiffnessLimit free coordinates.
  TrailMatrix Stiffness;
  std::vector<double> JointLoads;     // the joint loads at the free coordinates
  std::vector<double> FixedEndPart;   // -sum of the members' {Ff}, as assembled
  std::vector<double> LoadVector;     // {P} the solution used: joint loads minus sum of {Ff}
  std::vector<double> Displacements;  // {d}
  std::vector<TrailMember> Members;
  std::vector<TrailSpring> Springs;
  // [Kg] (DofCount square) assembled from the members' [kg]; empty unless asked for, as above.
  TrailMatrix StructureGeometricStiffness;

  bool HasStiffness() const { return Stiffness.Rows == DofCount && DofCount > 0; }
};

// Records one run of the engine into a MethodTrail.
template <typename Real>
class TrailRecorder : public MethodRecorder<Real> {
 public:
  // Without `structureMatrices`, [S] and each member's [k], [T], [K] are left out: the record of
  // a further load case of a structure whose whole trail is kept (CaseTrail.h).
  explicit TrailRecorder(const ModelStore& model, bool structureMatrices = true);

  void MemberAssembled(const AssembledMember<Real>& member) override;
  void SpringAssembled(int joint, int k, int code, Real stiffness) override;
  void StructureAssembled(const EquationSystem<Real>& system, const std::vector<Real>& fixedEndPart,
                          const std::vector<Real>& jointLoads) override;
  void MemberDisplaced(int member, const MemberVector<Real>& v,
                       const MemberVector<Real>& u) override;

  // The trail of the finished run, with its numbering and displacements from `results`; the
  // recorder is spent after it.
  MethodTrail Finish(const AnalysisResults<Real>& results);

 private:
  MethodTrail trail_;
  bool structureMatrices_;
};

// The steps of every member that need no solution (the numbering, each member's geometry, code
// numbers, [k], [T], [K], {Qf} and {Ff}), computed in single precision as an analysis would,
// also for a model that fails the static stability count: a student can check that work on a
// structure whose analysis fails. No [S], {P}, {d} or end forces. Throws as Analyze does.
MethodTrail RecordMemberSteps(const ModelStore& model);

// Puts the stored results into the trail: {Q} of each member is its stored end
// forces and {F} = [T]^T{Q}, so the trail shows exactly the numbers the results show.
void TakeStoredEndForces(const StructureResults& results, MethodTrail& trail);

// Adds each member's [kg] of its axial force in the trail's end forces, and the assembled [Kg]
// (up to kTrailStiffnessLimit free coordinates), for a trail of a plane or space frame whose end
// forces are in place (TakeStoredEndForces). Each member is taken whole, as one piece.
void AddGeometricStiffness(const ModelStore& model, MethodTrail& trail);

// One sentence for the top of the method's views: which precision the values are in, why that
// one, and why they may differ from a hand calculation in the last digit.
std::string TrailPrecisionNote(const MethodTrail& trail);

}  // namespace stavelorn
