#include "model/ProjectFileName.h"

#include <gtest/gtest.h>

namespace stavelorn {
namespace {

// Any case of ".str" stays, otherwise ".str" is added; dots in folder names and earlier dots in
// the name leave the rest alone. A path without a file name is error 5 and stays as it was.
TEST(ApplyProjectExtension, KeepsAnyCaseOfStrAddsLowerCaseStrOrRefusesAPathWithoutAName) {
  const struct {
    const char* path;
    const char* result;  // nullptr: refused
  } cases[] = {
      {"frame.STR", "frame.STR"},
      {"frame.Str", "frame.Str"},
      {"frame", "frame.str"},
      {"frame.", "frame.str"},
      {"frame.st", "frame.st.str"},
      {"str", "str.str"},
      {"/home/user/course.2026/frame", "/home/user/course.2026/frame.str"},
      {"/home/user/beam.v2.str", "/home/user/beam.v2.str"},
      {"C:\\course.2026\\truss.s", "C:\\course.2026\\truss.s.str"},
      {"", nullptr},
      {"/home/user/", nullptr},
      {"C:\\course\\", nullptr},
      {"/home/user/.", nullptr},
  };
  for (const auto& c : cases) {
    std::string path = c.path;
    RunResult error = ApplyProjectExtension(path);
    EXPECT_EQ(error ? error->Number : 0, c.result ? 0 : 5) << c.path;
    EXPECT_EQ(path, c.result ? c.result : c.path);
  }
}

}  // namespace
}  // namespace stavelorn
