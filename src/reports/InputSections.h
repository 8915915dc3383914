// The sections of the input-data report, one function each, shared between the files that print
// them. Each prints its title block, headings and rows; the caller applies the page-break rule
// before it and prints the 2 blank lines after it.
#pragma once

#include "model/ModelStore.h"
#include "reports/ReportLine.h"

namespace stavelorn {

void PrintSupportSprings(const ModelStore& model, ReportPrinter& printer);
void PrintSupportAngles(const ModelStore& model, ReportPrinter& printer);
void PrintMemberReleases(const ModelStore& model, ReportPrinter& printer);

// Every load section the model's load tables hold, each after the page-break rule and followed by
// 2 blank lines.
void PrintLoadSections(const ModelStore& model, ReportPrinter& printer);
// A project with load cases: each case's title block and load sections, then the combinations.
void PrintLoadCasesInput(const ModelStore& model, ReportPrinter& printer);

}  // namespace stavelorn
