#include "app/PrecisionChoice.h"

#include <cstdio>

namespace stavelorn {

void PrecisionChoice::Restore(const std::string& setting) {
  chosen_ = PrecisionNamed(setting).value_or(AnalysisPrecision::Single);
}

bool PrecisionChoice::ShouldOffer(int unknowns) const {
  return chosen_ == AnalysisPrecision::Single && unknowns > kOfferAbove;
}

std::string SecondsText(double seconds) {
  char text[32];
  std::snprintf(text, sizeof text, seconds < 9.95 ? "%.2g s" : "%.0f s", seconds);
  return text;
}

std::string DoublePrecisionOfferText(int unknowns, double seconds) {
  return "This structure has " + std::to_string(unknowns) +
         " unknowns, and its analysis in single precision took " + SecondsText(seconds) +
         ".\n\nSolve in double precision only from now on? For a structure this large it is "
         "faster, and its results need no accuracy check. Project > Precision… changes this "
         "at any time.";
}

}  // namespace stavelorn
