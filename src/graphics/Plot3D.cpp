#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "graphics/Drawing.h"
#include "graphics/DrawingData.h"
#include "graphics/JointLoadFigures.h"
#include "graphics/SpringSymbols.h"
#include "graphics/StructureLabels.h"
#include "graphics/SupportSymbols.h"
#include "model/SupportAxes.h"
#include "model/SupportSprings.h"

namespace stavelorn {

namespace {

SupportSymbol SpaceSymbol(StructKind type, const std::vector<int>& f) {
  if (type == StructKind::Grid)
    return f[0] == 1 && f[1] == 0 ? SupportSymbol::YRoller : SupportSymbol::Fixed;
  if (type == StructKind::SFrame && (f[3] == 1 || f[4] == 1 || f[5] == 1))
    return SupportSymbol::Fixed;
  return f[0] == 0 && f[1] == 1 && f[2] == 0 ? SupportSymbol::YRoller : SupportSymbol::Hinged;
}

class SpaceDrawing {
 public:
  SpaceDrawing(const ModelStore& model, const StructureResults& results, Canvas& canvas,
               FormId form, DrawingView& view)
      : model_(model),
        results_(results),
        canvas_(canvas),
        form_(form),
        view_(view),
        type_(model.Kind()) {}

  void Draw() {
    std::vector<Point> points;
    for (int j = 1; j <= model_.JointCount; ++j)
      if (std::optional<Point> p = Projected(j)) points.push_back(*p);
    ScaleView(canvas_, view_, points);
    DrawSupportsTagged(model_, canvas_, [this](int record) { DrawSupport(record); });
    DrawJointsAndMembers(model_, canvas_, form_, view_, IsTruss(model_.StructType),
                         [this](int j) { return Projected(j); });
    if (!ShowsResults(form_)) return;
    DrawJointLoads(model_, canvas_, view_);
    DrawSettlements(model_, canvas_, view_);
    if (model_.MemberLoadCount > 0) PlotMemberLoads(model_, canvas_, view_);
    DrawMemberRecordLabels(model_, canvas_, view_);
    if (results_.AnalysisStatus == kAnalysisComplete)
      DrawSpaceDeformedShape(model_, results_, canvas_, view_);
    if (results_.AnalysisStatus == kNotStable || results_.AnalysisStatus == kSolutionFailed)
      DrawMechanismMode(model_, results_, canvas_, view_);
    if (view_.Numbers) DrawNumbers(model_, canvas_, view_);
  }

 private:
  Point Project(const Point3& p) const { return ProjectOblique(type_, p); }

  std::optional<Point> Projected(int joint) const {
    std::optional<Point3> p = SpacePosition(model_, joint);
    if (!p) return std::nullopt;
    return Project(*p);
  }

  void DrawSupport(int record) {
    const int dofs = model_.CoordsPerJoint;
    std::optional<std::int16_t> joint = Cell(model_.Supports, model_.SupportCount, record, 1);
    if (!joint) return;
    std::optional<Point3> position = SpacePosition(model_, *joint);
    if (!position) return;
    std::vector<int> flags;
    for (int k = 1; k <= dofs; ++k) {
      std::optional<std::int16_t> flag = Cell(model_.Supports, model_.SupportCount, record, k + 1);
      if (!flag) return;
      flags.push_back(*flag);
    }
    // A spring holds its coordinate elastically: the rigid symbol shows the other restraints.
    const Point p = Project(*position);
    const double u = view_.SymbolUnit;
    bool springs = false;
    for (int k = 1; k <= dofs; ++k) {
      const bool spring = model_.SpringCount > 0 && SpringRecordAt(model_, *joint, k) > 0;
      springs = springs || spring;
      if (spring) flags[static_cast<std::size_t>(k - 1)] = 0;
      if (spring || (flags[static_cast<std::size_t>(k - 1)] == 1 && TurnedRotation(*joint, k)))
        DrawRestraintAxis(*joint, k, *position, spring);
    }
    if (springs && std::find(flags.begin(), flags.end(), 1) == flags.end()) return;
    // Seen in projection, the ground lies below every joint: each kind of support has one
    // symbol, turned the same way wherever its joint is.
    switch (SpaceSymbol(type_, flags)) {
      case SupportSymbol::YRoller:
        DrawYRoller(canvas_, p.X, p.Y, u, false, kLightRed);
        if (results_.AnalysisStatus == kAnalysisComplete && ShowsResults(form_)) {
          const Point moved = Project(Displaced(*joint, *position));
          canvas_.BeginSymbol(SymbolClass::Deformed, *joint);
          DrawYRoller(canvas_, moved.X, moved.Y, u, false, kLightRed);
        }
        break;
      case SupportSymbol::Hinged:
        DrawHinged(canvas_, p.X, p.Y, u, SymbolSide::Below, kLightRed);
        break;
      case SupportSymbol::Fixed:
        DrawFixedSquare(canvas_, p.X, p.Y, u, SymbolSide::Below, kLightRed);
        break;
      default: break;
    }
  }

