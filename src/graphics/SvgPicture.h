// A recorded picture as a scalable vector graphics document, for saving the drawing as a file
// that stays sharp at any size.
#pragma once

#include <string>

#include "graphics/RecordingCanvas.h"

namespace stavelorn {

// The strokes of `canvas` on a black picture of width x height pixels, the user scale mapped
// onto the whole picture as the window shows it.
std::string SvgPicture(const RecordingCanvas& canvas, int width, int height);
// The same with the user rectangle `visible` (the part in view) mapped onto the picture.
std::string SvgPicture(const RecordingCanvas& canvas, const UserScale& visible, int width,
                       int height);

}  // namespace stavelorn
