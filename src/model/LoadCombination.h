// A load combination as one set of loads: each case's records in case order, their forces,
// moments, temperature changes, fabrication errors and support displacements times the case's
// factor (distances along a member stay as they are). To first order its analysis is the factored
// sum of the cases' analyses, so a combination's results are shown against these loads: the
// settlements at its supports, its member loads along its diagrams.
#pragma once

#include <string>
#include <vector>

#include "model/ModelStore.h"

namespace stavelorn {

// The combined loads of `factors` (one per load case of `model`); a case of factor 0 adds none.
// Throws std::length_error when the records would not fit a 16-bit count.
LoadSet CombinedLoads(const ModelStore& model, const std::vector<float>& factors);

// The model with `loads` as its only load case: the structure as it is, no cases or
// combinations, the loads those given.
ModelStore ModelWithLoads(const ModelStore& model, const LoadSet& loads);

// "Load Case 2: Live", the title of case `c` (1-based) in reports and windows.
std::string LoadCaseTitle(const ModelStore& model, int c);

// "1.2D+1.6L = 1.2 x Dead + 1.6 x Live": the combination and its factored cases (those of factor
// 0 left out), factors in their shortest form.
std::string CombinationText(const ModelStore& model, const LoadCombination& combination);

}  // namespace stavelorn
