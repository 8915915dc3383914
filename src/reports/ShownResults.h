// The three result tables as the results report prints them and the JSON writes them: each
// joint's displacements (a restrained coordinate shows its settlement or 0), each member's end
// forces and each support's reactions (a free coordinate of a support shows 0), by joint or
// member number.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "analysis/StructureResults.h"
#include "model/ModelStore.h"

namespace stavelorn {

// (joint or member number, its values), one row per joint, member or support.
using ResultRows = std::vector<std::pair<int, std::vector<float>>>;

struct ShownResults {
  ResultRows Displacements, EndForces, Reactions;
  // The reactions of every turned support along its own axes, in the supports' order; empty when
  // no support is turned.
  ResultRows ReactionsInSupportAxes;
};

// The tables of a complete analysis of `model` (whose load tables hold the loads analysed).
ShownResults ShownResultsOf(const ModelStore& model, const StructureResults& results);

// The JSON of one table, one record per line: [{"<key>": number, "values": [v1, ...]}, ...].
std::string ResultRowsJson(const char* key, const ResultRows& rows);

// ",\n "supportReactions": [...]" and, when a support is turned, ",\n "supportReactionsLocal":
// [...]": the reactions as every results JSON writes them.
std::string ReactionsJson(const ShownResults& shown);

}  // namespace stavelorn
