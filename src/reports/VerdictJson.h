// The verdicts on an answers file as JSON: the counts, "allRight", a score per quantity, what was
// skipped and one item per entry judged. For the instructor each item has the given and the
// program's value; for the student neither, but the hint to a likely slip instead.
#pragma once

#include <string>

#include "reports/AnswerScore.h"

namespace stavelorn {

// {"checked": n, "right": r, "allRight": b, "quantities": [...], "skipped": [...],
//  "items": [...]}, rows and columns 1-based. A quantity the key has no value for has its items'
// "expected" and "right" null and is neither counted nor scored.
std::string CheckJson(const Judgement& judged, bool forStudent);

// The same members without the braces, each line indented by `indent` spaces, for a JSON
// object that holds more.
std::string VerdictMembers(const Judgement& judged, bool forStudent, int indent);

// A percentage with one decimal, "87.5"; 0.0 when nothing was checked.
std::string ScoreText(int right, int checked);

}  // namespace stavelorn
