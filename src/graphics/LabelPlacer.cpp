#include "graphics/LabelPlacer.h"

#include <algorithm>
#include <cmath>

namespace stavelorn {

double OverlapArea(const LabelBox& a, const LabelBox& b) {
  const double width = std::min(a.Right, b.Right) - std::max(a.Left, b.Left);
  const double height = std::min(a.Top, b.Top) - std::max(a.Bottom, b.Bottom);
  return width > 0 && height > 0 ? width * height : 0;
}

namespace {

bool Finite(const LabelBox& box) {
  return std::isfinite(box.Left) && std::isfinite(box.Right) && std::isfinite(box.Bottom) &&
         std::isfinite(box.Top);
}

}  // namespace

void LabelPlacer::Clear(double cell) {
  taken_.clear();
  cells_.clear();
  cell_ = cell > 0 && std::isfinite(cell) ? cell : 1;
}

template <typename Visit>
void LabelPlacer::ForCells(const LabelBox& box, Visit visit) const {
  // Boxes far off the picture all land in the edge cells: still found, only checked against
  // more neighbours. A box is filed in at most 64 cells each way, more than a picture holds.
  auto index = [this](double v) {
    return static_cast<std::int64_t>(std::clamp(std::floor(v / cell_), -1e6, 1e6));
  };
  if (!Finite(box)) return;
  const std::int64_t left = index(box.Left), right = index(box.Right);
  const std::int64_t bottom = index(box.Bottom), top = index(box.Top);
  for (std::int64_t i = left; i <= right && i - left < 64; ++i)
    for (std::int64_t j = bottom; j <= top && j - bottom < 64; ++j) visit(i * 4000000 + j);
}

void LabelPlacer::Avoid(const LabelBox& box) {
  if (!Finite(box)) return;
  taken_.push_back(box);
  ForCells(box, [this](std::int64_t key) { cells_[key].push_back(taken_.size() - 1); });
}

double LabelPlacer::Covered(const LabelBox& box) const {
  // A box filed in several cells is counted once per cell it shares with `box`; the sums only
  // rank the candidates, and 0 still means free.
  double area = 0;
  if (framed_) area += (box.Right - box.Left) * (box.Top - box.Bottom) - OverlapArea(box, frame_);
  ForCells(box, [&](std::int64_t key) {
    auto found = cells_.find(key);
    if (found == cells_.end()) return;
    for (std::size_t i : found->second) area += OverlapArea(box, taken_[i]);
  });
  return area;
}

LabelPlacer::Corner LabelPlacer::Place(double x, double y, double width, double height) {
  // Steps in label widths (across) and heights (up), nearest first: a label one line above or
  // below its spot still reads as belonging to what it names.
  constexpr double kSteps[][2] = {{0, 0},  {0, 1},  {0, -1},  {1, 0},  {-1, 0}, {1, 1},
                                  {-1, 1}, {1, -1}, {-1, -1}, {0, 2},  {0, -2}, {2, 0},
                                  {-2, 0}, {2, 2},  {-2, 2},  {2, -2}, {-2, -2}};
  // A spot running off the picture is first moved just inside it, so that a long label at the
  // edge stays beside what it names rather than jumping to the next free spot.
  if (framed_) {
    x = std::clamp(x, frame_.Left, std::max(frame_.Left, frame_.Right - width));
    y = std::clamp(y, std::min(frame_.Top, frame_.Bottom + height), frame_.Top);
  }
  Corner best{x, y};
  double least = -1;
  for (const auto& step : kSteps) {
    const Corner corner{x + step[0] * width, y + step[1] * height};
    const LabelBox box{corner.X, corner.Y - height, corner.X + width, corner.Y};
    const double covered = Covered(box);
    if (least < 0 || covered < least) least = covered, best = corner;
    if (covered == 0) break;
  }
  Avoid({best.X, best.Y - height, best.X + width, best.Y});
  return best;
}

}  // namespace stavelorn
