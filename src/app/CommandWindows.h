// What the project commands need from the windows they cannot own: the dialogs, the drawing and
// the printer. The main window implements it; tests and the edit-session fuzzer play it.
#pragma once

#include <memory>
#include <vector>

#include "analysis/AnalysisPrecision.h"
#include "analysis/CriticalLoad.h"
#include "analysis/SecondOrder.h"
#include "app/DiagramPages.h"
#include "app/StabilityOptions.h"
#include "model/Units.h"
#include "reports/ClassVariants.h"
#include "reports/PrintCommand.h"
#include "reports/PrintOptions.h"
#include "reports/ReportPrinter.h"
#include "ui/RoutineQuestions.h"

namespace stavelorn {

// What the commands need from the windows they cannot own.
class CommandWindows {
 public:
  virtual ~CommandWindows() = default;
  // Shows the project title dialog modally; true when it was closed with OK (and applied).
  virtual bool ShowTitleDialog() = 0;
  // Redraws the structure, with its deformed shape after an analysis, on the main canvas.
  virtual void Redraw() = 0;
  // A printer for one report, or nullptr when the user backed out (of choosing a PDF file, say).
  virtual std::unique_ptr<ReportPrinter> OpenPrinter() = 0;
  // Shows the units dialog on `units`; true when it was closed with OK.
  virtual bool ChooseUnits(UnitSystem& units) = 0;
  // Shows the "Precision" dialog on `precision`; true when it was closed with OK. Windows
  // without the dialog leave the precision as it is.
  virtual bool ChoosePrecision(AnalysisPrecision& precision) {
    (void)precision;
    return false;
  }
  // Shows the "Stability Options" dialog on `options`; true when it was closed with OK. Windows
  // without the dialog leave the options as they are.
  virtual bool ChooseStabilityOptions(StabilityOptions& options) {
    (void)options;
    return false;
  }
  // Shows the buckling modes of `loads` (at least one) drawn over the structure, the divided
  // members as `options` say; false where the windows cannot draw them, and the commands then
  // tell the load factors in a message.
  virtual bool ShowBucklingModes(const CriticalLoads& loads, const StabilityOptions& options) {
    (void)loads;
    (void)options;
    return false;
  }
  // Shows the settled second-order run `run` beside the first-order results: the amplification
  // tables, the deformed shape and the diagrams of both; false where the windows cannot, and the
  // commands then tell the amplifications in a message.
  virtual bool ShowSecondOrder(const SecondOrderRun& run, const StabilityOptions& options) {
    (void)run;
    (void)options;
    return false;
  }
  // Shows the "Preferences" dialog on the answers kept for the routine questions; true when it
  // was closed with OK. Windows without the dialog leave the answers as they are.
  virtual bool ChoosePreferences(RoutineAnswers& answers) {
    (void)answers;
    return false;
  }
  // Shows the "Make Variants" dialog on `choice`; true when it was closed with OK. Windows
  // without the dialog make no variants.
  virtual bool ChooseVariants(VariantsChoice& choice) {
    (void)choice;
    return false;
  }
  // Shows the "Print Options" dialog on `options`; true when it was closed with OK.
  virtual bool ChoosePrintOptions(PrintOptions& options) = 0;
  // Shows the pages Print would print with `options`, the diagrams' `pictures` and the
  // `influence` line (when given), from where they can be printed.
  virtual void ShowPrintPreview(const PrintOptions& options,
                                const std::vector<const PagePicture*>& pictures,
                                const PrintedInfluence* influence) = 0;
  // The diagrams' pictures in a form the printer OpenPrinter gives can paint (see DiagramPages);
  // none where the windows have no printer that draws.
  virtual std::vector<std::unique_ptr<PagePicture>> DiagramPictures() { return {}; }
  // `page` in a form the printer OpenPrinter gives can paint; none where it cannot draw.
  virtual std::unique_ptr<PagePicture> PrintablePicture(DiagramPage page) {
    (void)page;
    return nullptr;
  }
};

}  // namespace stavelorn
