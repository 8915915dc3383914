#include "editors/EditorPreviews.h"

#include <optional>
#include <vector>

#include "editors/CellValues.h"
#include "editors/MemberEditor.h"
#include "editors/RestraintText.h"
#include "graphics/DrawingData.h"
#include "graphics/SupportSymbols.h"

namespace stavelorn {

namespace {

// The symbol a plane restraint text calls for; texts other than these draw nothing.
SupportSymbol PlaneSymbol(StructKind type, const std::string& text) {
  if (type == StructKind::Beam) {
    if (text == "Y") return SupportSymbol::YRoller;
    if (text == "Y, Rot.") return SupportSymbol::Fixed;
    return SupportSymbol::None;
  }
  if (text == "X") return SupportSymbol::XRoller;
  if (text == "Y") return SupportSymbol::YRoller;
  if (text == "X, Y") return SupportSymbol::Hinged;
  if (type == StructKind::PFrame && text == "X, Y, Rot.") return SupportSymbol::Fixed;
  return SupportSymbol::None;
}

// The symbol of a space restraint text: a wall when it restrains a rotation, a roller for Y
// alone, a hinge for any other translations. The names are read however they are joined, so a
// space frame's "X,Y" is the hinge that "X, Y" is elsewhere.
SupportSymbol SpaceSymbol(const std::string& code, const std::string& text) {
  const std::vector<RestraintName>& names = RestraintNames(code);
  const std::vector<int> flags = RestraintFlags(code, text);
  bool rotation = false, y = false, other = false;
  for (std::size_t k = 0; k < names.size(); ++k) {
    if (flags[k] != 1) continue;
    const std::string name = names[k].Name;
    if (IsRotation(code, static_cast<int>(k) + 1))
      rotation = true;
    else if (name == "Y")
      y = true;
    else
      other = true;
  }
  if (rotation) return SupportSymbol::Fixed;
  if (other) return SupportSymbol::Hinged;
  return y ? SupportSymbol::YRoller : SupportSymbol::None;
}

}  // namespace

void DrawJointsPreview(const ModelStore& model, const GridModel& grid, int items, Canvas& canvas) {
  const StructKind type = model.Kind();
  const bool plane = IsPlane(model.StructType);
  const int coords = model.CoordColumns;
  const int restraintCol = coords + 1;
  std::vector<Point> points;
  for (int row = 1; row <= items && row < grid.Rows(); ++row) {
    const double x = CellSingle(grid.Text(row, 1));
    const double second = coords >= 2 ? CellSingle(grid.Text(row, 2)) : 0;
    const double third = coords >= 3 ? CellSingle(grid.Text(row, 3)) : 0;
    if (plane)
      points.push_back({x, second});
    else if (type == StructKind::Grid)
      points.push_back(ProjectOblique(type, {x, 0, second}));
    else
      points.push_back(ProjectOblique(type, {x, second, third}));
  }
  DrawingView view;
  ScaleView(canvas, view, points, 0.1);
  const double u = view.SymbolUnit;
  const double mark = view.MarkUnit;
  // A wall stands on a floor for the types that lie in one horizontal plane.
  const bool flat = model.Type() && model.Type()->Horizontal;

  for (std::size_t i = 0; i < points.size(); ++i) {
    const Point p = points[i];
    const std::string& text = grid.Text(static_cast<int>(i) + 1, restraintCol);
    const SupportSymbol symbol =
        plane ? PlaneSymbol(type, text) : SpaceSymbol(model.StructType, text);
    switch (symbol) {
      case SupportSymbol::XRoller:
        DrawXRoller(canvas, p.X, p.Y, u, OnExtent(p.X, view.ViewXMax), kLightRed);
        break;
      case SupportSymbol::YRoller:
        DrawYRoller(canvas, p.X, p.Y, u, !flat && OnExtent(p.Y, view.ViewYMax) && p.Y != 0,
                    kLightRed);
        break;
      case SupportSymbol::Hinged:
        DrawHinged(canvas, p.X, p.Y, u, HingedSide(view, p.X, p.Y), kLightRed);
        break;
      case SupportSymbol::Fixed:
        DrawFixedSquare(canvas, p.X, p.Y, u, FixedSquareSide(view, p.X, p.Y, flat), kLightRed);
        break;
      case SupportSymbol::None: break;
    }
  }

  const double middle = (view.ViewYMin + view.ViewYMax) / 2;
  canvas.SetForeColor(kLightCyan);
  for (std::size_t i = 0; i < points.size(); ++i) {
    const Point p = points[i];
    if (type == StructKind::PTruss)
      canvas.Circle(p.X, p.Y, mark, kLightCyan);
    else
      canvas.FilledBox(p.X - mark / 2, p.Y - mark / 2, p.X + mark / 2, p.Y + mark / 2);
    // The number sits beside its joint, above it in the lower half, clear of the supports.
    canvas.SetCurrentX(p.X + mark);
    canvas.SetCurrentY(p.Y < middle ? p.Y + 4 * mark : p.Y - mark);
    canvas.PrintNumber(static_cast<double>(i + 1));
  }
}

void DrawMembersPreview(const ModelStore& model, const GridModel& grid, int items, Canvas& canvas,
                        Messages& messages) {
  DrawingView view;
  PlotStructure(model, StructureResults(), canvas, FormId::MemberA, messages, view);
  auto place = [&](int joint) { return PicturePosition(model, joint); };
  const bool hinges = grid.Cols() > MemberEditor::kHingeColumn;
  const double middle = (view.ViewYMin + view.ViewYMax) / 2;
  canvas.SetForeColor(kYellow);
  for (int row = 1; row <= items && row < grid.Rows(); ++row) {
    const int end = CellInteger(grid.Text(row, 2));
    if (end == 0) continue;
    std::optional<Point> pb = place(CellInteger(grid.Text(row, 1)));
    std::optional<Point> pe = place(end);
    if (!pb || !pe) continue;
    canvas.Line(pb->X, pb->Y, pe->X, pe->Y, kYellow);
    if (hinges)
      DrawHinges(canvas, *pb, *pe, ReleaseCode(grid.Text(row, MemberEditor::kHingeColumn)),
                 view.MarkUnit, kYellow, row);
    const double x = (pb->X + pe->X) / 2, y = (pb->Y + pe->Y) / 2;
    canvas.SetCurrentX(x);
    canvas.SetCurrentY(y < middle ? y + 4 * view.MarkUnit : y);
    canvas.PrintNumber(row);
  }
  canvas.SetForeColor(kLightCyan);
}

}  // namespace stavelorn
