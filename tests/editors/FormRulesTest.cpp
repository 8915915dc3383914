// Two pure rules of the editors: where an entry dialog goes beside its list window, and the
// sign note each kind of member load shows.
#include <gtest/gtest.h>

#include "editors/DialogPlacement.h"
#include "editors/MemberLoadForm.h"

namespace stavelorn {
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
    EXPECT_EQ(placed.Width, 300);
    EXPECT_EQ(placed.Height, 400);
  }
}

// The sign note of each kind of member load, against the convention the fixed-end forces use: a
// positive transverse or axial load acts against its local axis (as gravity on a member whose
// local y points up), a positive couple in the member's x-y plane turns clockwise, and a couple
// about local y turns so that it bends the member as that couple does in its own plane.
TEST(MemberLoadForm, TheSignNoteSaysWhichWayAPositiveValueActs) {
  const std::pair<MemberLoadKind, const char*> notes[] = {
      {MemberLoadKind::Concentrated, "A positive P acts opposite to the local y-axis."},
      {MemberLoadKind::Couple,
       "A positive M turns about the local z-axis against the right-hand rule."},
      {MemberLoadKind::Linear, "Positive w1 and w2 act opposite to the local y-axis."},
      {MemberLoadKind::AxialUniform, "A positive w acts opposite to the local x-axis."},
      {MemberLoadKind::Torque,
       "A positive T turns about the local x-axis against the right-hand rule."},
      {MemberLoadKind::CoupleY,
       "A positive M turns about the local y-axis by the right-hand rule."},
      {MemberLoadKind::UniformZ, "A positive w acts opposite to the local z-axis."},
  };
  for (const auto& [kind, note] : notes) EXPECT_EQ(LoadSignNote(InfoOf(kind)), note);
}

}  // namespace
}  // namespace stavelorn
