#include "editors/CellValues.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/NumberText.h"

namespace stavelorn {

float CellSingle(const std::string& text) {
  const double most = std::numeric_limits<float>::max();
  return static_cast<float>(std::clamp(LeadingNumber(text), -most, most));
}

std::int16_t CellInteger(const std::string& text) {
  // nearbyint rounds halves to even in the default rounding mode.
  const double rounded = std::nearbyint(LeadingNumber(text));
  return static_cast<std::int16_t>(std::clamp(rounded, -32768.0, 32767.0));
}

std::string CellText(float value) {
  return FormatShortest(value);
}

}  // namespace stavelorn
