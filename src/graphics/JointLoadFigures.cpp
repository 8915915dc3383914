#include "graphics/JointLoadFigures.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "graphics/DrawingData.h"
#include "model/ModelQuantities.h"
#include "model/StructType.h"

namespace stavelorn {

namespace {

constexpr double kPi = 3.14159265358979323846;

Point Plus(Point p, Point q, double k) {
  return {p.X + k * q.X, p.Y + k * q.Y};
}

// The unit picture direction of a global axis: along the page for the plane types, projected
// for the space types.
Point AxisOnPicture(const ModelStore& model, char axis) {
  if (IsPlane(model.StructType)) return axis == 'X' ? Point{1, 0} : Point{0, 1};
  const Point p = ProjectOblique(
      model.Kind(), {axis == 'X' ? 1.0 : 0.0, axis == 'Y' ? 1.0 : 0.0, axis == 'Z' ? 1.0 : 0.0});
  const double n = std::hypot(p.X, p.Y);
  return {p.X / n, p.Y / n};
}

class JointFigure {
 public:
  JointFigure(Canvas& canvas, double u, int colour) : canvas_(canvas), u_(u), colour_(colour) {}

  void Line(Point a, Point b) { canvas_.Line(a.X, a.Y, b.X, b.Y, colour_); }
  // An arrow head at `tip` for an arrow travelling in the unit direction `dir`.
  void Head(Point tip, Point dir) {
    const Point back = Plus(tip, dir, -u_), side{-dir.Y * u_, dir.X * u_};
    Line(tip, Plus(back, side, 1));
    Line(tip, Plus(back, side, -1));
  }
  // A shaft from p in the picture direction `out`, `length` units long, for a value along
  // `axis` (out or its opposite): `heads` heads at the end the value points to.
  void Arrow(Point p, Point out, Point axis, double length, double value, int heads) {
    const Point outer = Plus(p, out, length * u_);
    Line(p, outer);
    const Point sense = value > 0 ? axis : Point{-axis.X, -axis.Y};
    const Point tip = sense.X * out.X + sense.Y * out.Y > 0 ? outer : p;
    for (int h = 0; h < heads; ++h) Head(Plus(tip, sense, -0.7 * u_ * h), sense);
  }
  // A turning arrow round a plane joint, counter-clockwise for a positive value.
  void Turn(Point p, double radius, double value) {
    canvas_.Arc(p.X, p.Y, radius * u_, colour_, 0, kPi);
    const Point end = value > 0 ? Point{p.X - radius * u_, p.Y} : Point{p.X + radius * u_, p.Y};
    Head(end, {0, -1});
  }
  // A value's label beyond `tip`, the end of a figure that points away from its joint in dir.
  void Label(Point tip, Point dir, const std::string& text) {
    canvas_.SetForeColor(colour_);
    PrintLabelBeyond(canvas_, tip, dir, text, u_);
  }
  double U() const { return u_; }

