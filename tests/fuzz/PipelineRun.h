// The pipeline the fuzz target drives, shared with the test that replays the inputs the fuzzer
// once found faults with.
#pragma once

#include <string>

namespace stavelorn {

// Reads `fileText` as a project file and takes whatever model results through the checks, the
// analysis (skipped above kLargestFuzzedDofs unknowns, to keep one input fast), both reports and
// the drawing of the structure (with its deformed shape when the analysis completed).
void RunPipelineOn(const std::string& fileText);

inline constexpr int kLargestFuzzedDofs = 600;

}  // namespace stavelorn
