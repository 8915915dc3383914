#include <cmath>
#include <optional>
#include <vector>

#include "graphics/Drawing.h"
#include "graphics/DrawingData.h"
#include "graphics/ElasticCurve.h"

namespace stavelorn {

namespace {

// A joint where the analysis moved it, displacements and settlements magnified by m.
std::optional<Point> DisplacedJoint(const ModelStore& model, int joint, double m) {
  std::optional<Point> p = PlanePosition(model, joint);
  if (!p) return std::nullopt;
  const bool beam = model.Kind() == StructKind::Beam;
  auto move = [&](int k, double& coordinate) {
    coordinate += m * FreeDisplacement(model, joint, k).value_or(0);
    coordinate += m * Settlement(model, joint, k).value_or(0);
  };
  if (beam) {
    move(1, p->Y);
  } else {
    move(1, p->X);
    move(2, p->Y);
  }
  return p;
}

// The bending data of a member, when its joints, properties and end forces can all be read.
std::optional<MemberBending> Bending(const ModelStore& model, int member) {
  const bool beam = model.Kind() == StructKind::Beam;
  std::optional<std::int16_t> material = Cell(model.MemberProps, model.MemberCount, member, 3);
  std::optional<std::int16_t> section = Cell(model.MemberProps, model.MemberCount, member, 4);
  if (!material || !section) return std::nullopt;
  std::optional<float> e = Cell(model.Materials, model.MaterialCount, *material, 1);
  std::optional<float> i = Cell(model.Sections, model.SectionCount, *section, beam ? 1 : 2);
  std::optional<float> mb = Cell(model.MemberEndForces, model.MemberCount, member, beam ? 2 : 3);
  std::optional<float> me = Cell(model.MemberEndForces, model.MemberCount, member, beam ? 4 : 6);
  if (!e || !i || !mb || !me) return std::nullopt;
  MemberBending bending;
  bending.EI = double(*e) * double(*i);
  bending.Mb = *mb;
  bending.Me = *me;
  for (int r = 1; r <= model.MemberLoadCount; ++r) {
    std::optional<std::int16_t> loaded = Cell(model.MemberLoadInfo, model.MemberLoadCount, r, 1);
    std::optional<std::int16_t> type = Cell(model.MemberLoadInfo, model.MemberLoadCount, r, 2);
    if (!loaded || *loaded != member || !type) continue;
    double values[4] = {};
    for (int k = 1; k <= 4; ++k)
      values[k - 1] = Cell(model.MemberLoadValues, model.MemberLoadCount, r, k).value_or(0.0f);
    bending.Loads.push_back({*type, values[0], values[1], values[2], values[3]});
  }
  return bending;
}

void DrawTruss(const ModelStore& model, Canvas& canvas, const DrawingView& view, double m) {
  for (int j = 1; j <= model.JointCount; ++j)
    if (std::optional<Point> p = DisplacedJoint(model, j, m))
      canvas.Circle(p->X, p->Y, view.MarkUnit, kLightRed);
  for (int member = 1; member <= model.MemberCount; ++member) {
    std::optional<std::int16_t> begin = Cell(model.MemberProps, model.MemberCount, member, 1);
    std::optional<std::int16_t> end = Cell(model.MemberProps, model.MemberCount, member, 2);
    std::optional<Point> pb = begin ? DisplacedJoint(model, *begin, m) : std::nullopt;
    std::optional<Point> pe = end ? DisplacedJoint(model, *end, m) : std::nullopt;
    if (pb && pe) canvas.Line(pb->X, pb->Y, pe->X, pe->Y, kLightRed);
  }
}

void DrawCurve(const ModelStore& model, Canvas& canvas, int member, double m) {
  std::optional<std::int16_t> begin = Cell(model.MemberProps, model.MemberCount, member, 1);
  std::optional<std::int16_t> end = Cell(model.MemberProps, model.MemberCount, member, 2);
  std::optional<Point> pb = begin ? DisplacedJoint(model, *begin, m) : std::nullopt;
  std::optional<Point> pe = end ? DisplacedJoint(model, *end, m) : std::nullopt;
  std::optional<MemberBending> bending = Bending(model, member);
  if (!pb || !pe || !bending) return;
  const double length = std::hypot(pe->X - pb->X, pe->Y - pb->Y);
  // Ends that the magnified displacements bring together leave no chord to bend along.
  if (length == 0) return;
  bending->Length = length;
  const double c = (pe->X - pb->X) / length, s = (pe->Y - pb->Y) / length;

  // Fifteen points per unit of magnification, so a more magnified curve stays smooth; the count
  // is a 16-bit number.
  const long points = static_cast<long>(kCurvePointsPerMagnification) * model.DeflectionMultiplier;
  if (points > 32767) throw DrawingFailure(RunError{kErrOverflow, "Overflow"});
  std::vector<Point> curve{*pb};
  for (long k = 1; k <= points; ++k) {
    const double x = k * length / points;
    const double v = m * ElasticOrdinate(*bending, x);
    curve.push_back({pb->X + c * x - s * v, pb->Y + s * x + c * v});
  }
  // Whatever rounding the curve gathered, it ends on the joint.
  curve.back() = *pe;
  for (const Point& p : curve)
    if (!std::isfinite(p.X) || !std::isfinite(p.Y)) return;
  for (std::size_t k = 1; k < curve.size(); ++k)
    canvas.Line(curve[k - 1].X, curve[k - 1].Y, curve[k].X, curve[k].Y, kLightRed);
}

}  // namespace

void DrawDeformedShape(const ModelStore& model, Canvas& canvas, const DrawingView& view) {
  const double m = model.DeflectionMultiplier;
  if (model.Kind() == StructKind::PTruss) {
    DrawTruss(model, canvas, view, m);
    return;
  }
  // With no points to draw (a multiplier of 0 or below) beams and frames show no curve.
  if (15L * model.DeflectionMultiplier < 1) return;
  for (int member = 1; member <= model.MemberCount; ++member) DrawCurve(model, canvas, member, m);
}

}  // namespace stavelorn
