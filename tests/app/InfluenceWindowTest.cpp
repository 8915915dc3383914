// The Influence Lines window's rules, decided in the core: what a click on the drawn line picks
// (found on the recorded strokes as the window finds it), the path picked member by member, the
// principle worded for the quantity, and the table of stations; then the moving loads on the line,
// trains as the user types them and the named trains in the project's units.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/Analysis.h"
#include "app/InfluenceChoice.h"
#include "app/InfluencePrint.h"
#include "app/MovingLoadChoice.h"
#include "app/MovingLoadReport.h"
#include "graphics/InfluenceDrawing.h"
#include "graphics/Picking.h"
#include "graphics/RecordingCanvas.h"
#include "model/NumberText.h"
#include "support/Golden.h"
#include "support/ResultTableText.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

// Two spans of 5 with an overhang of 2 (influence-beam.str): joints 1, 2 supported, joint 3 at
// x = 10 supported, joint 4 at the free end.
testing::AnalysedModel Beam() {
  ModelStore m = testing::ModelFromFile("tests/app/golden/influence-beam.str");
  StructureResults results = Analyze(m);
  return {std::move(m), std::move(results)};
}

// What a click at the point x (along the beam) of the drawing picks, through the recorded strokes.
void ClickAt(const ModelStore& m, const StructureResults& results, InfluenceChoice& choice,
             double x) {
  RecordingCanvas canvas;
  DrawInfluenceLine(m, ComputeInfluenceLine(m, results, choice.Quantity, choice.Path).Line, canvas);
  const PictureMapping map(canvas.ScaleRect(), 600, 600);
  const PickedItem picked = PickAt(canvas.Strokes(), map, map.X(x), map.Y(0));
  if (picked.What == PickedItem::Kind::Joint) PickJoint(m, results, choice, picked.Number);
  if (picked.What == PickedItem::Kind::Member) {
    const double fraction = FractionAlongMember(m, picked.Number, x, 0);
    PickMember(m, choice, picked.Number, PickedSection(fraction, 5));
  }
}

// Clicks near 2/5 of member 2 (its bending moment there), on a support (its reaction), on the
// free end (its deflection, the component kept), on a support while a displacement is studied
// (its free rotation), then on a member with an end force chosen (the end force follows it);
// then picking the path, where a second click takes a member off and the quantity stays. What
// each click leaves, against a file checked by eye.
TEST(InfluenceChoice, ClicksOnTheDrawingPickTheQuantityAndThePath) {
  const testing::AnalysedModel analysed = Beam();
  const ModelStore& m = analysed.Model;
  const StructureResults& results = analysed.Results;
  InfluenceChoice choice = FirstInfluenceChoice(m, results);
  std::string log = "first: " + InfluenceName(m, choice.Quantity) + "\n";
  auto click = [&](double x) {
    ClickAt(m, results, choice, x);
    log += "click at " + FormatShortest(static_cast<float>(x)) + ": " +
           InfluenceName(m, choice.Quantity) + "; path";
    for (int member : choice.Path) log += " " + std::to_string(member);
    log += "\n";
  };
  for (double x : {7.1, 10.0, 12.0, 5.0}) click(x);
  choice.Quantity = {InfluenceKind::EndForce, 1, 3};
  click(11);
  choice.PickingPath = true;
  for (double x : {11.0, 2.5, 11.0, 7.5}) click(x);
  testing::ExpectGoldenFile(log, "tests/app/golden/influence-clicks.txt");
}

// The controls each kind offers on the beam: the item's label and count, and the components; a
// click on a truss bar studies its axial force, as a truss has no bending moment.
TEST(InfluenceChoice, TheControlsFollowTheKindAndATrussBarOffersItsForce) {
  const auto [m, results] = Beam();
  std::string offered;
  for (const InfluenceKindInfo& kind : InfluenceKinds()) {
    offered += std::to_string(InfluenceKindIndex(kind.Kind)) + InfluenceItemLabel(kind.Kind) +
               std::to_string(InfluenceItemCount(m, kind.Kind));
    for (const std::string& name : InfluenceComponents(m, kind.Kind)) offered += "|" + name;
    offered += "\n";
  }
  EXPECT_EQ(offered,
            "0Joint:4|Y Force|Moment\n"
            "1Member:3|1 Shear (beginning)|2 Moment (beginning)|3 Shear (end)|4 Moment (end)\n"
            "2Member:3|V|M\n3Joint:4|Y Translation|Z Rotation\n");
  InfluenceChoice choice = FirstInfluenceChoice(m, results);
  ChooseInfluenceControls(m, choice, 3, 1, "");  // the reaction's moment at joint 3
  EXPECT_EQ(InfluenceName(m, choice.Quantity), "Reaction Moment at joint 3");
  ChooseInfluenceKind(m, choice, InfluenceKind::Internal);
  ChooseInfluenceControls(m, choice, 2, 0, "2.5");
  EXPECT_EQ(InfluenceName(m, choice.Quantity), "V (shear in local y) at x = 2.5 of member 2");
  PickMember(m, choice, 3, 1);  // the shear kept on another member
  EXPECT_EQ(InfluenceName(m, choice.Quantity), "V (shear in local y) at x = 1 of member 3");
  EXPECT_FALSE(PickMemberAt(m, choice, 2, std::nan("")) || PickMemberAt(m, choice, 4, 0.5));
  InfluenceChoice fresh;  // no member chosen yet: the first one's last quantity
  ChooseInfluenceKind(m, fresh, InfluenceKind::Internal);
  EXPECT_EQ(InfluenceName(m, fresh.Quantity),
            "M (bending moment about local z) at x = 0 of member 1");
  InfluenceChoice truss;
  PickMember(testing::ExampleModel("roof-truss"), truss, 2, 1.5);
  EXPECT_EQ(truss.Quantity.Quantity, QuantitiesOfType("PTruss").front());
}

// The principle worded for each kind of quantity and its table of stations (in path order, both
// sides of a section, then the largest and the smallest ordinate), against a file checked by eye.
TEST(InfluenceChoice, ThePrincipleAndTheTableFitTheQuantity) {
  const auto [m, results] = Beam();
  const InfluenceQuantity shear = {InfluenceKind::Internal, 2, 0, 2.5, DiagramQuantity::Vy};
  std::string text;
  for (const InfluenceQuantity& q : {InfluenceQuantity{InfluenceKind::Reaction, 2, 1},
                                     {InfluenceKind::EndForce, 3, 4},
                                     shear,
                                     {InfluenceKind::Internal, 1, 0, 5, DiagramQuantity::Mz},
                                     {InfluenceKind::Displacement, 4, 1},
                                     {InfluenceKind::Displacement, 2, 2}})
    text +=
        InfluencePrinciple(m, q) + "\n" +
        testing::ResultTableText(BuildInfluenceTable(m, ComputeInfluenceLine(m, results, q).Line));
  testing::ExpectGoldenFile(text, "tests/app/golden/influence-tables.txt");
}

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
