#include <gtest/gtest.h>

#include "model/ProjectFileName.h"

namespace stavelorn {
namespace {

TEST(ApplyProjectExtension, KeepsAnyCaseOfStrAndOtherwiseAddsLowerCaseStr) {
  const struct {
    const char* path;
    const char* result;
  } cases[] = {
      {"/home/u/myportal.str", "/home/u/myportal.str"},
      {"frame.STR", "frame.STR"},
      {"frame.Str", "frame.Str"},
      {"frame", "frame.str"},
      {"frame.", "frame.str"},
      {"frame.st", "frame.st.str"},
      {"frame.text", "frame.text.str"},
      {"str", "str.str"},
      // Dots in folder names and earlier dots in the name leave the rest of the path alone.
      {"/home/user/course.2026/frame", "/home/user/course.2026/frame.str"},
      {"/home/user/beam.v2.str", "/home/user/beam.v2.str"},
      {"C:\\course.2026\\truss.s", "C:\\course.2026\\truss.s.str"},
  };
  for (const auto& c : cases) {
    std::string path = c.path;
    EXPECT_FALSE(ApplyProjectExtension(path)) << c.path;
    EXPECT_EQ(path, c.result) << c.path;
  }
}

TEST(ApplyProjectExtension, RefusesAPathWithoutAFileName) {
  for (const char* name : {"", "/home/user/", "C:\\course\\", "/home/user/."}) {
    std::string path = name;
    RunResult error = ApplyProjectExtension(path);
    ASSERT_TRUE(error) << name;
    EXPECT_EQ(error->Number, 5);
    EXPECT_EQ(path, name) << "the path is left as it was";
  }
}

}  // namespace
}  // namespace stavelorn
