#include "web/PagePrint.h"

#include <memory>
#include <sstream>

#include "app/DiagramPages.h"
#include "app/ShownPrint.h"
#include "app/ShownViews.h"
#include "graphics/SvgPicture.h"
#include "reports/JsonText.h"
#include "reports/PrintCommand.h"
#include "ui/AccessibleNames.h"
#include "ui/ConsoleMessages.h"
#include "web/PageJson.h"

namespace stavelorn {

namespace {

// The side of a diagram's square picture, in the picture's own pixels: the labels keep the size
// the desktop's printed picture gives them.
constexpr int kDiagramPictureSide = 1600;

const char* JsonBool(bool value) {
  return value ? "true" : "false";
}

std::string PageJson(const PrintedPage& page) {
  if (!page.Svg.empty())
    return "{\"caption\": " + JsonString(page.Caption) + ", \"svg\": " + JsonString(page.Svg) + "}";
  return "{\"lines\": " + JsonArray(page.Lines, JsonString) + "}";
}

// The sections `ticked` names ticked, and no others.
PrintOptions Ticked(const ProjectSession& session, const std::string& ticked) {
  PrintOptions options = SessionPrintOptions(session);
  options.ChooseOnly(ticked);
  return options;
}

std::unique_ptr<PagePicture> SvgPage(DiagramPage page) {
  return std::make_unique<SvgPagePicture>(
      page.Caption, SvgPicture(page.Picture, kDiagramPictureSide, kDiagramPictureSide));
}

std::string FormJson(const PrintOptions& options) {
  std::vector<ReportSectionInfo> sections(ReportSections().begin(), ReportSections().end());
  return "{\"caption\": " + JsonString(kPrintOptionsTitle) +
         ", \"group\": " + JsonString(kPrintOptionsGroup) + ", \"sections\": " +
         JsonArray(sections,
                   [&options](const ReportSectionInfo& info) {
                     return "{\"name\": " + JsonString(info.Name) +
                            ", \"caption\": " + JsonString(SpokenCaption(info.Caption)) +
                            ", \"available\": " + JsonBool(options.Available(info.Section)) +
                            ", \"chosen\": " + JsonBool(options.Chosen(info.Section)) + "}";
                   }) +
         ", \"ok\": " + JsonBool(options.AnythingChosen()) + "}";
}

}  // namespace

void PagedReportPrinter::PrintLine(const std::string& text) {
  if (pages_.empty()) pages_.emplace_back();
  if (y_ > 0 && y_ + kLineSpacing > kPrintableHeight) NewPage();
  pages_.back().Lines.push_back(text);
  y_ += kLineSpacing;
  pageInked_ = pageInked_ || text.find_first_not_of(' ') != std::string::npos;
}

void PagedReportPrinter::NewPage() {
  if (y_ == 0) return;  // the page is still empty (or none is begun)
  pages_.emplace_back();
  y_ = 0;
  pageInked_ = false;
}

void PagedReportPrinter::PrintPicture(const PagePicture& picture) {
  const auto* svg = dynamic_cast<const SvgPagePicture*>(&picture);
  if (!svg) return;
  if (pages_.empty()) pages_.emplace_back();
  // A page of blank lines only (the report's opening lines) takes the picture itself.
  if (pageInked_) NewPage();
  pages_.back() = PrintedPage{{}, svg->Caption(), svg->Svg()};
  // The page is full: the next line starts a new one.
  y_ = kPrintableHeight;
  pageInked_ = true;
}

std::string PagePrint::Options(const std::string& remembered) const {
  PrintOptions options = SessionPrintOptions(page_.session_);
  options.Recall(remembered);
  return FormJson(options);
}

std::string PagePrint::Choose(const std::string& ticked) const {
  return FormJson(Ticked(page_.session_, ticked));
}

std::string PagePrint::Pages(const std::string& ticked) const {
  const ProjectSession& session = page_.session_;
  const PrintOptions options = Ticked(session, ticked);
  if (!options.AnythingChosen()) return "{\"pages\": []}";
  std::vector<std::unique_ptr<PagePicture>> pictures;
  if (options.Chosen(ReportSection::Diagrams))
    for (DiagramPage& diagram : ShownDiagramPages(session))
      pictures.push_back(SvgPage(std::move(diagram)));
  std::vector<const PagePicture*> pictured;
  for (const auto& picture : pictures) pictured.push_back(picture.get());
  const std::optional<ShownAnalysis>& shown = session.Analysis();
  const std::vector<CaseResults> none;
  const PrintedDiagramsSource diagrams = PrintedDiagramsOf(session);
  const PrintedCases cases{shown ? shown->LoadCases : none, shown ? shown->Combinations : none,
                           diagrams.Title, &diagrams.Model, &diagrams.Results};
  const MethodTrail* trail = session.ResultsShown() ? shown->Trail.get() : nullptr;
  // This printer never fails, so the report always prints in full.
  PagedReportPrinter printer;
  std::ostringstream unused;
  ConsoleMessages messages(unused);
  const std::optional<PrintedInfluence> influence = InfluenceToPrint(session, options, SvgPage);
  PrintReport(page_.model_, session.Results(), printer, messages, options, trail, pictured,
              influence ? &*influence : nullptr, &cases, SecondOrderSection(session));
  return "{\"pages\": " + JsonArray(printer.Pages(), PageJson) + "}";
}

}  // namespace stavelorn
