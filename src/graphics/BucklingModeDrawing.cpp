#include "graphics/BucklingModeDrawing.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

#include "graphics/DeflectedShape.h"
#include "graphics/DiagramDrawing.h"
#include "graphics/DrawingData.h"
#include "model/StructType.h"

namespace stavelorn {

namespace {

// Each piece of a member is drawn through this many straight strokes.
constexpr int kStrokesPerPiece = 8;

Point3 Plus(Point3 a, Point3 b) {
  return {a.X + b.X, a.Y + b.Y, a.Z + b.Z};
}
Point3 Times(double s, Point3 a) {
  return {s * a.X, s * a.Y, s * a.Z};
}
double Dot(Point3 a, Point3 b) {
  return a.X * b.X + a.Y * b.Y + a.Z * b.Z;
}
Point3 Cross(Point3 a, Point3 b) {
  return {a.Y * b.Z - a.Z * b.Y, a.Z * b.X - a.X * b.Z, a.X * b.Y - a.Y * b.X};
}

// The translation and the rotation of one joint of the mode, in the model's three axes.
struct JointMotion {
  Point3 Translation, Rotation;
};

class ModeShape {
 public:
  ModeShape(const BucklingMode& mode, const StructTypeInfo& type) : mode_(mode), type_(type) {}

  // How joint `joint` of the project (from 1), or the `inner`-th joint (from 1) inside `member`,
  // moves; nothing when the mode does not reach it.
  std::optional<JointMotion> Motion(int joint) const {
    return MotionAt(mode_.JointDisplacements, static_cast<std::size_t>(joint - 1) * PerJoint());
  }
  std::optional<JointMotion> InnerMotion(int member, int inner, int segments) const {
    const std::size_t joint = static_cast<std::size_t>((member - 1) * (segments - 1) + inner - 1);
    return MotionAt(mode_.InnerJointDisplacements, joint * PerJoint());
  }

  double LargestTranslation() const {
    double largest = 0;
    for (const std::vector<double>* values :
         {&mode_.JointDisplacements, &mode_.InnerJointDisplacements})
      for (std::size_t first = 0; first + PerJoint() <= values->size(); first += PerJoint())
        if (std::optional<JointMotion> m = MotionAt(*values, first))
          largest = std::max(largest, std::sqrt(Dot(m->Translation, m->Translation)));
    return largest;
  }

 private:
  std::size_t PerJoint() const { return static_cast<std::size_t>(type_.CoordsPerJoint); }

  std::optional<JointMotion> MotionAt(const std::vector<double>& values, std::size_t first) const {
    if (first + PerJoint() > values.size()) return std::nullopt;
    JointMotion motion;
    for (std::size_t k = 0; k < PerJoint(); ++k) {
      const double v = std::isfinite(values[first + k]) ? values[first + k] : 0;
      Point3& target = type_.Coords[k].Rotation ? motion.Rotation : motion.Translation;
      const char axis = type_.Coords[k].Axis;
      (axis == 'X' ? target.X : axis == 'Y' ? target.Y : target.Z) = v;
    }
    return motion;
  }

  const BucklingMode& mode_;
  const StructTypeInfo& type_;
};

class ModeDrawing {
 public:
  ModeDrawing(const ModelStore& model, const BucklingMode& mode, int segments,
              const StructTypeInfo& type, Canvas& canvas)
      : model_(model),
        shape_(mode, type),
        segments_(segments),
        type_(type),
        canvas_(canvas),
        scale_(BucklingModeScale(model, mode)) {}

