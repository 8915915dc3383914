#include "analysis/CaseTrail.h"

namespace stavelorn {

void LeaveOutSharedMatrices(const MethodTrail& whole, MethodTrail& caseSteps) {
  if (whole.DoublePrecision != caseSteps.DoublePrecision) return;
  caseSteps.Stiffness = TrailMatrix();
  for (TrailMember& m : caseSteps.Members) {
    m.LocalStiffness = TrailMatrix();
    m.Transformation = TrailMatrix();
    m.GlobalStiffness = TrailMatrix();
    m.SupportAxesStiffness = TrailMatrix();
  }
}

MethodTrail TrailOfCase(const MethodTrail& whole, const MethodTrail& caseSteps,
                        const StructureResults& caseResults) {
  MethodTrail trail = caseSteps;
  if (trail.Stiffness.Rows == 0) trail.Stiffness = whole.Stiffness;
  trail.Springs = whole.Springs;
  for (std::size_t i = 0; i < trail.Members.size() && i < whole.Members.size(); ++i) {
    TrailMember& m = trail.Members[i];
    if (m.Transformation.Rows > 0) continue;
    const TrailMember& shared = whole.Members[i];
    m.LocalStiffness = shared.LocalStiffness;
    m.Transformation = shared.Transformation;
    m.GlobalStiffness = shared.GlobalStiffness;
    m.SupportAxesStiffness = shared.SupportAxesStiffness;
  }
  trail.DoublePrecisionChosen = caseResults.SolvedInDoublePrecision;
  TakeStoredEndForces(caseResults, trail);
  return trail;
}

}  // namespace stavelorn
