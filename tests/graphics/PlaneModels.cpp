#include "graphics/PlaneModels.h"

namespace stavelorn::testing {

std::vector<Stroke> StrokesOf(const RecordingCanvas& canvas, Stroke::Kind shape, int colour) {
  std::vector<Stroke> found;
  for (const Stroke& s : canvas.Strokes())
    if (s.Shape == shape && s.Colour == colour) found.push_back(s);
  return found;
}

std::vector<Stroke> TextsHolding(const RecordingCanvas& canvas, const std::string& part) {
  std::vector<Stroke> found;
  for (const Stroke& s : canvas.Strokes())
    if (s.Shape == Stroke::Kind::Text && s.Text.find(part) != std::string::npos) found.push_back(s);
  return found;
}

}  // namespace stavelorn::testing
