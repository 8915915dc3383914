// The influence line's default path, worked out by hand on each structure: a truss's chord
// between its outermost supports where they stand at one level, otherwise every member not
// parallel to Y.
#include "analysis/InfluencePath.h"

#include <gtest/gtest.h>

#include <string>

#include "support/SampleModels.h"

namespace stavelorn {
namespace {

// The roof truss with its right support, joint 5, raised by half a metre (the truss as it is,
// with its bottom chord, is the batch tool's test).
std::string RaisedSupportRoofTruss() {
  std::string text = testing::ExampleText("roof-truss");
  return text.replace(text.find("\r\n12,0\r\n"), 8, "\r\n12,0.5\r\n");
}

// A bridge truss over X = 100..112 and Y = 10..13, its chord numbered from the right and its
// right support listed first, joint 3 of the chord raised above Y = 10 by `rise` (decimals).
std::string Bridge(const std::string& rise) {
  return R"("B","PTruss", "Joints",7, 100,10, 112,10, 104,10)" + rise +
         R"(, 108,10, 102,13, 106,13, 110,13, "Supports",2, 2,0,1, 1,1,1, "Materials",1, 2E8,0, )"
         R"("Cross-Sections",1, 0.001, "Members",11, 2,4,1,1, 4,3,1,1, 3,1,1,1, 1,5,1,1, )"
         R"(5,3,1,1, 3,6,1,1, 6,4,1,1, 4,7,1,1, 7,2,1,1, 5,6,1,1, 6,7,1,1)";
}

TEST(InfluencePath, ATrussTakesTheChordBetweenItsOutermostSupportsAtTheirLevel) {
  const struct {
    const char* name;
    std::string text;
    std::vector<int> members;
    int from, to;  // 0: not a chord
  } cases[] = {
      // The load still travels from the left support, member by member.
      {"bridge truss", Bridge(""), {3, 2, 1}, 1, 2},
      // A chord joint within a millionth of the truss's size (12) of the supports' level is on it.
      {"joint 3 raised by 1.1e-5", Bridge(".000011"), {3, 2, 1}, 1, 2},
      {"joint 3 raised by 2e-5", Bridge(".00002"), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 0, 0},
      // Supports at different heights: every member but the verticals 9, 10 and 11.
      {"raised support", RaisedSupportRoofTruss(), {1, 2, 3, 4, 5, 6, 7, 8, 12, 13}, 0, 0},
      // Supports at one level that no member joins along it: a two-bar arch.
      {"no chain",
       R"("A","PTruss", "Joints",3, 0,0, 4,0, 2,2, "Supports",2, 1,1,1, 2,1,1, )"
       R"("Materials",1, 2E8,0, "Cross-Sections",1, 0.001, "Members",2, 1,3,1,1, 3,2,1,1)",
       {1, 2},
       0,
       0},
      // A tapered tower: its four supports stand on the ground, but no member runs there, and
      // no member is vertical.
      {"space truss tower",
       testing::ExampleText("space-truss-tower"),
       {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
        14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26},
       0,
       0},
      // A frame's beam carries the load, never its columns.
      {"portal frame", testing::ExampleText("portal-frame"), {2}, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const DefaultPath path = ChooseDefaultPath(testing::ModelFromText(c.text));
    EXPECT_EQ(path.Members, c.members);
    EXPECT_EQ(path.FromJoint, c.from);
    EXPECT_EQ(path.ToJoint, c.to);
  }
}

}  // namespace
}  // namespace stavelorn