  // Whether coordinate k of the joint is a rotation its turned support holds about a turned axis.
  bool TurnedRotation(int joint, int k) const {
    const JointTurn turn = JointTurnOf(model_, joint);
    return CoordinateOf(TypeOf(type_), k).Rotation && turn.Turned() &&
           (k == turn.First || k == turn.Second);
  }

  // The screen direction (radians) of the support's axis of coordinate k, turned with a turned
  // support: the first of the turned pair lies along cos·first + sin·second, the second along
  // -sin·first + cos·second.
  double AxisDirection(int joint, int k, const Point3& at) const {
    const StructTypeInfo& type = TypeOf(type_);
    const auto unit = [&type](int coordinate, double scale) {
      const char axis = CoordinateOf(type, coordinate).Axis;
      return Point3{axis == 'X' ? scale : 0, axis == 'Y' ? scale : 0, axis == 'Z' ? scale : 0};
    };
    Point3 axis = unit(k, 1);
    const JointTurn turn = JointTurnOf(model_, joint);
    if (turn.Turned() && (k == turn.First || k == turn.Second)) {
      const bool first = k == turn.First;
      const Point3 a = unit(turn.First, first ? turn.Cos : -turn.Sin);
      const Point3 b = unit(turn.Second, first ? turn.Sin : turn.Cos);
      axis = {a.X + b.X, a.Y + b.Y, a.Z + b.Z};
    }
    const Point from = Project(at), to = Project({at.X + axis.X, at.Y + axis.Y, at.Z + axis.Z});
    return std::atan2(to.Y - from.Y, to.X - from.X);
  }

  // A spring runs from the joint to its base away from its coordinate's positive direction; a
  // rotation's spring, and a rotation a turned support holds rigidly, carry the double arrow of
  // the rotation's axis.
  void DrawRestraintAxis(int joint, int k, const Point3& at, bool spring) {
    const Point p = Project(at);
    const double u = view_.SymbolUnit, direction = AxisDirection(joint, k, at);
    const bool rotation = CoordinateOf(TypeOf(type_), k).Rotation;
    if (!spring) {
      DrawRotationAxis(canvas_, p.X, p.Y, u, direction, kLightRed);
      return;
    }
    DrawZigZagSpring(canvas_, p.X, p.Y, u, direction + std::acos(-1.0), kLightRed);
    if (rotation) DrawDoubleArrowHead(canvas_, p.X, p.Y, u, direction, kLightRed);
  }

  // A joint moved by its free translations, magnified: X, Y and Z, or only Y for a grid, whose
  // first coordinate is its Y translation.
  Point3 Displaced(int joint, Point3 p) const {
    const double m = view_.Multiplier;
    auto shift = [&](int k) {
      return m * FreeDisplacement(model_, results_, joint, k).value_or(0);
    };
    if (type_ == StructKind::Grid) {
      p.Y += shift(1);
    } else {
      p.X += shift(1);
      p.Y += shift(2);
      p.Z += shift(3);
    }
    return p;
  }

  const ModelStore& model_;
  const StructureResults& results_;
  Canvas& canvas_;
  FormId form_;
  DrawingView& view_;
  const StructKind type_;
};

}  // namespace

void Plot3D(const ModelStore& model, const StructureResults& results, Canvas& canvas, FormId form,
            Messages& messages, DrawingView& view) {
  canvas.SetForeColor(kLightCyan);
  canvas.SetFontItalic(false);
  canvas.SetDrawWidth(1);
  if (model.JointCount < 1) return;
  RunDrawing("Error in Plot3D", messages,
             [&] { SpaceDrawing(model, results, canvas, form, view).Draw(); });
}

}  // namespace stavelorn
