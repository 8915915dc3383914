// The two choices of Project > Precision…, each with its caption ('&' marks its access key) and
// the sentence that explains it, for the desktop's dialog and the page alike.
#pragma once

#include <vector>

#include "analysis/AnalysisPrecision.h"

namespace stavelorn {

struct PrecisionOption {
  AnalysisPrecision Precision;
  const char* Caption;
  const char* Explanation;
};

// Single precision, the method as taught, first.
const std::vector<PrecisionOption>& PrecisionOptions();

}  // namespace stavelorn
