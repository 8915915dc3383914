#include "analysis/MovingLoad.h"

#include <algorithm>
#include <cmath>

#include "analysis/DiagramStations.h"

namespace stavelorn {

namespace {

// A piece of the line placed along the path.
struct PathPiece {
  double S0 = 0, S1 = 0;
  const InfluencePiece* Piece = nullptr;

  double At(double position) const {
    const double t = S1 > S0 ? (position - S0) / (S1 - S0) : 0;
    return Piece->Shape.At(t);
  }
};

std::vector<PathPiece> PiecesAlongPath(const InfluenceLine& line) {
  std::vector<PathPiece> placed;
  double start = 0;
  for (const InfluenceSpan& span : line.Path) {
    for (const InfluencePiece& piece : line.Pieces)
      if (piece.Member == span.Member)
        placed.push_back({start + piece.X0, start + piece.X1, &piece});
    start += span.Length;
  }
  return placed;
}

// The piece a point at `position` stands on, from the side of larger positions (the last piece
// at the path's end), or nullptr off the path.
const PathPiece* PieceAt(const std::vector<PathPiece>& pieces, double position) {
  if (pieces.empty() || position < pieces.front().S0 || position > pieces.back().S1) return nullptr;
  const auto after =
      std::upper_bound(pieces.begin(), pieces.end(), position,
                       [](double p, const PathPiece& piece) { return p < piece.S1; });
  return after == pieces.end() ? &pieces.back() : &*after;
}

class ExtremeSearch {
 public:
  ExtremeSearch(const std::vector<PathPiece>& pieces, const LoadTrain& train, double tolerance)
      : pieces_(pieces), train_(train), tolerance_(tolerance) {}

  // Every position of the train in one direction, in order of position.
  MovingLoadExtremes Run(bool reversed) {
    reversed_ = reversed;
    std::vector<double> shifts;
    for (const TrainLoad& load : train_.Loads)
      shifts.push_back(reversed ? -load.Offset : load.Offset);
    const double first = pieces_.front().S0, last = pieces_.back().S1;
    const double low = first - *std::max_element(shifts.begin(), shifts.end());
    const double high = last - *std::min_element(shifts.begin(), shifts.end());
    std::vector<double> breaks{low, high};
    for (double shift : shifts) {
      for (const PathPiece& piece : pieces_) breaks.push_back(piece.S0 - shift);
      breaks.push_back(last - shift);
    }
    std::sort(breaks.begin(), breaks.end());
    const double near = 1e-12 * std::max(high - low, 1.0);
    double from = low;
    for (double to : breaks) {
      if (to > high) break;
      if (to - from <= near) continue;
      Interval(shifts, from, to);
      from = to;
    }
    if (from == low) Interval(shifts, low, high);  // every break within round-off of another
    return found_;
  }

 private:
  // The stretch [a, b] of positions, over which every load stays on one piece (or off the path).
  void Interval(const std::vector<double>& shifts, double a, double b) {
    const double middle = (a + b) / 2;
    std::vector<const PathPiece*> under;
    for (double shift : shifts) under.push_back(PieceAt(pieces_, middle + shift));
    auto effect = [&](double s) {
      double sum = 0;
      for (std::size_t i = 0; i < under.size(); ++i)
        if (under[i]) sum += train_.Loads[i].Load * under[i]->At(s + shifts[i]);
      return sum;
    };
    const int member = under.front() ? under.front()->Piece->Member : 0;
    const double step = (b - a) / 3;
    const double y0 = effect(a), y1 = effect(a + step), y2 = effect(a + 2 * step), y3 = effect(b);
    Consider(y0, a, member);
    const double d1 = y1 - y0, d2 = y2 - 2 * y1 + y0, d3 = y3 - 3 * y2 + 3 * y1 - y0;
    if (std::fabs(d1) + std::fabs(d2) + std::fabs(d3) > tolerance_) {
      const Cubic slope{{d1 - d2 / 2 + d3 / 3, d2 - d3, d3 / 2, 0}};
      for (double u : InteriorTurningPoints(slope, 3))
        Consider(effect(a + u * step), a + u * step, member);
    }
    Consider(y3, b, member);
  }

  void Consider(double value, double position, int member) {
    const TrainPlacement here{value, true, position, reversed_, member};
    if (!any_ || value > found_.Max.Value + tolerance_) found_.Max = here;
    if (!any_ || value < found_.Min.Value - tolerance_) found_.Min = here;
    any_ = true;
  }

