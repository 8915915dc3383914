// Readable names for the cases of a parameterised test, so that every ctest name says which case
// it runs (without a generator GoogleTest names a case by its index, and ctest by its bytes).
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace stavelorn::testing {

// `text` as a test name: its letters and digits, every other run of characters one underscore.
inline std::string CaseName(const std::string& text) {
  std::string name;
  for (const char c : text) {
    if (std::isalnum(static_cast<unsigned char>(c)))
      name += c;
    else if (!name.empty() && name.back() != '_')
      name += '_';
  }
  if (!name.empty() && name.back() == '_') name.pop_back();
  return name;
}

// A case's own name: the text of a text parameter, the `name` of a table row.
inline const char* NameOfCase(const char* text) {
  return text;
}
template <class Row>
const char* NameOfCase(const Row& row) {
  return row.name;
}

// The generator for INSTANTIATE_TEST_SUITE_P's last argument, for parameters that carry a name.
struct NamedCases {
  template <class Param>
  std::string operator()(const ::testing::TestParamInfo<Param>& info) const {
    return CaseName(NameOfCase(info.param));
  }
};

}  // namespace stavelorn::testing
