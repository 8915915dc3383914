#include "reports/PrintCommand.h"

#include <string>

#include "model/LoadCombination.h"
#include "reports/DiagramsReport.h"
#include "reports/InputReport.h"
#include "reports/LoadCaseReport.h"
#include "reports/ReportLine.h"
#include "reports/ResultsReport.h"
#include "reports/TrailReport.h"

namespace stavelorn {

namespace {

struct PrintCancelled {};

// Puts every printer operation under the command's error handler: a failure asks the user, and
// Retry runs the same operation again, so the report goes on from the line that failed.
class RetryingPrinter : public ReportPrinter {
 public:
  RetryingPrinter(ReportPrinter& printer, Messages& messages)
      : printer_(printer), messages_(messages) {}

  void PrintLine(const std::string& text) override {
    Guard([&] { printer_.PrintLine(text); });
  }
  void NewPage() override {
    Guard([&] { printer_.NewPage(); });
  }
  void PrintPicture(const PagePicture& picture) override {
    Guard([&] { printer_.PrintPicture(picture); });
  }
  double CurrentY() const override { return printer_.CurrentY(); }
  double PageHeight() const override { return printer_.PageHeight(); }
  void EndDocument() override {
    Guard([&] { printer_.EndDocument(); });
  }
  // Only ever called while leaving the command, when there is nothing more to ask.
  void AbandonDocument() override { printer_.AbandonDocument(); }
  std::string FontName() const override { return printer_.FontName(); }
  void SetFontName(const std::string& name) override {
    Guard([&] { printer_.SetFontName(name); });
  }
  void SetFontSize(double points) override {
    Guard([&] { printer_.SetFontSize(points); });
  }
  void SetFontBold(bool bold) override {
    Guard([&] { printer_.SetFontBold(bold); });
  }

 private:
  template <typename Operation>
  void Guard(Operation operation) {
    for (;;) {
      try {
        operation();
        return;
      } catch (const PrinterFailure& failure) {
        if (messages_.ReportErrorRetry("Printer Error", failure.Error()) != kAnswerRetry)
          throw PrintCancelled{};
      }
    }
  }

  ReportPrinter& printer_;
  Messages& messages_;
};

// Leaving the command early must not leave a half-made document or the report's font behind.
// A printer that fails again while being tidied up has nothing more to be asked about.
void Abandon(ReportPrinter& printer, const std::string& fontName) {
  try {
    printer.AbandonDocument();
  } catch (const PrinterFailure&) {
  }
  try {
    printer.SetFontName(fontName);
  } catch (const PrinterFailure&) {
  }
}

}  // namespace

PrintOutcome PrintReport(const ModelStore& model, const StructureResults& results,
                         ReportPrinter& printer, Messages& messages) {
  return PrintReport(model, results, printer, messages, PrintOptions(results));
}

PrintOutcome PrintReport(const ModelStore& model, const StructureResults& results,
                         ReportPrinter& printer, Messages& messages, const PrintOptions& options,
                         const MethodTrail* trail, const std::vector<const PagePicture*>& pictures,
                         const PrintedInfluence* influence, const PrintedCases* cases,
                         const PrintedSection& afterResults) {
  RetryingPrinter guarded(printer, messages);
  const std::string previousFont = printer.FontName();
  try {
    guarded.SetFontName("Courier New");
    guarded.SetFontBold(false);
    guarded.SetFontSize(10);

    if (guarded.CurrentY() > 0.1 * guarded.PageHeight()) guarded.NewPage();
    PrintBlankLines(guarded, 5);

    if (options.Chosen(ReportSection::InputData)) PrintInputData(model, guarded);
    if (options.Chosen(ReportSection::Results)) {
      if (cases && !cases->Cases.empty())
        PrintEveryCaseResults(model, cases->Cases, cases->Combinations, guarded);
      else
        PrintOutput(model, results, guarded);
      if (afterResults) afterResults(guarded);
    }
    if (options.Chosen(ReportSection::MethodTrail) && trail)
      PrintTrail(model, results, *trail, guarded);
    if (options.Chosen(ReportSection::Diagrams)) {
      const bool everyCase = cases && !cases->Cases.empty();
      const bool ofAnother = everyCase && cases->DiagramsModel && cases->DiagramsResults;
      if (everyCase) {
        PageBreakRule(guarded);
        PrintTitleBlock(guarded, 10,
                        "Diagrams of " + (cases->DiagramsTitle.empty()
                                              ? LoadCaseTitle(model, model.CurrentLoadCase)
                                              : cases->DiagramsTitle));
      }
      for (const PagePicture* picture : pictures) guarded.PrintPicture(*picture);
      PrintDiagramsReport(ofAnother ? *cases->DiagramsModel : model,
                          ofAnother ? *cases->DiagramsResults : results, guarded);
    }
    if (options.Chosen(ReportSection::InfluenceLine) && influence) {
      if (influence->Picture) guarded.PrintPicture(*influence->Picture);
      for (const std::string& line : influence->Lines) guarded.PrintLine(line);
    }

    guarded.EndDocument();
    guarded.SetFontName(previousFont);
    return PrintOutcome::Printed;
  } catch (const PrintCancelled&) {
    Abandon(printer, previousFont);
    return PrintOutcome::Cancelled;
  } catch (...) {
    Abandon(printer, previousFont);
    throw;
  }
}

}  // namespace stavelorn
