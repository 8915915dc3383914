#include <cmath>
#include <optional>
#include <vector>

#include "graphics/Drawing.h"
#include "graphics/DrawingData.h"
#include "graphics/JointLoadFigures.h"
#include "graphics/StructureLabels.h"
#include "graphics/SupportSymbols.h"

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
    // Seen in projection, the ground lies below every joint: each kind of support has one
    // symbol, turned the same way wherever its joint is.
    const Point p = Project(*position);
    const double u = view_.SymbolUnit;
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
