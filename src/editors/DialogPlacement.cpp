#include "editors/DialogPlacement.h"

#include <algorithm>

namespace stavelorn {

namespace {

// `start` moved just enough that a span of `size` lies in [low, low + room), or at `low` when
// it is larger than the room.
int KeptWithin(int start, int size, int low, int room) {
  return std::max(low, std::min(start, low + room - size));
}

}  // namespace

ScreenRect PlaceBeside(const ScreenRect& window, int width, int height, const ScreenRect& screen) {
  constexpr int kGap = 8;  // a little air, so the two frames read as separate windows
  struct Side {
    int Room;  // free space on the screen on this side of the window
    int Need;  // the dialog's extent across it
    int Left, Top;
  };
  const Side sides[] = {
      {screen.Left + screen.Width - (window.Left + window.Width + kGap), width,
       window.Left + window.Width + kGap, window.Top},                                    // right
      {window.Left - kGap - screen.Left, width, window.Left - kGap - width, window.Top},  // left
      {screen.Top + screen.Height - (window.Top + window.Height + kGap), height, window.Left,
       window.Top + window.Height + kGap},                                                // below
      {window.Top - kGap - screen.Top, height, window.Left, window.Top - kGap - height},  // above
  };
  // The first side with room for the whole dialog; failing that, the one it overlaps least.
  const Side* best = &sides[0];
  for (const Side& side : sides) {
    if (side.Room >= side.Need) {
      best = &side;
      break;
    }
    if (side.Room - side.Need > best->Room - best->Need) best = &side;
  }
  return {KeptWithin(best->Left, width, screen.Left, screen.Width),
          KeptWithin(best->Top, height, screen.Top, screen.Height), width, height};
}

}  // namespace stavelorn
