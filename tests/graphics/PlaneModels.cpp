#include "graphics/PlaneModels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "graphics/LabelPlacer.h"

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

int ExpectTextsApart(const RecordingCanvas& canvas, const std::string& what, double slack) {
  const UserScale& s = canvas.ScaleRect();
  const double width = std::fabs(s.Right - s.Left), room = slack * width, tiny = 1e-9 * width;
  const LabelBox frame{std::min(s.Left, s.Right) - room, std::min(s.Top, s.Bottom) - room,
                       std::max(s.Left, s.Right) + room, std::max(s.Top, s.Bottom) + room};
  std::vector<std::pair<LabelBox, std::string>> texts;
  for (const Stroke& k : canvas.Strokes()) {
    if (k.Shape != Stroke::Kind::Text) continue;
    const LabelBox box{k.X1, k.Y1 - canvas.TextHeight(), k.X1 + canvas.TextWidth(k.Text), k.Y1};
    EXPECT_TRUE(box.Left >= frame.Left && box.Right <= frame.Right && box.Bottom >= frame.Bottom &&
                box.Top <= frame.Top)
        << what << ": \"" << k.Text << "\" leaves the picture";
    for (const auto& [other, text] : texts)
      EXPECT_LE(OverlapArea(box, other), tiny * tiny)
          << what << ": \"" << k.Text << "\" overlaps \"" << text << "\"";
    texts.emplace_back(box, k.Text);
  }
  return static_cast<int>(texts.size());
}

}  // namespace stavelorn::testing
