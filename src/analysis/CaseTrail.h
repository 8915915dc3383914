// The method step by step of a load case other than the one whose run recorded the whole trail.
// Every case of a project is solved with the same [S], so a further case keeps only its own steps
// ({P}, {d} and each member's {Qf}, {Ff}, {v}, {u}) and borrows [S] and each member's [k], [T]
// and [K] from the whole trail when both runs were of one precision.
#pragma once

#include "analysis/MethodTrail.h"
#include "analysis/StructureResults.h"

namespace stavelorn {

// Leaves out of `caseSteps` [S] and each member's [k], [T], [K] and [Tn][K][Tn]^T, which it
// shares with `whole` (the same structure) when both were recorded in the same precision; keeps
// them otherwise.
void LeaveOutSharedMatrices(const MethodTrail& whole, MethodTrail& caseSteps);

// The trail of that load case: its own steps with what they left out taken from `whole`, the
// springs of `whole`, and {Q} and {F} from the case's stored results (TakeStoredEndForces).
MethodTrail TrailOfCase(const MethodTrail& whole, const MethodTrail& caseSteps,
                        const StructureResults& caseResults);

}  // namespace stavelorn