 private:
  Canvas& canvas_;
  double u_;
  int colour_;
};

// The side of a joint to draw a figure along `axis` on: the way, +axis or -axis, that runs
// least along the joint's members, so that the figure and its label stand clear of them.
Point OpenSide(const ModelStore& model, int joint, Point p, Point axis) {
  double ahead = 0, behind = 0;
  for (int m = 1; m <= model.MemberCount; ++m)
    for (int end = 1; end <= 2; ++end) {
      if (Cell(model.MemberProps, model.MemberCount, m, end) != joint) continue;
      std::optional<std::int16_t> other = Cell(model.MemberProps, model.MemberCount, m, 3 - end);
      std::optional<Point> q = other ? PicturePosition(model, *other) : std::nullopt;
      const double length = q ? std::hypot(q->X - p.X, q->Y - p.Y) : 0;
      if (length == 0) continue;
      const double along = ((q->X - p.X) * axis.X + (q->Y - p.Y) * axis.Y) / length;
      ahead += std::max(along, 0.0);
      behind += std::max(-along, 0.0);
    }
  return ahead <= behind ? axis : Point{-axis.X, -axis.Y};
}

// A member as drawn: its two ends and the joints they are.
struct PictureSegment {
  Point Begin, End;
  int BeginJoint, EndJoint;
};

std::vector<PictureSegment> MemberSegments(const ModelStore& model) {
  std::vector<PictureSegment> segments;
  for (int m = 1; m <= model.MemberCount; ++m) {
    std::optional<std::int16_t> b = Cell(model.MemberProps, model.MemberCount, m, 1);
    std::optional<std::int16_t> e = Cell(model.MemberProps, model.MemberCount, m, 2);
    std::optional<Point> pb = b ? PicturePosition(model, *b) : std::nullopt;
    std::optional<Point> pe = e ? PicturePosition(model, *e) : std::nullopt;
    if (pb && pe) segments.push_back({*pb, *pe, *b, *e});
  }
  return segments;
}

// The structure as arrows keep clear of it, found once for all of a drawing's arrows: its
// members and the place of each joint (none for a joint that has none), joint j at [j - 1].
struct PictureOutline {
  std::vector<PictureSegment> Members;
  std::vector<std::optional<Point>> Joints;
};

PictureOutline OutlineOf(const ModelStore& model) {
  PictureOutline outline{MemberSegments(model), {}};
  for (int j = 1; j <= model.JointCount; ++j) outline.Joints.push_back(PicturePosition(model, j));
  return outline;
}

double Cross(Point o, Point a, Point b) {
  return (a.X - o.X) * (b.Y - o.Y) - (a.Y - o.Y) * (b.X - o.X);
}

double SegmentDistance(Point a, Point b, Point c, Point d) {
  const double abc = Cross(a, b, c), abd = Cross(a, b, d), cda = Cross(c, d, a),
               cdb = Cross(c, d, b);
  if (((abc > 0 && abd < 0) || (abc < 0 && abd > 0)) &&
      ((cda > 0 && cdb < 0) || (cda < 0 && cdb > 0)))
    return 0;
  return std::min({DistanceToSegment(a, c, d), DistanceToSegment(b, c, d),
                   DistanceToSegment(c, a, b), DistanceToSegment(d, a, b)});
}

// Whether the boxes around segments ab and cd lie more than `gap` apart across or up, so that
// the segments are farther apart than that: a quick test before the distance itself.
bool Apart(Point a, Point b, Point c, Point d, double gap) {
  return std::min(c.X, d.X) - std::max(a.X, b.X) > gap ||
         std::min(a.X, b.X) - std::max(c.X, d.X) > gap ||
         std::min(c.Y, d.Y) - std::max(a.Y, b.Y) > gap ||
         std::min(a.Y, b.Y) - std::max(c.Y, d.Y) > gap;
}

// How often an arrow drawn from joint `joint` at p in the direction `out`, `length` long, runs
// into the structure: each member it runs along (within 15 degrees of one of the joint's own) or
// comes within a quarter symbol unit of (any other), and each other joint its outer end comes
// within two symbol units of (25 pixels of a 1000-pixel picture).
int ArrowClashes(const PictureOutline& outline, const DrawingView& view, int joint, Point p,
                 Point out, double length) {
  const double u = view.SymbolUnit;
  const Point outer = Plus(p, out, length);
  int clashes = 0;
  for (const PictureSegment& m : outline.Members) {
    if (m.BeginJoint == joint || m.EndJoint == joint) {
      const Point other = m.BeginJoint == joint ? m.End : m.Begin;
      const double along = Distance(p, other);
      const double cosine =
          along > 0 ? ((other.X - p.X) * out.X + (other.Y - p.Y) * out.Y) / along : 0;
      if (cosine > std::cos(15 * kPi / 180)) ++clashes;
    } else if (!Apart(p, outer, m.Begin, m.End, 0.5 * u) &&
               SegmentDistance(p, outer, m.Begin, m.End) < 0.25 * u) {
      ++clashes;
    }
  }
  for (std::size_t j = 0; j < outline.Joints.size(); ++j) {
    const std::optional<Point>& q = outline.Joints[j];
    if (q && static_cast<int>(j) + 1 != joint && !Apart(*q, *q, outer, outer, 3 * u) &&
        Distance(*q, outer) < 2 * u)
      ++clashes;
  }
  return clashes;
}

// The side of the joint an arrow goes on: `first` when the arrow runs into nothing there, else
// the opposite side when that clashes less.
Point ClearArrowSide(const PictureOutline& outline, const DrawingView& view, int joint, Point p,
                     Point first, double length) {
  const int here = ArrowClashes(outline, view, joint, p, first, length);
  if (here == 0) return first;
  const Point opposite{-first.X, -first.Y};
  return ArrowClashes(outline, view, joint, p, opposite, length) < here ? opposite : first;
}

// The side a plane drawing first tries for a force along `axis`: outward from the middle of the
// picture across X; up along Y, or down at a truss's lower joints.
Point PlaneSide(const ModelStore& model, const DrawingView& view, Point p, Point axis) {
  if (axis.X != 0) return p.X > (view.ViewXMin + view.ViewXMax) / 2 ? axis : Point{-1, 0};
  const bool down =
      model.Kind() == StructKind::PTruss && p.Y <= (view.ViewYMin + view.ViewYMax) / 2;
  return down ? Point{0, -1} : axis;
}

// The value of component k of record r of a joint table, 0 when it is missing or not finite.
double Component(const Table<float>& values, int count, int r, int k) {
  std::optional<float> v = Cell(values, count, r, k);
  return v && std::isfinite(*v) ? *v : 0.0;
}

// The figure of one joint component of value `value` (only its sign counts) at joint `joint`
// drawn at p, labelled `text`: a turning arrow above a plane joint for a moment, else an arrow
// along the axis on the clearer side of the joint.
void DrawJointComponent(const ModelStore& model, const PictureOutline& outline,
                        const DrawingView& view, JointFigure& figure, Canvas& canvas, int joint,
                        Point p, const JointCoordNames& c, double value, const std::string& text) {
  canvas.BeginSymbol(SymbolClass::Load, joint);
  if (c.Rotation && IsPlane(model.StructType)) {
    figure.Turn({p.X, p.Y + figure.U()}, 3, value);
    canvas.BeginSymbol(SymbolClass::LoadValue, joint);
    figure.Label(Plus(p, {0, 1}, 4 * figure.U()), {0, 1}, text);
    return;
  }
  const Point axis = AxisOnPicture(model, c.Axis);
  const Point first =
      IsPlane(model.StructType) ? PlaneSide(model, view, p, axis) : OpenSide(model, joint, p, axis);
  const double length = c.Rotation ? 7 : 5;
  const Point out = ClearArrowSide(outline, view, joint, p, first, length * figure.U());
  figure.Arrow(p, out, axis, length, value, c.Rotation ? 2 : 1);
  canvas.BeginSymbol(SymbolClass::LoadValue, joint);
  figure.Label(Plus(p, out, length * figure.U()), out, text);
}

// A reactions grid heading without the spaces that align it: "Y Force".
std::string Trimmed(const char* heading) {
  std::string text = heading;
  text.erase(0, text.find_first_not_of(' '));
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

}  // namespace

void DrawJointLoads(const ModelStore& model, Canvas& canvas, const DrawingView& view) {
  const StructTypeInfo* type = model.Type();
  if (!type) return;
  const PictureOutline outline = OutlineOf(model);
  JointFigure figure(canvas, view.SymbolUnit, kLightMagenta);
  for (int r = 1; r <= model.JointLoadCount; ++r) {
    std::optional<std::int16_t> joint = Cell(model.JointLoadJoints, model.JointLoadCount, r);
    if (joint && *joint == 0) break;
    std::optional<Point> p = joint ? PicturePosition(model, *joint) : std::nullopt;
    if (!p) continue;
    for (int k = 1; k <= type->CoordsPerJoint; ++k) {
      const double v = Component(model.JointLoadValues, model.JointLoadCount, r, k);
      if (v == 0) continue;
      DrawJointComponent(model, outline, view, figure, canvas, *joint, *p, CoordinateOf(*type, k),
                         v, JointLoadText(*type, model.Units, k, v));
    }
  }
  canvas.EndSymbol();
}

void DrawPositiveReactions(const ModelStore& model, Canvas& canvas, const DrawingView& view) {
  const StructTypeInfo* type = model.Type();
  if (!type) return;
  const PictureOutline outline = OutlineOf(model);
  JointFigure figure(canvas, view.SymbolUnit, kLightGreen);
  for (int s = 1; s <= model.SupportCount; ++s) {
    std::optional<std::int16_t> joint = Cell(model.Supports, model.SupportCount, s, 1);
    std::optional<Point> p = joint ? PicturePosition(model, *joint) : std::nullopt;
    if (!p) continue;
    for (int k = 1; k <= type->CoordsPerJoint; ++k) {
      if (Cell(model.Supports, model.SupportCount, s, k + 1) != std::int16_t{1}) continue;
      const JointCoordNames& c = CoordinateOf(*type, k);
      DrawJointComponent(model, outline, view, figure, canvas, *joint, *p, c, 1,
                         Trimmed(c.Reaction));
    }
  }
  canvas.EndSymbol();
}

void DrawSettlements(const ModelStore& model, Canvas& canvas, const DrawingView& view) {
  const StructTypeInfo* type = model.Type();
  if (!type) return;
  const bool plane = IsPlane(model.StructType);
  const double u = view.SymbolUnit;
  JointFigure figure(canvas, u, kLightRed);
  for (int r = 1; r <= model.SettlementCount; ++r) {
    std::optional<std::int16_t> joint = Cell(model.SettlementJoints, model.SettlementCount, r);
    std::optional<Point> p = joint ? PicturePosition(model, *joint) : std::nullopt;
    if (!p) continue;
    for (int k = 1; k <= type->CoordsPerJoint; ++k) {
      const double v = Component(model.SettlementValues, model.SettlementCount, r, k);
      if (v == 0) continue;
      const JointCoordNames& c = CoordinateOf(*type, k);
      // The arrow says along or about which axis the support moves; its label the amount.
      const std::string text = DrawnValueText("", v, model.Units, DisplacementQuantity(c));
      canvas.BeginSymbol(SymbolClass::Load, *joint);
      if (c.Rotation && plane) {
        figure.Turn(*p, 2, v);
        canvas.BeginSymbol(SymbolClass::LoadValue, *joint);
        figure.Label(Plus(*p, {0, 1}, 2 * u), {0, 1}, text);
        continue;
      }
      // On the +axis side: a support's symbol takes the other side of its joint.
      const Point axis = AxisOnPicture(model, c.Axis), dir = axis;
      const Point tail = Plus(*p, dir, 1.5 * u);
      figure.Arrow(tail, dir, axis, 3, v, c.Rotation ? 2 : 1);
      // The bar across the tail tells a settlement from a load.
      const Point bar{-dir.Y * 0.6 * u, dir.X * 0.6 * u};
      figure.Line(Plus(tail, bar, 1), Plus(tail, bar, -1));
      canvas.BeginSymbol(SymbolClass::LoadValue, *joint);
      figure.Label(Plus(tail, dir, 3 * u), dir, text);
    }
  }
  canvas.EndSymbol();
}

}  // namespace stavelorn
