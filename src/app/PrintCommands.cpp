// The commands that print: Print and Print Preview, with the "Print Options" dialog, the
// diagrams' pages and the kept influence line.
#include "app/ProjectCommands.h"
#include "app/ShownPrint.h"
#include "app/ShownViews.h"
#include "reports/PrintCommand.h"

namespace stavelorn {

namespace {

std::vector<const PagePicture*> Pages(const std::vector<std::unique_ptr<PagePicture>>& pictures) {
  std::vector<const PagePicture*> pages;
  for (const auto& picture : pictures) pages.push_back(picture.get());
  return pages;
}

}  // namespace

std::string ProjectCommands::Print() {
  PrintOptions options = SessionPrintOptions(session_);
  return ChoosePrintOptions(options) ? PrintSections(options) : "";
}

void ProjectCommands::PrintPreview() {
  PrintOptions options = SessionPrintOptions(session_);
  if (!ChoosePrintOptions(options)) return;
  const auto pictures = DiagramPictures(options);
  const std::optional<PrintedInfluence> influence = InfluenceToPrint(options);
  windows_.ShowPrintPreview(options, Pages(pictures), influence ? &*influence : nullptr);
}

bool ProjectCommands::ChoosePrintOptions(PrintOptions& options) {
  std::string& remembered = preferences_.PrintChoice;
  options.Recall(remembered);
  if (!windows_.ChoosePrintOptions(options) || !options.AnythingChosen()) return false;
  remembered = options.Remembered(remembered);
  return true;
}

std::vector<std::unique_ptr<PagePicture>> ProjectCommands::DiagramPictures(
    const PrintOptions& options) {
  if (!options.Chosen(ReportSection::Diagrams)) return {};
  return windows_.DiagramPictures();
}

std::string ProjectCommands::PrintSections(const PrintOptions& options) {
  std::unique_ptr<ReportPrinter> printer = windows_.OpenPrinter();
  if (!printer) return "";
  const auto pictures = DiagramPictures(options);
  const std::optional<PrintedInfluence> influence = InfluenceToPrint(options);
  const std::optional<ShownAnalysis>& shown = session_.Analysis();
  const std::vector<CaseResults> none;
  const PrintedDiagramsSource diagrams = PrintedDiagramsOf(session_);
  const PrintedCases cases{shown ? shown->LoadCases : none, shown ? shown->Combinations : none,
                           diagrams.Title, &diagrams.Model, &diagrams.Results};
  const PrintOutcome outcome =
      PrintReport(model_, Results(), *printer, messages_, options, Trail(), Pages(pictures),
                  influence ? &*influence : nullptr, &cases, SecondOrderSection(session_));
  const std::string file = printer->OutputFile();
  if (outcome != PrintOutcome::Printed || file.empty()) return "";
  // A file made instead of a printed page is easily lost; say where it went.
  messages_.ShowInformation("Print", "The report was printed to the PDF file\n" + file);
  return "Report printed to " + file;
}

std::optional<PrintedInfluence> ProjectCommands::InfluenceToPrint(const PrintOptions& options) {
  return stavelorn::InfluenceToPrint(session_, options, [this](DiagramPage page) {
    return windows_.PrintablePicture(std::move(page));
  });
}

}  // namespace stavelorn
