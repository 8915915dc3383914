// Drawing a moving load's envelope along a member: the member as a horizontal axis and, over it,
// the greatest and least value the load can cause at each station, as two curves with their
// extremes labelled.
#pragma once

#include <string>

#include "analysis/MovingLoadEnvelope.h"
#include "graphics/Canvas.h"

namespace stavelorn {

// Clears the canvas; `caption` (the quantity and its unit) heads the legend.
void DrawMovingLoadEnvelope(const MovingLoadEnvelope& envelope, const std::string& caption,
                            Canvas& canvas);

}  // namespace stavelorn
