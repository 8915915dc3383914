// What the page shows of an analysis beyond its tables: the method step by step, walked with
// Back and Next through the steps the desktop's window shows on its tabs, and a member's own
// diagrams with their table, as the desktop's member window shows them.
#pragma once

#include <string>

#include "analysis/MethodTrail.h"
#include "analysis/StructureResults.h"
#include "model/ModelStore.h"

namespace stavelorn {

// The step `step` of the method (clamped to the steps there are): the numbering, each member in
// turn, the structure's [S], {P} and {d}, then the equilibrium checks. The structure step marks
// the cells member `marked` (0-based; -1 none) added.
// {"title", "steps": [headings], "step", "back", "next", "precisionNote", "heading",
//  "notes": [lines], "notesTip", "tables": [step tables], "lines": [check lines], "shade": how
//  the marked cells stand out ("restrained" or "member"), "marking": whether the step offers
//  the choice of a member to mark, "members": [captions], "marked"}.
std::string MethodStepJson(const ModelStore& model, const StructureResults& results,
                           const MethodTrail& trail, int step, int marked);

// Member `member`'s own window (1-based): {"member", "caption", "table": the results grid, "svg":
// its diagrams one above another with its loads}; "" for a member the model lacks.
std::string MemberDiagramsJson(const ModelStore& model, const StructureResults& results,
                               int member);

}  // namespace stavelorn
