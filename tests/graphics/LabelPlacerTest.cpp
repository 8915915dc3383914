// The label placer on its own: a label keeps its spot when it is free and otherwise takes the
// nearest free one. What a recording canvas has it keep clear of (texts, joint markers, arrow
// heads, hinges and member lines, but not diagrams) and which it gives way to first shows in the
// golden drawings' labels; that every text stays on its picture, clear of every other, is
// checked on every example's pictures.
#include <gtest/gtest.h>

#include <cmath>

#include "graphics/LabelPlacer.h"

namespace stavelorn {
namespace {

TEST(LabelPlacer, KeepsAFreeSpotAndMovesOffATakenOne) {
  // Labels 4 wide and 1 high, preferred at (0, 0) (their top-left corner; the box runs down).
  const struct Case {
    const char* name;
    std::vector<LabelBox> taken;
    LabelPlacer::Corner expected;
  } cases[] = {
      {"nothing in the way", {}, {0, 0}},
      {"touching is not covering", {{4, -1, 6, 0}}, {0, 0}},
      {"a label on the spot: one line up", {{0, -1, 4, 0}}, {0, 1}},
      {"the spot and the line above taken: one line down", {{0, -1, 4, 1}}, {0, -1}},
      {"a column taken: one width right", {{0, -3, 4, 3}}, {4, 0}},
      {"all covered alike: the preferred spot", {{-50, -50, 50, 50}}, {0, 0}},
      {"the near spots all taken: the nearest farther out", {{-9, -3, 13, 2}}, {0, 3}},
  };
  // A cell size that is no size is taken as the label's height.
  for (const Case& c : cases)
    for (double cell : {1.0, 0.0, double(NAN)}) {
      LabelPlacer placer;
      placer.Clear(cell);
      for (const LabelBox& box : c.taken) placer.Avoid(box);
      const LabelPlacer::Corner got = placer.Place(0, 0, 4, 1);
      EXPECT_DOUBLE_EQ(got.X, c.expected.X) << c.name << " cell " << cell;
      EXPECT_DOUBLE_EQ(got.Y, c.expected.Y) << c.name << " cell " << cell;
    }
}

}  // namespace
}  // namespace stavelorn
