#include "graphics/DiagramDrawing.h"

#include "analysis/MemberAxes.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

#include "graphics/DrawingData.h"
#include "model/StructType.h"

namespace stavelorn {

namespace {

// Points per piece of a curved diagram: a cubic over a piece looks smooth with this many.
constexpr int kSamplesPerPiece = 24;
// The largest ordinate of the picture, as a share of the structure's larger side.
constexpr double kLargestOrdinate = 0.12;
// Cross lines of the filling along a member as long as the structure's larger side.
constexpr double kFillLines = 80;
// ... and of the median member's drawn length.
constexpr double kMemberShare = 0.25;
// A value whose ordinate is shorter than this share of the largest one is not labelled: it
// cannot be told from the axis, and its label would crowd the joint it sits at.
constexpr double kSmallestLabelled = 0.01;
// Room around the diagrams for their labels and the legend, as ScaleView takes it.
constexpr double kViewMargin = 0.25;

// Where a member is drawn: the points of x = 0 and x = L, and the drawn vector of a unit
// ordinate before scaling.
struct Placement {
  Point Begin, End, Ordinate;
};

std::optional<Placement> Place(const ModelStore& model, int member, DiagramQuantity q) {
  std::optional<Point> b = DrawnJoint(model, model.MemberProps(member, 1));
  std::optional<Point> e = DrawnJoint(model, model.MemberProps(member, 2));
  if (!b || !e) return std::nullopt;
  Placement p{*b, *e, {}};
  const double dx = e->X - b->X, dy = e->Y - b->Y, drawn = std::hypot(dx, dy);
  if (IsTruss(model.StructType)) {
    // A bar has no bending plane: its axial force stands to its left, seen from its beginning.
    if (drawn > 0) p.Ordinate = {-dy / drawn, dx / drawn};
    return p;
  }
  const std::optional<MemberAxes> axes = MemberLocalAxes(model, member);
  if (!axes) return std::nullopt;
  const bool zPlane = q == DiagramQuantity::Vz || q == DiagramQuantity::My;
  const MemberAxes::Vector& axis = zPlane ? axes->Z : axes->Y;
  if (IsPlane(model.StructType))
    p.Ordinate = {axis[0], axis[1]};
  else
    p.Ordinate = ProjectOblique(model.StructType, {axis[0], axis[1], axis[2]});
  return p;
}

Point Along(const Placement& p, double fraction, double ordinate) {
  return {p.Begin.X + (p.End.X - p.Begin.X) * fraction + p.Ordinate.X * ordinate,
          p.Begin.Y + (p.End.Y - p.Begin.Y) * fraction + p.Ordinate.Y * ordinate};
}

double LargestOf(const std::vector<MemberDiagram>& diagrams, DiagramQuantity q) {
  double largest = 0;
  for (const MemberDiagram& d : diagrams)
    for (const DiagramExtreme& e : d.Extremes)
      if (e.Quantity == q) largest = std::max(largest, std::fabs(e.Value));
  return largest;
}

}  // namespace

std::optional<Point> DrawnJoint(const ModelStore& model, int joint) {
  if (IsPlane(model.StructType)) return PlanePosition(model, joint);
  std::optional<Point3> p = SpacePosition(model, joint);
  if (!p) return std::nullopt;
  return ProjectOblique(model.StructType, *p);
}

void PrintTextAt(Canvas& canvas, double x, double y, const std::string& text) {
  canvas.SetCurrentX(x);
  canvas.SetCurrentY(y);
  canvas.PrintText(text);
}

void DrawDiagramCurve(Canvas& canvas, const MemberDiagram& d, DiagramQuantity q,
                      const std::function<Point(double, double)>& place, int lines,
                      const ExtremeLabels& labels) {
  const std::vector<std::pair<double, double>> outline = DiagramOutline(d, q);
  const double length = d.Length;
  for (int k = 1; k < lines; ++k) {
    const double x = length * k / lines;
    const Point axis = place(x / length, 0), tip = place(x / length, d.ValueAt(q, x));
    canvas.Line(axis.X, axis.Y, tip.X, tip.Y, kDarkGray);
  }
  Point last = place(0, 0);
  for (const auto& [x, value] : outline) {
    const Point next = place(x / length, value);
    canvas.Line(last.X, last.Y, next.X, next.Y, kBrightWhite);
    last = next;
  }
  const Point end = place(1, 0);
  canvas.Line(last.X, last.Y, end.X, end.Y, kBrightWhite);

  canvas.SetForeColor(kBrightWhite);
  // A diagram that is the same all along (a bar's axial force) is labelled once, at mid-length.
  double high = 0, low = 0;
  for (const DiagramExtreme& e : d.Extremes)
    if (e.Quantity == q) (e.Maximum ? high : low) = e.Value;
  std::optional<double> labelled;
  for (const DiagramExtreme& e : d.Extremes) {
    if (e.Quantity != q || std::fabs(e.Value) < labels.Smallest || e.Value == 0 ||
        labelled == e.Value || (!labels.AtJoints && (e.X == 0 || e.X == length)))
      continue;
    labelled = e.Value;
    const Point tip = place(high == low ? 0.5 : e.X / length, e.Value);
    // Where members meet, their extremes would pile up: each label takes a free spot nearby.
    canvas.SetCurrentX(tip.X);
    canvas.SetCurrentY(tip.Y + (e.Value > 0 ? labels.Lift : 0));
    canvas.PrintLabel(ShortNumber(e.Value));
  }
}

std::vector<std::pair<double, double>> DiagramOutline(const MemberDiagram& d, DiagramQuantity q) {
  const std::size_t i = static_cast<std::size_t>(Index(q));
  std::vector<std::pair<double, double>> points{{0, d.StartValues[i]}};
  for (const DiagramPiece& piece : d.Pieces) {
    const Cubic& p = piece.Q[i];
    const int samples = p.C[2] == 0 && p.C[3] == 0 ? 1 : kSamplesPerPiece;
    const double span = piece.X1 - piece.X0;
    for (int k = 0; k <= samples; ++k) {
      const double t = k == samples ? span : span * k / samples;
      points.emplace_back(piece.X0 + t, p.At(t));
    }
  }
  points.emplace_back(d.Length, d.EndValues[i]);
  points.erase(std::unique(points.begin(), points.end()), points.end());
  return points;
}

std::string PositiveSide(const std::string& typeCode, DiagramQuantity q) {
  const StructTypeInfo* type = FindStructType(typeCode);
  if (!IsTruss(typeCode) && (q == DiagramQuantity::Vz || q == DiagramQuantity::My))
    return "local +z side";
  return type ? type->DiagramSide : "local +y side";
}

void DrawStructureDiagrams(const ModelStore& model, const std::vector<MemberDiagram>& diagrams,
                           DiagramQuantity q, Canvas& canvas,
                           const std::vector<MemberDiagram>& least) {
  std::vector<Point> joints;
  for (int j = 1; j <= model.JointCount; ++j)
    if (std::optional<Point> p = DrawnJoint(model, j)) joints.push_back(*p);
  DrawingView view;
  ScaleView(canvas, view, joints);
  const double size = std::max(view.ViewXMax - view.ViewXMin, view.ViewYMax - view.ViewYMin);
  const double largest = std::max(LargestOf(diagrams, q), LargestOf(least, q));
  // The largest ordinate has a share of the structure, but no more than a share of a typical
  // member, so that the diagrams of neighbouring members do not run into each other.
  std::vector<double> lengths;
  for (int m = 1; m <= model.MemberCount; ++m) {
    std::optional<Point> b = DrawnJoint(model, model.MemberProps(m, 1));
    std::optional<Point> e = DrawnJoint(model, model.MemberProps(m, 2));
    if (b && e) lengths.push_back(std::hypot(e->X - b->X, e->Y - b->Y));
  }
  double room = kLargestOrdinate * (size > 0 ? size : 200);
  if (!lengths.empty()) {
    std::nth_element(lengths.begin(), lengths.begin() + lengths.size() / 2, lengths.end());
    if (lengths[lengths.size() / 2] > 0)
      room = std::min(room, kMemberShare * lengths[lengths.size() / 2]);
  }
  const double scale = largest > 0 ? room / largest : 0;

  // The view again, now around the ordinates too.
  std::vector<Point> points = joints;
  std::vector<std::optional<Placement>> placed;
  for (const MemberDiagram& d : diagrams) placed.push_back(Place(model, d.Member, q));
  for (const std::vector<MemberDiagram>* curves : {&diagrams, &least})
    for (const MemberDiagram& d : *curves) {
      const std::optional<Placement>& p = placed[static_cast<std::size_t>(d.Member - 1)];
      if (!p || !(d.Length > 0)) continue;
      for (const auto& [x, value] : DiagramOutline(d, q))
        points.push_back(Along(*p, x / d.Length, value * scale));
    }
  ScaleView(canvas, view, points, kViewMargin);
  const double mark = view.MarkUnit;

  // The legend first, in the top left corner of the square the view centred on the drawing, so
  // that the diagrams' labels keep clear of it.
  const double extent = std::max(view.ViewXMax - view.ViewXMin, view.ViewYMax - view.ViewYMin);
  const double left = (view.ViewXMin + view.ViewXMax) / 2 - (0.5 + kViewMargin) * extent + mark;
  const double top = (view.ViewYMin + view.ViewYMax) / 2 + (0.5 + kViewMargin) * extent - mark;
  const std::string name = QuantityName(model.StructType, q);
  canvas.SetForeColor(kBrightWhite);
  PrintTextAt(
      canvas, left, top,
      WithUnit(std::string(QuantityCaption(q)) + " (" + name + ")", model.Units, UnitQuantity(q)));
  PrintTextAt(canvas, left, top - 3 * mark,
              "Positive " + name + " drawn on the " + PositiveSide(model.StructType, q));
  PrintTextAt(canvas, left, top - 6 * mark,
              !least.empty() ? "Envelope: the greatest and the least value at each section"
              : q == DiagramQuantity::N
                  ? "N > 0: tension"
                  : "Labels: largest and smallest of each member, where visible");
  for (const MemberDiagram& d : diagrams) {
    const std::optional<Placement>& p = placed[static_cast<std::size_t>(d.Member - 1)];
    if (!p) continue;
    canvas.BeginSymbol(SymbolClass::Member, 0, d.Member);
    canvas.Line(p->Begin.X, p->Begin.Y, p->End.X, p->End.Y, kLightCyan);
    canvas.EndSymbol();
    if (!(d.Length > 0)) continue;
    DrawnSymbol symbol(canvas, SymbolClass::Diagram, 0, d.Member);
    const double drawn = std::hypot(p->End.X - p->Begin.X, p->End.Y - p->Begin.Y);
    const int lines = size > 0 ? static_cast<int>(std::lround(drawn / size * kFillLines)) : 0;
    auto place = [&p, scale](double fraction, double value) {
      return Along(*p, fraction, value * scale);
    };
    const ExtremeLabels labels{2.5 * mark, kSmallestLabelled * largest, true};
    DrawDiagramCurve(canvas, d, q, place, std::max(lines, 2), labels);
    const std::size_t m = static_cast<std::size_t>(d.Member - 1);
    if (m < least.size()) DrawDiagramCurve(canvas, least[m], q, place, std::max(lines, 2), labels);
  }

  canvas.SetForeColor(kLightCyan);
}

}  // namespace stavelorn
