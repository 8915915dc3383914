// The nodal transformation of a member whose joint stands on a turned support: the structure's
// coordinates at such a joint lie along the support's axes, so the member's global end vectors
// and [K] are turned to them before the assembly ({F'} = [Tn]{F}, [K'] = [Tn][K][Tn]^T) and its
// end displacements turned back to the global axes after the solution. [Tn] is the identity at
// every other joint; a member touching no turned joint is left exactly as it was.
#pragma once

#include "analysis/MemberValues.h"
#include "model/ModelStore.h"
#include "model/SupportAxes.h"

namespace stavelorn {

struct MemberJointTurns {
  JointTurn Begin;
  JointTurn End;
  bool Any() const { return Begin.Turned() || End.Turned(); }
};

template <typename Real>
MemberJointTurns JointTurnsOf(const ModelStore& model, const MemberContext<Real>& member) {
  if (model.SupportAngleCount == 0) return {};
  return {JointTurnOf(model, member.BeginJoint), JointTurnOf(model, member.EndJoint)};
}

// A member end vector from global axes to the joints' support axes, in place.
template <typename Real>
void TurnToSupportAxes(const MemberJointTurns& turns, int endCoords, MemberVector<Real>& v) {
  turns.Begin.ToSupportAxes(v);
  turns.End.ToSupportAxes(v, endCoords / 2);
}

// A member end vector from the joints' support axes to global axes, in place.
template <typename Real>
void TurnToGlobalAxes(const MemberJointTurns& turns, int endCoords, MemberVector<Real>& v) {
  turns.Begin.ToGlobalAxes(v);
  turns.End.ToGlobalAxes(v, endCoords / 2);
}

// [Tn][K][Tn]^T: the rows turned as a vector is, then the columns.
template <typename Real>
MemberMatrix<Real> TurnedStiffness(const MemberJointTurns& turns, int endCoords,
                                   const MemberMatrix<Real>& k) {
  MemberMatrix<Real> turned = k;
  for (int j = 1; j <= endCoords; ++j) {
    MemberVector<Real> column{};
    for (int i = 1; i <= endCoords; ++i) column[i] = turned[i][j];
    TurnToSupportAxes(turns, endCoords, column);
    for (int i = 1; i <= endCoords; ++i) turned[i][j] = column[i];
  }
  for (int i = 1; i <= endCoords; ++i) TurnToSupportAxes(turns, endCoords, turned[i]);
  return turned;
}

}  // namespace stavelorn
