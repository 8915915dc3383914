// The results report: joint displacements, member forces and support reactions of a completed
// analysis, as fixed-width tables. It prints inside the document and with the font that the
// Print command has set, and prints nothing at all unless the analysis has completed.
#pragma once

#include "analysis/StructureResults.h"
#include "model/ModelStore.h"
#include "reports/ReportPrinter.h"

namespace stavelorn {

// Prints the results report of `model` on `printer` when AnalysisStatus is 1 or more. Printer
// failures propagate to the caller.
void PrintOutput(const ModelStore& model, const StructureResults& results, ReportPrinter& printer);

}  // namespace stavelorn
