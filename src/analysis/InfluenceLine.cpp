#include "analysis/InfluenceLine.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <optional>
#include <set>

#include "analysis/DiagramStations.h"
#include "analysis/MemberAxes.h"
#include "analysis/UnitLoadSolver.h"

namespace stavelorn {

namespace {

// Load positions closer than this fraction of the member's length are one station.
constexpr double kSamePlace = 1e-9;

// The side of the section, as the member's diagram reads it, when the unit load stands on the
// section itself: a load reaching it from before leaves the section just after the load. At the
// member's ends only one side exists, the one inside the member.
StationSide SectionSide(const InfluenceQuantity& q, const UnitLoadCase& load, double length,
                        StationSide loadSide) {
  if (load.Member != q.Item || load.At != q.X) return StationSide::At;
  if (loadSide == StationSide::Before) return StationSide::After;
  if (loadSide == StationSide::After) return StationSide::Before;
  return q.X <= 0 ? StationSide::Before : q.X >= length ? StationSide::After : StationSide::At;
}

class OrdinateSource {
 public:
  OrdinateSource(const ModelStore& model, const InfluenceQuantity& q, const UnitLoadSolver& solver)
      : model_(model), q_(q), solver_(solver) {}

  // The quantity with the load on `member` at x (on the joint there for a truss).
  double At(int member, double x, StationSide side) const {
    return Of(solver_.OnMember(member, x), side);
  }
  double AtJoint(int joint) const { return Of(solver_.OnJoint(joint), StationSide::At); }

 private:
  double Of(const UnitLoadCase& load, StationSide side) const {
    switch (q_.Kind) {
      case InfluenceKind::Reaction: return solver_.Reaction(q_.Item, q_.Component, load);
      case InfluenceKind::Displacement: return solver_.Displacement(q_.Item, q_.Component, load);
      case InfluenceKind::EndForce: return solver_.EndForces(q_.Item, load)[q_.Component];
      case InfluenceKind::Internal: break;
    }
    const MemberVector<double> q = solver_.EndForces(q_.Item, load);
    const std::vector<double> endForces(q.begin() + 1, q.begin() + 1 + 2 * model_.CoordsPerJoint);
    const MemberDiagram diagram =
        MemberDiagramOf(model_, q_.Item, endForces,
                        load.Member == q_.Item ? load.Loads : std::vector<AppliedLoad>{});
    return diagram.ValueAt(q_.Quantity, q_.X, SectionSide(q_, load, diagram.Length, side));
  }

