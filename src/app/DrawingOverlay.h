// What the drawing mode shows: the structure (with the live analysis), and over it the sheet it
// draws on (a fixed user rectangle, so the picture does not rescale under the pointer while a joint
// is dragged), the grid's points, a joint waiting for a second one, the member being drawn and the
// selection.
#pragma once

#include "app/DrawingMode.h"
#include "graphics/Canvas.h"
#include "graphics/Drawing.h"
#include "graphics/RecordingCanvas.h"

namespace stavelorn {

// Draws the structure on `canvas` as the drawing mode shows it, in `view` (whose numbers are left
// out while a joint is dragged, so that the picture keeps up): with Live on the live analysis's
// deformed shape or mechanism, analysed again first unless a drag analyses as it moves, else
// `shown`, the results the project shows. A grid is drawn in plan, its joints and members only.
void DrawStructureBeingDrawn(Canvas& canvas, const ModelStore& model, DrawingMode& mode,
                             const StructureResults& shown, DrawingView& view, Messages& messages);

// The square the drawing mode shows for the model: every joint (and waiting joint) and at least
// ten grid cells across, with two cells to spare on each side, the Y (or Z) axis up.
UserScale DrawingSheet(const ModelStore& model, const DrawingMode& mode);

// Puts the grid's points, the waiting joints, the member being drawn and the selection over the
// picture on `canvas` and sets its scale to `sheet`.
void DrawDrawingMarks(Canvas& canvas, const UserScale& sheet, const ModelStore& model,
                      const DrawingMode& mode);

}  // namespace stavelorn
