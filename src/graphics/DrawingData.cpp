#include "graphics/DrawingData.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <new>

#include "analysis/SupportResults.h"
#include "model/LoadSymbols.h"
#include "model/ModelQuantities.h"
#include "model/NumberText.h"
#include "model/StructType.h"
#include "model/SupportAxes.h"

namespace stavelorn {

namespace {

std::optional<double> FiniteCell(const Table<float>& table, int count, int row, int col) {
  std::optional<float> value = Cell(table, count, row, col);
  if (!value || !std::isfinite(*value)) return std::nullopt;
  return *value;
}

// The structure coordinate number of degree of freedom k of a joint, when the results hold one.
std::optional<int> CoordinateNumber(const ModelStore& model, const StructureResults& results,
                                    int joint, int k) {
  const int perJoint = model.CoordsPerJoint;
  if (joint < 1 || joint > model.JointCount || k < 1 || k > perJoint) return std::nullopt;
  std::optional<std::int16_t> number =
      Cell(results.CoordNumbers, results.CoordNumbers.Size(), (joint - 1) * perJoint + k);
  if (!number || *number < 1) return std::nullopt;
  return *number;
}

}  // namespace

std::optional<Point> PlanePosition(const ModelStore& model, int joint) {
  std::optional<double> x = FiniteCell(model.JointCoords, model.JointCount, joint, 1);
  if (!x) return std::nullopt;
  if (model.Kind() == StructKind::Beam) return Point{*x, 0};
  std::optional<double> y = FiniteCell(model.JointCoords, model.JointCount, joint, 2);
  if (!y) return std::nullopt;
  return Point{*x, *y};
}

std::optional<Point3> SpacePosition(const ModelStore& model, int joint) {
  std::optional<double> x = FiniteCell(model.JointCoords, model.JointCount, joint, 1);
  std::optional<double> second = FiniteCell(model.JointCoords, model.JointCount, joint, 2);
  if (!x || !second) return std::nullopt;
  if (model.Kind() == StructKind::Grid) return Point3{*x, 0, *second};
  std::optional<double> z = FiniteCell(model.JointCoords, model.JointCount, joint, 3);
  if (!z) return std::nullopt;
  return Point3{*x, *second, *z};
}

std::optional<Point> PicturePosition(const ModelStore& model, int joint) {
  if (IsPlane(model.StructType)) return PlanePosition(model, joint);
  std::optional<Point3> p = SpacePosition(model, joint);
  if (!p) return std::nullopt;
  return ProjectOblique(model.Kind(), *p);
}

std::string ShortNumber(double value) {
  if (value == 0) return "0";
  char text[32];
  std::snprintf(text, sizeof text, "%.4g", value);
  float rounded = 0;
  // A value beyond single precision keeps its plain text ("inf" for an overflow).
  if (std::sscanf(text, "%g", &rounded) != 1 || !std::isfinite(rounded)) return text;
  return FormatShortest(rounded);
}

std::string DrawnValueText(const std::string& symbol, double value, const UnitSystem& units,
                           Quantity quantity) {
  const std::string unit = UnitText(units, quantity);
  return (symbol.empty() ? "" : symbol + " = ") + ShortNumber(value) +
         (unit.empty() ? "" : " " + unit);
}

std::string JointLoadText(const StructTypeInfo& type, const UnitSystem& units, int k,
                          double value) {
  return DrawnValueText(JointLoadSymbol(type, k), value, units,
                        ForceQuantity(CoordinateOf(type, k)));
}

double Distance(Point p, Point q) {
  return std::hypot(q.X - p.X, q.Y - p.Y);
}

double DistanceToSegment(Point p, Point a, Point b) {
  const double dx = b.X - a.X, dy = b.Y - a.Y, squared = dx * dx + dy * dy;
  const double t =
      squared > 0 ? std::clamp(((p.X - a.X) * dx + (p.Y - a.Y) * dy) / squared, 0.0, 1.0) : 0;
  return Distance(p, {a.X + t * dx, a.Y + t * dy});
}

int TextCharacters(const std::string& text) {
  // Continuation bytes of a UTF-8 character are 10xxxxxx.
  return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

void PrintLabelBeyond(Canvas& canvas, Point tip, Point dir, const std::string& text, double u) {
  const double width = 0.8 * u * TextCharacters(text), height = 1.6 * u;
  const double gap = 0.4 * u;
  // The centre of the text's box, far enough along dir that the box clears the tip.
  const double reach = gap + 0.5 * (std::fabs(dir.X) * width + std::fabs(dir.Y) * height);
  canvas.SetCurrentX(tip.X + reach * dir.X - width / 2);
  canvas.SetCurrentY(tip.Y + reach * dir.Y + height / 2);
  canvas.PrintLabel(text);
}

int ReleaseCodeOf(const ModelStore& model, int member) {
  if (IsTruss(model.StructType)) return 0;
  int code = 0;
  for (int r = 1; r <= model.ReleaseCount; ++r)
    if (Cell(model.Releases, model.ReleaseCount, r, 1) == member)
      code = Cell(model.Releases, model.ReleaseCount, r, 2).value_or(0);
  return code >= 1 && code <= 3 ? code : 0;
}

void DrawMemberLine(Canvas& canvas, Point begin, Point end, int releaseCode, double mark,
                    int colour, int member) {
  const double length = std::hypot(end.X - begin.X, end.Y - begin.Y);
  if (length == 0 || !std::isfinite(length)) {
    canvas.Line(begin.X, begin.Y, end.X, end.Y, colour);
    return;
  }
  // Just inside the joint marker (half a mark wide), so that every hinged end at a joint shows
  // its own circle; on a member drawn very short the circles keep to its quarters.
  const double radius = std::min(0.6 * mark, length / 8);
  const double inset = std::min(0.5 * mark + radius, length / 4);
  const Point along{(end.X - begin.X) / length, (end.Y - begin.Y) / length};
  auto at = [&](double distance) {
    return Point{begin.X + distance * along.X, begin.Y + distance * along.Y};
  };
  const bool atBegin = releaseCode == 1 || releaseCode == 3;
  const bool atEnd = releaseCode == 2 || releaseCode == 3;
  // The line stops at each hinge's rim, so the hinge shows open.
  const double from = atBegin ? inset + radius : 0, to = atEnd ? length - inset - radius : length;
  if (atBegin) canvas.Line(begin.X, begin.Y, at(inset - radius).X, at(inset - radius).Y, colour);
  canvas.Line(at(from).X, at(from).Y, at(to).X, at(to).Y, colour);
  if (atEnd)
    canvas.Line(at(length - inset + radius).X, at(length - inset + radius).Y, end.X, end.Y, colour);
  for (const double centre : {inset, length - inset}) {
    if (!(centre == inset ? atBegin : atEnd)) continue;
    DrawnSymbol hinge(canvas, SymbolClass::Hinge, 0, member);
    canvas.Circle(at(centre).X, at(centre).Y, radius, kHingeColour);
  }
}

namespace {

// At a turned support the solution holds the turned pair along the support's axes; both are
// shown in global axes, as one moved joint.
bool InTurnedPair(const ModelStore& model, const StructureResults& results, int joint, int k) {
  if (model.SupportAngleCount == 0 || !results.Complete()) return false;
  const JointTurn turn = JointTurnOf(model, joint);
  return turn.Turned() && (k == turn.First || k == turn.Second);
}

}  // namespace

std::optional<double> FreeDisplacement(const ModelStore& model, const StructureResults& results,
                                       int joint, int k) {
  if (InTurnedPair(model, results, joint, k))
    return DisplacementInGlobalAxes(model, results, joint, k);
  std::optional<int> number = CoordinateNumber(model, results, joint, k);
  if (!number || *number > results.DofCount) return std::nullopt;
  std::optional<float> value = Cell(results.JointDisplacements, results.DofCount, *number);
  if (!value || !std::isfinite(*value)) return std::nullopt;
  return *value;
}

bool RestrainedCoordinate(const ModelStore& model, const StructureResults& results, int joint,
                          int k) {
  if (InTurnedPair(model, results, joint, k)) return false;
  std::optional<int> number = CoordinateNumber(model, results, joint, k);
  return number && *number > results.DofCount;
}

std::optional<double> Settlement(const ModelStore& model, int joint, int k) {
  const int records = std::min<int>(model.SettlementCount, model.SettlementJoints.Size());
  for (int r = 1; r <= records; ++r)
    if (model.SettlementJoints(r) == joint)
      return FiniteCell(model.SettlementValues, model.SettlementCount, r, k);
  return std::nullopt;
}

Point ProjectOblique(const std::string& type, const Point3& p) {
  return ProjectOblique(KindOfStructure(type), p);
}

Point ProjectOblique(StructKind type, const Point3& p) {
  // A grid is seen square from above its X axis; the other types slightly from the side.
  const double degrees = 3.141592654 / 180;
  const bool grid = type == StructKind::Grid;
  const double alpha = (grid ? 0 : 10) * degrees, beta = (grid ? 45 : 30) * degrees;
  return {p.X * std::cos(alpha) - p.Z * std::cos(beta),
          p.Y - p.X * std::sin(alpha) - p.Z * std::sin(beta)};
}

void ScaleView(Canvas& canvas, DrawingView& view, const std::vector<Point>& points, double margin) {
  // The extents start from the first point rather than from a far-off sentinel, so that joints
  // beyond any sentinel are still enclosed.
  if (!points.empty()) {
    view.ViewXMax = view.ViewXMin = points.front().X;
    view.ViewYMax = view.ViewYMin = points.front().Y;
  }
  for (const Point& p : points) {
    if (p.X > view.ViewXMax) view.ViewXMax = p.X;
    if (p.X < view.ViewXMin) view.ViewXMin = p.X;
    if (p.Y > view.ViewYMax) view.ViewYMax = p.Y;
    if (p.Y < view.ViewYMin) view.ViewYMin = p.Y;
  }
  double dx = view.ViewXMax - view.ViewXMin;
  double dy = view.ViewYMax - view.ViewYMin;
  if (points.empty() || (dx == 0 && dy == 0)) {
    view.ViewXMax = view.ViewYMax = 100;
    view.ViewXMin = view.ViewYMin = -100;
    dx = dy = 0;
  }
  double left, top, right, bottom;
  if (dx <= dy) {
    right = view.ViewXMax + (dy - dx) / 2 + margin * dy;
    left = view.ViewXMin - (dy - dx) / 2 - margin * dy;
    top = view.ViewYMax + margin * dy;
    bottom = view.ViewYMin - margin * dy;
  } else {
    top = view.ViewYMax + (dx - dy) / 2 + margin * dx;
    bottom = view.ViewYMin - (dx - dy) / 2 - margin * dx;
    right = view.ViewXMax + margin * dx;
    left = view.ViewXMin - margin * dx;
  }
  canvas.Cls();
  canvas.Scale(left, top, right, bottom);
  view.MarkUnit = (right - left) / 100;
  view.SymbolUnit = (right - left) / 75;
}

void RunDrawing(const char* title, Messages& messages, const std::function<void()>& draw) {
  try {
    draw();
  } catch (const DrawingFailure& failure) {
    messages.ReportError(title, failure.Error());
  } catch (const std::out_of_range&) {
    messages.ReportError(title, RunError{kErrSubscript, "Subscript out of range"});
  } catch (const std::bad_alloc&) {
    messages.ReportError(title, RunError{7, "Out of memory"});
  }
}

bool ShowsMembers(FormId form) {
  switch (form) {
    case FormId::mcas:
    case FormId::Disp:
    case FormId::JLoadA:
    case FormId::JSettleA:
    case FormId::MemLoadA:
    case FormId::MemTempA:
    case FormId::MemErrA: return true;
    default: return false;
  }
}

void DrawJointsAndMembers(const ModelStore& model, Canvas& canvas, FormId form,
                          const DrawingView& view, bool truss,
                          const std::function<std::optional<Point>(int)>& place) {
  const double mark = view.MarkUnit;
  const double middle = (view.ViewYMin + view.ViewYMax) / 2;
  for (int j = 1; j <= model.JointCount; ++j) {
    std::optional<Point> p = place(j);
    if (!p) continue;
    canvas.SetPickTag(j, 0);
    canvas.BeginSymbol(SymbolClass::Joint, j);
    if (truss)
      canvas.Circle(p->X, p->Y, mark, kLightCyan);
    else
      canvas.FilledBox(p->X - mark / 2, p->Y - mark / 2, p->X + mark / 2, p->Y + mark / 2);
    if (NumbersJoints(form)) {
      canvas.BeginSymbol(SymbolClass::JointNumber, j);
      canvas.SetCurrentX(p->X);
      canvas.SetCurrentY(p->Y);
      // Labels of the lower half sit above their joint, clear of the supports beneath.
      if (p->Y < middle) canvas.SetCurrentY(canvas.CurrentY() + 4 * mark);
      canvas.PrintNumber(j);
    }
  }
  if (ShowsMembers(form)) {
    int colour = kLightCyan;
    if (HighlightsMembers(form)) {
      canvas.SetForeColor(kYellow);
      canvas.SetFontItalic(true);
      colour = kYellow;
    }
    for (int m = 1; m <= model.MemberCount; ++m) {
      std::optional<std::int16_t> begin = Cell(model.MemberProps, model.MemberCount, m, 1);
      std::optional<std::int16_t> end = Cell(model.MemberProps, model.MemberCount, m, 2);
      if (!begin || !end) continue;
      std::optional<Point> pb = place(*begin);
      std::optional<Point> pe = place(*end);
      if (!pb || !pe) continue;
      canvas.SetPickTag(0, m);
      canvas.BeginSymbol(SymbolClass::Member, 0, m);
      DrawMemberLine(canvas, *pb, *pe, ReleaseCodeOf(model, m), mark, colour, m);
      if (HighlightsMembers(form)) {
        canvas.BeginSymbol(SymbolClass::MemberNumber, 0, m);
        canvas.SetCurrentX((pb->X + pe->X) / 2 - 4 * mark);
        canvas.SetCurrentY((pb->Y + pe->Y) / 2 - mark);
        canvas.PrintNumber(m);
      }
    }
  }
  canvas.SetPickTag(0, 0);
  canvas.EndSymbol();
  canvas.SetForeColor(kLightCyan);
  canvas.SetFontItalic(false);
}

void DrawSupportsTagged(const ModelStore& model, Canvas& canvas,
                        const std::function<void(int record)>& draw) {
  for (int r = 1; r <= model.SupportCount; ++r) {
    std::optional<std::int16_t> joint = Cell(model.Supports, model.SupportCount, r, 1);
    canvas.SetPickTag(joint.value_or(0), 0);
    canvas.BeginSymbol(SymbolClass::Support, joint.value_or(0));
    draw(r);
  }
  canvas.SetPickTag(0, 0);
  canvas.EndSymbol();
}

}  // namespace stavelorn
