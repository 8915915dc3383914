#include "web/PageStability.h"

#include <cstdio>
#include <sstream>

#include "app/MenuState.h"
#include "app/SecondOrderTables.h"
#include "app/StabilityOptions.h"
#include "editors/FieldRules.h"
#include "graphics/BucklingModeDrawing.h"
#include "graphics/DeflectedShape.h"
#include "graphics/Drawing.h"
#include "graphics/StructurePicture.h"
#include "graphics/SvgPicture.h"
#include "reports/JsonText.h"
#include "ui/ConsoleMessages.h"
#include "web/PageJson.h"
#include "web/PageMessages.h"

namespace stavelorn {

namespace {

std::string Caption(MenuItem item) {
  return JsonString(MenuItemName(item));
}

// The load factors as the critical load's window lists them, a row for each mode.
ResultTable LoadFactorTable(const ModelStore& model, const CriticalLoads& loads) {
  ResultTable table;
  table.Caption = kCriticalLoadTitle;
  table.Label1 = model.ProjectTitle;
  table.Label2 = "Load factors";
  table.Cells.push_back({"Mode", "Load factor"});
  for (std::size_t i = 0; i < loads.Modes.size(); ++i) {
    char factor[32];
    std::snprintf(factor, sizeof factor, "%.5g", loads.Modes[i].LoadFactor);
    table.Cells.push_back({std::to_string(i + 1), factor});
  }
  SizePageTable(table, {800, 1500});
  return table;
}

}  // namespace

PageStability::PageStability(PageSession& page) : page_(page) {}

bool PageStability::Offered() const {
  const ProjectSession& session = page_.session_;
  return MenuState(session.CurrentPhase(), page_.model_).Visible(MenuItem::MnuStability);
}

std::string PageStability::Menu() const {
  return "{\"offered\": " + std::string(Offered() ? "true" : "false") +
         ", \"menu\": " + Caption(MenuItem::MnuStability) +
         ", \"criticalLoad\": " + Caption(MenuItem::MnuCriticalLoad) +
         ", \"secondOrder\": " + Caption(MenuItem::MnuSecondOrder) +
         ", \"options\": " + Caption(MenuItem::MnuStabilityOptions) + "}";
}

std::string PageStability::OptionsForm() const {
  const StabilityOptionsForm form = StabilityOptionsForm::Load(page_.session_.Stability());
  std::string fields = "[";
  for (std::size_t i = 0; i < kStabilityFieldCount; ++i) {
    const StabilityField& field = StabilityFields()[i];
    fields += std::string(i ? ", " : "") + "{\"label\": " + JsonString(field.Name) +
              ", \"text\": " + JsonString(form.Texts[i]) +
              ", \"low\": " + std::to_string(field.Low) +
              ", \"high\": " + std::to_string(field.High) + "}";
  }
  return "{\"title\": " + JsonString(kStabilityOptionsTitle) +
         ", \"note\": " + JsonString(kStabilityOptionsNote) + ", \"fields\": " + fields + "]}";
}

std::string PageStability::ChooseOptions(const std::vector<std::string>& texts) {
  StabilityOptionsForm form;
  for (std::size_t i = 0; i < kStabilityFieldCount && i < texts.size(); ++i)
    form.Texts[i] = texts[i];
  const StabilityOptionsForm::Refusal refusal = form.Check();
  PageMessages messages;
  if (refusal.Text.empty())
    page_.session_.ChooseStability(form.Chosen());
  else
    messages.ShowStop(kFieldErrorTitle, refusal.Text);
  return "{\"messages\": " + messages.TakeMessagesJson() +
         ", \"field\": " + (refusal.Text.empty() ? "-1" : std::to_string(refusal.Field)) + "}";
}

std::string PageStability::CriticalLoad() {
  if (!Offered()) return "";
  ProjectSession& session = page_.session_;
  session.AddGeometricStiffnessToTrail();
  options_ = session.Stability();
  loads_ = ComputeCriticalLoads(page_.model_, session.Results(), options_.Modes, options_.Segments);
  model_ = page_.model_;
  PageMessages messages;
  if (loads_.Modes.empty()) {
    messages.ShowInformation(kCriticalLoadTitle, loads_.Message);
    return "{\"messages\": " + messages.TakeMessagesJson() + "}";
  }
  std::vector<std::string> captions;
  for (std::size_t i = 0; i < loads_.Modes.size(); ++i)
    captions.push_back(BucklingModeCaption(loads_.Modes[i], static_cast<int>(i) + 1));
  return "{\"title\": " + JsonString(kCriticalLoadTitle) +
         ", \"messages\": " + messages.TakeMessagesJson() +
         ", \"pieces\": " + JsonString(LoadFactorsText(options_)) +
         ", \"note\": " + JsonString(loads_.Message) +
         ", \"modes\": " + JsonArray(captions, JsonString) +
         ", \"table\": " + ResultTableJson(LoadFactorTable(model_, loads_)) +
         ", \"svg\": " + JsonString(BucklingModePicture(1)) + "}";
}

std::string PageStability::BucklingModePicture(int mode) const {
  if (mode < 1 || static_cast<std::size_t>(mode) > loads_.Modes.size()) return "";
  std::ostringstream failures;
  ConsoleMessages messages(failures);
  RecordingCanvas canvas;
  DrawBucklingMode(model_, loads_.Modes[static_cast<std::size_t>(mode - 1)], mode,
                   options_.Segments, canvas, messages);
  return SvgPictureColumn({&canvas}, kPictureWidth,
                          {model_.ProjectTitle, {LoadFactorsText(options_)}});
}

std::string PageStability::SecondOrder() {
  if (!Offered()) return "";
  ProjectSession& session = page_.session_;
  session.AddGeometricStiffnessToTrail();
  const StabilityOptions options = session.Stability();
  SecondOrderRun run = AnalyzeSecondOrder(page_.model_, session.Results(), options.Segments);
  PageMessages messages;
  if (!run.Settled) {
    messages.ShowStop(kSecondOrderTitle, run.Message);
    return "{\"messages\": " + messages.TakeMessagesJson() + "}";
  }
  const std::string how = SecondOrderRunText(run, options);
  session.KeepSecondOrder(std::move(run));
  const SecondOrderRun& kept = *session.Analysis()->SecondOrder;
  std::string tables = "[";
  for (const AmplificationTableChoice& choice : kAmplificationTables)
    tables += std::string(tables.size() > 1 ? ", " : "") + "{\"name\": " + JsonString(choice.Name) +
              ", \"table\": " +
              ResultTableJson(AmplificationTable(page_.model_, kept.FirstOrder, kept.SecondOrder,
                                                 choice.Form)) +
              "}";
  const std::string pictures = SecondOrderPictures(0);
  return "{\"title\": " + JsonString(kSecondOrderTitle) +
         ", \"messages\": " + messages.TakeMessagesJson() + ", \"how\": " + JsonString(how) +
         ", \"drawings\": " +
         JsonArray(SecondOrderDrawingChoices(page_.model_.StructType), JsonString) +
         ", \"tables\": " + tables + "], " + pictures.substr(1);
}

std::string PageStability::SecondOrderPictures(int choice) const {
  const std::optional<ShownAnalysis>& shown = page_.session_.Analysis();
  const ModelStore& model = page_.model_;
  const std::vector<DiagramQuantity> quantities = QuantitiesOfType(model.StructType);
  if (!shown || !shown->SecondOrder || choice < 0 ||
      static_cast<std::size_t>(choice) > quantities.size())
    return "";
  const SecondOrderRun& run = *shown->SecondOrder;
  // Both shapes at the multiplier the second-order one takes, so that their sizes compare.
  const std::int32_t multiplier =
      AutomaticDeflectionMultiplier(model, run.SecondOrder, DrawingView().Multiplier);
  PictureContent content{choice == 0, std::nullopt};
  if (choice > 0) content.Diagram = quantities[static_cast<std::size_t>(choice - 1)];
  std::ostringstream failures;
  ConsoleMessages messages(failures);
  return "{\"first\": " +
         JsonString(StructurePictureSvg(model, run.FirstOrder, content, multiplier, messages)) +
         ", \"second\": " +
         JsonString(StructurePictureSvg(model, run.SecondOrder, content, multiplier, messages)) +
         "}";
}

}  // namespace stavelorn
