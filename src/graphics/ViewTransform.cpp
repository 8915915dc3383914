#include "graphics/ViewTransform.h"

#include <algorithm>
#include <cmath>

namespace stavelorn {

void ViewTransform::Fit(const UserScale& drawn) {
  drawn_ = visible_ = drawn;
}

void ViewTransform::Follow(const UserScale& drawn) {
  if (drawn.Left != drawn_.Left || drawn.Top != drawn_.Top || drawn.Right != drawn_.Right ||
      drawn.Bottom != drawn_.Bottom)
    Fit(drawn);
}

double ViewTransform::Zoom() const {
  const double visible = visible_.Right - visible_.Left;
  return visible != 0 ? (drawn_.Right - drawn_.Left) / visible : 1;
}

void ViewTransform::ZoomAbout(double factor, double px, double py, double width, double height) {
  if (!(factor > 0) || !std::isfinite(factor) || !(width > 0) || !(height > 0)) return;
  // The zoom is held between its limits, so a wheel spun far stops there.
  const double zoom = std::clamp(Zoom() * factor, 1 / kMostZoomOut, kMostZoomIn);
  const double scale = Zoom() / zoom;
  const double fx = px / width, fy = py / height;
  const double ux = visible_.Left + fx * (visible_.Right - visible_.Left);
  const double uy = visible_.Top + fy * (visible_.Bottom - visible_.Top);
  const double w = (visible_.Right - visible_.Left) * scale;
  const double h = (visible_.Bottom - visible_.Top) * scale;
  visible_.Left = ux - fx * w;
  visible_.Right = visible_.Left + w;
  visible_.Top = uy - fy * h;
  visible_.Bottom = visible_.Top + h;
}

void ViewTransform::Pan(double dx, double dy, double width, double height) {
  if (!(width > 0) || !(height > 0) || !std::isfinite(dx) || !std::isfinite(dy)) return;
  // Dragging the picture right brings what lay to its left into view.
  const double ux = -dx / width * (visible_.Right - visible_.Left);
  const double uy = -dy / height * (visible_.Bottom - visible_.Top);
  visible_.Left += ux, visible_.Right += ux;
  visible_.Top += uy, visible_.Bottom += uy;
}

}  // namespace stavelorn
