// What the drawing mode adds to the structure's picture: the sheet it draws on (a fixed user
// rectangle, so the picture does not rescale under the pointer while a joint is dragged), the
// grid's points, a joint waiting for a second one, the member being drawn and the selection.
#pragma once

#include "app/DrawingMode.h"
#include "graphics/Canvas.h"
#include "graphics/RecordingCanvas.h"

namespace stavelorn {

// The square the drawing mode shows for the model: every joint (and waiting joint) and at least
// ten grid cells across, with two cells to spare on each side, the Y (or Z) axis up.
UserScale DrawingSheet(const ModelStore& model, const DrawingMode& mode);

// Puts the grid's points, the waiting joints, the member being drawn and the selection over the
// picture on `canvas` and sets its scale to `sheet`.
void DrawDrawingMarks(Canvas& canvas, const UserScale& sheet, const ModelStore& model,
                      const DrawingMode& mode);

}  // namespace stavelorn
