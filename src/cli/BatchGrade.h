// --grade read from and written to disk: the class's answers files and the variants folder read
// as text for GradeClass, then the gradebook on standard output, the class summary and each
// student's feedback. Nothing the user already has is replaced: a summary file that exists, or a
// feedback folder that holds anything, is refused before anything is written.
#pragma once

#include <optional>
#include <ostream>
#include <vector>

#include "cli/BatchOptions.h"

namespace stavelorn {

// Exit 0 once the folders were read (a file that could not be judged has its row and reason),
// 2 when a folder or key.json cannot be read, 74 when an output cannot be written.
int RunGrade(const GradeRequest& request, const std::optional<std::vector<AskedQuantity>>& only,
             std::ostream& out, std::ostream& err);

}  // namespace stavelorn
