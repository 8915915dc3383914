// A class's answers as the batch tool reads them:
//   {"answers": [{"quantity": "k", "member": 2, "values": [[...], ...]}, ...]}
// "values" is one number (L), a list (cosines, codes, the member vectors, {P}, {d}) or a list of
// rows ([k], [T], [K], [S], the reactions, one row per support); a null entry, or a whole
// quantity given as null, is left unanswered. One faulty item is set aside, named, and the
// others are still read; only a file that is not JSON or has no "answers" list is refused.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "reports/AnswerKey.h"
#include "reports/JsonReader.h"

namespace stavelorn {

struct GivenAnswer {
  AnswerQuantity Quantity = AnswerQuantity::L;
  int Member = 0;                             // 1-based for a member quantity, else 0
  std::vector<std::optional<double>> Values;  // row by row in the quantity's shape
};

// What an answers file gives: its sound items, the first of each quantity, and what was set aside.
struct AnswerSheet {
  std::vector<GivenAnswer> Answers;
  // "answer 3 (k of member 2) expected 6 rows, found 5"
  std::vector<std::string> Malformed;
  // "answer 4 (L of member 1) repeats answer 1: the copy is not judged"
  std::vector<std::string> Repeated;
};

// "k of member 2", "S": a quantity as messages name it.
std::string AnswerLabel(AnswerQuantity quantity, int member);

// The answers file's text as JSON with an "answers" list, or why it is not one ("not JSON: line
// 2: ...", "no \"answers\" list").
std::optional<std::string> ParseAnswersDocument(const std::string& text, JsonValue& document);

// The items of a document ParseAnswersDocument accepted, each checked against the key (a known
// quantity, a member that exists, the quantity's shape).
AnswerSheet ReadAnswerItems(const JsonValue& document, const AnswerKey& key);

}  // namespace stavelorn
