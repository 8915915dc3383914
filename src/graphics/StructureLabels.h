// What the main and displacement windows print beside the structure: joint and member numbers,
// so that the drawing can be matched to the tables, and a small label on every member that has
// a temperature change or a fabrication error, so that the student sees the record is there.
#pragma once

#include <string>

#include "graphics/Canvas.h"
#include "graphics/Drawing.h"
#include "model/ModelStore.h"

namespace stavelorn {

// Joint numbers up and to the right of the joints (light grey), member numbers at mid-length on
// the side away from the member's loads, its local -y side (brown); each placed clear of the
// labels and symbols drawn before it.
void DrawNumbers(const ModelStore& model, Canvas& canvas, const DrawingView& view);

// The labels of the temperature changes and fabrication errors ("ΔT = 20 °C", "e = 0.01 m"), a
// third of the way along their members, in the member-load colour.
void DrawMemberRecordLabels(const ModelStore& model, Canvas& canvas, const DrawingView& view);

// What an empty main window shows when no project is open: two short lines on how to start a
// new project or open one, and where the examples are (`examplesFolder`, left out when empty).
void DrawStartHint(Canvas& canvas, const std::string& examplesFolder);

}  // namespace stavelorn
