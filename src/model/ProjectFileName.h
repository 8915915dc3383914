// The rule that gives every saved project the extension ".str", applied to the path the save
// dialog returns.
#pragma once

#include <string>

#include "model/RunError.h"

namespace stavelorn {

// A file name that already ends in ".str", in any letter case, is kept exactly as typed, so the
// file written is the one the user named (frame.str, frame.STR). Any other name gets ".str" in
// lower case, like the example projects: frame -> frame.str, frame.st -> frame.st.str, and a
// name ending in a bare dot, frame., -> frame.str. Dots in folder names do not count. A path
// without a file name (empty, or ending in a folder separator) is an error (5).
RunResult ApplyProjectExtension(std::string& path);

}  // namespace stavelorn
