// Lengths that the layout rules state in twips, turned into pixels.
#pragma once

#include <QWidget>
#include <algorithm>
#include <cmath>

namespace stavelorn {

class Twips {
 public:
  // 15 twips make a pixel, as at 96 dpi; Qt scales pixels on other screens.
  Twips() = default;
  // Twips that follow `widget`'s font: a data row of 240 twips is one line of its text with room.
  static Twips OfFont(const QWidget& widget) {
    return Twips(std::max(16, widget.fontMetrics().height() + 6) / 240.0);
  }

  int Px(int twips) const { return static_cast<int>(std::lround(twips * pixelsPerTwip_)); }

 private:
  explicit Twips(double pixelsPerTwip) : pixelsPerTwip_(pixelsPerTwip) {}

  double pixelsPerTwip_ = 1.0 / 15;
};

}  // namespace stavelorn
