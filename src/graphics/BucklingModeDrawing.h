// Drawing a buckling mode: the structure with its supports and reference loads, and over it the
// mode's buckled shape in light red, like the deformed shape, each member bent through the
// joints inside it (a cubic curve on every piece, from the mode's translations and rotations at
// the piece's ends), with the mode's number and load factor as the caption.
#pragma once

#include <string>

#include "analysis/CriticalLoad.h"
#include "graphics/Canvas.h"
#include "graphics/Drawing.h"
#include "model/ModelStore.h"
#include "ui/Messages.h"

namespace stavelorn {

// "Mode 1: load factor λ = 35.35": the caption of mode `number` (from 1), as the drawing and the
// window's list of modes name it.
std::string BucklingModeCaption(const BucklingMode& mode, int number);

// The magnification of a mode: as the deformed shape's automatic multiplier is chosen, the
// largest 1-2-5 value that keeps the largest translation within a tenth of the structure's larger
// dimension; a mode has no units, so it may be below 1. 0 when the mode moves nothing.
double BucklingModeScale(const ModelStore& model, const BucklingMode& mode);

// Draws the structure and mode `number` (from 1) of a structure whose members were divided into
// `segments` pieces; clears the canvas. Every member's buckled axis is one Deformed symbol naming
// the member. Failures are reported through `messages` as the structure drawings report them.
void DrawBucklingMode(const ModelStore& model, const BucklingMode& mode, int number, int segments,
                      Canvas& canvas, Messages& messages);

}  // namespace stavelorn