  const std::vector<PathPiece>& pieces_;
  const LoadTrain& train_;
  const double tolerance_;
  bool reversed_ = false;
  bool any_ = false;
  MovingLoadExtremes found_;
};

// The integral of the cubic over [t0, t1].
double IntegralOf(const Cubic& c, double t0, double t1) {
  auto primitive = [&c](double t) {
    return t * (c.C[0] + t * (c.C[1] / 2 + t * (c.C[2] / 3 + t * c.C[3] / 4)));
  };
  return primitive(t1) - primitive(t0);
}

// Where the cubic crosses zero inside (0, 1): between its turning points it is monotone, so each
// sign change there holds one root, found by halving to the last bit.
std::vector<double> ZerosInside(const Cubic& c) {
  std::vector<double> ends{0};
  for (double t : InteriorTurningPoints(Cubic{{c.C[1], 2 * c.C[2], 3 * c.C[3], 0}}, 1))
    ends.push_back(t);
  ends.push_back(1);
  std::vector<double> zeros;
  for (std::size_t i = 0; i + 1 < ends.size(); ++i) {
    double lo = ends[i], hi = ends[i + 1];
    const bool rising = c.At(lo) < 0;
    if ((c.At(lo) < 0) == (c.At(hi) < 0) || c.At(lo) == 0 || c.At(hi) == 0) continue;
    for (int k = 0; k < 200; ++k) {
      const double mid = (lo + hi) / 2;
      if (mid <= lo || mid >= hi) break;
      ((c.At(mid) < 0) == rising ? lo : hi) = mid;
    }
    zeros.push_back((lo + hi) / 2);
  }
  return zeros;
}

}  // namespace

std::string LoadTrainProblem(const LoadTrain& train) {
  if (!std::isfinite(train.Lane)) return "The lane load is not a number.";
  if (train.Loads.empty()) return train.Lane == 0 ? "The train has no load and no lane load." : "";
  for (std::size_t i = 0; i < train.Loads.size(); ++i) {
    const TrainLoad& load = train.Loads[i];
    const std::string which = "Load " + std::to_string(i + 1);
    if (!std::isfinite(load.Load) || !std::isfinite(load.Offset))
      return which + " is not a number.";
    if (i == 0 && load.Offset != 0) return "The first load's offset must be 0.";
    if (i > 0 && load.Offset < train.Loads[i - 1].Offset)
      return which + " stands before the load ahead of it: offsets never decrease.";
  }
  return "";
}

double PathLength(const InfluenceLine& line) {
  double length = 0;
  for (const InfluenceSpan& span : line.Path) length += span.Length;
  return length;
}

std::optional<PathPlace> PlaceAlongPath(const InfluenceLine& line, double position) {
  double start = 0;
  for (const InfluenceSpan& span : line.Path) {
    if (position >= start && position < start + span.Length)
      return PathPlace{span.Member, position - start};
    start += span.Length;
  }
  if (!line.Path.empty() && position == start)
    return PathPlace{line.Path.back().Member, line.Path.back().Length};
  return std::nullopt;
}

double OrdinateAlongPath(const InfluenceLine& line, double position) {
  const std::vector<PathPiece> pieces = PiecesAlongPath(line);
  const PathPiece* piece = PieceAt(pieces, position);
  return piece ? piece->At(position) : 0;
}

LaneIntegrals LaneIntegralsOf(const InfluenceLine& line) {
  LaneIntegrals sums;
  for (const InfluencePiece& piece : line.Pieces) {
    std::vector<double> ends{0};
    for (double t : ZerosInside(piece.Shape)) ends.push_back(t);
    ends.push_back(1);
    for (std::size_t i = 0; i + 1 < ends.size(); ++i) {
      const double part = (piece.X1 - piece.X0) * IntegralOf(piece.Shape, ends[i], ends[i + 1]);
      (part > 0 ? sums.Positive : sums.Negative) += part;
    }
  }
  return sums;
}

MovingLoadExtremes WorstPlacements(const InfluenceLine& line, const LoadTrain& train) {
  const LaneIntegrals lane = LaneIntegralsOf(line);
  const double laneMax = train.Lane * (train.Lane > 0 ? lane.Positive : lane.Negative);
  const double laneMin = train.Lane * (train.Lane > 0 ? lane.Negative : lane.Positive);
  MovingLoadExtremes worst;
  const std::vector<PathPiece> pieces = PiecesAlongPath(line);
  if (!train.Loads.empty() && !pieces.empty()) {
    double total = 0;
    for (const TrainLoad& load : train.Loads) total += std::fabs(load.Load);
    const double largest =
        std::max(std::fabs(line.Max.Station.Value), std::fabs(line.Min.Station.Value));
    const double tolerance = 1e-12 * total * largest;
    const bool ahead = train.Direction != TrainDirection::Reversed;
    worst = ExtremeSearch(pieces, train, tolerance).Run(!ahead);
    if (train.Direction == TrainDirection::Both) {
      const MovingLoadExtremes back = ExtremeSearch(pieces, train, tolerance).Run(true);
      if (back.Max.Value > worst.Max.Value + tolerance) worst.Max = back.Max;
      if (back.Min.Value < worst.Min.Value - tolerance) worst.Min = back.Min;
    }
  }
  worst.Max.Value += laneMax;
  worst.Min.Value += laneMin;
  return worst;
}

}  // namespace stavelorn
