// Drawing helpers for the drawing tests: a model drawn as the main window draws it, and the
// strokes of one kind.
#pragma once

#include <string>
#include <vector>

#include "graphics/Drawing.h"
#include "graphics/RecordingCanvas.h"
#include "model/ModelStore.h"
#include "support/ScriptedMessages.h"

namespace stavelorn::testing {

// A model drawn in window `form` with `results` as it is constructed: the recorded strokes, the
// view the drawing fixed and the messages it gave.
struct DrawnModel {
  RecordingCanvas canvas;
  DrawingView view;
  ScriptedMessages messages;
  explicit DrawnModel(const ModelStore& model, FormId form = FormId::mcas,
                      const StructureResults& results = StructureResults(),
                      std::int32_t multiplier = DrawingView().Multiplier) {
    view.Multiplier = multiplier;
    PlotStructure(model, results, canvas, form, messages, view);
  }
};

// The strokes of one shape in one colour, in drawing order.
std::vector<Stroke> StrokesOf(const RecordingCanvas& canvas, Stroke::Kind shape, int colour);

// The texts that hold `part`, in drawing order.
std::vector<Stroke> TextsHolding(const RecordingCanvas& canvas, const std::string& part);

// Every text's box, as the canvas measures it, inside the picture (within `slack` of its width)
// and sharing no area with another's, a fault named with `what`; how many texts there are.
int ExpectTextsApart(const RecordingCanvas& canvas, const std::string& what, double slack = 1e-9);

}  // namespace stavelorn::testing
