// The method's trail in print: after the results, in the report's fixed-pitch style, each
// member's [k], [T], [K], {Qf} and {Q}, then the structure's [S] (in blocks of columns, while it
// is small enough to read) and {P}.
#pragma once

#include "analysis/MethodTrail.h"
#include "analysis/StructureResults.h"
#include "model/ModelStore.h"
#include "reports/ReportPrinter.h"

namespace stavelorn {

// [S] is printed for up to this many free coordinates; above, a line says it is left out.
inline constexpr int kPrintedStiffnessLimit = 60;

// Prints the trail of `model`'s analysis. Printer failures propagate to the caller.
void PrintTrail(const ModelStore& model, const StructureResults& results, const MethodTrail& trail,
                ReportPrinter& printer);

}  // namespace stavelorn
