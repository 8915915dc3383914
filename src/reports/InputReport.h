// The input-data report: the program's banner, the general data of the project and every table
// of input data the model holds, each section under its title, ending with "End of Input Data".
// It prints inside the document and with the font that the Print command has set.
#pragma once

#include "model/ModelStore.h"
#include "reports/ReportPrinter.h"

namespace stavelorn {

// Prints the input-data report of `model` on `printer`, from the banner to "End of Input Data".
// Printer failures propagate to the caller.
void PrintInputData(const ModelStore& model, ReportPrinter& printer);

}  // namespace stavelorn
