// The equilibrium checks of an analysis's trail, as the step-by-step window and the printed
// method show them: each member's end forces against its own loads, and the whole structure's
// applied loads against its reactions. Each residual should be round-off.
#pragma once

#include <string>
#include <vector>

#include "analysis/MethodTrail.h"
#include "analysis/StructureResults.h"
#include "model/ModelStore.h"

namespace stavelorn {

// One equilibrium check: its text (one or more lines, separated by '\n', each short enough for
// a printed page), the largest of its sums that should be 0, and the size of the forces it
// balances (for judging the residual). A heading has neither.
struct EquilibriumLine {
  std::string Text;
  double Residual = 0;
  double Scale = 0;
};

// A heading, one check per member, a heading and one check per direction of the whole
// structure. `model` must be the model the trail was recorded from, and `results` those of the
// same analysis, whose reactions are taken.
std::vector<EquilibriumLine> TrailEquilibrium(const ModelStore& model,
                                              const StructureResults& results,
                                              const MethodTrail& trail);

}  // namespace stavelorn
