// Where a drawing's labels go so that none hides another: each new label tries the spot its
// drawing prefers, then a few spots around it, and takes the first that overlaps no earlier
// label, arrow head or symbol and stays on the picture. All in user coordinates of the picture (y
// grows upward).
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace stavelorn {

// An upright rectangle: Left <= Right, Bottom <= Top.
struct LabelBox {
  double Left = 0, Bottom = 0, Right = 0, Top = 0;
};

// The area two boxes share, 0 when they only touch or lie apart.
double OverlapArea(const LabelBox& a, const LabelBox& b);

class LabelPlacer {
 public:
  // Forgets every box, for a new drawing whose labels are about `cell` user units high: boxes
  // are filed in square cells of that side, so a label is checked only against its neighbours.
  void Clear(double cell);
  // Keeps a box that later labels must not cover: a symbol, an arrow head, a printed text.
  void Avoid(const LabelBox& box);
  // The picture's edges: a label is kept inside them where it can be, a part outside counting
  // as covered. Until it is set, labels may go anywhere.
  void KeepWithin(const LabelBox& frame) { frame_ = frame, framed_ = true; }

  // The top-left corner of a label `width` wide and `height` high whose drawing would put it at
  // (x, y): that spot when it is free, else the first free one of the nearby spots (one label
  // height up or down, one label width left or right, the four corners between, then the same
  // twice as far), else the spot overlapping least, the preferred one on a tie. The label's box
  // is kept, so later labels avoid it.
  struct Corner {
    double X = 0, Y = 0;
  };
  Corner Place(double x, double y, double width, double height);

  const std::vector<LabelBox>& Taken() const { return taken_; }

 private:
  double Covered(const LabelBox& box) const;
  // Calls visit(cell key) for each cell the box reaches.
  template <typename Visit>
  void ForCells(const LabelBox& box, Visit visit) const;

  std::vector<LabelBox> taken_;
  LabelBox frame_;
  bool framed_ = false;
  double cell_ = 1;
  std::unordered_map<std::int64_t, std::vector<std::size_t>> cells_;
};

}  // namespace stavelorn
