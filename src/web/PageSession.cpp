#include "web/PageSession.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include "analysis/AccuracyGuard.h"
#include "analysis/AnalysisRun.h"
#include "analysis/ModelCheck.h"
#include "app/MemberDiagramTable.h"
#include "app/MenuState.h"
#include "app/PickInfo.h"
#include "app/ResultTables.h"
#include "app/ShownViews.h"
#include "graphics/StructurePicture.h"
#include "model/ProjectFile.h"
#include "reports/JsonText.h"
#include "reports/PrintCommand.h"
#include "reports/ResultsJson.h"
#include "reports/TextReportPrinter.h"
#include "ui/ConsoleMessages.h"
#include "web/PageJson.h"
#include "web/PageSteps.h"

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

// The "shown" and "shownIndex" keys after a complete analysis of a project with load cases.
std::string ShownChoicesKeys(const ProjectSession& session) {
  const std::optional<ShownAnalysis>& shown = session.Analysis();
  if (!session.ResultsShown() || shown->Choices.empty()) return "";
  return ", \"shown\": " +
         JsonArray(shown->Choices, [](const ShownChoice& c) { return JsonString(c.Caption); }) +
         ", \"shownIndex\": " + std::to_string(shown->Shown);
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
         ", \"multiplier\": " + JsonString(kMultiplierName) +
         ", \"steps\": " + caption(MenuItem::MnuSteps) + "}";
}

std::string PageSession::Open(const std::string& name, const std::string& text) {
  ModelStore read;
  read.ProjectFile = name;
  std::vector<PageMessage> messages;
  const RunResult error = ReadProjectText(read, text);
  if (error) messages.push_back({kFileReadingTitle, RunErrorText(*error), "stop"});
  const bool opened = !read.StructType.empty();
  if (opened) {
    model_ = std::move(read);
    session_ = ProjectSession(model_, !error);  // what a damaged file gave is not saved anywhere
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
      CheckAndAnalyze(model_, AvailableMemoryBytes(), true,
                      doublePrecision ? AnalysisPrecision::Double : AnalysisPrecision::Single);
  if (run.Rejected)
    return "{\"complete\": false, \"messages\": " +
           MessagesJson({{kInputDataErrorTitle, run.RejectionText, "stop"}}) +
           ", \"svg\": " + JsonString(Drawing()) + "}";
  const StructureResults& results = run.Results;
  session_.ShowRun(run);
  analysisSeconds_ = run.Seconds;
  const MultiplierEntry& multiplier = session_.Multiplier();
  std::vector<PageMessage> messages{{kAnalysisResultsTitle, AnalysisOutcomeText(model_, run),
                                     results.Complete() ? "question" : "stop"}};
  if (!run.AccuracyNote.empty())
    messages.push_back({kAnalysisAccuracyTitle, run.AccuracyNote, "information"});
  std::string tables = "[]";
  std::string forceRowMembers = "[]";
  std::string diagrams = "[]";
  std::string report;
  if (results.Complete()) {
    std::vector<ResultTable> built;
    for (FormId form : {FormId::Disp, FormId::MbForce, FormId::Reac})
      built.push_back(BuildResultTable(model_, results, form));
    // The turned supports' reactions in their own axes follow the global ones.
    if (std::optional<ResultTable> local = SupportAxesReactionTable(model_, results))
      built.push_back(*local);
    tables = JsonArray(built, ResultTableJson);
    const ResultTable& forces = built[1];
    std::vector<int> members;
    for (int row = 1; row < forces.Rows(); ++row) members.push_back(MemberOfForceRow(model_, row));
    forceRowMembers = JsonArray(members, [](int member) { return std::to_string(member); });
    diagrams = DiagramsJson(model_.StructType);
    report = ReportText(model_, results);
  }
  return "{\"complete\": " + std::string(results.Complete() ? "true" : "false") +
         ShownChoicesKeys(session_) + ", \"messages\": " + MessagesJson(messages) +
         ", \"svg\": " + JsonString(Drawing()) +
         ", \"multiplier\": " + JsonString(multiplier.Text()) +
         ", \"choices\": " + JsonArray(multiplier.Choices(), JsonString) +
         ", \"tables\": " + tables + ", \"forceRowMembers\": " + forceRowMembers +
         ", \"diagrams\": " + diagrams + ", \"report\": " + JsonString(report) + "}";
}

std::string PageSession::ChooseShown(int choice) {
  const std::optional<ShownAnalysis>& shown = session_.Analysis();
  if (!session_.ResultsShown() || choice < 0 ||
      static_cast<std::size_t>(choice) >= shown->Choices.size())
    return "";
  session_.ChooseShown(static_cast<std::size_t>(choice));
  std::vector<ResultTable> tables;
  for (FormId form : {FormId::Disp, FormId::MbForce, FormId::Reac})
    tables.push_back(ShownResultTable(session_, form));
  return "{\"shownIndex\": " + std::to_string(choice) +
         ", \"noSteps\": " + JsonString(session_.NoTrailReason()) +
         ", \"tables\": " + JsonArray(tables, ResultTableJson) +
         ", \"svg\": " + JsonString(Drawing()) + "}";
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
  return StructurePictureSvg(session_.ShownModel(), session_.ShownResults(),
                             PictureContent{true, quantity}, session_.Multiplier().Value(),
                             messages);
}

std::string PageSession::PickText(const std::string& kind, int number) const {
  PickedItem item;
  item.What = kind == "joint"    ? PickedItem::Kind::Joint
              : kind == "member" ? PickedItem::Kind::Member
                                 : PickedItem::Kind::None;
  item.Number = number;
  if (!session_.Open() || item.What == PickedItem::Kind::None) return "";
  return PickedItemText(session_.ShownModel(), session_.ShownResults(), item);
}

std::string PageSession::MethodStep(int step, int marked) const {
  const MethodTrail* trail = session_.ShownTrail();
  if (!trail) return "";
  return MethodStepJson(session_.ShownModel(), session_.ShownResults(), *trail, step, marked);
}

std::string PageSession::MemberDiagrams(int member) const {
  return session_.ResultsShown()
             ? MemberDiagramsJson(session_.ShownModel(), session_.ShownResults(), member)
             : "";
}

// The structure, and after an analysis its deformed shape (or its mechanism) at the multiplier
// in use; a drawing failure's message is left out, what was drawn stays.
std::string PageSession::Drawing() const {
  std::ostringstream failures;
  ConsoleMessages messages(failures);
  const PictureContent content{session_.Analysis().has_value(), std::nullopt};
  return StructurePictureSvg(session_.ShownModel(), session_.ShownResults(), content,
                             session_.Multiplier().Value(), messages);
}

}  // namespace stavelorn
