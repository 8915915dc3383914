#include "app/PrecisionOptions.h"

namespace stavelorn {

const std::vector<PrecisionOption>& PrecisionOptions() {
  static const std::vector<PrecisionOption> options = {
      {AnalysisPrecision::Single, "&Single precision",
       "The method as taught: every value is stored in single precision. A run in double "
       "precision checks it, and replaces results that are not accurate enough."},
      {AnalysisPrecision::Double, "&Double precision only",
       "Solves in double precision alone, with no check needed: faster for large structures."}};
  return options;
}

}  // namespace stavelorn
