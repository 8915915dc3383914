// A class's answers as the batch tool reads them, and its verdicts as it writes them:
//   {"answers": [{"quantity": "k", "member": 2, "values": [[...], ...]}, ...]}
// "values" is one number (L), a list (cosines, codes, the member vectors, {P}, {d}) or a list of
// rows ([k], [T], [K], [S], the reactions, one row per support); a null entry is not judged.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "reports/AnswerKey.h"

namespace stavelorn {

struct GivenAnswer {
  AnswerQuantity Quantity = AnswerQuantity::L;
  int Member = 0;                             // 1-based for a member quantity, else 0
  std::vector<std::optional<double>> Values;  // row by row in the quantity's shape
};

// Reads the answers file's text, checking each item against the key (a known quantity, a
// member that exists, the quantity's shape). Returns the fault, naming the line or the item
// ("answer 3 (k of member 2): expected 6 rows, found 5"), or nothing when every item is sound.
std::optional<std::string> ReadAnswers(const std::string& text, const AnswerKey& key,
                                       std::vector<GivenAnswer>& answers);

// The verdicts as one JSON object: {"checked": n, "right": r, "items": [...]}, one item per
// entry given (not null), rows and columns 1-based; a quantity the key has no value for (after
// a failed analysis) has its items' "expected" and "right" null and is not counted.
std::string CheckJson(const AnswerKey& key, const std::vector<GivenAnswer>& answers);

}  // namespace stavelorn
