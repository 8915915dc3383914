// libFuzzer target over random edit sessions (tests/fuzz/EditSessionRun.h), run from the top of
// the source tree. A broken promise aborts with its words, so the input is kept.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/EditSessionRun.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string failure =
      stavelorn::RunEditSessionInput(".", std::string(reinterpret_cast<const char*>(data), size));
  if (!failure.empty()) {
    std::fprintf(stderr, "edit session: %s\n", failure.c_str());
    std::abort();
  }
  return 0;
}
