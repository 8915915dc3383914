#include "web/PageSession.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include "analysis/AccuracyGuard.h"
#include "analysis/AnalysisRun.h"
#include "analysis/ModelCheck.h"
#include "app/MenuState.h"
#include "app/PickInfo.h"
#include "app/ResultTables.h"
#include "graphics/StructurePicture.h"
#include "model/ProjectFile.h"
#include "reports/JsonText.h"
#include "reports/PrintCommand.h"
#include "reports/ResultsJson.h"
#include "reports/TextReportPrinter.h"
#include "ui/ConsoleMessages.h"

namespace stavelorn {

namespace {

// The box the desktop shows when a project file cannot be read in full.
constexpr char kFileReadingTitle[] = "File_Reading Error";
// The multiplier box's name, which titles its refusals.
constexpr char kMultiplierName[] = "Deflection Multiplier";

struct PageMessage {
  std::string Title;
  std::string Text;
  const char* Style;
};

std::string MessagesJson(const std::vector<PageMessage>& messages) {
  std::string json = "[";
  for (const PageMessage& m : messages)
    json += std::string(json.size() > 1 ? ", " : "") + "{\"title\": " + JsonString(m.Title) +
            ", \"text\": " + JsonString(m.Text) + ", \"style\": \"" + m.Style + "\"}";
  return json + "]";
}

template <typename Item, typename ToJson>
std::string JsonArray(const std::vector<Item>& items, ToJson toJson) {
  std::string json = "[";
  for (const Item& item : items) json += (json.size() > 1 ? ", " : "") + toJson(item);
  return json + "]";
}

const char* PlaceName(CellPlace place) {
  switch (place) {
    case CellPlace::Left: return "left";
    case CellPlace::Centre: return "centre";
    case CellPlace::Right: return "right";
  }
  return "left";
}

std::string TableJson(const ResultTable& table) {
  std::vector<int> rows(static_cast<std::size_t>(table.Rows()));
  for (int row = 0; row < table.Rows(); ++row) rows[static_cast<std::size_t>(row)] = row;
  const auto cells = [&](int row) { return JsonArray(table.Cells[row], JsonString); };
  const auto places = [&](int row) {
    std::string json = "[";
    for (int col = 0; col < table.Cols(); ++col)
      json += std::string(col ? ", " : "") + "\"" + PlaceName(PlaceOf(table, row, col)) + "\"";
    return json + "]";
  };
  const std::string copy =
      CopyCells(table, 0, 0, table.Rows() - 1, table.Cols() - 1, [](int, int) { return true; });
  return "{\"caption\": " + JsonString(table.Caption) +
         ", \"label1\": " + JsonString(table.Label1) + ", \"label2\": " + JsonString(table.Label2) +
         ", \"cells\": " + JsonArray(rows, cells) + ", \"places\": " + JsonArray(rows, places) +
         ", \"copy\": " + JsonString(copy) + "}";
}

// The report as the Print command prints it at once after an analysis: input data and results.
std::string ReportText(const ModelStore& model, const StructureResults& results) {
  std::ostringstream text;
  std::ostringstream failures;
  TextReportPrinter printer(text);
  ConsoleMessages messages(failures);
  return PrintReport(model, results, printer, messages, PrintOptions(results)) ==
                 PrintOutcome::Printed
             ? text.str()
             : failures.str();
}

// The diagrams of the type, named and captioned as the Diagrams window offers them.
std::string DiagramsJson(const std::string& typeCode) {
  return JsonArray(QuantitiesOfType(typeCode), [&](DiagramQuantity q) {
    return "{\"name\": " + JsonString(QuantityName(typeCode, q)) +
           ", \"caption\": " + JsonString(QuantityCaption(q)) + "}";
  });
}

}  // namespace

std::string PageSession::Captions() {
  const auto caption = [](MenuItem item) { return JsonString(MenuItemName(item)); };
  return "{\"open\": " + caption(MenuItem::MnuProjOpen) +
         ", \"analyze\": " + caption(MenuItem::MnuAna) +
         ", \"jointDisplacements\": " + caption(MenuItem::MnuJtDispl) +
         ", \"memberForces\": " + caption(MenuItem::MnuMemForce) +
         ", \"supportReactions\": " + caption(MenuItem::MnuReact) +
         ", \"diagrams\": " + caption(MenuItem::MnuDiagrams) +
         ", \"print\": " + caption(MenuItem::MnuProjPrint) +
         ", \"help\": " + caption(MenuItem::MnuHelp) +
         ", \"precision\": " + caption(MenuItem::MnuProjPrecision) + ", \"precisions\": [" +
         JsonString(PrecisionName(AnalysisPrecision::Single)) + ", " +
         JsonString(PrecisionName(AnalysisPrecision::Double)) +
         "], \"multiplier\": " + JsonString(kMultiplierName) + "}";
}

std::string PageSession::Open(const std::string& name, const std::string& text) {
  ModelStore read;
  read.ProjectFile = name;
  std::vector<PageMessage> messages;
  if (RunResult error = ReadProjectText(read, text))
    messages.push_back({kFileReadingTitle, RunErrorText(*error), "stop"});
  const bool opened = !read.StructType.empty();
  if (opened) {
    model_ = std::move(read);
    session_ = ProjectSession(model_);
  }
  return "{\"opened\": " + std::string(opened ? "true" : "false") +
         ", \"title\": " + JsonString(model_.ProjectTitle) +
         ", \"messages\": " + MessagesJson(messages) +
         ", \"svg\": " + JsonString(session_.Open() ? Drawing() : "") + "}";
}

std::string PageSession::Analyze(bool doublePrecision) {
  if (!session_.Open()) return "{\"complete\": false, \"messages\": []}";
  session_.DropAnalysis();
  const AnalysisRun run =
      CheckAndAnalyze(model_, AvailableMemoryBytes(), false,
                      doublePrecision ? AnalysisPrecision::Double : AnalysisPrecision::Single);
  if (run.Rejected)
    return "{\"complete\": false, \"messages\": " +
           MessagesJson({{kInputDataErrorTitle, run.RejectionText, "stop"}}) +
           ", \"svg\": " + JsonString(Drawing()) + "}";
  const StructureResults& results = run.Results;
  session_.ShowRun(run);
  const MultiplierEntry& multiplier = session_.Multiplier();
  std::vector<PageMessage> messages{{kAnalysisResultsTitle, AnalysisOutcomeText(model_, run),
                                     results.Complete() ? "question" : "stop"}};
  if (!run.AccuracyNote.empty())
    messages.push_back({kAnalysisAccuracyTitle, run.AccuracyNote, "information"});
  std::string tables = "[]";
  std::string diagrams = "[]";
  std::string report;
  if (results.Complete()) {
    std::vector<ResultTable> built;
    for (FormId form : {FormId::Disp, FormId::MbForce, FormId::Reac})
      built.push_back(BuildResultTable(model_, results, form));
    tables = JsonArray(built, TableJson);
    diagrams = DiagramsJson(model_.StructType);
    report = ReportText(model_, results);
  }
  return "{\"complete\": " + std::string(results.Complete() ? "true" : "false") +
         ", \"messages\": " + MessagesJson(messages) + ", \"svg\": " + JsonString(Drawing()) +
         ", \"multiplier\": " + JsonString(multiplier.Text()) +
         ", \"choices\": " + JsonArray(multiplier.Choices(), JsonString) +
         ", \"tables\": " + tables + ", \"diagrams\": " + diagrams +
         ", \"report\": " + JsonString(report) + "}";
}

std::string PageSession::EnterMultiplier(const std::string& text) {
  MultiplierEntry& multiplier = session_.Multiplier();
  const std::string refusal = multiplier.Enter(text);
  std::vector<PageMessage> messages;
  if (!refusal.empty()) messages.push_back({kMultiplierName, refusal, "stop"});
  return "{\"messages\": " + MessagesJson(messages) +
         ", \"multiplier\": " + JsonString(multiplier.Text()) +
         ", \"svg\": " + JsonString(session_.Open() ? Drawing() : "") + "}";
}

std::string PageSession::DiagramPicture(const std::string& name) const {
  const std::optional<DiagramQuantity> quantity = QuantityNamed(name);
  const std::vector<DiagramQuantity> offered = QuantitiesOfType(model_.StructType);
  if (!session_.ResultsShown() || !quantity ||
      std::find(offered.begin(), offered.end(), *quantity) == offered.end())
    return "";
  std::ostringstream failures;
  ConsoleMessages messages(failures);
  return StructurePictureSvg(model_, session_.Results(), PictureContent{true, quantity},
                             session_.Multiplier().Value(), messages);
}

std::string PageSession::PickText(const std::string& kind, int number) const {
  PickedItem item;
  item.What = kind == "joint"    ? PickedItem::Kind::Joint
              : kind == "member" ? PickedItem::Kind::Member
                                 : PickedItem::Kind::None;
  item.Number = number;
  if (!session_.Open() || item.What == PickedItem::Kind::None) return "";
  return PickedItemText(model_, session_.Results(), item);
}

// The structure, and after an analysis its deformed shape (or its mechanism) at the multiplier
// in use; a drawing failure's message is left out, what was drawn stays.
std::string PageSession::Drawing() const {
  std::ostringstream failures;
  ConsoleMessages messages(failures);
  const PictureContent content{session_.Analysis().has_value(), std::nullopt};
  return StructurePictureSvg(model_, session_.Results(), content, session_.Multiplier().Value(),
                             messages);
}

}  // namespace stavelorn
