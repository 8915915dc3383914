// Drawing an influence line: the structure with the path of the unit load marked, and the line
// itself below it, each ordinate standing vertically (along Y in the projection of grids and space
// types) over a horizontal axis, right under the point of the path where the load stands, as
// lines are drawn over the horizontal projection of a sloping or bent path; lightly filled, its
// largest and smallest ordinates labelled, and the unit load drawn on the structure where the
// ordinate is largest in size.
#pragma once

#include "analysis/MovingLoad.h"
#include "graphics/Canvas.h"
#include "model/ModelStore.h"

namespace stavelorn {

// A moving load drawn at one of its worst places in place of the unit load.
struct ShownTrain {
  LoadTrain Train;
  TrainPlacement Placement;
  const char* Which = "max";  // the extreme it gives there
};

// Draws the structure (joints and members tagged for picking) and the line; clears the canvas.
// With `train`, its loads stand on the path where it gives that extreme, each labelled with its
// value, and the legend gives the extreme.
void DrawInfluenceLine(const ModelStore& model, const InfluenceLine& line, Canvas& canvas,
                       const ShownTrain* train = nullptr);

// How far along `member` (0 at its beginning, 1 at its end) the drawn point (x, y) of the
// structure lies, measured to the nearest point of the drawn member.
double FractionAlongMember(const ModelStore& model, int member, double x, double y);

}  // namespace stavelorn
