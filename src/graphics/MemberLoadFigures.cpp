#include "graphics/MemberLoadFigures.h"

#include "analysis/MemberAxes.h"
#include "graphics/Drawing.h"

#include <algorithm>
#include <cmath>

#include "model/LoadSymbols.h"
#include "model/ModelQuantities.h"
#include "model/StructType.h"

namespace stavelorn {

namespace {

constexpr double kPi = 3.14159265358979323846;

Point Plus(Point p, Point q, double k = 1) {
  return {p.X + k * q.X, p.Y + k * q.Y};
}
double Norm(Point p) {
  return std::hypot(p.X, p.Y);
}
Point Unit(Point p) {
  const double n = Norm(p);
  return {p.X / n, p.Y / n};
}

// A picture direction for a local axis: its projection, or the normal of the member's picture on
// the same side when the projection shows too little of the axis to read a figure along it: when
// the axis points (almost) at the viewer, or lies within about 20 degrees of the member's own
// picture, where a figure would be drawn over the member.
Point PictureAxis(Point projected, Point along) {
  const Point t = Unit(along), normal{-t.Y, t.X};
  const double across = projected.X * normal.X + projected.Y * normal.Y;
  if (Norm(projected) > 0.2 && std::fabs(across) > 0.35 * Norm(projected)) return Unit(projected);
  return across < 0 ? Point{-normal.X, -normal.Y} : normal;
}

// Draws on one placed member: P(a, s, d) is the point a length units along the member, moved s
// picture units further along its picture and d picture units across it in direction `across`.
class Figure {
 public:
  Figure(Canvas& canvas, const MemberOnPicture& m, Point across, double u, int colour)
      : canvas_(canvas), m_(m), t_(Unit(m.Along)), n_(across), u_(u), colour_(colour) {}

  Point P(double a, double s, double d) const {
    return Plus(Plus(Plus(m_.Begin, m_.Along, a), t_, s), n_, d);
  }
  void Line(Point p, Point q) { canvas_.Line(p.X, p.Y, q.X, q.Y, colour_); }
  // A full arrow head at `tip` for an arrow travelling in the unit picture direction `dir`.
  void Head(Point tip, Point dir) {
    const double h = u_ / 2;
    const Point back = Plus(tip, dir, -h), side{-dir.Y * h / 2, dir.X * h / 2};
    Line(tip, Plus(back, side));
    Line(tip, Plus(back, side, -1));
  }
  void Arrow(Point tail, Point tip) {
    Line(tail, tip);
    Head(tip, Unit({tip.X - tail.X, tip.Y - tail.Y}));
  }
  // A value's label about centred on `at`, its text about 0.8u a character wide.
  void Label(Point at, const std::string& text) {
    canvas_.BeginSymbol(SymbolClass::LoadValue, 0, m_.Number);
    canvas_.SetForeColor(colour_);
    canvas_.SetCurrentX(at.X - 0.4 * u_ * TextCharacters(text));
    canvas_.SetCurrentY(at.Y + u_);
    canvas_.PrintLabel(text);
  }
  Point Along() const { return t_; }
  Point Across() const { return n_; }
  double U() const { return u_; }

