#include "graphics/DeflectedShape.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <limits>

#include "analysis/MemberAxes.h"
#include "analysis/MemberValues.h"
#include "model/StructType.h"

namespace stavelorn {

namespace {

Point3 Plus(Point3 p, const Point3& q, double k) {
  return {p.X + k * q.X, p.Y + k * q.Y, p.Z + k * q.Z};
}
Point3 Along(const MemberAxes::Vector& v, double k) {
  return {k * v[0], k * v[1], k * v[2]};
}
double Norm(const Point3& p) {
  return std::sqrt(p.X * p.X + p.Y * p.Y + p.Z * p.Z);
}

bool HasQuantity(const MemberDiagram& d, DiagramQuantity q) {
  return std::find(d.Quantities.begin(), d.Quantities.end(), q) != d.Quantities.end();
}

// F(x) with F'' = M / EI and F(0) = F'(0) = 0, for the moment M of quantity q: each piece's
// cubic integrated twice in closed form, value and slope carried from piece to piece.
double TwiceIntegrated(const MemberDiagram& d, DiagramQuantity q, double ei, double x) {
  const std::size_t i = static_cast<std::size_t>(Index(q));
  double value = 0, slope = 0;
  for (const DiagramPiece& piece : d.Pieces) {
    const std::array<double, 4>& c = piece.Q[i].C;
    const double t = std::min(x, piece.X1) - piece.X0;
    const double integral2 =
        t * t * (c[0] / 2 + t * (c[1] / 6 + t * (c[2] / 12 + t * c[3] / 20))) / ei;
    const double integral1 = t * (c[0] + t * (c[1] / 2 + t * (c[2] / 3 + t * c[3] / 4))) / ei;
    if (x <= piece.X1) return value + slope * t + integral2;
    value += slope * t + integral2;
    slope += integral1;
  }
  return value;
}

// The bending stiffnesses E Iz and E Iy of a member, as the analysis read them; 0 where the
// member does not bend that way.
std::optional<std::pair<double, double>> BendingStiffness(const ModelStore& model,
                                                          const MemberDiagram& d) {
  const bool aboutZ = HasQuantity(d, DiagramQuantity::Mz);
  const bool aboutY = HasQuantity(d, DiagramQuantity::My);
  if (!aboutZ && !aboutY) return std::pair{0.0, 0.0};
  try {
    const MemberContext<double> member =
        LoadMemberContext<double>(model, model.Kind(), 2 * model.CoordsPerJoint, d.Member);
    const double eiz = aboutZ ? member.ElasticModulus * member.InertiaZ : 0;
    const double eiy = aboutY ? member.ElasticModulus * member.InertiaY : 0;
    if ((aboutZ && !(std::isfinite(eiz) && eiz > 0)) ||
        (aboutY && !(std::isfinite(eiy) && eiy > 0)))
      return std::nullopt;
    return std::pair{eiz, eiy};
  } catch (const std::exception&) {
    return std::nullopt;  // a material or section outside its table
  }
}

}  // namespace

std::optional<Point3> ModelPosition(const ModelStore& model, int joint) {
  if (IsPlane(model.StructType)) {
    std::optional<Point> p = PlanePosition(model, joint);
    if (!p) return std::nullopt;
    return Point3{p->X, p->Y, 0};
  }
  return SpacePosition(model, joint);
}

std::optional<Point3> JointTranslation(const ModelStore& model, const StructureResults& results,
                                       int joint) {
  const StructTypeInfo* type = model.Type();
  if (!type || joint < 1 || joint > model.JointCount) return std::nullopt;
  Point3 shift;
  for (int k = 1; k <= type->CoordsPerJoint; ++k) {
    const JointCoordNames& coordinate = CoordinateOf(*type, k);
    if (coordinate.Rotation) continue;
    double moved = FreeDisplacement(model, results, joint, k).value_or(0);
    if (RestrainedCoordinate(model, results, joint, k))
      moved = Settlement(model, joint, k).value_or(0);
    (coordinate.Axis == 'X' ? shift.X : coordinate.Axis == 'Y' ? shift.Y : shift.Z) += moved;
  }
  return shift;
}

ChordDeflection DeflectionFromChord(const MemberDiagram& d, double eiz, double eiy, double x) {
  ChordDeflection deflection;
  if (!(d.Length > 0)) return deflection;
  // The chord through both ends takes off the straight line F(L) x / L, so both ends stay put.
  auto fromChord = [&](DiagramQuantity q, double ei) {
    return TwiceIntegrated(d, q, ei, x) - x / d.Length * TwiceIntegrated(d, q, ei, d.Length);
  };
  if (eiz > 0 && HasQuantity(d, DiagramQuantity::Mz))
    deflection.V = fromChord(DiagramQuantity::Mz, eiz);
  // A positive My bends the member away from local +z: w'' = -My / EIy.
  if (eiy > 0 && HasQuantity(d, DiagramQuantity::My))
    deflection.W = -fromChord(DiagramQuantity::My, eiy);
  return deflection;
}

std::vector<MemberDeflection> BuildMemberDeflections(const ModelStore& model,
                                                     const StructureResults& results) {
  std::vector<MemberDeflection> members;
  std::vector<MemberDiagram> diagrams;
  try {
    diagrams = BuildMemberDiagrams(model, results);
  } catch (const std::exception&) {
    // Results that do not cover the members' tables (never those of an analysis) draw nothing.
    return members;
  }
  for (const MemberDiagram& d : diagrams) {
    std::optional<std::int16_t> begin = Cell(model.MemberProps, model.MemberCount, d.Member, 1);
    std::optional<std::int16_t> end = Cell(model.MemberProps, model.MemberCount, d.Member, 2);
    if (!begin || !end || !(d.Length > 0)) continue;
    std::optional<Point3> pb = ModelPosition(model, *begin), pe = ModelPosition(model, *end);
    std::optional<Point3> tb = JointTranslation(model, results, *begin),
                          te = JointTranslation(model, results, *end);
    std::optional<MemberAxes> axes = MemberLocalAxes(model, d.Member);
    std::optional<std::pair<double, double>> ei = BendingStiffness(model, d);
    if (!pb || !pe || !tb || !te || !axes || !ei) continue;
    MemberDeflection m;
    m.Member = d.Member;
    m.BeginJoint = *begin;
    m.EndJoint = *end;
    const Point3 chord{pe->X - pb->X, pe->Y - pb->Y, pe->Z - pb->Z};
    for (int k = 0; k <= kCurveSegments; ++k) {
      const double f = double(k) / kCurveSegments;
      const ChordDeflection bend = DeflectionFromChord(d, ei->first, ei->second, f * d.Length);
      m.Base.push_back(Plus(*pb, chord, f));
      Point3 shift = Plus(Plus(*tb, *tb, -f), *te, f);
      shift = Plus(Plus(shift, Along(axes->Y, bend.V), 1), Along(axes->Z, bend.W), 1);
      m.Shift.push_back(shift);
    }
    // The ends move exactly as their joints, whatever the rounding of the curve.
    m.Base.front() = *pb, m.Base.back() = *pe;
    m.Shift.front() = *tb, m.Shift.back() = *te;
    members.push_back(std::move(m));
  }
  return members;
}

double OneTwoFiveAtMost(double limit) {
  if (!(limit > 0) || !std::isfinite(limit)) return 0;
  double decade = std::pow(10.0, std::floor(std::log10(limit)));
  // The logarithm may land a hair beside an exact power of ten.
  while (decade > limit) decade /= 10;
  while (decade * 10 <= limit) decade *= 10;
  for (double step : {5.0, 2.0})
    if (step * decade <= limit) return step * decade;
  return decade;
}

double StructureExtent(const ModelStore& model) {
  std::optional<Point3> low, high;
  for (int j = 1; j <= model.JointCount; ++j) {
    std::optional<Point3> p = ModelPosition(model, j);
    if (!p) continue;
    if (!low) low = high = p;
    low = Point3{std::min(low->X, p->X), std::min(low->Y, p->Y), std::min(low->Z, p->Z)};
    high = Point3{std::max(high->X, p->X), std::max(high->Y, p->Y), std::max(high->Z, p->Z)};
  }
  if (!low) return 0;
  return std::max({high->X - low->X, high->Y - low->Y, high->Z - low->Z});
}

std::int32_t AutomaticDeflectionMultiplier(const ModelStore& model, const StructureResults& results,
                                           std::int32_t current) {
  if (results.AnalysisStatus != kAnalysisComplete) return current;
  double largest = 0;
  for (int j = 1; j <= model.JointCount; ++j)
    if (std::optional<Point3> t = JointTranslation(model, results, j))
      largest = std::max(largest, Norm(*t));
  // The curves too: the span of a beam whose joints are all held still moves only between them.
  for (const MemberDeflection& m : BuildMemberDeflections(model, results))
    for (const Point3& shift : m.Shift) largest = std::max(largest, Norm(shift));
  if (!(largest > 0) || !std::isfinite(largest)) return current;
  constexpr double kLargest = std::numeric_limits<std::int32_t>::max();
  const double chosen = std::min(OneTwoFiveAtMost(StructureExtent(model) / (10 * largest)),
                                 OneTwoFiveAtMost(kLargest));
  return static_cast<std::int32_t>(std::max(1.0, chosen));
}

}  // namespace stavelorn
