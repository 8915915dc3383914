// The results of a project with load cases in the printed report: each case's results under its
// title, each combination's under its name and factors, then the envelopes, the greatest and
// least of every result with the combination (or case) that gives it.
#pragma once

#include <vector>

#include "analysis/LoadCaseResults.h"
#include "model/ModelStore.h"
#include "reports/ReportPrinter.h"

namespace stavelorn {

void PrintEveryCaseResults(const ModelStore& model, const std::vector<CaseResults>& cases,
                           const std::vector<CaseResults>& combinations, ReportPrinter& printer);

}  // namespace stavelorn
