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

constexpr double kPi = 3.14159265358979323846;

SupportSymbol PlaneSymbol(StructKind type, const std::vector<int>& f) {
  if (type == StructKind::Beam) {
    if (f[0] == 1 && f[1] == 0) return SupportSymbol::YRoller;
    if (f[0] == 1 && f[1] == 1) return SupportSymbol::Fixed;
  } else if (type == StructKind::PTruss) {
    if (f[0] == 1 && f[1] == 0) return SupportSymbol::XRoller;
    if (f[0] == 0 && f[1] == 1) return SupportSymbol::YRoller;
    if (f[0] == 1 && f[1] == 1) return SupportSymbol::Hinged;
  } else if (type == StructKind::PFrame && f[2] == 0) {
    if (f[0] == 1 && f[1] == 0) return SupportSymbol::XRoller;
    if (f[0] == 0 && f[1] == 1) return SupportSymbol::YRoller;
    if (f[0] == 1 && f[1] == 1) return SupportSymbol::Hinged;
  } else if (type == StructKind::PFrame && f[0] == 1 && f[1] == 1 && f[2] == 1) {
    return SupportSymbol::Fixed;
  }
  return SupportSymbol::None;
}

class PlaneDrawing {
 public:
  PlaneDrawing(const ModelStore& model, const StructureResults& results, Canvas& canvas,
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
      if (std::optional<Point> p = PlanePosition(model_, j)) points.push_back(*p);
    ScaleView(canvas_, view_, points);
    u_ = view_.SymbolUnit;
    DrawSupportsTagged(model_, canvas_, [this](int record) { DrawSupport(record); });
    DrawJointsAndMembers(model_, canvas_, form_, view_, IsTruss(model_.StructType),
                         [this](int j) { return PlanePosition(model_, j); });
    if (!ShowsResults(form_)) return;
    if (results_.AnalysisStatus == kNotStable || results_.AnalysisStatus == kSolutionFailed)
      DrawMechanismMode(model_, results_, canvas_, view_);
    DrawJointLoads(model_, canvas_, view_);
    DrawSettlements(model_, canvas_, view_);
    if (model_.MemberLoadCount > 0) PlotMemberLoads(model_, canvas_, view_);
    DrawMemberRecordLabels(model_, canvas_, view_);
    if (results_.AnalysisStatus == kAnalysisComplete)
      DrawDeformedShape(model_, results_, canvas_, view_);
    if (view_.Numbers) DrawNumbers(model_, canvas_, view_);
  }

 private:
  void DrawSupport(int record) {
    const int dofs = TypeOf(type_).CoordsPerJoint;
    std::optional<std::int16_t> joint = Cell(model_.Supports, model_.SupportCount, record, 1);
    if (!joint) return;
    std::optional<Point> p = PlanePosition(model_, *joint);
    if (!p) return;
    std::vector<int> flags;
    for (int k = 1; k <= dofs; ++k) {
      std::optional<std::int16_t> flag = Cell(model_.Supports, model_.SupportCount, record, k + 1);
      if (!flag) return;
      flags.push_back(*flag);
    }
    // A spring holds its coordinate elastically: the rigid symbol shows the other restraints.
    const bool analysed = results_.AnalysisStatus == kAnalysisComplete;
    const int colour = analysed ? kLightCyan : kLightRed;
    for (int k = 1; k <= dofs; ++k)
      if (model_.SpringCount > 0 && SpringRecordAt(model_, *joint, k) > 0) {
        flags[static_cast<std::size_t>(k - 1)] = 0;
        DrawSpring(*joint, k, *p, colour);
      }
    const SupportSymbol symbol = PlaneSymbol(type_, flags);
    if (symbol == SupportSymbol::None) return;
    turned_ = SupportTurnAngle(*joint);
    DrawSymbol(symbol, *p, *p, 0, colour);

    // The support once more where the analysis moved it. A symbol without a free translation
    // only moves with a settlement.
    const bool moves = symbol == SupportSymbol::XRoller ||
                       (symbol == SupportSymbol::YRoller && type_ != StructKind::Beam);
    if (!analysed || !ShowsResults(form_) || (!moves && model_.SettlementCount < 1)) return;
    const double m = view_.Multiplier;
    Point moved = *p;
    double turn = 0;
    for (int k = 1; k <= dofs; ++k) {
      double shift = 0;
      if (std::optional<double> d = FreeDisplacement(model_, results_, *joint, k))
        shift = *d;
      else if (RestrainedCoordinate(model_, results_, *joint, k))
        shift = Settlement(model_, *joint, k).value_or(0);
      if (type_ == StructKind::Beam) {
        (k == 1 ? moved.Y : turn) += m * shift;
      } else if (k == 3) {
        turn += m * shift;
      } else {
        (k == 1 ? moved.X : moved.Y) += m * shift;
      }
    }
    // Where the support went belongs to the deformed shape, not to the support as entered.
    canvas_.BeginSymbol(SymbolClass::Deformed, *joint);
    DrawSymbol(symbol, *p, moved, symbol == SupportSymbol::Fixed ? turn : 0, kLightRed);
  }

