// The program's own answers written as a student's answers file writes them, so that a key can be
// handed to the judge as it stands: every quantity the key has, each member's in member order.
#pragma once

#include <string>

#include "reports/AnswerKey.h"

namespace stavelorn {

// The "answers" list: [{"quantity": "L", "member": 1, "values": 5}, ...], one item a line, each
// line after the first opened by `indent`; numbers at the precision of the run they come from.
std::string KeyAnswersJson(const AnswerKey& key, const std::string& indent);

}  // namespace stavelorn
