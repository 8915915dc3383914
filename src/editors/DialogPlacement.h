// Where an entry dialog opens: beside its list window, so that the grid, the list's buttons and
// the preview stay in sight while an item is typed.
#pragma once

namespace stavelorn {

// A rectangle on the screen, in pixels; Left and Top are its upper-left corner.
struct ScreenRect {
  int Left = 0, Top = 0, Width = 0, Height = 0;
};

// The rectangle for a dialog `width` x `height` next to `window` on `screen` (all frame
// rectangles): right of the window when it fits there, else left of it, else below, else above;
// where it fits nowhere, on the side it overlaps least. Beside the window its top is level with
// the window's, below or above its left edge is; it is always kept on the screen.
ScreenRect PlaceBeside(const ScreenRect& window, int width, int height, const ScreenRect& screen);

}  // namespace stavelorn
