// The part of a recorded picture that is in view: the user rectangle a picture box shows, which
// the user zooms and pans over the rectangle the drawing set with Scale. Only the mapping of
// user coordinates to pixels changes, never the strokes, so every drawing (structure, deformed
// shape, previews) zooms alike, pens keep their pixel width and text its size.
#pragma once

#include "graphics/RecordingCanvas.h"

namespace stavelorn {

class ViewTransform {
 public:
  // The view is never more than this many times larger or smaller than the drawing: symbols are
  // drawn in user units and grow with the zoom, and at 50 times a joint marker is already half
  // the picture wide.
  static constexpr double kMostZoomIn = 50;
  static constexpr double kMostZoomOut = 5;

  // Shows the whole drawing: the rectangle its Scale set.
  void Fit(const UserScale& drawn);
  // Takes a drawing's scale: the view stays as the user left it when the scale is the one it
  // already follows (the same structure drawn again), and is fitted to a new one.
  void Follow(const UserScale& drawn);
  // Zooms by `factor` (above 1 closer, below 1 farther), keeping the user point under pixel
  // (px, py) of a picture of width x height pixels where it is.
  void ZoomAbout(double factor, double px, double py, double width, double height);
  // Moves the picture by (dx, dy) pixels, right and down, on a picture of width x height.
  void Pan(double dx, double dy, double width, double height);

  // The user rectangle in view, mapped onto the whole picture.
  const UserScale& Visible() const { return visible_; }
  // How many times larger than in the fitted view the picture is shown.
  double Zoom() const;

 private:
  UserScale drawn_;
  UserScale visible_;
};

}  // namespace stavelorn
