#include "app/RecentProjects.h"

#include <gtest/gtest.h>

namespace stavelorn {
namespace {

// The last opened comes first, a file is listed once, a kept list loses blanks and is cut to
// eight, and captions are numbered with their ampersands shown.
TEST(RecentProjects, OrderRepeatsLengthAndCaptions) {
  RecentProjects recent(
      std::vector<std::string>{"/a", "", "/b", "/a", "/c", "/d", "/e", "/f", "/g", "/h", "/i"});
  EXPECT_EQ(recent.Paths(),
            (std::vector<std::string>{"/a", "/b", "/c", "/d", "/e", "/f", "/g", "/h"}));
  recent.Add("/p/Smith & Jones.str");
  recent.Add("/c");
  recent.Add("");  // no file: nothing to list
  EXPECT_EQ(recent.Caption(1), "&2 /p/Smith && Jones.str");
  recent.Remove("/c");
  EXPECT_EQ(recent.Paths().front(), "/p/Smith & Jones.str");
  EXPECT_EQ(recent.Paths().size(), 7u);
}

}  // namespace
}  // namespace stavelorn