  // Draws a symbol at `at`, placed on the side that the joint's own position `joint` calls for,
  // so that a displaced support keeps the side of the support it shows.
  void DrawSymbol(SupportSymbol symbol, Point joint, Point at, double turn, int colour) {
    // A roller on a turned surface holds the joint along the support's turned y' (or x').
    const bool roller = symbol == SupportSymbol::XRoller || symbol == SupportSymbol::YRoller;
    if (roller && turned_ != 0) {
      DrawTurnedRoller(canvas_, at.X, at.Y, u_,
                       turned_ + (symbol == SupportSymbol::YRoller ? kPi / 2 : 0), colour);
      return;
    }
    switch (symbol) {
      case SupportSymbol::XRoller:
        DrawXRoller(canvas_, at.X, at.Y, u_, OnExtent(joint.X, view_.ViewXMax), colour);
        break;
      case SupportSymbol::YRoller:
        DrawYRoller(canvas_, at.X, at.Y, u_,
                    type_ != StructKind::Beam && OnExtent(joint.Y, view_.ViewYMax) && joint.Y != 0,
                    colour);
        break;
      case SupportSymbol::Hinged:
        DrawHinged(canvas_, at.X, at.Y, u_, HingedSide(view_, joint.X, joint.Y), colour);
        break;
      case SupportSymbol::Fixed:
        DrawFixedWall(canvas_, at.X, at.Y, u_, FixedAngle(joint) + turn, colour);
        break;
      case SupportSymbol::None: break;
    }
  }

  // The angle (radians) of the joint's turned support, 0 when it is square to the axes.
  double SupportTurnAngle(int joint) const {
    const JointTurn turn = JointTurnOf(model_, joint);
    return turn.Turned() ? std::atan2(turn.Sin, turn.Cos) : 0;
  }

  // A spring's symbol: a spiral for a rotation, else a zig-zag from the joint to its base, away
  // from the coordinate's positive direction (turned with a turned support's axes).
  void DrawSpring(int joint, int k, Point p, int colour) {
    const JointCoordNames& coordinate = CoordinateOf(TypeOf(type_), k);
    if (coordinate.Rotation) {
      DrawSpiralSpring(canvas_, p.X, p.Y, u_, colour);
      return;
    }
    const JointTurn turn = JointTurnOf(model_, joint);
    const bool turns = turn.Turned() && (k == turn.First || k == turn.Second);
    const double away = coordinate.Axis == 'X' ? kPi : -kPi / 2;
    DrawZigZagSpring(canvas_, p.X, p.Y, u_, away + (turns ? SupportTurnAngle(joint) : 0), colour);
  }

  // The wall's angle: hatched towards the outside of the structure, below when in doubt.
  double FixedAngle(Point p) const {
    const double width = view_.ViewXMax - view_.ViewXMin, height = view_.ViewYMax - view_.ViewYMin;
    const double ax = std::fabs(p.X - view_.ViewXMin), ay = std::fabs(p.Y - view_.ViewYMin);
    if (type_ == StructKind::Beam) return ax <= std::fabs(width / 2) ? 0 : kPi;
    if (ay < std::fabs(height / 3)) return kPi / 2;
    if (ax < std::fabs(width / 3)) return 0;
    if (ax > std::fabs(2 * width / 3)) return kPi;
    if (ay > std::fabs(2 * height / 3)) return 3 * kPi / 2;
    return kPi / 2;
  }

  const ModelStore& model_;
  const StructureResults& results_;
  Canvas& canvas_;
  FormId form_;
  DrawingView& view_;
  const StructKind type_;
  double u_ = 0;
  double turned_ = 0;  // the angle (radians) of the support being drawn
};

}  // namespace

void Plot2D(const ModelStore& model, const StructureResults& results, Canvas& canvas, FormId form,
            Messages& messages, DrawingView& view) {
  canvas.SetForeColor(kLightCyan);
  canvas.SetFontItalic(false);
  canvas.SetDrawWidth(1);
  if (model.JointCount < 1) return;
  RunDrawing("Error in Plot2D", messages,
             [&] { PlaneDrawing(model, results, canvas, form, view).Draw(); });
}

}  // namespace stavelorn
