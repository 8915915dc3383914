// A recorded picture as a scalable vector graphics document, for saving the drawing as a file
// that stays sharp at any size.
#pragma once

#include <string>
#include <vector>

#include "graphics/RecordingCanvas.h"

namespace stavelorn {

// The strokes of `canvas` on a picture of width x height pixels (white paper unless asked
// otherwise), the user scale mapped onto the whole picture as the window shows it. The strokes of
// each drawn symbol make one <g> element whose class names the symbol, with data-joint and
// data-member naming the joint or member it belongs to.
std::string SvgPicture(const RecordingCanvas& canvas, int width, int height,
                       Background background = Background::White);
// The same with the user rectangle `visible` (the part in view) mapped onto the picture.
std::string SvgPicture(const RecordingCanvas& canvas, const UserScale& visible, int width,
                       int height, Background background = Background::White);
// Several pictures one below another, each `width` pixels wide at the aspect of its user scale,
// in one document.
std::string SvgPictureColumn(const std::vector<const RecordingCanvas*>& pictures, int width,
                             Background background = Background::White);

}  // namespace stavelorn
