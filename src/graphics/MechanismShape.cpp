#include <cmath>
#include <optional>
#include <vector>

#include "graphics/DeflectedShape.h"
#include "graphics/Drawing.h"
#include "graphics/DrawingData.h"
#include "model/StructType.h"

namespace stavelorn {

namespace {

constexpr double kPi = 3.14159265358979323846;

class MechanismDrawing {
 public:
  MechanismDrawing(const ModelStore& model, const std::vector<double>& mode,
                   const StructTypeInfo& type, Canvas& canvas, const DrawingView& view)
      : model_(model),
        mode_(mode),
        canvas_(canvas),
        view_(view),
        type_(model.StructType),
        info_(type),
        perJoint_(static_cast<std::size_t>(type.CoordsPerJoint)) {}

  void Draw() {
    double largestTranslation = 0;
    for (int j = 1; j <= model_.JointCount; ++j) {
      double shift[3] = {0, 0, 0};
      for (std::size_t k = 0; k < perJoint_; ++k)
        if (!info_.Coords[k].Rotation) shift[info_.Coords[k].Axis - 'X'] = Value(j, k);
      largestTranslation =
          std::max(largestTranslation,
                   std::sqrt(shift[0] * shift[0] + shift[1] * shift[1] + shift[2] * shift[2]));
    }
    // The mode has no units of its own: it is magnified by the rule of the deformed shape, the
    // largest 1-2-5 value that keeps its largest translation within a tenth of the structure.
    // Unlike a displacement's multiplier it may be below 1, for a structure a few units across.
    scale_ = largestTranslation > 0
                 ? OneTwoFiveAtMost(StructureExtent(model_) / (10 * largestTranslation))
                 : 0;
    for (int m = 1; m <= model_.MemberCount; ++m) {
      std::optional<std::int16_t> begin = Cell(model_.MemberProps, model_.MemberCount, m, 1);
      std::optional<std::int16_t> end = Cell(model_.MemberProps, model_.MemberCount, m, 2);
      if (!begin || !end) continue;
      std::optional<Point> pb = Moved(*begin), pe = Moved(*end);
      if (!pb || !pe) continue;
      DrawnSymbol symbol(canvas_, SymbolClass::Deformed, 0, m);
      canvas_.Line(pb->X, pb->Y, pe->X, pe->Y, kLightBlue);
    }
    for (int j = 1; j <= model_.JointCount; ++j) {
      std::optional<Point> p = Moved(j);
      if (!p) continue;
      DrawnSymbol symbol(canvas_, SymbolClass::Deformed, j);
      canvas_.Circle(p->X, p->Y, view_.MarkUnit / 2, kLightBlue);
      for (std::size_t k = 0; k < perJoint_; ++k)
        if (info_.Coords[k].Rotation && std::fabs(Value(j, k)) >= 0.5)
          Turn(*p, info_.Coords[k].Axis, Value(j, k));
    }
  }

 private:
  double Value(int joint, std::size_t k) const {
    const std::size_t i = static_cast<std::size_t>(joint - 1) * perJoint_ + k;
    const double v = mode_[i];
    return std::isfinite(v) ? v : 0;
  }

  // Where the mode moves a joint, on the picture.
  std::optional<Point> Moved(int joint) const {
    if (joint < 1 || joint > model_.JointCount) return std::nullopt;
    double shift[3] = {0, 0, 0};
    for (std::size_t k = 0; k < perJoint_; ++k)
      if (!info_.Coords[k].Rotation) shift[info_.Coords[k].Axis - 'X'] += scale_ * Value(joint, k);
    if (info_.Plane) {
      std::optional<Point> p = PlanePosition(model_, joint);
      if (!p) return std::nullopt;
      return Point{p->X + shift[0], p->Y + shift[1]};
    }
    std::optional<Point3> p = SpacePosition(model_, joint);
    if (!p) return std::nullopt;
    return ProjectOblique(type_, {p->X + shift[0], p->Y + shift[1], p->Z + shift[2]});
  }

  // The turn of a joint: a circular arrow in the plane of a plane structure, a double-headed
  // arrow along the axis of rotation in a projection.
  void Turn(Point p, char axis, double value) {
    const double u = view_.SymbolUnit;
    if (info_.Plane) {
      const double end = value > 0 ? 1.5 * kPi : 0;
      const double tipX = p.X + 2 * u * std::cos(end), tipY = p.Y + 2 * u * std::sin(end);
      canvas_.Arc(p.X, p.Y, 2 * u, kLightBlue, 0, 1.5 * kPi);
      // The head points along the turn at its tip: counter-clockwise for a positive value.
      const double along = value > 0 ? end + kPi / 2 : end - kPi / 2;
      Head(tipX, tipY, along);
      return;
    }
    Point3 direction{axis == 'X' ? 1.0 : 0.0, axis == 'Y' ? 1.0 : 0.0, axis == 'Z' ? 1.0 : 0.0};
    const Point origin = ProjectOblique(type_, {0, 0, 0});
    const Point tip = ProjectOblique(type_, direction);
    double dx = tip.X - origin.X, dy = tip.Y - origin.Y;
    const double length = std::hypot(dx, dy);
    if (length == 0) return;
    const double sign = value > 0 ? 1 : -1;
    dx *= sign * 5 * u / length, dy *= sign * 5 * u / length;
    canvas_.Line(p.X, p.Y, p.X + dx, p.Y + dy, kLightBlue);
    const double angle = std::atan2(dy, dx);
    Head(p.X + dx, p.Y + dy, angle);
    Head(p.X + 0.75 * dx, p.Y + 0.75 * dy, angle);
  }

  // An arrowhead with its tip at (x, y) pointing along `angle`.
  void Head(double x, double y, double angle) {
    const double u = view_.SymbolUnit;
    for (double side : {0.8 * kPi, -0.8 * kPi})
      canvas_.Line(x, y, x + u * std::cos(angle + side), y + u * std::sin(angle + side),
                   kLightBlue);
  }

  const ModelStore& model_;
  const std::vector<double>& mode_;
  Canvas& canvas_;
  const DrawingView& view_;
  const std::string& type_;
  const StructTypeInfo& info_;
  const std::size_t perJoint_;
  double scale_ = 0;
};

}  // namespace

void DrawMechanismMode(const ModelStore& model, const StructureResults& results, Canvas& canvas,
                       const DrawingView& view) {
  const StructTypeInfo* type = model.Type();
  const std::size_t perJoint = type ? static_cast<std::size_t>(type->CoordsPerJoint) : 0;
  if (model.JointCount < 1 || perJoint == 0 ||
      results.MechanismMode.size() != static_cast<std::size_t>(model.JointCount) * perJoint)
    return;
  canvas.SetPickTag(0, 0);
  MechanismDrawing(model, results.MechanismMode, *type, canvas, view).Draw();
}

}  // namespace stavelorn