 private:
  Canvas& canvas_;
  const MemberOnPicture& m_;
  Point t_, n_;
  double u_;
  int colour_;
};

// A force across the member at a: an arrow 3u long on the +axis side, pointing at the member
// when the force acts against the axis and away from it otherwise.
void TransverseForce(Figure& f, double a, double force) {
  const double u = f.U();
  if (force < 0)
    f.Arrow(f.P(a, 0, 3 * u), f.P(a, 0, 0));
  else
    f.Arrow(f.P(a, 0, 0), f.P(a, 0, 3 * u));
}

// An intensity over [a1, a2] that varies linearly from q1 to q2 (equal for a uniform load), drawn
// as the classic figure: a line 2u to the +axis side of the member, or a line whose height
// follows |q|, and eleven arrows with half heads at tenths of the loaded length, at the member
// where the load acts against the axis and at the line otherwise. `sign` turns a stored value
// into the force along the axis.
void TransverseIntensity(Figure& f, double a1, double a2, double q1, double q2, int sign) {
  const double u = f.U(), largest = std::max(std::fabs(q1), std::fabs(q2));
  auto q = [&](double a) { return q1 + (q2 - q1) * (a - a1) / (a2 - a1); };
  auto height = [&](double a) { return 2 * u * std::fabs(q(a)) / largest; };
  if (q1 * q2 < 0) {  // the line dips to the member where the intensity changes sign
    const double zero = a1 + (a2 - a1) * q1 / (q1 - q2);
    f.Line(f.P(a1, 0, height(a1)), f.P(zero, 0, 0));
    f.Line(f.P(zero, 0, 0), f.P(a2, 0, height(a2)));
  } else {
    f.Line(f.P(a1, 0, height(a1)), f.P(a2, 0, height(a2)));
  }
  for (int k = 0; k <= 10; ++k) {
    const double a = a1 + k * (a2 - a1) / 10, h = height(a);
    if (h == 0) continue;
    f.Line(f.P(a, 0, 0), f.P(a, 0, h));
    const double half = std::min(u / 2, h / 2);
    if (sign * q(a) < 0) {
      f.Line(f.P(a, 0, 0), f.P(a, half, half));
      f.Line(f.P(a, 0, 0), f.P(a, 0, half));
    } else {
      f.Line(f.P(a, 0, h), f.P(a, half, h - half));
      f.Line(f.P(a, 0, h), f.P(a, 0, h - half));
    }
  }
}

// A force along the member at a: an arrow 3u long beside the member ending at the point of the
// load, with a tick from the member to it.
void AxialForce(Figure& f, double a, double force) {
  const double u = f.U(), d = 0.8 * u, sense = force < 0 ? -1 : 1;
  f.Line(f.P(a, 0, 0), f.P(a, 0, d));
  f.Arrow(f.P(a, -3 * u * sense, d), f.P(a, 0, d));
}

// An axial intensity over [a1, a2]: a line beside the member with five arrows along it.
void AxialIntensity(Figure& f, double a1, double a2, double intensity) {
  const double u = f.U(), d = 0.8 * u, sense = intensity < 0 ? -1 : 1;
  f.Line(f.P(a1, 0, d), f.P(a2, 0, d));
  for (int k = 0; k <= 4; ++k) {
    const double a = a1 + k * (a2 - a1) / 4;
    f.Head(f.P(a, 0, d), {f.Along().X * sense, f.Along().Y * sense});
  }
}

// A couple as a curved arrow of three quarters of a turn round the point of the load, in the
// picture of the plane spanned by e1 and e2; it turns from e1 towards e2 when `turn` is positive.
void CurvedArrow(Figure& f, Point centre, Point e1, Point e2, double turn) {
  const double r = 1.5 * f.U();
  auto at = [&](double angle) {
    return Plus(Plus(centre, e1, r * std::cos(angle)), e2, r * std::sin(angle));
  };
  const int steps = 18;
  const double from = -0.75 * kPi, to = 0.75 * kPi;
  for (int k = 0; k < steps; ++k)
    f.Line(at(from + (to - from) * k / steps), at(from + (to - from) * (k + 1) / steps));
  const double end = turn > 0 ? to : from, dir = turn > 0 ? 1 : -1;
  const Point tangent{dir * (-std::sin(end) * e1.X + std::cos(end) * e2.X),
                      dir * (-std::sin(end) * e1.Y + std::cos(end) * e2.Y)};
  f.Head(at(end), Unit(tangent));
}

// A torque as a double-headed arrow along the member (the right-hand rule's moment vector),
// beside the member at the point of the load.
void TorqueArrow(Figure& f, double a, double torque) {
  const double u = f.U(), d = 0.8 * u, sense = torque < 0 ? -1 : 1;
  const Point dir{f.Along().X * sense, f.Along().Y * sense};
  f.Line(f.P(a, 0, 0), f.P(a, 0, d));
  f.Arrow(f.P(a, -1.5 * u * sense, d), f.P(a, 1.5 * u * sense, d));
  f.Head(f.P(a, u * sense, d), dir);
}

bool Finite(const std::array<float, 4>& values) {
  return std::all_of(values.begin(), values.end(), [](float v) { return std::isfinite(v); });
}

}  // namespace

std::optional<MemberOnPicture> PlaceMember(const ModelStore& model, int member) {
  std::optional<std::int16_t> begin = Cell(model.MemberProps, model.MemberCount, member, 1);
  std::optional<std::int16_t> end = Cell(model.MemberProps, model.MemberCount, member, 2);
  if (!begin || !end) return std::nullopt;
  const std::string& type = model.StructType;
  MemberOnPicture m;
  m.Number = member;
  if (IsPlane(type)) {
    std::optional<Point> pb = PlanePosition(model, *begin), pe = PlanePosition(model, *end);
    if (!pb || !pe) return std::nullopt;
    m.Length = std::hypot(pe->X - pb->X, pe->Y - pb->Y);
    if (m.Length == 0) return std::nullopt;
    m.Begin = *pb;
    m.Along = {(pe->X - pb->X) / m.Length, (pe->Y - pb->Y) / m.Length};
    m.AxisY = {-m.Along.Y, m.Along.X};
    m.AxisZ = m.AxisY;  // seen end-on; no load of a plane type acts along it
    return m;
  }
  std::optional<Point3> pb = SpacePosition(model, *begin), pe = SpacePosition(model, *end);
  if (!pb || !pe) return std::nullopt;
  const Point3 d{pe->X - pb->X, pe->Y - pb->Y, pe->Z - pb->Z};
  m.Length = std::sqrt(d.X * d.X + d.Y * d.Y + d.Z * d.Z);
  if (m.Length == 0) return std::nullopt;
  m.Begin = ProjectOblique(type, *pb);
  const Point pictureEnd = ProjectOblique(type, *pe);
  m.Along = {(pictureEnd.X - m.Begin.X) / m.Length, (pictureEnd.Y - m.Begin.Y) / m.Length};
  if (Norm(m.Along) == 0) m.Along = {1e-9, 0};  // seen end-on: any direction will do
  // The local axes are those the end forces refer to, from the member's own transformation.
  std::optional<MemberAxes> axes = MemberLocalAxes(model, member);
  if (!axes) return std::nullopt;
  auto project = [&type](const MemberAxes::Vector& v) {
    return ProjectOblique(type, Point3{v[0], v[1], v[2]});
  };
  m.AxisY = PictureAxis(project(axes->Y), m.Along);
  m.AxisZ = PictureAxis(project(axes->Z), m.Along);
  return m;
}

std::vector<MemberLoadRecord> DrawableMemberLoads(const ModelStore& model) {
  std::vector<MemberLoadRecord> loads;
  for (int r = 1; r <= model.MemberLoadCount; ++r) {
    std::optional<std::int16_t> member = Cell(model.MemberLoadInfo, model.MemberLoadCount, r, 1);
    if (member && *member == 0) break;
    std::optional<std::int16_t> kind = Cell(model.MemberLoadInfo, model.MemberLoadCount, r, 2);
    MemberLoadRecord load;
    bool readable = member && kind;
    for (int k = 1; k <= 4 && readable; ++k) {
      std::optional<float> v = Cell(model.MemberLoadValues, model.MemberLoadCount, r, k);
      readable = v.has_value();
      if (readable) load.Values[static_cast<std::size_t>(k - 1)] = *v;
    }
    if (!readable) continue;
    load.Member = *member;
    load.Kind = *kind;
    loads.push_back(load);
  }
  return loads;
}

void DrawMemberLoadFigure(Canvas& canvas, const MemberOnPicture& member,
                          const MemberLoadKindInfo& kind, const std::array<float, 4>& values,
                          const UnitSystem& units, double u, int colour) {
  if (!Finite(values)) return;
  const double w = values[0], L = member.Length, a = values[2];
  const double a2 = IsDistributed(kind) ? L - values[3] : a;
  const double w2 = IsLinear(kind) ? values[1] : w;
  if ((w == 0 && w2 == 0) || a < 0 || a2 > L || (IsDistributed(kind) ? a >= a2 : false)) return;
  const int sign = kind.AppliedSign;
  const Point across = kind.Axis == LoadAxis::Z ? member.AxisZ : member.AxisY;
  Figure f(canvas, member, across, u, colour);
  // Magnitude k by its symbol and unit ("P = 40 kN"); the arrows show its direction.
  auto text = [&](int k) {
    return DrawnValueText(LoadSymbol(kind, k), values[static_cast<std::size_t>(k)], units,
                          LoadValueQuantity(kind, k + 1));
  };
  // The figure is one symbol and each of its values another, all naming the member.
  DrawnSymbol symbol(canvas, SymbolClass::Load, 0, member.Number);
  const double middle = (a + a2) / 2;
  switch (kind.Form) {
    case LoadForm::PointForce:
      if (kind.Axis == LoadAxis::X) {
        AxialForce(f, a, sign * w);
        f.Label(f.P(a, 0, 1.5 * u), text(0));
      } else {
        TransverseForce(f, a, sign * w);
        f.Label(f.P(a, 0, 3.5 * u), text(0));
      }
      break;
    case LoadForm::UniformForce:
      if (kind.Axis == LoadAxis::X) {
        AxialIntensity(f, a, a2, sign * w);
        f.Label(f.P(middle, 0, 1.5 * u), text(0));
      } else {
        TransverseIntensity(f, a, a2, w, w, sign);
        f.Label(f.P(middle, 0, 2.5 * u), text(0));
      }
      break;
    case LoadForm::LinearForce:
      // Each end's intensity beside its own ordinate: two short labels fit where one long one
      // would run over a short member.
      TransverseIntensity(f, a, a2, w, w2, sign);
      f.Label(f.P(a, 0, 2.5 * u), text(0));
      f.Label(f.P(a2, 0, 2.5 * u), text(1));
      break;
    case LoadForm::PointCouple: {
      if (kind.Axis == LoadAxis::X) {
        TorqueArrow(f, a, sign * w);
        f.Label(f.P(a, 0, 1.5 * u), text(0));
        break;
      }
      // Right-handed axes: a couple about z turns x towards y, one about y turns z towards x.
      const Point t = f.Along();
      const bool aboutZ = kind.Axis == LoadAxis::Z;
      CurvedArrow(f, f.P(a, 0, 0), aboutZ ? t : member.AxisZ, aboutZ ? member.AxisY : t, sign * w);
      f.Label(f.P(a, 0, 2 * u), text(0));
      break;
    }
  }
}

void DrawMemberLoadFigures(const ModelStore& model, const std::vector<MemberLoadRecord>& loads,
                           Canvas& canvas, double u, int colour) {
  for (const MemberLoadRecord& load : loads) {
    const MemberLoadKindInfo* kind = FindMemberLoadKind(load.Kind);
    if (kind == nullptr || !TypeAcceptsLoad(model.StructType, *kind)) continue;
    if (std::optional<MemberOnPicture> member = PlaceMember(model, load.Member))
      DrawMemberLoadFigure(canvas, *member, *kind, load.Values, model.Units, u, colour);
  }
}

void PlotMemberLoads(const ModelStore& model, Canvas& canvas, const DrawingView& view) {
  canvas.SetDrawWidth(1);
  canvas.SetForeColor(kLightGreen);
  canvas.SetFontItalic(false);
  DrawMemberLoadFigures(model, DrawableMemberLoads(model), canvas, view.SymbolUnit, kYellow);
  canvas.SetForeColor(kLightGreen);
}

}  // namespace stavelorn
