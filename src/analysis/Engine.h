// The matrix stiffness engine: one object per analysis run, holding the structure-level state of
// the run (the structure stiffness matrix and load vector, the results) and the structure-level
// steps of the method, from the numbering of the structure coordinates to the member end forces
// and support reactions. Each member's values come from the functions of MemberValues.h and live
// only in the loop that uses them.
//
// The store type Real is float for the analysis whose results the program shows, exactly as a
// single-precision engine computes them, and double for a check run of the same code in the same
// order. Lengths, forces and moduli are in the user's consistent units, angles of roll in
// degrees, rotations in radians.
#pragma once

#include <cstdint>
#include <vector>

#include "analysis/EquationSolver.h"
#include "analysis/MemberValues.h"
#include "analysis/NodalTransform.h"
#include "analysis/StructureResults.h"
#include "model/ModelStore.h"
#include "model/StructType.h"

namespace stavelorn {

// What one run leaves behind, in the engine's store type: the fields of StructureResults.
template <typename Real>
struct AnalysisResults {
  std::int16_t AnalysisStatus = kNoResults;
  std::int16_t DofCount = 0;         // free structure coordinates
  std::int16_t RestrainedCount = 0;  // restrained structure coordinates
  Array<std::int16_t> CoordNumbers;  // (joint-1)*CoordsPerJoint + k -> structure coordinate
  Array<Real> JointDisplacements;    // DofCount; translations and rotations (radians)
  Table<Real> MemberEndForces;   // MemberCount x 2*CoordsPerJoint, local axes, begin joint first
  Array<Real> SupportReactions;  // RestrainedCount, index = coordinate number - DofCount
  PivotFailure StoppedAt;        // after a failed solution: the pivot it could not trust
};

// One member as the assembly used it.
template <typename Real>
struct AssembledMember {
  MemberContext<Real> Context;
  MemberGeometry<Real> Geometry;
  CodeNumberList CodeNumbers{};
  MemberMatrix<Real> LocalStiffness{};        // [k], releases applied
  MemberMatrix<Real> GlobalStiffness{};       // [K]
  MemberVector<Real> LocalFixedEndForces{};   // {Qf}
  MemberVector<Real> SettlementDisp{};        // {v} of the settled supports at its joints
  MemberVector<Real> GlobalFixedEndForces{};  // {Ff} = [T]^T{Qf} + [K]{v of settlements}
  // At a joint on a turned support the structure's coordinates lie along the support's axes:
  // [Tn][K][Tn]^T and [Tn]{Ff} are what enter [S] and {P} (set only when Turns.Any()).
  MemberJointTurns Turns;
  MemberMatrix<Real> SupportAxesStiffness{};
  MemberVector<Real> SupportAxesFixedEndForces{};

  const MemberMatrix<Real>& AssembledStiffness() const {
    return Turns.Any() ? SupportAxesStiffness : GlobalStiffness;
  }
  const MemberVector<Real>& AssembledFixedEndForces() const {
    return Turns.Any() ? SupportAxesFixedEndForces : GlobalFixedEndForces;
  }
};

// What the end forces of one member need of the structure alone, the same for every load case:
// its context, code numbers, turned joints, geometry and [k], and whether a joint of it is a
// support (its forces then go into the reactions).
template <typename Real>
struct MemberForceBasis {
  MemberContext<Real> Context;
  CodeNumberList CodeNumbers{};
  MemberJointTurns Turns;
  MemberGeometry<Real> Geometry;
  MemberMatrix<Real> LocalStiffness{};
  bool AtSupport = false;
};

// One member's values as the assembly computes them, from its context and the structure's
// numbering: geometry, [k], [K], code numbers and, when the model has member loads, temperature
// changes, fabrication errors or settlements at its joints, {Qf}, {v of settlements} and {Ff}.
template <typename Real>
AssembledMember<Real> AssembleMember(const ModelStore& model, const MemberContext<Real>& context,
                                     const Array<std::int16_t>& coordNumbers);

// Receives the values of one run as the engine computes them, for a record of the method. The
// engine calls it from its own loops, so what is recorded is what was used.
template <typename Real>
class MethodRecorder {
 public:
  virtual ~MethodRecorder() = default;
  // After a member's [K] went into [S] and its {Ff} out of {P}.
  virtual void MemberAssembled(const AssembledMember<Real>& member) = 0;
  // After a spring's stiffness went into [S] at structure coordinate `code`.
  virtual void SpringAssembled(int joint, int k, int code, Real stiffness) = 0;
  // Before the solution: [S] and {P} as the solution receives them, {P} as the members left it
  // (minus the sum of their {Ff}) and the joint loads alone, by structure coordinate from 0.
  virtual void StructureAssembled(const EquationSystem<Real>& system,
                                  const std::vector<Real>& fixedEndPart,
                                  const std::vector<Real>& jointLoads) = 0;
  // After the solution: the member's global end displacements {v} (settlements included) and
  // local ones {u}.
  virtual void MemberDisplaced(int member, const MemberVector<Real>& v,
                               const MemberVector<Real>& u) = 0;
};

template <typename Real>
class Engine {
 public:
  // The engine reads `model` and writes only `results`; both (and `recorder`, when given) must
  // outlive the engine. Throws std::invalid_argument when the model's type is none of the six or
  // its CoordsPerJoint is not the one its type fixes (every member array is sized from it).
  Engine(const ModelStore& model, AnalysisResults<Real>& results,
         MethodRecorder<Real>* recorder = nullptr);

