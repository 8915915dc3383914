#include "app/RecentProjects.h"

#include <gtest/gtest.h>

namespace stavelorn {
namespace {

std::vector<std::string> Absolute(const std::vector<std::string>& names) {
  std::vector<std::string> paths;
  for (const std::string& name : names) paths.push_back("/projects/" + name);
  return paths;
}

TEST(RecentProjects, TheLastOpenedComesFirstAndAFileIsListedOnce) {
  struct Case {
    std::vector<std::string> added;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {{"a.str", "b.str", "c.str", "a.str"}, {"a.str", "c.str", "b.str"}},
      {{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
       {"10", "9", "8", "7", "6", "5", "4", "3"}},
  };
  for (const Case& c : cases) {
    RecentProjects recent;
    for (const std::string& path : Absolute(c.added)) recent.Add(path);
    EXPECT_EQ(recent.Paths(), Absolute(c.expected)) << c.added.size() << " added";
  }
}

TEST(RecentProjects, AKeptListLosesBlanksAndRepeatsAndIsCutToEight) {
  std::vector<std::string> kept = Absolute({"a", "b", "a", "c", "d", "e", "f", "g", "h", "i"});
  kept.insert(kept.begin() + 1, "");
  RecentProjects recent(kept);
  EXPECT_EQ(recent.Paths(), Absolute({"a", "b", "c", "d", "e", "f", "g", "h"}));
  EXPECT_TRUE(RecentProjects(std::vector<std::string>{""}).Empty());
}

TEST(RecentProjects, CaptionsAreNumberedAndShowAmpersandsAndRemovingTakesOnlyThatFile) {
  RecentProjects recent(std::vector<std::string>{"/p/Smith & Jones.str", "/p/b.str"});
  EXPECT_EQ(recent.Caption(0), "&1 /p/Smith && Jones.str");
  EXPECT_EQ(recent.Caption(1), "&2 /p/b.str");
  recent.Remove("/p/Smith & Jones.str");
  recent.Remove("/p/none");
  EXPECT_EQ(recent.Paths(), std::vector<std::string>{"/p/b.str"});
}

}  // namespace
}  // namespace stavelorn
