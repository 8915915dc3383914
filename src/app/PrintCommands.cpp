// The commands that print: Print and Print Preview, with the "Print Options" dialog, the
// diagrams' pages and the kept influence line.
#include "app/InfluencePrint.h"
#include "app/ProjectCommands.h"
#include "app/SecondOrderTables.h"
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
  PrintOptions options(Results(), KeptInfluenceLine() != nullptr);
  return ChoosePrintOptions(options) ? PrintSections(options) : "";
}

void ProjectCommands::PrintPreview() {
  PrintOptions options(Results(), KeptInfluenceLine() != nullptr);
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
  PrintedSection secondOrder;
  if (shown && shown->SecondOrder)
    secondOrder = [this, run = shown->SecondOrder](ReportPrinter& to) {
      PrintAmplification(model_, run->FirstOrder, run->SecondOrder,
                         SecondOrderRunText(*run, session_.Stability()), to);
    };
  const PrintOutcome outcome =
      PrintReport(model_, Results(), *printer, messages_, options, Trail(), Pages(pictures),
                  influence ? &*influence : nullptr, &cases, secondOrder);
  const std::string file = printer->OutputFile();
  if (outcome != PrintOutcome::Printed || file.empty()) return "";
  // A file made instead of a printed page is easily lost; say where it went.
  messages_.ShowInformation("Print", "The report was printed to the PDF file\n" + file);
  return "Report printed to " + file;
}

std::optional<PrintedInfluence> ProjectCommands::InfluenceToPrint(const PrintOptions& options) {
  const InfluenceLine* line = KeptInfluenceLine();
  if (!line || !options.Chosen(ReportSection::InfluenceLine)) return std::nullopt;
  const LoadTrain* train = KeptInfluenceTrain();
  return PrintedInfluence{windows_.PrintablePicture(InfluencePage(model_, *line, train)),
                          InfluenceReportLines(model_, *line, train)};
}

}  // namespace stavelorn
