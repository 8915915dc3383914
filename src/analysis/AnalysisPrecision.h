// Which arithmetic an analysis runs in: single precision, the method as taught, checked by the
// accuracy guard's double-precision run; or double precision alone, for models too large or too
// stiff for single precision to be worth its time.
#pragma once

#include <optional>
#include <string>

namespace stavelorn {

enum class AnalysisPrecision { Single, Double };

// "single" or "double", as the batch option and the program's settings write it.
inline const char* PrecisionName(AnalysisPrecision precision) {
  return precision == AnalysisPrecision::Double ? "double" : "single";
}

// The precision a name gives, or nothing for any other text.
inline std::optional<AnalysisPrecision> PrecisionNamed(const std::string& name) {
  if (name == "single") return AnalysisPrecision::Single;
  if (name == "double") return AnalysisPrecision::Double;
  return std::nullopt;
}

}  // namespace stavelorn
