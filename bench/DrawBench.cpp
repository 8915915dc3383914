// One step of a joint dragged with Live on, as the drawing mode takes it at every move of the
// mouse: the joint moved through the joints list, the structure analysed in double precision and
// the picture drawn anew with the drawing mode's marks, without the numbers (the window leaves
// them out while a joint is dragged). The goal is under 16 ms for a plane frame
// of 300 unknowns (a drag at 60 frames a second) and under 2 ms for the portal frame.
//
//   build/bench/engine_bench --benchmark_filter=DragJoint

#include <benchmark/benchmark.h>

#include <sstream>
#include <stdexcept>
#include <string>

#include "analysis/GeneratedStructures.h"
#include "app/DrawingMode.h"
#include "app/DrawingOverlay.h"
#include "graphics/Drawing.h"
#include "model/ProjectFile.h"
#include "ui/ConsoleMessages.h"

namespace stavelorn {
namespace {

constexpr double kPixels = 800;

// Drags joint `joint` of `model` back and forth by a grid step, one move per iteration.
void DragJoint(benchmark::State& state, ModelStore model, int joint) {
  std::ostringstream said;
  ConsoleMessages messages(said);
  DrawingMode mode(model, messages, [](Change) {});
  mode.Palette.Tool = DrawTool::Select;
  mode.Palette.Spacing = 0.5;
  mode.Palette.Live = true;
  const UserScale sheet = DrawingSheet(model, mode);
  RecordingCanvas canvas;
  const auto draw = [&] {
    canvas.Cls();
    DrawingView view;
    view.Numbers = false;
    PlotStructure(model, mode.LiveResults(), canvas, FormId::mcas, messages, view);
    DrawDrawingMarks(canvas, sheet, model, mode);
    return PointerPicture{&canvas.Strokes(), sheet, kPixels, kPixels};
  };
  const PictureMapping map(sheet, kPixels, kPixels);
  const Point start = *PlanePosition(model, joint);
  PointerPicture picture = draw();
  mode.Press(picture, map.X(start.X), map.Y(start.Y));
  int move = 0;
  for (auto _ : state) {
    const double x = start.X + 0.5 * (move++ % 2 == 0 ? 1 : 2);
    mode.Move(picture, map.X(x), map.Y(start.Y));
    picture = draw();
    benchmark::DoNotOptimize(picture);
  }
  if (mode.LiveResults().AnalysisStatus != kAnalysisComplete)
    throw std::runtime_error("the dragged structure was not analysed");
}

ModelStore Portal() {
  ModelStore model;
  model.Reset();
  model.ProjectFile = STAVELORN_BENCH_DIR "/../examples/portal-frame.str";
  if (ReadProjectFile(model)) throw std::runtime_error("cannot read " + model.ProjectFile);
  return model;
}

// 9 bays and 10 storeys: 3 x 10 x 10 = 300 unknowns; a joint of the top floor is dragged.
void BM_DragJointFrame300(benchmark::State& state) {
  ModelStore frame = PlaneFrameGrid(9, 10);
  DragJoint(state, frame, frame.JointCount - 4);
}
BENCHMARK(BM_DragJointFrame300)->Unit(benchmark::kMillisecond);

void BM_DragJointPortal(benchmark::State& state) {
  DragJoint(state, Portal(), 3);
}
BENCHMARK(BM_DragJointPortal)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace stavelorn
