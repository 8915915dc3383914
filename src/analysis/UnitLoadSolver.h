// The response of an analysed structure to a single unit force acting downward (-Y, gravity for
// every type), standing either on a member at a distance from its beginning or on a joint: the
// joint displacements, the members' end forces and the support reactions it causes, in double
// precision. The structure stiffness matrix is assembled and factorised once (LDLᵀ on its band);
// each position of the load is then one more right-hand side, n·2b operations. That is what an
// influence line needs: one ordinate per position, of any quantity, with the very sign
// conventions and member routines of the analysis.
//
// (The reciprocal theorem would give a whole line from one solution, but a different load for
// each kind of quantity, and the load standing on a member's end or on a support would need
// separate care; one right-hand side per position costs little more for the stations a line has
// and answers every quantity the same way.)
#pragma once

#include <vector>

#include "analysis/Engine.h"
#include "analysis/MemberDiagrams.h"

namespace stavelorn {

// Where the unit load stands and what it leaves behind.
struct UnitLoadCase {
  int Member = 0;  // the member it stands on (0 when it stands on a joint)
  double At = 0;   // its distance from that member's beginning
  int Joint = 0;   // the joint it stands on (0 when it stands on a member)
  // The member's fixed-end forces of the load, in local axes, and the load itself as the member's
  // diagrams take it.
  MemberVector<double> LocalFixedEndForces{};
  std::vector<AppliedLoad> Loads;
  std::vector<double> Displacements;  // free structure coordinates, from 0
};

class UnitLoadSolver {
 public:
  // Numbers, assembles and factorises the structure of `model`, which must outlive the solver.
  // Ready() is false when the model's stiffness matrix cannot be factorised.
  explicit UnitLoadSolver(const ModelStore& model);

  bool Ready() const { return ready_; }

  // The load on `member` at distance `at` (0 <= at <= L) from its beginning, as a member load:
  // at either end it is the limit from inside the member.
  UnitLoadCase OnMember(int member, double at) const;
  // The load on `joint` as a joint load. On a restrained coordinate it goes straight into the
  // support.
  UnitLoadCase OnJoint(int joint) const;

  // Member end forces {Q} in local axes (2 x coordinates per joint, beginning first).
  MemberVector<double> EndForces(int member, const UnitLoadCase& load) const;
  // The support reaction at joint coordinate k (1-based) of a support joint.
  double Reaction(int joint, int k, const UnitLoadCase& load) const;
  // The displacement of joint coordinate k; 0 at a restrained one.
  double Displacement(int joint, int k, const UnitLoadCase& load) const;

  // The structure coordinate of joint coordinate k, and whether it is restrained.
  int CoordinateNumber(int joint, int k) const;
  bool IsRestrained(int joint, int k) const { return CoordinateNumber(joint, k) > dofCount_; }
  double Length(int member) const;

 private:
  const ModelStore& model_;
  int perJoint_ = 0;
  int dofCount_ = 0;
  Array<std::int16_t> coordNumbers_;
  std::vector<AssembledMember<double>> members_;  // from 0, as the assembly built them
  EquationSystem<double> factors_;
  bool ready_ = false;

  const AssembledMember<double>& MemberAt(int member) const;
  // The member's global end forces are turned to the axes of any turned support it stands on.
  void Solve(UnitLoadCase& load, const MemberVector<double>& globalForces,
             const CodeNumberList& codes, const MemberJointTurns& turns) const;
};

}  // namespace stavelorn