  const ModelStore& model_;
  const InfluenceQuantity& q_;
  const UnitLoadSolver& solver_;
};

// The stations of a truss bar: the load on its two joints.
InfluenceSpan JointSpan(const ModelStore& model, const OrdinateSource& source,
                        std::map<int, double>& byJoint, int member, double length) {
  InfluenceSpan span{member, length, {}};
  for (int end = 1; end <= 2; ++end) {
    const int joint = model.MemberProps(member, end);
    auto found = byJoint.find(joint);
    if (found == byJoint.end()) found = byJoint.emplace(joint, source.AtJoint(joint)).first;
    span.Stations.push_back({end == 1 ? 0.0 : length, StationSide::At, found->second});
  }
  return span;
}

// The tenth points of a member and, where the section of an internal force lies inside it, both
// sides of the section (in place of a tenth point that falls on it).
InfluenceSpan MemberSpan(const InfluenceQuantity& q, const OrdinateSource& source, int member,
                         double length) {
  InfluenceSpan span{member, length, {}};
  const bool section =
      q.Kind == InfluenceKind::Internal && q.Item == member && q.X > 0 && q.X < length;
  for (int k = 0; k <= 10; ++k) {
    const double x = k == 10 ? length : length * k / 10;
    if (section && std::fabs(x - q.X) <= kSamePlace * length) continue;
    span.Stations.push_back({x, StationSide::At, source.At(member, x, StationSide::At)});
  }
  if (section) {
    const auto at = std::find_if(span.Stations.begin(), span.Stations.end(),
                                 [&q](const InfluenceStation& s) { return s.X > q.X; });
    const std::size_t i = static_cast<std::size_t>(at - span.Stations.begin());
    span.Stations.insert(span.Stations.begin() + static_cast<std::ptrdiff_t>(i),
                         {{q.X, StationSide::Before, source.At(member, q.X, StationSide::Before)},
                          {q.X, StationSide::After, source.At(member, q.X, StationSide::After)}});
  }
  return span;
}

// The line over the piece [s0, s1] of a member, from four of its ordinates (y0 and y3 at the
// ends, from inside the piece) as forward differences D1..D3 in u = 3 (x - s0) / (s1 - s0):
// y = y0 + D1 u + D2 u(u-1)/2 + D3 u(u-1)(u-2)/6.
struct PieceDifferences {
  double S0 = 0, S1 = 0, Step = 0, Y0 = 0, D1 = 0, D2 = 0, D3 = 0;
  bool Flat = false;  // round-off only, which has no extremes
};

PieceDifferences DifferencesOf(const OrdinateSource& source, int member, double s0, double s1,
                               double y0, double y3, double scale) {
  const double step = (s1 - s0) / 3;
  const double y1 = source.At(member, s0 + step, StationSide::At);
  const double y2 = source.At(member, s0 + 2 * step, StationSide::At);
  auto clean = [scale](double d) { return std::fabs(d) <= 1e-12 * scale ? 0.0 : d; };
  PieceDifferences p{
      s0, s1, step, y0, clean(y1 - y0), clean(y2 - 2 * y1 + y0), clean(y3 - 3 * y2 + 3 * y1 - y0)};
  p.Flat = std::fabs(p.D1) + std::fabs(p.D2) + std::fabs(p.D3) <= kInfluenceZeroFraction * scale;
  return p;
}

// The piece as a polynomial in t = u / 3.
InfluencePiece PieceOf(int member, const PieceDifferences& p) {
  const double d1 = p.Flat ? 0 : p.D1, d2 = p.Flat ? 0 : p.D2, d3 = p.Flat ? 0 : p.D3;
  return {member, p.S0, p.S1,
          Cubic{{p.Y0, 3 * (d1 - d2 / 2 + d3 / 3), 9 * (d2 - d3) / 2, 27 * d3 / 6}}};
}

// Where the line has a local maximum or minimum inside the piece. The cubic's slope in u is
// (D1 - D2/2 + D3/3) + (D2 - D3) u + (D3/2) u^2.
std::vector<double> TurningPoints(const PieceDifferences& p) {
  std::vector<double> points;
  if (p.Flat) return points;
  const Cubic slope{{p.D1 - p.D2 / 2 + p.D3 / 3, p.D2 - p.D3, p.D3 / 2, 0}};
  for (double u : InteriorTurningPoints(slope, 3)) points.push_back(p.S0 + u * p.Step);
  return points;
}

void AddExtremes(const OrdinateSource& source, InfluenceSpan& span, double scale,
                 std::vector<InfluencePiece>& pieces) {
  std::vector<InfluenceStation>& stations = span.Stations;
  // The pieces run between the member's ends and the section, where the line may jump or kink.
  std::vector<std::pair<const InfluenceStation*, const InfluenceStation*>> ends;
  const InfluenceStation* start = &stations.front();
  for (const InfluenceStation& s : stations) {
    if (s.Side == StationSide::After) start = &s;
    if (s.Side == StationSide::Before || &s == &stations.back()) ends.push_back({start, &s});
  }
  std::vector<InfluenceStation> found;
  for (const auto& [from, to] : ends) {
    const PieceDifferences differences =
        DifferencesOf(source, span.Member, from->X, to->X, from->Value, to->Value, scale);
    pieces.push_back(PieceOf(span.Member, differences));
    for (double x : TurningPoints(differences))
      found.push_back({x, StationSide::At, source.At(span.Member, x, StationSide::At), true});
  }
  for (const InfluenceStation& extreme : found) {
    auto near = std::find_if(stations.begin(), stations.end(), [&](const InfluenceStation& s) {
      return std::fabs(s.X - extreme.X) <= kSamePlace * span.Length;
    });
    if (near != stations.end()) {
      near->Extreme = true;
      continue;
    }
    auto after = std::find_if(stations.begin(), stations.end(),
                              [&](const InfluenceStation& s) { return s.X > extreme.X; });
    stations.insert(after, extreme);
  }
}

double LargestOrdinate(const std::vector<InfluenceSpan>& path) {
  double largest = 0;
  for (const InfluenceSpan& span : path)
    for (const InfluenceStation& s : span.Stations) largest = std::max(largest, std::fabs(s.Value));
  return largest;
}

void FindMaxMin(InfluenceLine& line) {
  bool first = true;
  for (const InfluenceSpan& span : line.Path)
    for (const InfluenceStation& s : span.Stations) {
      if (first || s.Value > line.Max.Station.Value) line.Max = {span.Member, s};
      if (first || s.Value < line.Min.Station.Value) line.Min = {span.Member, s};
      first = false;
    }
}

bool IsSupport(const ModelStore& model, int joint) {
  for (int s = 1; s <= model.SupportCount; ++s)
    if (model.Supports(s, 1) == joint) return true;
  return false;
}

std::string Number(double value) {
  std::string text = std::to_string(value);
  text.erase(text.find_last_not_of('0') + 1);
  if (!text.empty() && text.back() == '.') text.pop_back();
  return text;
}

std::string JointCoordinateProblem(const ModelStore& model, const StructureResults& results,
                                   const InfluenceQuantity& q) {
  if (q.Item < 1 || q.Item > model.JointCount)
    return "Joint " + std::to_string(q.Item) + " does not exist (the structure has " +
           std::to_string(model.JointCount) + " joints).";
  if (q.Component < 1 || q.Component > model.CoordsPerJoint)
    return "A joint of this structure type has coordinates 1 to " +
           std::to_string(model.CoordsPerJoint) + ", not " + std::to_string(q.Component) + ".";
  const std::string name = CoordinateOf(model.TypeInfo(), q.Component).Check;
  const bool restrained =
      results.CoordNumbers((q.Item - 1) * model.CoordsPerJoint + q.Component) > results.DofCount;
  if (q.Kind == InfluenceKind::Reaction) {
    if (!IsSupport(model, q.Item))
      return "Joint " + std::to_string(q.Item) + " is not a support: it has no reactions.";
    if (!restrained)
      return "Joint " + std::to_string(q.Item) + " is free in " + name +
             ": it has no reaction there.";
  } else if (restrained) {
    return "Joint " + std::to_string(q.Item) + " is restrained in " + name +
           ": its displacement there is always 0.";
  }
  return "";
}

std::string MemberQuantityProblem(const ModelStore& model, const InfluenceQuantity& q) {
  if (q.Item < 1 || q.Item > model.MemberCount)
    return "Member " + std::to_string(q.Item) + " does not exist (the structure has " +
           std::to_string(model.MemberCount) + " members).";
  if (q.Kind == InfluenceKind::EndForce) {
    if (q.Component < 1 || q.Component > 2 * model.CoordsPerJoint)
      return "A member of this structure type has end forces 1 to " +
             std::to_string(2 * model.CoordsPerJoint) + ", not " + std::to_string(q.Component) +
             ".";
    return "";
  }
  const std::vector<DiagramQuantity> quantities = QuantitiesOfType(model.StructType);
  if (std::find(quantities.begin(), quantities.end(), q.Quantity) == quantities.end()) {
    std::string caption = QuantityCaption(q.Quantity);
    caption.front() = static_cast<char>(std::tolower(static_cast<unsigned char>(caption.front())));
    return std::string("A ") + model.TypeInfo().Name + " has no " + caption + ".";
  }
  const std::optional<MemberAxes> axes = MemberLocalAxes(model, q.Item);
  const double length = axes ? axes->Length : 0;
  if (!(q.X >= 0 && q.X <= length))
    return "The section x = " + Number(q.X) + " lies outside member " + std::to_string(q.Item) +
           ", which is " + Number(length) + " long.";
  return "";
}

// The size a force's ordinates have under a unit load (1) and a moment's (the path's longest
// member): ordinates far below it are round-off, such as the horizontal reaction of a truss under
// vertical loads. A displacement has no such size; its line is its own measure (0).
double UnitScale(const ModelStore& model, const InfluenceQuantity& q,
                 const std::vector<int>& path) {
  bool moment = false;
  switch (q.Kind) {
    case InfluenceKind::Displacement: return 0;
    case InfluenceKind::Reaction: moment = IsRotation(model.StructType, q.Component); break;
    case InfluenceKind::EndForce:
      moment = IsRotation(model.StructType, (q.Component - 1) % model.CoordsPerJoint + 1);
      break;
    case InfluenceKind::Internal:
      moment = q.Quantity == DiagramQuantity::T || q.Quantity == DiagramQuantity::My ||
               q.Quantity == DiagramQuantity::Mz;
      break;
  }
  if (!moment) return 1;
  double longest = 0;
  for (int m : path)
    if (const std::optional<MemberAxes> axes = MemberLocalAxes(model, m))
      longest = std::max(longest, axes->Length);
  return longest;
}

}  // namespace

std::string InfluenceQuantityProblem(const ModelStore& model, const StructureResults& results,
                                     const InfluenceQuantity& quantity) {
  switch (quantity.Kind) {
    case InfluenceKind::Reaction:
    case InfluenceKind::Displacement: return JointCoordinateProblem(model, results, quantity);
    case InfluenceKind::EndForce:
    case InfluenceKind::Internal: return MemberQuantityProblem(model, quantity);
  }
  return "";
}

std::string InfluencePathProblem(const ModelStore& model, const std::vector<int>& path) {
  if (path.empty()) return "The path holds no member for the load to travel on.";
  std::set<int> seen;
  for (int m : path) {
    if (m < 1 || m > model.MemberCount)
      return "Member " + std::to_string(m) + " of the path does not exist (the structure has " +
             std::to_string(model.MemberCount) + " members).";
    if (!seen.insert(m).second) return "Member " + std::to_string(m) + " comes twice in the path.";
  }
  return "";
}

InfluenceResult ComputeInfluenceLine(const ModelStore& model, const StructureResults& results,
                                     const InfluenceQuantity& quantity, std::vector<int> path) {
  InfluenceResult result;
  if (!results.Complete() || !model.Type()) {
    result.Problem = "Influence lines need a completed analysis.";
    return result;
  }
  if (path.empty()) path = DefaultInfluencePath(model);
  result.Problem = InfluenceQuantityProblem(model, results, quantity);
  if (result.Problem.empty()) result.Problem = InfluencePathProblem(model, path);
  if (!result.Problem.empty()) return result;
  const UnitLoadSolver solver(model);
  if (!solver.Ready()) {
    result.Problem = "The stiffness matrix of the structure cannot be factorised.";
    return result;
  }

  InfluenceLine& line = result.Line;
  line.Quantity = quantity;
  line.AtJointsOnly = model.TypeInfo().Truss;
  const OrdinateSource source(model, quantity, solver);
  std::map<int, double> byJoint;
  for (int m : path)
    line.Path.push_back(line.AtJointsOnly ? JointSpan(model, source, byJoint, m, solver.Length(m))
                                          : MemberSpan(quantity, source, m, solver.Length(m)));
  if (!line.AtJointsOnly) {
    const double scale = std::max(LargestOrdinate(line.Path), UnitScale(model, quantity, path));
    for (InfluenceSpan& span : line.Path) AddExtremes(source, span, scale, line.Pieces);
  } else {
    for (const InfluenceSpan& span : line.Path) {
      const double y0 = span.Stations.front().Value, y1 = span.Stations.back().Value;
      line.Pieces.push_back({span.Member, 0, span.Length, Cubic{{y0, y1 - y0, 0, 0}}});
    }
  }
  const double largest = std::max(LargestOrdinate(line.Path), UnitScale(model, quantity, path));
  for (InfluenceSpan& span : line.Path)
    for (InfluenceStation& s : span.Stations)
      s.Value = std::fabs(s.Value) < kInfluenceZeroFraction * largest ? 0.0 : s.Value + 0.0;
  FindMaxMin(line);
  return result;
}

}  // namespace stavelorn
