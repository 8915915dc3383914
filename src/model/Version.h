// The program's name and version, as the build sets it, for --version, the About texts and the
// pictures it writes.
#pragma once

namespace stavelorn {

inline constexpr char kProgramName[] = "STAVELORN";

// "1.0.0": major.minor.patch of this build.
const char* ProgramVersion();

}  // namespace stavelorn
