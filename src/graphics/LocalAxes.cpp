#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "analysis/MemberAxes.h"
#include "graphics/Drawing.h"
#include "graphics/DrawingData.h"
#include "model/NumberText.h"
#include "model/StructType.h"

namespace stavelorn {

namespace {

constexpr double kPi = 3.14159265358979323846;

int AxisColour(char axis) {
  return axis == 'x' ? kLightRed : axis == 'y' ? kLightGreen : kLightBlue;
}

class AxesDrawing {
 public:
  AxesDrawing(const ModelStore& model, const StructTypeInfo& type, Canvas& canvas,
              const DrawingView& view)
      : model_(model),
        canvas_(canvas),
        type_(model.StructType),
        info_(type),
        u_(view.SymbolUnit),
        mark_(view.MarkUnit),
        // The fitted picture is a square of 100 marks centred on the joints' extent.
        left_((view.ViewXMin + view.ViewXMax) / 2 - 50 * view.MarkUnit),
        bottom_((view.ViewYMin + view.ViewYMax) / 2 - 50 * view.MarkUnit) {}

  void DrawMembers() {
    for (int m = 1; m <= model_.MemberCount; ++m) {
      std::optional<MemberAxes> axes = MemberLocalAxes(model_, m);
      std::optional<Point> mid = Midpoint(m);
      if (!axes || !mid) continue;
      canvas_.SetPickTag(0, m);
      Arrow(*mid, Direction(axes->X), 4 * u_, 'x');
      if (axes->HasY) Arrow(*mid, Direction(axes->Y), 4 * u_, 'y');
      if (axes->HasZ) Arrow(*mid, Direction(axes->Z), 4 * u_, 'z');
      if (info_.RollAngles && m <= model_.RollAngles.Size() &&
          std::isfinite(model_.RollAngles(m))) {
        canvas_.SetForeColor(kBrightWhite);
        canvas_.SetCurrentX(mid->X + mark_);
        canvas_.SetCurrentY(mid->Y - mark_);
        canvas_.PrintLabel("roll " + FormatShortest(model_.RollAngles(m)) + "\xC2\xB0");
      }
    }
    canvas_.SetPickTag(0, 0);
  }

  // The global axes from a point near the upper-left corner, each named by its capital letter.
  void DrawGlobalAxes() {
    const Point origin{left_ + 6 * u_, bottom_ + 100 * mark_ - 12 * u_};
    for (char axis : std::string(info_.Plane ? "xy" : "xyz"))
      Arrow(origin, LegendDirection(axis), 5 * u_, axis,
            std::string(1, static_cast<char>(axis - 'x' + 'X')));
  }

  // A member along local x drawn flat, with an arrow for every end force in its positive
  // direction at both ends, numbered 1, 2, ... in the order of the results.
  void DrawLegend() {
    const int perEnd = info_.CoordsPerJoint;
    const double length = 16 * u_;
    const Point begin{left_ + 8 * u_, bottom_ + 7 * u_};
    const Point end{begin.X + length, begin.Y};
    canvas_.Line(begin.X, begin.Y, end.X, end.Y, kBrightWhite);
    canvas_.SetForeColor(kBrightWhite);
    canvas_.SetCurrentX(begin.X);
    canvas_.SetCurrentY(begin.Y + 9 * u_);
    canvas_.PrintLabel("positive end forces");
    // The numbers go on after every arrow is drawn, so that none lies under a later arrow head.
    legendLabels_ = std::vector<LegendLabel>();
    for (int e = 0; e < 2; ++e) {
      const Point at = e == 0 ? begin : end;
      for (int k = 0; k < perEnd; ++k) {
        const JointCoordNames& c = CoordinateOf(info_, k + 1);
        const char axis = LocalAxis(c);
        const std::string label = std::to_string(e * perEnd + k + 1);
        const Point direction = LegendDirection(axis);
        if (c.Rotation && info_.Plane) {
          Turn(at, label, axis);
        } else {
          // A moment in space is the double-headed arrow of its vector.
          const double reach = (c.Rotation ? 6.0 : 3.0) * u_;
          Arrow(at, direction, reach, axis, label, c.Rotation);
        }
      }
    }
    for (const LegendLabel& l : *legendLabels_) {
      canvas_.SetForeColor(l.Colour);
      PrintLabelBeyond(canvas_, l.Tip, l.Direction, l.Text, u_);
    }
    legendLabels_.reset();
  }

 private:
  std::optional<Point> Midpoint(int m) const {
    std::optional<std::int16_t> b = Cell(model_.MemberProps, model_.MemberCount, m, 1);
    std::optional<std::int16_t> e = Cell(model_.MemberProps, model_.MemberCount, m, 2);
    if (!b || !e) return std::nullopt;
    std::optional<Point> pb = Place(*b), pe = Place(*e);
    if (!pb || !pe) return std::nullopt;
    return Point{(pb->X + pe->X) / 2, (pb->Y + pe->Y) / 2};
  }

