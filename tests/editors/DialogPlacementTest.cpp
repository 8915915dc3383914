// Where the entry dialog goes beside its list window.
#include <gtest/gtest.h>

#include "editors/DialogPlacement.h"

using namespace stavelorn;

namespace {

// A 1000 x 800 screen; the dialog is 300 x 400. The dialog never overlaps the list window when
// there is room beside it, and never leaves the screen.
TEST(PlaceBeside, PutsTheDialogNextToTheListWindowOnTheScreen) {
  const ScreenRect screen{0, 0, 1000, 800};
  const struct {
    ScreenRect window;
    int left, top;
  } cases[] = {
      {{100, 50, 500, 500}, 608, 50},    // room on the right
      {{500, 50, 450, 500}, 192, 50},    // room on the left only
      {{50, 500, 500, 250}, 558, 400},   // level with the window, lifted onto the screen
      {{100, 100, 850, 250}, 100, 358},  // no room beside: below
      {{0, 0, 990, 700}, 700, 0},        // no room anywhere: where it overlaps least
  };
  for (const auto& c : cases) {
    const ScreenRect placed = PlaceBeside(c.window, 300, 400, screen);
    EXPECT_EQ(placed.Left, c.left) << c.window.Left;
    EXPECT_EQ(placed.Top, c.top) << c.window.Left;
  }
}

}  // namespace
