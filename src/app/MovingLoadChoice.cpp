#include "app/MovingLoadChoice.h"

#include <cmath>

#include "model/NumberText.h"
#include "reports/InfluenceWhat.h"

namespace stavelorn {

namespace {

std::string Trimmed(std::string text) {
  text.erase(text.find_last_not_of(" \t") + 1);
  return text.erase(0, text.find_first_not_of(" \t"));
}

std::string Shortest(double value) {
  return FormatShortest(static_cast<float>(value));
}

std::string WithUnit(const std::string& number, const std::string& unit) {
  return unit.empty() ? number : number + " " + unit;
}

TrainReading Checked(TrainReading reading) {
  if (reading.Problem.empty()) reading.Problem = LoadTrainProblem(reading.Train);
  return reading;
}

}  // namespace

const std::vector<TrainPreset>& TrainPresets() {
  static const std::vector<TrainPreset> presets = {
      {"Three-axle truck, 35 + 145 + 145 kN at 4.3 m", {{35, 0}, {145, 4.3}, {145, 8.6}}, 0},
      {"Three-axle truck with lane load 9.3 kN/m", {{35, 0}, {145, 4.3}, {145, 8.6}}, 9.3},
      {"Tandem, 2 x 110 kN at 1.2 m", {{110, 0}, {110, 1.2}}, 0},
      {"Single axle, 100 kN", {{100, 0}}, 0},
      {"Four-axle locomotive, 4 x 250 kN", {{250, 0}, {250, 1.8}, {250, 8.2}, {250, 10}}, 0},
      {"Lane load alone, 10 kN/m", {}, 10},
  };
  return presets;
}

LoadTrain PresetInUnits(const TrainPreset& preset, const UnitSystem& units) {
  const UnitSystem stated = NamedUnits(ForceUnit::kN, LengthUnit::m, TemperatureUnit::C);
  const double force = static_cast<double>(ConversionFactor(Quantity::Force, stated, units));
  const double length = static_cast<double>(ConversionFactor(Quantity::Length, stated, units));
  const double lane =
      static_cast<double>(ConversionFactor(Quantity::ForcePerLength, stated, units));
  LoadTrain train;
  for (const TrainLoad& load : preset.Loads)
    train.Loads.push_back({load.Load * force, load.Offset * length});
  train.Lane = preset.Lane * lane;
  return train;
}

TrainReading ReadTrainText(const std::string& text) {
  TrainReading reading;
  std::size_t start = 0;
  for (int index = 1;; ++index) {
    const std::size_t comma = text.find(',', start);
    const std::string item =
        text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    const std::size_t at = item.find('@');
    const std::optional<double> load = ReadFiniteNumber(item.substr(0, at));
    std::optional<double> offset = 0.0;
    if (at != std::string::npos) offset = ReadFiniteNumber(item.substr(at + 1));
    const std::string named = "load " + std::to_string(index) + " \"" + item + "\"";
    if (!load || !offset) {
      reading.Problem = named + " is not LOAD@OFFSET";
      return reading;
    }
    if (at == std::string::npos && index > 1) {
      reading.Problem = named + " has no @OFFSET";
      return reading;
    }
    reading.Train.Loads.push_back({*load, *offset});
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return Checked(reading);
}

TrainReading ReadTrainRows(const std::vector<TrainRow>& rows, const std::string& lane) {
  TrainReading reading;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const std::string load = Trimmed(rows[r][0]), offset = Trimmed(rows[r][1]);
    if (load.empty() && offset.empty()) continue;
    const std::string row = "Row " + std::to_string(r + 1) + ": ";
    const std::optional<double> p = ReadFiniteNumber(load);
    const std::optional<double> d =
        offset.empty() ? std::optional<double>(0) : ReadFiniteNumber(offset);
    if (!p) reading.Problem = row + "the load \"" + load + "\" is not a number.";
    if (p && !d) reading.Problem = row + "the offset \"" + offset + "\" is not a number.";
    if (!reading.Problem.empty()) return reading;
    reading.Train.Loads.push_back({*p, *d});
  }
  const std::optional<double> w = ReadLaneLoad(lane);
  if (!w) {
    reading.Problem = "The lane load \"" + Trimmed(lane) + "\" is not a number.";
    return reading;
  }
  reading.Train.Lane = *w;
  return Checked(reading);
}

std::optional<double> ReadLaneLoad(const std::string& text) {
  const std::string trimmed = Trimmed(text);
  return trimmed.empty() ? std::optional<double>(0) : ReadFiniteNumber(trimmed);
}

std::vector<TrainRow> RowsOfTrain(const LoadTrain& train) {
  std::vector<TrainRow> rows;
  for (const TrainLoad& load : train.Loads)
    rows.push_back({Shortest(load.Load), Shortest(load.Offset)});
  return rows;
}

std::string LaneText(const LoadTrain& train) {
  return train.Lane == 0 ? "" : Shortest(train.Lane);
}

std::string PlacementText(const char* which, const TrainPlacement& placement,
                          const std::string& valueUnit, const std::string& lengthUnit) {
  std::string text = std::string(which) + " " + WithUnit(Shortest(placement.Value), valueUnit);
  if (!placement.Standing) return text + ": lane load only";
  text += ": first load at " + WithUnit(Shortest(placement.Position), lengthUnit);
  text +=
      placement.Member ? " (member " + std::to_string(placement.Member) + ")" : " (off the path)";
  return placement.Reversed ? text + ", train reversed" : text;
}

}  // namespace stavelorn
