// The internal-force diagrams in the printed report: after the results, one table per member of
// the values at its tenth points, at every local extreme and on both sides of every concentrated
// load, followed by the largest and smallest value of every quantity with its section. Prints
// nothing unless the analysis has completed.
#pragma once

#include "analysis/StructureResults.h"
#include "model/ModelStore.h"
#include "reports/ReportPrinter.h"

namespace stavelorn {

// Printer failures propagate to the caller.
void PrintDiagramsReport(const ModelStore& model, const StructureResults& results,
                         ReportPrinter& printer);

}  // namespace stavelorn
