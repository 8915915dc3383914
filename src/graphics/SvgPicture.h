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
// data-member naming the joint or member it belongs to. The <metadata> element names the program
// and its version.
std::string SvgPicture(const RecordingCanvas& canvas, int width, int height,
                       Background background = Background::White);
// The same with the user rectangle `visible` (the part in view) mapped onto the picture.
std::string SvgPicture(const RecordingCanvas& canvas, const UserScale& visible, int width,
                       int height, Background background = Background::White);
// What a handout says of its drawings: the project's title, as the document's <title> and the
// caption's first line, and the caption's further lines.
struct SvgCaption {
  std::string Title;
  std::vector<std::string> Lines;
};

// Several pictures one below another, each `width` pixels wide at the aspect of its user scale,
// and the caption's lines below them, in one document.
std::string SvgPictureColumn(const std::vector<const RecordingCanvas*>& pictures, int width,
                             const SvgCaption& caption, Background background = Background::White);

// Whether `text` is a picture this program wrote: every one carries the program's name and
// version in its <metadata> element, so that a picture may replace an earlier one but never a
// file of anything else. The mark follows the <title>, so a file's first kilobytes suffice.
bool IsPictureOfThisProgram(const std::string& text);

}  // namespace stavelorn