  std::optional<Point> Place(int joint) const {
    if (info_.Plane) return PlanePosition(model_, joint);
    std::optional<Point3> p = SpacePosition(model_, joint);
    if (!p) return std::nullopt;
    return ProjectOblique(type_, *p);
  }

  // A global direction as it runs on the picture (foreshortened in a projection).
  Point Direction(const MemberAxes::Vector& v) const {
    if (info_.Plane) return {v[0], v[1]};
    const Point o = ProjectOblique(type_, {0, 0, 0});
    const Point p = ProjectOblique(type_, {v[0], v[1], v[2]});
    return {p.X - o.X, p.Y - o.Y};
  }

  // In the legend the member lies along global X, so its local axes are the global ones.
  Point LegendDirection(char axis) const {
    return Direction({axis == 'x' ? 1.0 : 0.0, axis == 'y' ? 1.0 : 0.0, axis == 'z' ? 1.0 : 0.0});
  }

  void Arrow(Point from, Point direction, double reach, char axis, std::string label = "",
             bool doubleHead = false) {
    const int colour = AxisColour(axis);
    const Point tip{from.X + direction.X * reach, from.Y + direction.Y * reach};
    if (std::hypot(tip.X - from.X, tip.Y - from.Y) < mark_ / 4) return;  // seen end-on
    canvas_.Line(from.X, from.Y, tip.X, tip.Y, colour);
    const double angle = std::atan2(tip.Y - from.Y, tip.X - from.X);
    Head(tip, angle, colour);
    if (doubleHead)
      Head({from.X + 0.8 * (tip.X - from.X), from.Y + 0.8 * (tip.Y - from.Y)}, angle, colour);
    const double length = std::hypot(tip.X - from.X, tip.Y - from.Y);
    Point out{(tip.X - from.X) / length, (tip.Y - from.Y) / length};
    const std::string text = label.empty() ? std::string(1, axis) : label;
    if (legendLabels_) {
      // A force's number goes beside its tip: beyond it runs the moment arrow of the same axis.
      if (!doubleHead) out = {-out.Y, out.X};
      legendLabels_->push_back({tip, out, text, colour});
      return;
    }
    canvas_.SetForeColor(colour);
    PrintLabelBeyond(canvas_, tip, out, text, u_);
  }

  // A moment in the plane: a counter-clockwise arc about the end.
  void Turn(Point at, const std::string& label, char axis) {
    const int colour = AxisColour(axis);
    const double r = 2 * u_;
    canvas_.Arc(at.X, at.Y, r, colour, 0.25 * kPi, 1.25 * kPi);
    const double end = 1.25 * kPi;
    Head({at.X + r * std::cos(end), at.Y + r * std::sin(end)}, end + kPi / 2, colour);
    canvas_.SetForeColor(colour);
    canvas_.SetCurrentX(at.X - 2.5 * r);
    canvas_.SetCurrentY(at.Y + r);
    canvas_.PrintLabel(label);
  }

  struct LegendLabel {
    Point Tip, Direction;
    std::string Text;
    int Colour;
  };
  // The legend's numbers waiting to be printed, while the legend draws its arrows.
  std::optional<std::vector<LegendLabel>> legendLabels_;

  void Head(Point tip, double angle, int colour) {
    for (double side : {0.8 * kPi, -0.8 * kPi})
      canvas_.Line(tip.X, tip.Y, tip.X + 0.8 * u_ * std::cos(angle + side),
                   tip.Y + 0.8 * u_ * std::sin(angle + side), colour);
  }

  const ModelStore& model_;
  Canvas& canvas_;
  const std::string& type_;
  const StructTypeInfo& info_;
  double u_, mark_, left_, bottom_;
};

}  // namespace

void DrawLocalAxes(const ModelStore& model, Canvas& canvas, const DrawingView& view,
                   LocalAxesParts parts) {
  if (model.JointCount < 1 || view.SymbolUnit <= 0) return;
  if (const StructTypeInfo* type = model.Type()) {
    AxesDrawing drawing(model, *type, canvas, view);
    if (parts != LocalAxesParts::Legend) drawing.DrawMembers();
    if (parts == LocalAxesParts::MembersAndGlobalAxes) drawing.DrawGlobalAxes();
    if (parts == LocalAxesParts::Both || parts == LocalAxesParts::Legend) drawing.DrawLegend();
  }
  canvas.SetForeColor(kLightCyan);
}

}  // namespace stavelorn
