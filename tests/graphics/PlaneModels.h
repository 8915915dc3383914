// Small plane and space models for the drawing tests, built in code so each test shows the data
// it draws.
#pragma once

#include <initializer_list>
#include <vector>

#include "graphics/Drawing.h"
#include "graphics/RecordingCanvas.h"
#include "model/ModelStore.h"
#include "support/ScriptedMessages.h"

namespace stavelorn::testing {

// A model of `type` with the given joints (one coordinate row each) and no other data.
ModelStore JointsOnly(const char* type, std::initializer_list<std::vector<float>> joints);

// Adds a support record: joint number, then one restraint flag per joint coordinate.
void AddSupport(ModelStore& model, std::vector<std::int16_t> record);
// Adds a member between two joints, with material and cross-section 1.
void AddMember(ModelStore& model, int begin, int end);
// Adds a joint load record: joint number and its components.
void AddJointLoad(ModelStore& model, int joint, std::vector<float> components);
// Adds a member load record: member, type, then the four values.
void AddMemberLoad(ModelStore& model, int member, int type, std::vector<float> values);

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

}  // namespace stavelorn::testing
