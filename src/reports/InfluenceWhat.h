// The batch tool's words for an influence line: the quantity as `--influence WHAT` names it and
// the path as `--path M1,M2,...` lists it.
//   reaction:J:C       support joint J, component C in the reactions table's order (1-based)
//   end-force:M:K      member M's end force K in the member end forces' order
//   internal:M:X:Q     quantity Q (N, V, M, T, Vy, Vz, My, Mz) at distance X from M's beginning
//   displacement:J:C   joint J's displacement component C
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/InfluenceLine.h"

namespace stavelorn {

// A whole text as a finite number, no blank around it, or nothing.
std::optional<double> ReadFiniteNumber(const std::string& text);

// The quantity WHAT names, or nothing when the text is not of one of the four forms. Whether it
// names something of a model is InfluenceQuantityProblem's to say.
std::optional<InfluenceQuantity> ParseInfluenceWhat(const std::string& text);

// The member numbers of a path, or nothing when the text is not whole numbers between commas.
std::optional<std::vector<int>> ParseInfluencePath(const std::string& text);

}  // namespace stavelorn
