// Trains as the user types them and the named trains in the project's units.
#include "app/MovingLoadChoice.h"

#include <gtest/gtest.h>

#include "analysis/Analysis.h"
#include "app/InfluencePrint.h"
#include "app/MovingLoadReport.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

std::string Loads(const LoadTrain& train) {
  std::string text;
  for (const TrainLoad& load : train.Loads)
    text +=
        (text.empty() ? "" : " ") + std::to_string(load.Load) + "@" + std::to_string(load.Offset);
  return text;
}

TEST(MovingLoadChoice, TrainTextIsLoadsAtOffsets) {
  const struct {
    const char* text;
    const char* loads;
    const char* problem;
  } cases[] = {
      {"35,145@4.3,145@8.6", "35.000000@0.000000 145.000000@4.300000 145.000000@8.600000", ""},
      {"10,x@2", "", "load 2 \"x@2\" is not LOAD@OFFSET"},
      {"10,,5@2", "", "load 2 \"\" is not LOAD@OFFSET"},
      {"10@", "", "load 1 \"10@\" is not LOAD@OFFSET"},
  };
  for (const auto& c : cases) {
    const TrainReading reading = ReadTrainText(c.text);
    EXPECT_EQ(reading.Problem, c.problem) << c.text;
    if (reading.Problem.empty()) {
      EXPECT_EQ(Loads(reading.Train), c.loads) << c.text;
    }
  }
}

TEST(MovingLoadChoice, TheTableNamesTheRowOrFieldAtFault) {
  const struct {
    std::vector<TrainRow> rows;
    const char* lane;
    const char* problem;
  } cases[] = {
      {{{"35", ""}, {"", ""}, {" 145 ", "4.3"}}, "", ""},
      {{}, "9.3", ""},
      {{}, " ", "The train has no load and no lane load."},
      {{{"35", "0"}, {"1O0", "4"}}, "", "Row 2: the load \"1O0\" is not a number."},
      {{{"35", "0"}, {"100", "four"}}, "", "Row 2: the offset \"four\" is not a number."},
      {{{"35", "0"}}, "heavy", "The lane load \"heavy\" is not a number."},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadTrainRows(c.rows, c.lane).Problem, c.problem);
}

TEST(MovingLoadChoice, PresetsAreStatedInKilonewtonsAndMetresAndConvertedExactly) {
  for (const TrainPreset& preset : TrainPresets()) {
    const LoadTrain same = PresetInUnits(preset, UnitSystem{});
    EXPECT_EQ(LoadTrainProblem(same), "") << preset.Name;
    const LoadTrain imperial =
        PresetInUnits(preset, NamedUnits(ForceUnit::kip, LengthUnit::ft, TemperatureUnit::F));
    for (std::size_t i = 0; i < same.Loads.size(); ++i) {
      EXPECT_NEAR(imperial.Loads[i].Load, same.Loads[i].Load / 4.4482216152605, 1e-9);
      EXPECT_NEAR(imperial.Loads[i].Offset, same.Loads[i].Offset / 0.3048, 1e-9);
    }
    EXPECT_NEAR(imperial.Lane, same.Lane / 4.4482216152605 * 0.3048, 1e-9);
    // The table shows the preset back as it is.
    const TrainReading shown = ReadTrainRows(RowsOfTrain(same), LaneText(same));
    EXPECT_EQ(Loads(shown.Train), Loads(same)) << preset.Name;
    EXPECT_EQ(shown.Train.Lane, same.Lane) << preset.Name;
  }
}

TEST(MovingLoadChoice, PlacementTextSaysWhereTheTrainStands) {
  EXPECT_EQ(PlacementText("max", {123.5, true, 12.5, true, 2}, "kN·m", "m"),
            "max 123.5 kN·m: first load at 12.5 m (member 2), train reversed");
  EXPECT_EQ(PlacementText("min", {-3, true, -4, false, 0}, "", ""),
            "min -3: first load at -4 (off the path)");
  EXPECT_EQ(PlacementText("max", {12.5, false, 0, false, 0}, "kN", "m"),
            "max 12.5 kN: lane load only");
}

TEST(MovingLoadChoice, ThePrintedLineEndsWithTheTrainsExtremes) {
  // One load of 10 over the middle of the span of 10 (x = 1 of member 2): a moment of 25 there,
  // never less than 0.
  const ModelStore m = testing::ModelFromFile("tests/reports/golden/influence-beam.str");
  const InfluenceLine line =
      ComputeInfluenceLine(m, Analyze(m), {InfluenceKind::Internal, 2, 0, 1, DiagramQuantity::Mz})
          .Line;
  const LoadTrain train{{{10, 0}}, 0};
  const std::vector<std::string> plain = InfluenceReportLines(m, line);
  const std::vector<std::string> moving = InfluenceReportLines(m, line, &train);
  ASSERT_EQ(moving.size(), plain.size() + 4);
  EXPECT_EQ(std::vector<std::string>(moving.end() - 3, moving.end()),
            (std::vector<std::string>{"     Moving load: 10 at 0",
                                      "     Greatest 25: first load at 5 (member 2)",
                                      "     Least 0: first load at 0 (member 1)"}));
}

// The printed envelope: its title, and each station's five cells in their order, the last ending
// its line.
TEST(MovingLoadChoice, ThePrintedEnvelopeHoldsEveryCellOfItsRows) {
  const ModelStore m = testing::ModelFromFile("tests/reports/golden/influence-beam.str");
  const MovingLoadEnvelope envelope =
      ComputeMovingLoadEnvelope(m, Analyze(m), 2, DiagramQuantity::Mz, {}, {{{10, 0}, {5, 3}}, 0})
          .Envelope;
  const std::vector<std::string> lines = EnvelopeLines(m, envelope);
  const std::vector<std::array<std::string, 5>> rows = EnvelopeRows(envelope);
  ASSERT_EQ(lines.size(), rows.size() + 2);
  EXPECT_EQ(lines[0], "Envelope of M along member 2");
  for (std::size_t i = 0; i < rows.size(); ++i) {
    std::size_t at = 0;
    for (const std::string& cell : rows[i])
      if ((at = lines[i + 2].find(cell, at)) != std::string::npos) at += cell.size();
    EXPECT_EQ(at, lines[i + 2].size()) << lines[i + 2];
  }
}

}  // namespace
}  // namespace stavelorn
