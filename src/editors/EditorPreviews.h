// The preview pictures of the joints and members list windows, drawn from their grids as they
// stand, before Close puts the data into the model.
#pragma once

#include "editors/GridModel.h"
#include "graphics/Canvas.h"
#include "model/ModelStore.h"
#include "ui/Messages.h"

namespace stavelorn {

// The joints list (`items` rows of `grid`: number, coordinates, restraint text) with its own
// scaling, a support symbol for each restraint text that names one, and each joint numbered.
// Space types are drawn in the oblique projection of the structure drawing.
void DrawJointsPreview(const ModelStore& model, const GridModel& grid, int items, Canvas& canvas);

// The model's joints and supports as the structure drawing shows them for the members window,
// then each member row of the grid whose end joint is not 0, in yellow with its number.
void DrawMembersPreview(const ModelStore& model, const GridModel& grid, int items, Canvas& canvas,
                        Messages& messages);

}  // namespace stavelorn
