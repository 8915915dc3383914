// The checks a model must pass before it is analysed. The engine trusts its input: it divides by
// member lengths, indexes its tables with the numbers it finds in the records and places each
// member load where the structure type has room for it. A hand-edited project file can break
// every one of those assumptions, so the callers of the analysis run these checks first and show
// every problem at once, each message naming the record at fault.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "model/ModelStore.h"

namespace stavelorn {

// Title of the message box that lists the problems found by CheckModel.
inline constexpr char kInputDataErrorTitle[] = "Input Data Error";

// Every problem that keeps the model from being analysed, one message per problem, each naming
// its record ("Member 3: end joint 7 is outside 1..5"), table by table. Empty when the model can
// be analysed. Never reads outside a table, whatever the model holds.
std::vector<std::string> CheckModel(const ModelStore& model);

// CheckModel's problems, then those of every other load case that the model's shown case does
// not share, each after the name of its case ("Load case \"Wind\": Joint load 2: ..."). The
// structure is checked once; each other case only for its loads.
std::vector<std::string> CheckModelAndCases(const ModelStore& model);

// The length of `member` as the analysis will compute it and the checks measure its loads
// against, or nothing when the member, its joints or a positive finite length are missing.
std::optional<float> CheckedMemberLength(const ModelStore& model, int member);

// The problems as the text of one message box: an opening line, then one problem per line. Only
// the first `maxShown` problems are listed; the rest are counted, so the box still fits on the
// screen when a damaged file yields thousands of them.
std::string InputDataErrorText(const std::vector<std::string>& problems, std::size_t maxShown = 25);

}  // namespace stavelorn
