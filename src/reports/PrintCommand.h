// The Print command: the whole report of the current project as one print document, the input
// data followed by the results when an analysis has completed. The windowed program runs it from
// the Project menu and after an analysis; the batch tool runs it on a text printer.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "analysis/LoadCaseResults.h"
#include "analysis/MethodTrail.h"
#include "analysis/StructureResults.h"
#include "model/ModelStore.h"
#include "reports/PrintOptions.h"
#include "reports/ReportPrinter.h"
#include "ui/Messages.h"

namespace stavelorn {

enum class PrintOutcome { Printed, Cancelled };

// The influence line the windows showed last, as the report prints it: its picture on a page of
// its own (none where the windows have no printer that draws), then the lines of its section.
struct PrintedInfluence {
  std::shared_ptr<const PagePicture> Picture;
  std::vector<std::string> Lines;
};

// Prints the report of `model` in 10-point "Courier New". The report starts on the current page
// when at most a tenth of it is used, else on a new page. A printer failure is reported as
// "Printer Error" with Retry, which repeats the failed step and goes on, and Cancel, which
// throws the document away. The printer's font name is restored in both cases. Any other
// exception (a model whose tables are shorter than their counts) also throws the document away
// and restores the font before it propagates.
PrintOutcome PrintReport(const ModelStore& model, const StructureResults& results,
                         ReportPrinter& printer, Messages& messages);
// The results of every load case and combination of a project with load cases, and what its
// diagrams show: the data with the loads and the results of the case or combination named in
// DiagramsTitle (the model's loads and the results given to PrintReport while it is empty).
struct PrintedCases {
  const std::vector<CaseResults>& Cases;
  const std::vector<CaseResults>& Combinations;
  std::string DiagramsTitle;
  const ModelStore* DiagramsModel = nullptr;
  const StructureResults* DiagramsResults = nullptr;
};

// A section of the caller's printed after the results, when they are chosen.
using PrintedSection = std::function<void(ReportPrinter&)>;

// The same with only the sections `options` has chosen; the method trail is printed when chosen
// and `trail` is given; the diagrams' `pictures`, a page each, come before their tables; the
// influence line is printed when chosen and `influence` is given. With `cases` holding any case,
// the results are those of every case and combination and the envelopes (LoadCaseReport.h)
// rather than `results` alone, and the diagrams follow a title naming whose they are.
PrintOutcome PrintReport(const ModelStore& model, const StructureResults& results,
                         ReportPrinter& printer, Messages& messages, const PrintOptions& options,
                         const MethodTrail* trail = nullptr,
                         const std::vector<const PagePicture*>& pictures = {},
                         const PrintedInfluence* influence = nullptr,
                         const PrintedCases* cases = nullptr,
                         const PrintedSection& afterResults = nullptr);

}  // namespace stavelorn