  // The whole analysis: numbering and stability count, assembly, joint loads, solution, member
  // end forces and reactions. Ends with results.AnalysisStatus 1, -1 (not statically stable) or
  // -2 (singular stiffness matrix, or any result that is not a finite number). A model that refers
  // to a row outside one of its tables makes it throw std::out_of_range (with the status still 0);
  // a model with more joint coordinates than 16-bit coordinate numbers hold makes it throw
  // std::length_error.
  void Analyze();

  // Structure coordinates.
  void NumberCoordinates();
  // The joint loads into {P}; a recorder then receives [S] and {P} (StructureAssembled).
  void AddJointLoads();

  // Assembly: every member's [K] into [S] and its {Ff} out of {P}, then every spring's stiffness
  // onto the diagonal of [S] and the pull of its settled base, k·s, into {P}.
  void AssembleStructure();
  // The load part alone, for another load case on a structure already assembled: every member's
  // {Ff} out of {P} and the springs' k·s into it, [S] left as it is; a recorder receives every
  // member (MemberAssembled).
  void AssembleLoads();
  void AddSpringSettlements();
  void StoreMemberStiffness(const CodeNumberList& codes, const MemberMatrix<Real>& kg);
  void StoreFixedEndForces(const CodeNumberList& codes, const MemberVector<Real>& ff);

  // Solution.
  void SolveEquations();

  // Member end forces and support reactions.
  void ComputeMemberForces();
  // The same member by member, as further load cases on one structure take them, each member's
  // basis computed once for all: whether each joint (by number) has a support record, member m's
  // basis, and its end forces {Q} = [k]{u} + {Qf} with its part of the reactions.
  std::vector<bool> SupportedJoints() const;
  MemberForceBasis<Real> BasisOfMember(int m, const std::vector<bool>& supported) const;
  void StoreMemberForces(int m, const MemberForceBasis<Real>& basis);
  MemberVector<Real> GatherMemberDisp(const CodeNumberList& codes) const;
  void StoreReactions(const CodeNumberList& codes, const MemberVector<Real>& f);

  MemberContext<Real> LoadMemberContext(int member) const {
    return stavelorn::LoadMemberContext<Real>(Model, Kind, EndCoords, member);
  }

  // --- State of the run ---
  const ModelStore& Model;
  AnalysisResults<Real>& Results;
  const StructKind Kind;
  const int EndCoords;  // 2 * CoordsPerJoint: the size of every member array

  EquationSystem<Real> Equations;  // the stiffness matrix S and the load vector P

  // Whether NumberCoordinates stops at a failed static stability count, as the analysis does,
  // or numbers the coordinates all the same, so that the mechanism of such a model can be found.
  bool StopAtStabilityCount = true;

  // Whether Analyze keeps the solved system in Equations rather than freeing it: in double
  // precision its S then holds the factors that solve further load cases (SolveWithLdltFactor).
  bool KeepSolvedSystem = false;

 private:
  int CoordsPerJoint() const { return EndCoords / 2; }
  // Calls add(code number, value) for every joint-load component at a free coordinate, in record
  // order. A load on a restrained coordinate goes straight into its support and is not analysed.
  // A load at a joint on a turned support is given in global axes and turned to the support's.
  template <typename Add>
  void ForEachFreeJointLoad(Add add) const {
    const int perJoint = CoordsPerJoint();
    for (int i = 1; i <= Model.JointLoadCount; ++i) {
      const int j = Model.JointLoadJoints(i);
      MemberVector<float> load{};
      for (int k = 1; k <= perJoint; ++k) load[k] = Model.JointLoadValues(i, k);
      if (Model.SupportAngleCount > 0) JointTurnOf(Model, j).ToSupportAxes(load);
      for (int k = 1; k <= perJoint; ++k) {
        const int n = Results.CoordNumbers((j - 1) * perJoint + k);
        if (n <= Results.DofCount) add(n, load[k]);
      }
    }
  }
  bool HasMemberActions() const {
    return Model.MemberLoadCount > 0 || Model.TempChangeCount > 0 || Model.FabErrorCount > 0;
  }

  MethodRecorder<Real>* const recorder_;
};

}  // namespace stavelorn
