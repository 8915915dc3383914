#include <gtest/gtest.h>

#include "model/ProjectFileName.h"

namespace stavelorn {
namespace {

TEST(ApplyProjectExtension, GivesEveryProjectTheExtensionSTR) {
  const struct {
    const char* path;
    const char* result;
  } cases[] = {
      {"frame.st", "frame.STR"},
      {"frame.s", "frame.STR"},
      {"frame.str", "frame.STR"},
      {"frame.Str", "frame.STR"},
      {"frame.text", "frame.STRt"},
      {"frame.", "frame.STR"},
      {"/home/user/frame.str", "/home/user/frame.STR"},
      // Dots in folder names and a second dot in the name leave the rest of the path alone.
      {"/home/user/course.2026/frame.str", "/home/user/course.2026/frame.STR"},
      {"/home/user/course.2026/frame.st", "/home/user/course.2026/frame.STR"},
      {"/home/user/beam.v2.str", "/home/user/beam.v2.STR"},
      {"C:\\course.2026\\truss.s", "C:\\course.2026\\truss.STR"},
  };
  for (const auto& c : cases) {
    std::string path = c.path;
    EXPECT_FALSE(ApplyProjectExtension(path)) << c.path;
    EXPECT_EQ(path, c.result) << c.path;
  }
}

TEST(ApplyProjectExtension, RefusesANameWithoutAnyDot) {
  for (const char* name : {"frame", "/home/user/course.2026/frame", ""}) {
    std::string path = name;
    RunResult error = ApplyProjectExtension(path);
    ASSERT_TRUE(error) << name;
    EXPECT_EQ(error->Number, 5);
    EXPECT_EQ(path, name) << "the path is left as it was";
  }
}

}  // namespace
}  // namespace stavelorn
