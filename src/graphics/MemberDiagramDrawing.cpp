// The member window's picture: the member with its loads on top, then one strip per quantity.
// User coordinates: x is the fraction of the member's length (0 at the beginning joint), each
// strip is one unit high with its axis at y = 0, -1, -2, ...

#include <algorithm>
#include <array>
#include <cmath>

#include "graphics/DiagramDrawing.h"
#include "model/LoadSymbols.h"
#include "model/MemberLoadKind.h"
#include "model/StructType.h"

namespace stavelorn {

namespace {

// The largest ordinate of a strip, in strip heights.
constexpr double kStripOrdinate = 0.36;
constexpr int kFillLines = 60;

void Arrow(Canvas& canvas, Point from, Point to, double head) {
  canvas.Line(from.X, from.Y, to.X, to.Y, kYellow);
  const double dx = to.X - from.X, dy = to.Y - from.Y, length = std::hypot(dx, dy);
  if (length == 0) return;
  const double ux = dx / length, uy = dy / length;
  for (double side : {-1.0, 1.0})
    canvas.Line(to.X, to.Y, to.X - head * (ux - side * 0.5 * uy),
                to.Y - head * (uy + side * 0.5 * ux), kYellow);
}

// The member's loads drawn plainly on its axis: forces as arrows in the direction they act
// (forces in local z drawn as those in y, marked "z"), distributed loads as rows of arrows under
// a line at heights in proportion to their intensities, couples and torques as open circles
// marked by their value.
void DrawLoadsPlainly(const ModelStore& model, const MemberDiagram& d, Canvas& canvas) {
  if (IsTruss(model.StructType) || !(d.Length > 0)) return;
  double largest = 0;
  for (int r = 1; r <= model.MemberLoadCount; ++r)
    if (model.MemberLoadInfo(r, 1) == d.Member)
      largest = std::max({largest, std::fabs(double(model.MemberLoadValues(r, 1))),
                          std::fabs(double(model.MemberLoadValues(r, 2)))});
  canvas.SetForeColor(kYellow);
  for (int r = 1; r <= model.MemberLoadCount; ++r) {
    const MemberLoadKindInfo* kind = FindMemberLoadKind(model.MemberLoadInfo(r, 2));
    if (model.MemberLoadInfo(r, 1) != d.Member || !kind ||
        !TypeAcceptsLoad(model.StructType, *kind))
      continue;
    const double w = kind->AppliedSign * double(model.MemberLoadValues(r, 1));
    const double w2 =
        IsLinear(*kind) ? kind->AppliedSign * double(model.MemberLoadValues(r, 2)) : w;
    const double a = std::clamp(double(model.MemberLoadValues(r, 3)) / d.Length, 0.0, 1.0);
    const double e = IsDistributed(*kind)
                         ? std::clamp(1 - double(model.MemberLoadValues(r, 4)) / d.Length, 0.0, 1.0)
                         : a;
    std::array<float, 4> values{};
    for (int k = 1; k <= 4; ++k)
      values[static_cast<std::size_t>(k - 1)] = model.MemberLoadValues(r, k);
    const std::string label = MemberLoadLabel(*kind, values, model.Units);
    switch (kind->Form) {
      case LoadForm::PointForce:
        if (kind->Axis == LoadAxis::X)
          Arrow(canvas, {a - (w < 0 ? -0.1 : 0.1), 0.05}, {a, 0.05}, 0.02);
        else
          Arrow(canvas, {a, w < 0 ? 0.35 : -0.35}, {a, 0}, 0.04);
        PrintTextAt(canvas, a + 0.01, 0.42, label);
        break;
      case LoadForm::PointCouple:
        canvas.Arc(a, 0, 0.03, kYellow, 0.6, 5.7);
        PrintTextAt(canvas, a + 0.01, 0.28, label);
        break;
      default: {
        auto height = [largest](double p) { return 0.08 + 0.22 * std::fabs(p) / largest; };
        const double h0 = height(w), h1 = height(w2), up = w < 0 || w2 < 0 ? 1 : -1;
        canvas.Line(a, up * h0, e, up * h1, kYellow);
        const int arrows = std::max(2, static_cast<int>(std::lround((e - a) * 20)));
        for (int k = 0; k <= arrows; ++k) {
          const double x = a + (e - a) * k / arrows, h = h0 + (h1 - h0) * k / arrows;
          if (kind->Axis == LoadAxis::X)
            Arrow(canvas, {x - (w < 0 ? -0.03 : 0.03), 0.03}, {x, 0.03}, 0.015);
          else
            Arrow(canvas, {x, up * h}, {x, 0}, 0.025);
        }
        PrintTextAt(canvas, a + 0.01, up * (std::max(h0, h1) + 0.12), label);
      }
    }
  }
}

}  // namespace

void DrawMemberDiagrams(const ModelStore& model, const MemberDiagram& d, Canvas& canvas,
                        const MemberDiagram* least) {
  const int strips = static_cast<int>(d.Quantities.size());
  canvas.Cls();
  canvas.Scale(-0.3, 0.7, 1.25, -strips - 0.55);
  canvas.SetForeColor(kBrightWhite);
  canvas.SetFontItalic(false);
  canvas.SetDrawWidth(1);

  // The member between its joints, its number and its loads.
  canvas.Line(0, 0, 1, 0, kLightCyan);
  for (double x : {0.0, 1.0}) canvas.Circle(x, 0, 0.01, kLightCyan);
  PrintTextAt(canvas, -0.28, 0.1, "Member " + std::to_string(d.Member));
  DrawLoadsPlainly(model, d, canvas);

  for (int k = 1; k <= strips; ++k) {
    const DiagramQuantity q = d.Quantities[static_cast<std::size_t>(k - 1)];
    const std::size_t i = static_cast<std::size_t>(Index(q));
    double largest = 0;
    for (const MemberDiagram* curve : {&d, least})
      if (curve)
        for (const DiagramExtreme& e : curve->Extremes)
          if (e.Quantity == q) largest = std::max(largest, std::fabs(e.Value));
    const double scale = largest > 0 ? kStripOrdinate / largest : 0, axis = -k;
    canvas.Line(0, axis, 1, axis, kLightCyan);
    canvas.SetForeColor(kBrightWhite);
    PrintTextAt(canvas, -0.28, axis + 0.1,
                WithUnit(QuantityName(model.StructType, q), model.Units, UnitQuantity(q)));
    for (const MemberDiagram* curve : {&d, least}) {
      if (!curve) continue;
      DrawDiagramCurve(
          canvas, *curve, q,
          [scale, axis](double fraction, double value) {
            return Point{fraction, axis + value * scale};
          },
          kFillLines, ExtremeLabels{0.12, 0, false});
      // The joints' values, beside the member's ends; the curve labels only extremes between.
      canvas.SetForeColor(kLightCyan);
      PrintTextAt(canvas, -0.15, axis + curve->StartValues[i] * scale + 0.05,
                  ShortNumber(curve->StartValues[i]));
      PrintTextAt(canvas, 1.03, axis + curve->EndValues[i] * scale + 0.05,
                  ShortNumber(curve->EndValues[i]));
    }
  }
  canvas.SetForeColor(kBrightWhite);
  PrintTextAt(canvas, -0.28, -strips - 0.4,
              "Positive values above each axis, each diagram to its own scale; x from the "
              "beginning joint (left)");
}

}  // namespace stavelorn
