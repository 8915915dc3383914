// The words and numbers of the model checks' messages, shared by the structure's checks and the
// load records'.
#include <cmath>
#include <string>

#include "analysis/ModelChecker.h"
#include "model/NumberText.h"

namespace stavelorn::model_check {

std::string Str(long n) {
  return std::to_string(n);
}

// A value as the grids show it, unless that text would read back as a different single: then the
// shortest text that does, so "l1 = 2.785678 ... L = 2.7856777" shows why a load is refused.
std::string Num(float value) {
  if (std::isfinite(value)) {
    std::string text = FormatShortest(value);
    if (ParseSingle(text) == value) return text;
  }
  return RoundTripText(value);
}

// A number that must name a row of a table of `count` rows.
bool ModelChecker::InRange(const std::string& item, const std::string& what, int n, int count) {
  if (n >= 1 && n <= count) return true;
  Report(item + ": " + what + " " + Str(n) +
         (count > 0 ? " is outside 1.." + Str(count) : " does not exist (none are defined)"));
  return false;
}

}  // namespace stavelorn::model_check
