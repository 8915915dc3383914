#include "analysis/DiagramStations.h"

#include <algorithm>
#include <cmath>

namespace stavelorn {

namespace {

// Positions closer than this fraction of the member's length are one section: a tenth point
// that falls on a load is tabulated once, on both sides of the load.
constexpr double kSamePlace = 1e-9;

struct Section {
  double X = 0;
  bool Jump = false, Tenth = false, Extreme = false;
};

std::vector<Section> Sections(const MemberDiagram& d) {
  std::vector<Section> all;
  for (int k = 0; k <= 10; ++k)
    all.push_back({k == 10 ? d.Length : d.Length * k / 10, false, true});
  for (double x : d.Jumps) all.push_back({x, true});
  // Where a piece ends a load starts or ends (a partial distributed load's a and L - b), and the
  // diagram changes its form: the table shows the value there.
  for (const DiagramPiece& piece : d.Pieces) all.push_back({piece.X1});
  for (const DiagramPiece& piece : d.Pieces)
    for (DiagramQuantity q : d.Quantities)
      for (double t : InteriorTurningPoints(SlopeOf(piece, q), piece.X1 - piece.X0))
        all.push_back({piece.X0 + t, false, false, true});
  std::stable_sort(all.begin(), all.end(),
                   [](const Section& a, const Section& b) { return a.X < b.X; });

  std::vector<Section> merged;
  const double near = kSamePlace * d.Length;
  for (const Section& s : all) {
    if (merged.empty() || s.X - merged.back().X > near) {
      merged.push_back(s);
      continue;
    }
    Section& last = merged.back();
    if (s.Jump && !last.Jump) last.X = s.X;  // a jump keeps the load's own position
    last.Jump = last.Jump || s.Jump;
    last.Tenth = last.Tenth || s.Tenth;
    last.Extreme = last.Extreme || s.Extreme;
  }
  return merged;
}

void FillStations(MemberDiagram& d) {
  for (const Section& s : Sections(d)) {
    for (StationSide side : s.Jump
                                ? std::vector<StationSide>{StationSide::Before, StationSide::After}
                                : std::vector<StationSide>{StationSide::At}) {
      DiagramStation station;
      station.X = s.X;
      station.Side = side;
      station.Tenth = s.Tenth;
      station.Extreme = s.Extreme;
      for (int q = 0; q < kDiagramQuantityCount; ++q)
        station.Values[static_cast<std::size_t>(q)] =
            d.ValueAt(static_cast<DiagramQuantity>(q), s.X, side);
      d.Stations.push_back(station);
    }
  }
}

// Every candidate in order of x: the joints, both ends of every piece and its turning points.
void FillExtremes(MemberDiagram& d) {
  for (DiagramQuantity q : d.Quantities) {
    const std::size_t i = static_cast<std::size_t>(Index(q));
    DiagramExtreme high{q, true, 0, d.StartValues[i]}, low{q, false, 0, d.StartValues[i]};
    auto consider = [&](double x, double value) {
      if (value > high.Value) high.X = x, high.Value = value;
      if (value < low.Value) low.X = x, low.Value = value;
    };
    for (const DiagramPiece& piece : d.Pieces) {
      const double span = piece.X1 - piece.X0;
      consider(piece.X0, piece.Q[i].At(0));
      for (double t : InteriorTurningPoints(SlopeOf(piece, q), span))
        consider(piece.X0 + t, piece.Q[i].At(t));
      consider(piece.X1, piece.Q[i].At(span));
    }
    consider(d.Length, d.EndValues[i]);
    d.Extremes.push_back(high);
    d.Extremes.push_back(low);
  }
}

}  // namespace

Cubic SlopeOf(const DiagramPiece& piece, DiagramQuantity q) {
  auto of = [&piece](DiagramQuantity quantity) -> const Cubic& {
    return piece.Q[static_cast<std::size_t>(Index(quantity))];
  };
  // A straight stretch has no extreme inside it, even where a shear that is 0 up to the
  // analysis's round-off happens to change sign.
  const Cubic& p = of(q);
  if (p.C[2] == 0 && p.C[3] == 0) return Cubic{};
  if (q == DiagramQuantity::Mz) return of(DiagramQuantity::Vy);
  if (q == DiagramQuantity::My) {
    Cubic slope = of(DiagramQuantity::Vz);
    for (double& c : slope.C) c = -c;
    return slope;
  }
  return Cubic{{p.C[1], 2 * p.C[2], 3 * p.C[3], 0}};
}

std::vector<double> InteriorTurningPoints(const Cubic& slope, double length) {
  // The slope is a t^2 + b t + c. A double root only touches zero: the slope keeps its sign and
  // the curve has no extreme there.
  const double a = slope.C[2], b = slope.C[1], c = slope.C[0];
  std::vector<double> roots;
  if (a == 0) {
    if (b != 0) roots.push_back(-c / b);
  } else {
    const double disc = b * b - 4 * a * c;
    if (disc > 0) {
      // The form that avoids cancelling b against the root of the discriminant.
      const double q = -0.5 * (b + std::copysign(std::sqrt(disc), b));
      roots.push_back(q / a);
      if (q != 0) roots.push_back(c / q);
    }
  }
  const double near = kSamePlace * length;
  std::vector<double> inside;
  for (double t : roots)
    if (t > near && t < length - near) inside.push_back(t);
  std::sort(inside.begin(), inside.end());
  return inside;
}

void FindStationsAndExtremes(std::vector<MemberDiagram>& diagrams) {
  std::array<double, kDiagramQuantityCount> largest{};
  for (MemberDiagram& d : diagrams) {
    FillStations(d);
    FillExtremes(d);
    for (const DiagramExtreme& e : d.Extremes) {
      double& top = largest[static_cast<std::size_t>(Index(e.Quantity))];
      top = std::max(top, std::fabs(e.Value));
    }
  }
  auto shown = [&largest](std::size_t q, double& value) {
    if (std::fabs(value) < kDiagramZeroFraction * largest[q]) value = 0;
    value += 0.0;  // no negative zero
  };
  for (MemberDiagram& d : diagrams) {
    for (std::size_t q = 0; q < largest.size(); ++q) {
      shown(q, d.StartValues[q]);
      shown(q, d.EndValues[q]);
      for (DiagramStation& s : d.Stations) shown(q, s.Values[q]);
    }
    for (DiagramExtreme& e : d.Extremes)
      shown(static_cast<std::size_t>(Index(e.Quantity)), e.Value);
  }
}

}  // namespace stavelorn
