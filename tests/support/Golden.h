// Golden text files: a whole output compared with a file under tests/ that was checked by eye.
// STAVELORN_UPDATE_GOLDEN=1 rewrites the files from the output instead.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "support/SampleModels.h"

namespace stavelorn::testing {

// `relative` is the golden file's path from the source tree's root.
inline void ExpectGoldenFile(const std::string& text, const std::string& relative) {
  const std::string path = SourcePath(relative);
  if (std::getenv("STAVELORN_UPDATE_GOLDEN")) std::ofstream(path, std::ios::binary) << text;
  EXPECT_EQ(text, ReadWholeFile(path)) << relative;
}

}  // namespace stavelorn::testing
