// Moving loads against the closed forms of bridge design and against a fine sweep of the train
// along the path, which can never do better than the exact extremes.
#include "analysis/MovingLoad.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "analysis/Analysis.h"
#include "analysis/MovingLoadEnvelope.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

using Q = DiagramQuantity;

const std::string kBeamData = R"("Materials",1, 2E8,1.2E-5, "Cross-Sections",1, 5E-4, )";
// Its own load changes nothing: an influence line is of the structure alone.
const std::string kSimpleSpan = R"("S","Beam", "Joints",2, 0, 10, "Supports",2, 1,1,0, 2,1,0, )" +
                                kBeamData +
                                R"("Members",1, 1,2,1,1, "Member Loads",1, 1,3,7,0,0,0)";
const std::string kTwoSpans =
    R"("2","Beam", "Joints",3, 0, 5, 10, "Supports",3, 1,1,0, 2,1,0, 3,1,0, )" + kBeamData +
    R"("Members",2, 1,2,1,1, 2,3,1,1)";

InfluenceLine LineOf(const ModelStore& m, const InfluenceQuantity& q, std::vector<int> path = {}) {
  const InfluenceResult result = ComputeInfluenceLine(m, Analyze(m), q, std::move(path));
  EXPECT_EQ(result.Problem, "");
  return result.Line;
}

LoadTrain Train(std::vector<TrainLoad> loads, double lane = 0) {
  return LoadTrain{std::move(loads), lane};
}

TEST(MovingLoad, ClosedFormsOfASimpleSpan) {
  const ModelStore m = testing::ModelFromText(kSimpleSpan + "\n");
  struct Case {
    const char* name;
    double section;
    LoadTrain train;
    double max, position;
  };
  // One load P: PL/4 under it at midspan. Two loads P at d: at midspan PL/4 + P(L/2 - d)/2;
  // at L/2 - d/4, where the span's centre halves the distance between a load and the resultant,
  // the greatest moment of the span, 2P/L (L/2 - d/4)^2, the load over the section.
  const Case cases[] = {
      {"one load", 5, Train({{10, 0}}), 25, 5},
      {"two loads at midspan", 5, Train({{10, 0}, {10, 2}}), 40, 3},
      {"two loads by the rule", 4.5, Train({{10, 0}, {10, 2}}), 40.5, 4.5},
  };
  for (const Case& c : cases) {
    const MovingLoadExtremes worst =
        WorstPlacements(LineOf(m, {InfluenceKind::Internal, 1, 0, c.section, Q::Mz}), c.train);
    EXPECT_NEAR(worst.Max.Value, c.max, 1e-9) << c.name;
    EXPECT_NEAR(worst.Max.Position, c.position, 1e-9) << c.name;
    EXPECT_FALSE(worst.Max.Reversed) << c.name;
    EXPECT_EQ(worst.Max.Member, 1) << c.name;
    EXPECT_NEAR(worst.Min.Value, 0, 1e-9) << c.name;
  }
  // No section of the span sees more than the rule's moment.
  const EnvelopeResult envelope =
      ComputeMovingLoadEnvelope(m, Analyze(m), 1, Q::Mz, {}, Train({{10, 0}, {10, 2}}));
  ASSERT_EQ(envelope.Problem, "");
  ASSERT_EQ(envelope.Envelope.Stations.size(), 11u);
  for (const EnvelopeStation& s : envelope.Envelope.Stations) {
    EXPECT_LE(s.Worst.Max.Value, 40.5 + 1e-9) << s.X;
    EXPECT_NEAR(s.Worst.Min.Value, 0, 1e-9) << s.X;
  }
  EXPECT_NEAR(envelope.Envelope.Stations[5].Worst.Max.Value, 40, 1e-9);
  // The shear just beside a support: the whole train on the span, its first load there.
  EXPECT_NEAR(ComputeMovingLoadEnvelope(m, Analyze(m), 1, Q::Vy, {}, Train({{10, 0}, {10, 2}}))
                  .Envelope.Stations.front()
                  .Worst.Max.Value,
              18, 1e-9);
}

