// libFuzzer target over the whole core pipeline a project file goes through: reading, the model
// checks, the analysis, both printed reports and the drawing. Any input must come through without a
// crash, a sanitizer report, a hang or unbounded memory.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/PipelineRun.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  stavelorn::RunPipelineOn(std::string(reinterpret_cast<const char*>(data), size));
  return 0;
}
