// Moving loads on an influence line: a train of concentrated loads at fixed offsets from its
// first load, and a uniform lane load laid wherever it makes the effect worse, travel along the
// line's path. The greatest and least effect, sum Pi * eta(xi) + w * integral of eta, are found
// exactly: between the positions where a load crosses an end of one of the line's pieces the sum
// is a cubic in the train's position, whose extremes have a closed form.
//
// Positions run along the path from its start: member after member in the path's order, each
// from its beginning. With the first load at s, load i stands at s + Di (the train as given) or
// at s - Di (reversed); loads beyond the ends of the path carry nothing. Loads act downward (-Y),
// as the unit load does, when positive.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/InfluenceLine.h"

namespace stavelorn {

struct TrainLoad {
  double Load = 0;
  double Offset = 0;  // from the first load, along the path
};

// Which ways the train may travel: both (the worse of the two is reported), or one.
enum class TrainDirection { Both, AsGiven, Reversed };

struct LoadTrain {
  std::vector<TrainLoad> Loads;  // by offset, the first at 0
  double Lane = 0;               // force per length, laid only where it worsens the effect
  TrainDirection Direction = TrainDirection::Both;
};

// Why the train cannot travel (no load and no lane load, a first offset other than 0, an offset
// smaller than the one before, a value that is not a finite number), or "".
std::string LoadTrainProblem(const LoadTrain& train);

// Where the train gives one of its extremes and what it gives there.
struct TrainPlacement {
  double Value = 0;
  bool Standing = false;  // false when the train is a lane load alone: no load has a place
  double Position = 0;    // the first load's position along the path
  bool Reversed = false;
  int Member = 0;  // the path member under the first load; 0 when it stands off the path
};

struct MovingLoadExtremes {
  TrainPlacement Max, Min;
};

// The greatest and least effect of `train` on `line` over every position, in the train's
// directions (with both, the reversed train only where it is worse). A line whose ordinates at a
// point jump gives the limit there, as the line itself does.
MovingLoadExtremes WorstPlacements(const InfluenceLine& line, const LoadTrain& train);

// The path's length: the sum of its members' lengths.
double PathLength(const InfluenceLine& line);

// The ordinate under a point at `position` along the path (the limit from the side of larger
// positions at a piece's end, from smaller at the path's end); 0 off the path.
double OrdinateAlongPath(const InfluenceLine& line, double position);

// The member of the path at `position` and the distance from its beginning, or nothing off the
// path.
struct PathPlace {
  int Member = 0;
  double X = 0;
};
std::optional<PathPlace> PlaceAlongPath(const InfluenceLine& line, double position);

// The integrals of the line's positive and negative parts over the path: what a lane load of 1
// adds to the greatest and to the least effect.
struct LaneIntegrals {
  double Positive = 0, Negative = 0;
};
LaneIntegrals LaneIntegralsOf(const InfluenceLine& line);

}  // namespace stavelorn