TEST(MovingLoad, TheTrainTravelsTheWaysAskedAndReportsWhichWasWorse) {
  // The left reaction, 1 - x/10, under 10 kN with 30 kN 4 behind or ahead of it: the heavy load
  // over the support with the light one on the span (36, reversed), or, the train as given, with
  // the light one off the path (30, its first load at -4, on no member).
  const ModelStore m = testing::ModelFromText(kSimpleSpan + "\n");
  const InfluenceLine line = LineOf(m, {InfluenceKind::Reaction, 1, 1});
  const struct {
    TrainDirection direction;
    double max, position;
    bool reversed;
    int member;
  } cases[] = {
      {TrainDirection::Both, 36, 4, true, 1},
      {TrainDirection::AsGiven, 30, -4, false, 0},
      {TrainDirection::Reversed, 36, 4, true, 1},
  };
  for (const auto& c : cases) {
    LoadTrain train = Train({{10, 0}, {30, 4}});
    train.Direction = c.direction;
    const TrainPlacement max = WorstPlacements(line, train).Max;
    EXPECT_NEAR(max.Value, c.max, 1e-9);
    EXPECT_NEAR(max.Position, c.position, 1e-9);
    EXPECT_EQ(max.Reversed, c.reversed);
    EXPECT_EQ(max.Member, c.member);
  }
}

TEST(MovingLoad, LaneLoadOnTwoSpansLoadsWhereItWorsens) {
  // Spans L = 5, w = 2. M at 0.4 L of the first span: greatest with the first span loaded,
  // 0.095 wL^2; least with the second, -0.025 wL^2. The middle reaction: both spans, 1.25 wL. The
  // end reaction: 7wL/16 with its own span loaded, -wL/16 with the other.
  const ModelStore m = testing::ModelFromText(kTwoSpans + "\n");
  struct Case {
    InfluenceQuantity quantity;
    double max, min;
  };
  const Case cases[] = {
      {{InfluenceKind::Internal, 1, 0, 2, Q::Mz}, 4.75, -1.25},
      {{InfluenceKind::Reaction, 2, 1}, 12.5, 0},
      {{InfluenceKind::Reaction, 1, 1}, 4.375, -0.625},
  };
  for (const Case& c : cases) {
    const MovingLoadExtremes worst = WorstPlacements(LineOf(m, c.quantity), Train({}, 2));
    EXPECT_NEAR(worst.Max.Value, c.max, 1e-9) << c.quantity.Item;
    EXPECT_NEAR(worst.Min.Value, c.min, 1e-9) << c.quantity.Item;
    EXPECT_FALSE(worst.Max.Standing);
  }
  // Loads and the lane load add: one load of 10 over the middle support.
  const MovingLoadExtremes both =
      WorstPlacements(LineOf(m, {InfluenceKind::Reaction, 2, 1}), Train({{10, 0}}, 2));
  EXPECT_NEAR(both.Max.Value, 22.5, 1e-9);
  EXPECT_NEAR(both.Max.Position, 5, 1e-9);
}

TEST(MovingLoad, LaneIntegralsSplitTheLineWhereItChangesSign) {
  // A beam fixed at both ends: the moment near a fixed end is positive for loads near it and
  // negative for loads far off, changing sign inside the member; the shear jumps at its section.
  // Against the midpoint rule on the ordinates: the two parts add to the whole integral and
  // their difference is the integral of the line's size.
  const ModelStore m = testing::ModelFromText(
      R"("F","Beam", "Joints",2, 0, 10, "Supports",2, 1,1,1, 2,1,1, )" + kBeamData +
      R"("Members",1, 1,2,1,1)"
      "\n");
  for (const InfluenceQuantity& q : {InfluenceQuantity{InfluenceKind::Internal, 1, 0, 1.5, Q::Mz},
                                     InfluenceQuantity{InfluenceKind::Internal, 1, 0, 2, Q::Vy}}) {
    const InfluenceLine line = LineOf(m, q);
    double whole = 0, size = 0;
    const int steps = 200000;
    for (int k = 0; k < steps; ++k) {
      const double eta = OrdinateAlongPath(line, 10 * (k + 0.5) / steps);
      whole += eta * 10 / steps;
      size += std::fabs(eta) * 10 / steps;
    }
    const LaneIntegrals lane = LaneIntegralsOf(line);
    EXPECT_GT(lane.Positive, 0.01);
    EXPECT_LT(lane.Negative, -0.01);
    EXPECT_NEAR(lane.Positive + lane.Negative, whole, 1e-6);
    EXPECT_NEAR(lane.Positive - lane.Negative, size, 1e-6);
  }
}

