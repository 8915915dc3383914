#include "web/PageMovingLoad.h"

#include <algorithm>
#include <iterator>

#include "analysis/MemberAxes.h"
#include "analysis/MovingLoadEnvelope.h"
#include "app/InfluenceChoice.h"
#include "app/InfluencePrint.h"
#include "app/MovingLoadChoice.h"
#include "app/MovingLoadReport.h"
#include "graphics/EnvelopeDrawing.h"
#include "graphics/InfluenceDrawing.h"
#include "graphics/StructurePicture.h"
#include "graphics/SvgPicture.h"
#include "model/NumberText.h"
#include "reports/InfluenceWhat.h"
#include "reports/JsonText.h"
#include "web/PageJson.h"

namespace stavelorn {

namespace {

// A caption as the panel shows it, without its access mark.
std::string Shown(const char* caption) {
  std::string text = caption;
  text.erase(std::remove(text.begin(), text.end(), '&'), text.end());
  return JsonString(text);
}

std::string Problem(const std::string& problem) {
  return "{\"problem\": " + JsonString(problem) + "}";
}

// The train as typed, or why it cannot travel.
TrainReading ReadTrain(const std::vector<std::string>& cells, const std::string& lane,
                       int direction) {
  std::vector<TrainRow> rows;
  for (std::size_t i = 0; i < cells.size(); i += 2)
    rows.push_back({cells[i], i + 1 < cells.size() ? cells[i + 1] : ""});
  TrainReading reading = ReadTrainRows(rows, lane);
  if (direction < 0 || static_cast<std::size_t>(direction) >= std::size(kTrainDirections))
    reading.Problem = "No such direction.";
  else
    reading.Train.Direction = static_cast<TrainDirection>(direction);
  return reading;
}

// The train and the internal force as the panel gives them, or why it cannot take them.
struct PanelEntry {
  LoadTrain Train;
  DiagramQuantity Quantity = DiagramQuantity::Mz;
  std::string Problem;
};

PanelEntry ReadEntry(const ModelStore& model, const std::string& quantity,
                     const std::vector<std::string>& cells, const std::string& lane,
                     int direction) {
  const TrainReading reading = ReadTrain(cells, lane, direction);
  PanelEntry entry{reading.Train, DiagramQuantity::Mz, reading.Problem};
  const std::optional<DiagramQuantity> named = QuantityNamed(quantity);
  const std::vector<DiagramQuantity> offered = QuantitiesOfType(model.StructType);
  if (named && std::find(offered.begin(), offered.end(), *named) != offered.end())
    entry.Quantity = *named;
  else if (entry.Problem.empty())
    entry.Problem = "No such quantity: \"" + quantity + "\".";
  return entry;
}

ResultTable EnvelopeTable(const ModelStore& model, const MovingLoadEnvelope& envelope) {
  ResultTable table;
  table.Caption = EnvelopeTitle(model, envelope);
  table.Label1 = model.ProjectTitle;
  table.Label2 = kMovingLoadTitle;
  table.Cells.emplace_back(std::begin(kEnvelopeHeadings), std::end(kEnvelopeHeadings));
  for (const std::array<std::string, 5>& row : EnvelopeRows(envelope))
    table.Cells.emplace_back(row.begin(), row.end());
  SizePageTable(table, {1000, 1400, 1600, 1400, 1600});
  return table;
}

}  // namespace

PageMovingLoad::PageMovingLoad(PageSession& page) : page_(page) {}

std::string PageMovingLoad::Form(int member) const {
  const ModelStore& model = page_.model_;
  const std::optional<MemberAxes> axes = MemberLocalAxes(model, member);
  if (!page_.session_.ResultsShown() || !axes) return "";
  std::vector<std::string> trains{kOwnTrainName};
  for (const TrainPreset& preset : TrainPresets()) trains.push_back(preset.Name);
  const std::vector<DiagramQuantity> quantities = QuantitiesOfType(model.StructType);
  return "{\"title\": " + JsonString(kMovingLoadTitle) + ", \"member\": " + std::to_string(member) +
         ", \"train\": " + Shown(kTrainCaption) + ", \"trains\": " + JsonArray(trains, JsonString) +
         ", \"columns\": [" + Shown(kTrainColumns[0]) + ", " + Shown(kTrainColumns[1]) +
         "], \"rows\": " + std::to_string(kTrainTableRows) +
         ", \"lane\": " + Shown(kLaneLoadCaption) + ", \"direction\": " + Shown(kDirectionCaption) +
         ", \"directions\": [" + Shown(kTrainDirections[0]) + ", " + Shown(kTrainDirections[1]) +
         ", " + Shown(kTrainDirections[2]) + "], \"quantities\": " +
         JsonArray(quantities,
                   [&](DiagramQuantity q) {
                     return "{\"name\": " + JsonString(QuantityName(model.StructType, q)) +
                            ", \"caption\": " + JsonString(QuantityCaption(q)) + "}";
                   }) +
         ", \"quantity\": \"Quantity:\", \"section\": \"x:\", \"x\": " +
         JsonString(FormatShortest(static_cast<float>(PickedSection(0.5, axes->Length)))) +
         ", \"envelope\": " + Shown(kEnvelopeCaption) + "}";
}

std::string PageMovingLoad::Preset(int index) const {
  if (index < 1 || static_cast<std::size_t>(index) > TrainPresets().size()) return "";
  const LoadTrain train =
      PresetInUnits(TrainPresets()[static_cast<std::size_t>(index - 1)], page_.model_.Units);
  return "{\"rows\": " +
         JsonArray(RowsOfTrain(train),
                   [](const TrainRow& row) {
                     return "[" + JsonString(row[0]) + ", " + JsonString(row[1]) + "]";
                   }) +
         ", \"lane\": " + JsonString(LaneText(train)) + "}";
}

std::string PageMovingLoad::Place(int member, const std::string& quantity, const std::string& x,
                                  const std::vector<std::string>& cells, const std::string& lane,
                                  int direction) const {
  if (!page_.session_.ResultsShown()) return "";
  const ModelStore& model = page_.model_;
  const PanelEntry entry = ReadEntry(model, quantity, cells, lane, direction);
  if (!entry.Problem.empty()) return Problem(entry.Problem);
  const std::optional<double> section = ReadFiniteNumber(x);
  if (!section) return Problem("The section x \"" + x + "\" is not a number.");
  InfluenceQuantity studied;
  studied.Kind = InfluenceKind::Internal;
  studied.Item = member;
  studied.X = *section;
  studied.Quantity = entry.Quantity;
  const InfluenceResult result = ComputeInfluenceLine(model, page_.session_.Results(), studied);
  if (!result.Problem.empty()) return Problem(result.Problem);
  const MovingLoadExtremes worst = WorstPlacements(result.Line, entry.Train);
  const ShownTrain shown = TrainAtLargerExtreme(entry.Train, worst);
  RecordingCanvas canvas;
  DrawInfluenceLine(model, result.Line, canvas, &shown);
  const std::vector<std::string> lines = MovingLoadLines(model, entry.Train, worst);
  const std::string name = InfluenceName(model, studied);
  return "{\"problem\": \"\", \"name\": " + JsonString(name) +
         ", \"lines\": " + JsonArray(lines, JsonString) + ", \"svg\": " +
         JsonString(SvgPictureColumn({&canvas}, kPictureWidth, {model.ProjectTitle, {name}})) + "}";
}

std::string PageMovingLoad::Envelope(int member, const std::string& quantity,
                                     const std::vector<std::string>& cells, const std::string& lane,
                                     int direction) const {
  if (!page_.session_.ResultsShown()) return "";
  const ModelStore& model = page_.model_;
  const PanelEntry entry = ReadEntry(model, quantity, cells, lane, direction);
  if (!entry.Problem.empty()) return Problem(entry.Problem);
  const EnvelopeResult result = ComputeMovingLoadEnvelope(model, page_.session_.Results(), member,
                                                          entry.Quantity, {}, entry.Train);
  if (!result.Problem.empty()) return Problem(result.Problem);
  const ResultTable table = EnvelopeTable(model, result.Envelope);
  RecordingCanvas canvas;
  DrawMovingLoadEnvelope(result.Envelope, QuantityName(model.StructType, entry.Quantity), canvas);
  return "{\"problem\": \"\", \"title\": " + JsonString(table.Caption) +
         ", \"table\": " + ResultTableJson(table) + ", \"svg\": " +
         JsonString(
             SvgPictureColumn({&canvas}, kPictureWidth, {model.ProjectTitle, {table.Caption}})) +
         "}";
}

}  // namespace stavelorn
