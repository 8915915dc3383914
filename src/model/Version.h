// The program's version, as the build sets it, for --version and the About texts.
#pragma once

namespace stavelorn {

// "1.0.0": major.minor.patch of this build.
const char* ProgramVersion();

}  // namespace stavelorn
