// Models for the report tests: the small projects under tests/reports/golden, with results filled
// in by hand so that every printed value tells where it came from.
#pragma once

#include <string>
#include <vector>

#include "model/ModelStore.h"

namespace stavelorn {

std::string GoldenPath(const std::string& name);  // a file under tests/reports/golden
std::string ReadWholeFile(const std::string& path);
ModelStore LoadGoldenModel(const std::string& name);  // tests/reports/golden/<name>.str

// Numbers the coordinates (free ones first, then restrained ones, each group in joint order)
// and fills the results with recognisable values, then marks the analysis complete:
//   displacement of free coordinate n         n / 1000, negative for even n;
//   end force component c of member m         10 m + c, negative for end components;
//   reaction of restrained coordinate n       100 n + 0.5;
// except that a truss member's axial force is negative (tension) for m = 1, 4, 7, ...,
// positive for m = 2, 5, 8, ... and zero for m = 3, 6, 9, ...
void FillHandResults(ModelStore& model);

// The line `offset` lines below the first of `lines` that contains `text`.
std::string LineAfter(const std::vector<std::string>& lines, const std::string& text, int offset);

}  // namespace stavelorn
