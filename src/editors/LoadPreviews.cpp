#include "editors/LoadPreviews.h"

#include <cmath>
#include <optional>

#include "editors/CellValues.h"
#include "graphics/Drawing.h"
#include "graphics/DrawingData.h"
#include "graphics/MemberLoadFigures.h"

namespace stavelorn {

namespace {

// Passes on to another canvas only the strokes of one colour, leaving its scale and picture
// alone. The joint-load preview draws its arrows through the structure drawing's own rules this
// way, and the rest of that drawing, already on the picture, is not drawn twice.
class OneColourCanvas : public Canvas {
 public:
  OneColourCanvas(Canvas& target, int colour) : target_(target), colour_(colour) {}
  void Cls() override {}
  void Scale(double, double, double, double) override {}
  void Line(double x1, double y1, double x2, double y2, int colour) override {
    if (colour == colour_) target_.Line(x1, y1, x2, y2, colour);
  }
  void FilledBox(double, double, double, double) override {}
  void Circle(double x, double y, double radius, int colour) override {
    if (colour == colour_) target_.Circle(x, y, radius, colour);
  }
  void Arc(double x, double y, double radius, int colour, double start, double end) override {
    if (colour == colour_) target_.Arc(x, y, radius, colour, start, end);
  }
  void SetCurrentX(double) override {}
  void SetCurrentY(double y) override { y_ = y; }
  double CurrentY() const override { return y_; }
  void PrintNumber(double) override {}
  void PrintText(const std::string&) override {}
  void Refresh() override {}
  void SetForeColor(int) override {}
  void SetFontItalic(bool) override {}
  void SetDrawWidth(int) override {}

 private:
  Canvas& target_;
  int colour_;
  double y_ = 0;
};

void Label(Canvas& canvas, double x, double y, double value) {
  canvas.SetCurrentX(x);
  canvas.SetCurrentY(y);
  canvas.PrintNumber(std::fabs(value));
}

}  // namespace

void DrawJointLoadsPreview(const ModelStore& model, const GridModel& grid, int items,
                           Canvas& canvas, Messages& messages) {
  DrawingView view;
  PlotStructure(model, StructureResults(), canvas, FormId::JLoadA, messages, view);
  const StructKind type = model.Kind();
  if (!IsPlane(model.StructType) || model.JointCount < 1) return;
  const int coords = model.CoordsPerJoint;

  // The rows that name a joint of the model, as joint load records of a copy of the model that
  // carries nothing else to draw.
  ModelStore loads = model;
  loads.MemberLoadCount = 0;
  loads.JointLoadCount = 0;
  loads.JointLoadJoints.Redim(items);
  loads.JointLoadValues.Redim(items, coords);
  for (int row = 1; row <= items && row < grid.Rows(); ++row) {
    const int joint = CellInteger(grid.Text(row, 0));
    if (joint < 1 || joint > model.JointCount) continue;
    const int r = ++loads.JointLoadCount;
    loads.JointLoadJoints(r) = static_cast<std::int16_t>(joint);
    for (int k = 1; k <= coords && k < grid.Cols(); ++k) {
      const float v = CellSingle(grid.Text(row, k));
      loads.JointLoadValues(r, k) = std::isfinite(v) ? v : 0.0f;
    }
  }
  if (loads.JointLoadCount == 0) return;
  OneColourCanvas arrows(canvas, kLightMagenta);
  DrawingView same;
  Plot2D(loads, StructureResults(), arrows, FormId::mcas, messages, same);

  // Each label sits beyond the free end of its arrow, or above the arc of a moment.
  const double u = view.SymbolUnit;
  const double midX = (view.ViewXMin + view.ViewXMax) / 2,
               midY = (view.ViewYMin + view.ViewYMax) / 2;
  canvas.SetForeColor(kLightMagenta);
  for (int r = 1; r <= loads.JointLoadCount; ++r) {
    std::optional<Point> p = PlanePosition(model, loads.JointLoadJoints(r));
    if (!p) continue;
    const double x = p->X, y = p->Y;
    for (int k = 1; k <= coords; ++k) {
      const double v = loads.JointLoadValues(r, k);
      if (v == 0) continue;
      const bool moment = IsRotation(model.StructType, k);
      if (moment)
        Label(canvas, x + 4 * u, (type == StructKind::Beam ? 0 : y) + 5 * u, v);
      else if (type == StructKind::Beam)
        Label(canvas, x + u, 7 * u, v);
      else if (k == 1)
        Label(canvas, x > midX ? x + 6 * u : x - 9 * u, y + 2 * u, v);
      else if (type == StructKind::PTruss && y <= midY)
        Label(canvas, x + u, y - 5 * u, v);
      else
        Label(canvas, x + u, y + 7 * u, v);
    }
  }
  canvas.SetForeColor(kLightCyan);
}

void DrawMemberLoadsPreview(const ModelStore& model, const MemberLoadEditor& editor, Canvas& canvas,
                            Messages& messages) {
  DrawingView view;
  PlotStructure(model, StructureResults(), canvas, FormId::MemLoadA, messages, view);
  if (model.JointCount < 1) return;
  std::vector<MemberLoadRecord> loads;
  for (int row = 1; row <= editor.ItemCount(); ++row) {
    const MemberLoadRow* load = editor.RowLoad(row);
    if (load == nullptr) continue;
    MemberLoadRecord record;
    record.Member = CellInteger(editor.Grid().Text(row, 0));
    record.Kind = static_cast<int>(load->Kind);
    record.Values = load->Values;
    loads.push_back(record);
  }
  DrawMemberLoadFigures(model, loads, canvas, view.SymbolUnit, kLightGreen);
  canvas.SetForeColor(kLightCyan);
}

}  // namespace stavelorn
