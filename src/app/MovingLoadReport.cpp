#include "app/MovingLoadReport.h"

#include <cstdio>

#include "app/MovingLoadChoice.h"
#include "model/NumberText.h"

namespace stavelorn {

namespace {

std::string Shortest(double value) {
  return FormatShortest(static_cast<float>(value));
}

std::string UnitsNote(const ModelStore& model) {
  if (!model.Units.Named) return "";
  return " (" + UnitText(model.Units, Quantity::Force) + ", " +
         UnitText(model.Units, Quantity::Length) + ")";
}

// Where the first load stands for an extreme, in a column of the envelope's table.
std::string PlaceText(const TrainPlacement& p) {
  if (!p.Standing) return "lane only";
  return Shortest(p.Position) + (p.Member ? " m" + std::to_string(p.Member) : " off") +
         (p.Reversed ? " rev" : "");
}

}  // namespace

std::vector<std::string> MovingLoadLines(const ModelStore& model, const LoadTrain& train,
                                         const MovingLoadExtremes& worst) {
  std::string loads;
  for (const TrainLoad& load : train.Loads)
    loads += (loads.empty() ? "" : ", ") + Shortest(load.Load) + " at " + Shortest(load.Offset);
  std::string first =
      "Moving load: " + (loads.empty() ? std::string("no concentrated load") : loads);
  if (train.Lane != 0) first += "; lane load " + Shortest(train.Lane);
  const std::string length = UnitText(model.Units, Quantity::Length);
  return {first + UnitsNote(model), PlacementText("Greatest", worst.Max, "", length),
          PlacementText("Least", worst.Min, "", length)};
}

std::vector<std::array<std::string, 5>> EnvelopeRows(const MovingLoadEnvelope& envelope) {
  std::vector<std::array<std::string, 5>> rows;
  for (const EnvelopeStation& s : envelope.Stations)
    rows.push_back({Shortest(s.X), Shortest(s.Worst.Max.Value), PlaceText(s.Worst.Max),
                    Shortest(s.Worst.Min.Value), PlaceText(s.Worst.Min)});
  return rows;
}

std::string EnvelopeTitle(const ModelStore& model, const MovingLoadEnvelope& envelope) {
  return "Envelope of " + QuantityName(model.StructType, envelope.Quantity) + " along member " +
         std::to_string(envelope.Member) + UnitsNote(model);
}

std::vector<std::string> EnvelopeLines(const ModelStore& model,
                                       const MovingLoadEnvelope& envelope) {
  std::vector<std::string> lines{EnvelopeTitle(model, envelope),
                                 "         x        max  first load at        min  first load at"};
  for (const std::array<std::string, 5>& r : EnvelopeRows(envelope)) {
    char row[120];
    std::snprintf(row, sizeof row, "%10s %10s  %-13s %10s  %s", r[0].c_str(), r[1].c_str(),
                  r[2].c_str(), r[3].c_str(), r[4].c_str());
    lines.push_back(row);
  }
  return lines;
}

}  // namespace stavelorn
