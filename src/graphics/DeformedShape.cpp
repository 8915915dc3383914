#include <cmath>
#include <functional>
#include <optional>
#include <vector>

#include "graphics/DeflectedShape.h"
#include "graphics/Drawing.h"
#include "graphics/DrawingData.h"
#include "graphics/ElasticCurve.h"

namespace stavelorn {

namespace {

// A joint of a plane structure where the analysis moved it, magnified by m.
std::optional<Point> DisplacedJoint(const ModelStore& model, const StructureResults& results,
                                    int joint, double m) {
  std::optional<Point> p = PlanePosition(model, joint);
  std::optional<Point3> shift = JointTranslation(model, results, joint);
  if (!p || !shift) return std::nullopt;
  return Point{p->X + m * shift->X, p->Y + m * shift->Y};
}

// The bending data of a member, when its joints, properties and end forces can all be read.
std::optional<MemberBending> Bending(const ModelStore& model, const StructureResults& results,
                                     int member) {
  const bool beam = model.Kind() == StructKind::Beam;
  std::optional<std::int16_t> material = Cell(model.MemberProps, model.MemberCount, member, 3);
  std::optional<std::int16_t> section = Cell(model.MemberProps, model.MemberCount, member, 4);
  if (!material || !section) return std::nullopt;
  std::optional<float> e = Cell(model.Materials, model.MaterialCount, *material, 1);
  std::optional<float> i = Cell(model.Sections, model.SectionCount, *section, beam ? 1 : 2);
  std::optional<float> mb = Cell(results.MemberEndForces, model.MemberCount, member, beam ? 2 : 3);
  std::optional<float> me = Cell(results.MemberEndForces, model.MemberCount, member, beam ? 4 : 6);
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

// A truss: a circle at each displaced joint, and straight bars between them, each a symbol of
// the deformed shape; `place` gives a displaced joint's place on the picture.
void DrawTruss(const ModelStore& model, Canvas& canvas, const DrawingView& view,
               const std::function<std::optional<Point>(int)>& place) {
  for (int j = 1; j <= model.JointCount; ++j)
    if (std::optional<Point> p = place(j)) {
      DrawnSymbol symbol(canvas, SymbolClass::Deformed, j);
      canvas.Circle(p->X, p->Y, view.MarkUnit, kLightRed);
    }
  for (int member = 1; member <= model.MemberCount; ++member) {
    std::optional<std::int16_t> begin = Cell(model.MemberProps, model.MemberCount, member, 1);
    std::optional<std::int16_t> end = Cell(model.MemberProps, model.MemberCount, member, 2);
    std::optional<Point> pb = begin ? place(*begin) : std::nullopt;
    std::optional<Point> pe = end ? place(*end) : std::nullopt;
    if (!pb || !pe) continue;
    DrawnSymbol symbol(canvas, SymbolClass::Deformed, 0, member);
    canvas.Line(pb->X, pb->Y, pe->X, pe->Y, kLightRed);
  }
}

void DrawPolyline(Canvas& canvas, const std::vector<Point>& curve, int member) {
  for (const Point& p : curve)
    if (!std::isfinite(p.X) || !std::isfinite(p.Y)) return;
  DrawnSymbol symbol(canvas, SymbolClass::Deformed, 0, member);
  for (std::size_t k = 1; k < curve.size(); ++k)
    canvas.Line(curve[k - 1].X, curve[k - 1].Y, curve[k].X, curve[k].Y, kLightRed);
}

void DrawCurve(const ModelStore& model, const StructureResults& results, Canvas& canvas, int member,
               double m) {
  std::optional<std::int16_t> begin = Cell(model.MemberProps, model.MemberCount, member, 1);
  std::optional<std::int16_t> end = Cell(model.MemberProps, model.MemberCount, member, 2);
  std::optional<Point> pb = begin ? DisplacedJoint(model, results, *begin, m) : std::nullopt;
  std::optional<Point> pe = end ? DisplacedJoint(model, results, *end, m) : std::nullopt;
  std::optional<MemberBending> bending = Bending(model, results, member);
  if (!pb || !pe || !bending) return;
  const double length = std::hypot(pe->X - pb->X, pe->Y - pb->Y);
  // Ends that the magnified displacements bring together leave no chord to bend along.
  if (length == 0) return;
  bending->Length = length;
  const double c = (pe->X - pb->X) / length, s = (pe->Y - pb->Y) / length;

  // The same number of points at any magnification: the curve's shape does not change with it.
  std::vector<Point> curve{*pb};
  for (int k = 1; k <= kCurveSegments; ++k) {
    const double x = k * length / kCurveSegments;
    const double v = m * ElasticOrdinate(*bending, x);
    curve.push_back({pb->X + c * x - s * v, pb->Y + s * x + c * v});
  }
  // Whatever rounding the curve gathered, it ends on the joint.
  curve.back() = *pe;
  DrawPolyline(canvas, curve, member);
}

}  // namespace

void DrawDeformedShape(const ModelStore& model, const StructureResults& results, Canvas& canvas,
                       const DrawingView& view) {
  const double m = view.Multiplier;
  if (model.Kind() == StructKind::PTruss) {
    DrawTruss(model, canvas, view, [&](int j) { return DisplacedJoint(model, results, j, m); });
    return;
  }
  // With a multiplier of 0 or below beams and frames show no curve.
  if (view.Multiplier < 1) return;
  for (int member = 1; member <= model.MemberCount; ++member)
    DrawCurve(model, results, canvas, member, m);
}

void DrawSpaceDeformedShape(const ModelStore& model, const StructureResults& results,
                            Canvas& canvas, const DrawingView& view) {
  const double m = view.Multiplier;
  const StructKind type = model.Kind();
  auto place = [&](int joint) -> std::optional<Point> {
    std::optional<Point3> p = ModelPosition(model, joint);
    std::optional<Point3> shift = JointTranslation(model, results, joint);
    if (!p || !shift) return std::nullopt;
    return ProjectOblique(type, {p->X + m * shift->X, p->Y + m * shift->Y, p->Z + m * shift->Z});
  };
  if (model.Kind() == StructKind::STruss) {
    DrawTruss(model, canvas, view, place);
    return;
  }
  if (view.Multiplier < 1) return;
  // Grids and space frames: each member's axis moved by the magnified translations of its
  // stations, the elastic curves in its bending planes included, seen in the projection.
  for (const MemberDeflection& member : BuildMemberDeflections(model, results)) {
    std::vector<Point> curve;
    for (std::size_t k = 0; k < member.Base.size(); ++k) {
      const Point3& p = member.Base[k];
      const Point3& d = member.Shift[k];
      curve.push_back(ProjectOblique(type, {p.X + m * d.X, p.Y + m * d.Y, p.Z + m * d.Z}));
    }
    DrawPolyline(canvas, curve, member.Member);
  }
}

}  // namespace stavelorn
