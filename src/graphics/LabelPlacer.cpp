#include "graphics/LabelPlacer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <utility>

namespace stavelorn {

namespace {

inline double Overlap(const LabelBox& a, const LabelBox& b) {
  const double width = std::min(a.Right, b.Right) - std::max(a.Left, b.Left);
  const double height = std::min(a.Top, b.Top) - std::max(a.Bottom, b.Bottom);
  return width > 0 && height > 0 ? width * height : 0;
}

}  // namespace

double OverlapArea(const LabelBox& a, const LabelBox& b) {
  return Overlap(a, b);
}

bool CrossesBox(double x1, double y1, double x2, double y2, const LabelBox& box) {
  // The part of the line inside the box's slabs, as fractions of its length (Liang-Barsky).
  double enter = 0, leave = 1;
  const double dx = x2 - x1, dy = y2 - y1;
  auto clip = [&](double towards, double room) {
    if (towards == 0) return room > 0;
    const double t = room / towards;
    if (towards < 0)
      enter = std::max(enter, t);
    else
      leave = std::min(leave, t);
    return true;
  };
  if (!clip(-dx, x1 - box.Left) || !clip(dx, box.Right - x1) || !clip(-dy, y1 - box.Bottom) ||
      !clip(dy, box.Top - y1))
    return false;
  return enter < leave;
}

namespace {

bool Finite(const LabelBox& box) {
  return std::isfinite(box.Left) && std::isfinite(box.Right) && std::isfinite(box.Bottom) &&
         std::isfinite(box.Top);
}

// The spots tried around the preferred one, nearest first. The near ones step in label widths
// (across) and heights (up): a label one line above or below its spot still reads as belonging
// to what it names.
constexpr double kNearSpots[][2] = {{0, 0},  {0, 1},  {0, -1},  {1, 0},  {-1, 0}, {1, 1},
                                    {-1, 1}, {1, -1}, {-1, -1}, {0, 2},  {0, -2}, {2, 0},
                                    {-2, 0}, {2, 2},  {-2, 2},  {2, -2}, {-2, -2}};
// The far ones step a label height both ways, in square rings up to this many heights out,
// each ring straight above, below and beside first, its corners last.
constexpr int kFarthestRing = 6;

std::vector<std::pair<int, int>> FarSteps() {
  std::vector<std::pair<int, int>> steps;
  for (int ring = 1; ring <= kFarthestRing; ++ring) {
    std::vector<std::pair<int, int>> spots;
    for (int across = -ring; across <= ring; ++across)
      for (int up = ring; up >= -ring; --up)
        if (std::max(std::abs(across), std::abs(up)) == ring) spots.emplace_back(across, up);
    std::stable_sort(spots.begin(), spots.end(), [](const auto& a, const auto& b) {
      return std::abs(a.first) + std::abs(a.second) < std::abs(b.first) + std::abs(b.second);
    });
    steps.insert(steps.end(), spots.begin(), spots.end());
  }
  return steps;
}

}  // namespace

void LabelPlacer::Clear(double cell) {
  lines_.clear();
  cells_.clear();
  lineCells_.clear();
  longLines_.clear();
  cell_ = cell > 0 && std::isfinite(cell) ? cell : 1;
}

template <typename Visit>
bool LabelPlacer::ForCells(const LabelBox& box, Visit visit) const {
  // Boxes far off the picture all land in the edge cells: still found, only checked against
  // more neighbours. A box is filed in at most 128 cells each way, more than a picture holds.
  auto index = [this](double v) {
    return static_cast<std::int64_t>(std::clamp(std::floor(v / cell_), -1e6, 1e6));
  };
  if (!Finite(box)) return false;
  const std::int64_t left = index(box.Left), right = index(box.Right);
  const std::int64_t bottom = index(box.Bottom), top = index(box.Top);
  bool going = true;
  for (std::int64_t i = left; going && i <= right && i - left < 128; ++i)
    for (std::int64_t j = bottom; going && j <= top && j - bottom < 128; ++j)
      going = visit(i * 4000000 + j);
  return right - left < 128 && top - bottom < 128;
}

void LabelPlacer::Avoid(const LabelBox& box, Kept kind) {
  if (!Finite(box)) return;
  ForCells(box, [&](std::int64_t key) {
    KeptCell& cell = cells_[key];
    (kind == Kept::Text ? cell.Texts : cell.Symbols).push_back(box);
    return true;
  });
}

void LabelPlacer::AvoidLine(double x1, double y1, double x2, double y2) {
  if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return;
  lines_.push_back({x1, y1, x2, y2});
  const std::size_t line = lines_.size() - 1;
  const LabelBox reach{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
  std::vector<std::int64_t> keys;
  if (ForCells(reach, [&keys](std::int64_t key) {
        keys.push_back(key);
        return true;
      }))
    for (std::int64_t key : keys) lineCells_[key].push_back(line);
  else
    longLines_.push_back(line);
}

bool LabelPlacer::CrossesAnyLine(const LabelBox& box) const {
  // A line through the box's inside passes a point inside it, in a cell both reach; a box
  // reaching too many cells to visit is checked against every line.
  const auto crossesLine = [&box](const KeptLine& l) {
    return CrossesBox(l.X1, l.Y1, l.X2, l.Y2, box);
  };
  const auto crosses = [&](std::size_t i) { return crossesLine(lines_[i]); };
  if (std::any_of(longLines_.begin(), longLines_.end(), crosses)) return true;
  bool crossed = false;
  const bool visitedAll = ForCells(box, [&](std::int64_t key) {
    const auto found = lineCells_.find(key);
    if (found != lineCells_.end())
      crossed = std::any_of(found->second.begin(), found->second.end(), crosses);
    return !crossed;
  });
  if (crossed || visitedAll) return crossed;
  return std::any_of(lines_.begin(), lines_.end(), crossesLine);
}

LabelPlacer::Cover LabelPlacer::Covered(const LabelBox& box, const Bar& bar) const {
  // A box filed in several cells is counted once per cell it shares with `box`; the sums only
  // rank the candidates, and 0 still means free. Texts are summed in the same order however
  // soon the sum stops, so that a tie between spots is broken the same way.
  Cover cover;
  const auto ruledOut = [&] {
    return (cover.Texts > 0 && cover.Texts >= bar.Texts) || (cover.Symbols > 0 && bar.NoSymbol);
  };
  if (framed_)
    cover.Texts += (box.Right - box.Left) * (box.Top - box.Bottom) - OverlapArea(box, frame_);
  if (ruledOut()) return cover;
  ForCells(box, [&](std::int64_t key) {
    auto found = cells_.find(key);
    if (found == cells_.end()) return true;
    for (const LabelBox& kept : found->second.Texts) {
      cover.Texts += Overlap(box, kept);
      if (ruledOut()) return false;
    }
    for (const LabelBox& kept : found->second.Symbols) {
      cover.Symbols += Overlap(box, kept);
      if (ruledOut()) return false;
    }
    return true;
  });
  if (bar.LinesCount && cover.Texts == 0 && cover.Symbols == 0)
    cover.CrossesLine = CrossesAnyLine(box);
  return cover;
}

LabelPlacer::Corner LabelPlacer::Place(double x, double y, double width, double height) {
  static const std::vector<std::pair<int, int>> farSteps = FarSteps();
  // A spot running off the picture is first moved just inside it, so that a long label at the
  // edge stays beside what it names rather than jumping to the next free spot.
  if (framed_) {
    x = std::clamp(x, frame_.Left, std::max(frame_.Left, frame_.Right - width));
    y = std::clamp(y, std::min(frame_.Top, frame_.Bottom + height), frame_.Top);
  }
  std::vector<Corner> spots;
  for (const auto& step : kNearSpots) spots.push_back({x + step[0] * width, y + step[1] * height});
  for (const auto& [across, up] : farSteps) spots.push_back({x + across * height, y + up * height});
  // The rank of a spot, best first: near and free of everything; near and crossing a line only;
  // far and covering no text or symbol; near and covering a symbol; far and covering a symbol;
  // covering a text (or off the picture).
  constexpr int kCoversText = 5;
  auto rank = [](const Cover& c, bool near) {
    if (c.Texts > 0) return kCoversText;
    if (c.Symbols > 0) return near ? 3 : 4;
    if (!near) return 2;
    return c.CrossesLine ? 1 : 0;
  };
  std::size_t chosen = 0;
  int chosenRank = kCoversText + 1;
  double leastText = 0;
  for (std::size_t k = 0; k < spots.size() && chosenRank > 0; ++k) {
    // A far spot ranks 2 at best, so it cannot beat a near one that ranks 2 or better (in a
    // dense drawing, one crossing a line only): the far rings are not searched.
    if (k == std::size(kNearSpots) && chosenRank <= 2) break;
    // A spot can beat the chosen one by covering less text while both cover some, by covering
    // no text (or no text and no symbol) where that ranks better, and, near, by crossing no line.
    const bool near = k < std::size(kNearSpots);
    Bar bar;
    bar.Texts = chosenRank > kCoversText    ? std::numeric_limits<double>::infinity()
                : chosenRank == kCoversText ? leastText
                                            : 0;
    bar.NoSymbol = (near ? 3 : 4) >= chosenRank;
    bar.LinesCount = near;
    const Cover cover =
        Covered({spots[k].X, spots[k].Y - height, spots[k].X + width, spots[k].Y}, bar);
    const int r = rank(cover, near);
    if (r < chosenRank || (r == kCoversText && cover.Texts < leastText))
      chosen = k, chosenRank = r, leastText = cover.Texts;
  }
  const Corner best = spots[chosen];
  Avoid({best.X, best.Y - height, best.X + width, best.Y}, Kept::Text);
  return best;
}

}  // namespace stavelorn
