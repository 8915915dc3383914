// The rules of a moving load as the user states it: a train typed as text (the batch tool's
// --train) or in the Moving Load panel's table, the named trains offered there (stated in kN and
// m, converted to the project's units), and the words the panel shows of a train's worst places.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "analysis/MovingLoad.h"
#include "model/Units.h"

namespace stavelorn {

// The Moving Load panel's words: its title, the train chooser (the student's own train first,
// then the presets), the table of loads, the lane load, the direction (in TrainDirection's order)
// and the envelope's button.
inline constexpr char kMovingLoadTitle[] = "Moving Load";
inline constexpr char kTrainCaption[] = "&Train:";
inline constexpr char kOwnTrainName[] = "Your own train";
inline constexpr const char* kTrainColumns[] = {"Load", "Offset"};
inline constexpr int kTrainTableRows = 8;
inline constexpr char kLaneLoadCaption[] = "&Lane load:";
inline constexpr char kDirectionCaption[] = "Di&rection:";
inline constexpr const char* kTrainDirections[] = {"Both ways", "As given", "Reversed"};
inline constexpr char kEnvelopeCaption[] = "&Envelope Along Member...";

struct TrainPreset {
  const char* Name;
  std::vector<TrainLoad> Loads;  // kN at offsets in m
  double Lane;                   // kN/m
};

// The named trains, in the order the panel lists them.
const std::vector<TrainPreset>& TrainPresets();

// The preset in the project's units (as stated, kN and m, when the project names none).
LoadTrain PresetInUnits(const TrainPreset& preset, const UnitSystem& units);

struct TrainReading {
  LoadTrain Train;
  std::string Problem;  // "" when the train was read and can travel
};

// "P1[@0],P2@D2,...": the first load's offset may be left out (it is 0), every other load's not.
TrainReading ReadTrainText(const std::string& text);

// The panel's table, one load and its offset per row (rows left blank skipped), and its lane
// load's field (blank: none). A problem names the row or the field.
using TrainRow = std::array<std::string, 2>;
TrainReading ReadTrainRows(const std::vector<TrainRow>& rows, const std::string& lane);

// A lane load as typed (blank: 0), or nothing when the text is not a number.
std::optional<double> ReadLaneLoad(const std::string& text);

// The train as the table's rows and the lane load's field show it.
std::vector<TrainRow> RowsOfTrain(const LoadTrain& train);
std::string LaneText(const LoadTrain& train);

// "max 123.4 kN·m: first load at 12.5 m (member 2), train reversed", the unit texts given ("" in
// a project without units); "max 12.5: lane load only" for a train without loads.
std::string PlacementText(const char* which, const TrainPlacement& placement,
                          const std::string& valueUnit, const std::string& lengthUnit);

}  // namespace stavelorn
