#include "graphics/PlaneModels.h"

namespace stavelorn::testing {

std::vector<Stroke> StrokesOf(const RecordingCanvas& canvas, Stroke::Kind shape, int colour) {
  std::vector<Stroke> found;
  for (const Stroke& s : canvas.Strokes())
    if (s.Shape == shape && s.Colour == colour) found.push_back(s);
  return found;
}

}  // namespace stavelorn::testing