  void DrawMember(int m) {
    std::optional<std::int16_t> begin = Cell(model_.MemberProps, model_.MemberCount, m, 1);
    std::optional<std::int16_t> end = Cell(model_.MemberProps, model_.MemberCount, m, 2);
    if (!begin || !end) return;
    std::optional<Point3> a = ModelPosition(model_, *begin), b = ModelPosition(model_, *end);
    if (!a || !b) return;
    // The member's joints from its beginning: its own ends and the joints inside it.
    std::vector<std::optional<JointMotion>> motions{shape_.Motion(*begin)};
    for (int i = 1; i < segments_; ++i) motions.push_back(shape_.InnerMotion(m, i, segments_));
    motions.push_back(shape_.Motion(*end));
    if (std::any_of(motions.begin(), motions.end(), [](const auto& motion) { return !motion; }))
      return;
    DrawnSymbol symbol(canvas_, SymbolClass::Deformed, 0, m);
    const Point3 along = Plus(*b, Times(-1, *a));
    std::optional<Point> last;
    for (int piece = 0; piece < segments_; ++piece) {
      const Point3 from = Plus(*a, Times(static_cast<double>(piece) / segments_, along));
      for (int k = piece == 0 ? 0 : 1; k <= kStrokesPerPiece; ++k) {
        const double s = static_cast<double>(k) / kStrokesPerPiece;
        const Point3 base = Plus(from, Times(s / segments_, along));
        const Point3 moved = Plus(base, Times(scale_, Shift(*motions[piece], *motions[piece + 1],
                                                            Times(1.0 / segments_, along), s)));
        const Point p = Drawn(moved);
        if (last) canvas_.Line(last->X, last->Y, p.X, p.Y, kLightRed);
        last = p;
      }
    }
  }

 private:
  // The shift of the point at s (0..1) along a piece `chord` long: the ends' translations
  // interpolated, and the cubic bending away from the chord that the ends' rotations give.
  static Point3 Shift(const JointMotion& a, const JointMotion& b, const Point3& chord, double s) {
    const double length = std::sqrt(Dot(chord, chord));
    const Point3 straight = Plus(Times(1 - s, a.Translation), Times(s, b.Translation));
    if (length == 0) return straight;
    const Point3 axis = Times(1 / length, chord);
    // The chord's own turn: the transverse part of the relative translation over the length.
    Point3 relative = Plus(b.Translation, Times(-1, a.Translation));
    relative = Plus(relative, Times(-Dot(relative, axis), axis));
    const Point3 chordSlope = Times(1 / length, relative);
    const Point3 slopeA = Plus(Cross(a.Rotation, axis), Times(-1, chordSlope));
    const Point3 slopeB = Plus(Cross(b.Rotation, axis), Times(-1, chordSlope));
    const double first = s - 2 * s * s + s * s * s, second = s * s * s - s * s;
    return Plus(straight, Times(length, Plus(Times(first, slopeA), Times(second, slopeB))));
  }

  Point Drawn(Point3 p) const {
    return type_.Plane ? Point{p.X, p.Y} : ProjectOblique(model_.StructType, p);
  }

  const ModelStore& model_;
  ModeShape shape_;
  int segments_;
  const StructTypeInfo& type_;
  Canvas& canvas_;
  double scale_;
};

}  // namespace

std::string BucklingModeCaption(const BucklingMode& mode, int number) {
  char factor[32];
  std::snprintf(factor, sizeof factor, "%.5g", mode.LoadFactor);
  return "Mode " + std::to_string(number) + ": load factor λ = " + factor;
}

double BucklingModeScale(const ModelStore& model, const BucklingMode& mode) {
  const StructTypeInfo* type = model.Type();
  if (!type) return 0;
  const double largest = ModeShape(mode, *type).LargestTranslation();
  return largest > 0 ? OneTwoFiveAtMost(StructureExtent(model) / (10 * largest)) : 0;
}

void DrawBucklingMode(const ModelStore& model, const BucklingMode& mode, int number, int segments,
                      Canvas& canvas, Messages& messages) {
  DrawingView view;
  PlotStructure(model, StructureResults(), canvas, FormId::mcas, messages, view);
  const StructTypeInfo* type = model.Type();
  if (!type || model.JointCount < 1 || segments < 1) return;
  canvas.SetPickTag(0, 0);
  ModeDrawing drawing(model, mode, segments, *type, canvas);
  for (int m = 1; m <= model.MemberCount; ++m) drawing.DrawMember(m);
  const double extent = std::max(view.ViewXMax - view.ViewXMin, view.ViewYMax - view.ViewYMin);
  canvas.SetForeColor(kBrightWhite);
  PrintTextAt(canvas, (view.ViewXMin + view.ViewXMax) / 2 - 0.65 * extent + view.MarkUnit,
              (view.ViewYMin + view.ViewYMax) / 2 + 0.65 * extent - view.MarkUnit,
              BucklingModeCaption(mode, number));
  canvas.SetForeColor(kLightCyan);
}

}  // namespace stavelorn