TEST(MovingLoad, TrainsAreCheckedLoadByLoad) {
  const struct {
    LoadTrain train;
    std::string problem;
  } cases[] = {
      {Train({{10, 0}, {5, 3}, {5, 3}}), ""},
      {Train({}, 4), ""},
      {Train({}), "The train has no load and no lane load."},
      {Train({{10, 1}}), "The first load's offset must be 0."},
      {Train({{10, 0}, {5, 3}, {5, 2}}),
       "Load 3 stands before the load ahead of it: offsets never decrease."},
      {Train({{10, 0}, {NAN, 3}}), "Load 2 is not a number."},
      {Train({{10, 0}}, INFINITY), "The lane load is not a number."},
  };
  for (const auto& c : cases) EXPECT_EQ(LoadTrainProblem(c.train), c.problem);
}

// The effect of the train's loads with the first at `s`, from the line's ordinates.
double SweptEffect(const InfluenceLine& line, const LoadTrain& train, double s, bool reversed) {
  double sum = 0;
  for (const TrainLoad& load : train.Loads)
    sum += load.Load * OrdinateAlongPath(line, reversed ? s - load.Offset : s + load.Offset);
  return sum;
}

TEST(MovingLoad, NoPositionOfAFineSweepBeatsTheExactExtremes) {
  const struct {
    const char* example;
    InfluenceQuantity quantity;
  } lines[] = {
      {"continuous-beam", {InfluenceKind::Internal, 2, 0, 3.7, Q::Mz}},
      {"continuous-beam", {InfluenceKind::Internal, 2, 0, 6.1, Q::Vy}},
      {"continuous-beam", {InfluenceKind::Reaction, 2, 1}},
      {"portal-frame", {InfluenceKind::Internal, 1, 0, 5, Q::Mz}},
      {"portal-frame", {InfluenceKind::Internal, 2, 0, 2.9, Q::Vy}},
      {"roof-truss", {InfluenceKind::Internal, 12, 0, 1, Q::N}},
  };
  const LoadTrain trains[] = {
      Train({{35, 0}, {145, 4.3}, {145, 8.6}}),
      Train({{120, 0}, {120, 1.2}, {-40, 5}}, 9.3),
      Train({{60, 0}, {60, 0}, {20, 13}}),
  };
  for (const auto& l : lines) {
    const ModelStore m = testing::ExampleModel(l.example);
    const InfluenceLine line = LineOf(m, l.quantity);
    // One load of 1 reads the line itself: its extremes are the line's own, found apart from the
    // train's arithmetic (off the path it carries nothing, so neither passes 0).
    const double size = std::max(line.Max.Station.Value, -line.Min.Station.Value);
    const MovingLoadExtremes unit = WorstPlacements(line, Train({{1, 0}}));
    EXPECT_NEAR(unit.Max.Value, std::max(0.0, line.Max.Station.Value), 1e-9 * size) << l.example;
    EXPECT_NEAR(unit.Min.Value, std::min(0.0, line.Min.Station.Value), 1e-9 * size) << l.example;
    for (const LoadTrain& train : trains) {
      const MovingLoadExtremes worst = WorstPlacements(line, train);
      const double lane = train.Lane * LaneIntegralsOf(line).Positive;
      const double scale = 300 * std::max(line.Max.Station.Value, -line.Min.Station.Value);
      double high = -INFINITY, low = INFINITY;
      const double from = -15, to = PathLength(line) + 15;
      for (bool reversed : {false, true})
        for (int k = 0; k <= 20000; ++k) {
          const double effect = SweptEffect(line, train, from + (to - from) * k / 20000, reversed);
          high = std::max(high, effect + lane);
          low = std::min(low, effect + train.Lane * LaneIntegralsOf(line).Negative);
        }
      EXPECT_LE(high, worst.Max.Value + 1e-9 * scale) << l.example << " " << l.quantity.Item;
      EXPECT_GE(low, worst.Min.Value - 1e-9 * scale) << l.example << " " << l.quantity.Item;
      EXPECT_NEAR(high, worst.Max.Value, 2e-3 * scale) << l.example << " " << l.quantity.Item;
      EXPECT_NEAR(low, worst.Min.Value, 2e-3 * scale) << l.example << " " << l.quantity.Item;
      // The reported place gives the value, beside a jump from one side.
      const TrainPlacement& at = worst.Max;
      const double nearest = std::min(
          {std::fabs(SweptEffect(line, train, at.Position, at.Reversed) + lane - at.Value),
           std::fabs(SweptEffect(line, train, at.Position - 1e-7, at.Reversed) + lane - at.Value),
           std::fabs(SweptEffect(line, train, at.Position + 1e-7, at.Reversed) + lane - at.Value)});
      EXPECT_LT(nearest, 1e-5 * scale) << l.example << " " << l.quantity.Item;
    }
  }
}

}  // namespace
}  // namespace stavelorn
