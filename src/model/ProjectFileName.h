// The rule that gives every saved project the extension ".STR", applied to the path the save
// dialog returns.
#pragma once

#include <string>

#include "model/RunError.h"

namespace stavelorn {

// At the last "." of the file name (folders may contain dots too): an extension of 1 or 2
// characters is padded to 3 and the first four characters from the dot become ".STR", so
// frame.st, frame.s and frame.str all become frame.STR and frame.text becomes frame.STRt.
// A name without any "." is an error (5), as the dialog always supplies an extension.
RunResult ApplyProjectExtension(std::string& path);

}  // namespace stavelorn
