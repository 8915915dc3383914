// Where a drawing's labels go so that none hides another: each new label tries the spot its
// drawing prefers, then spots around it, and takes the nearest that overlaps no earlier label,
// stays on the picture, covers no symbol and crosses no member or arrow line; a label that
// cannot have all of that keeps clear of labels and the picture's edges first, of symbols next,
// of lines last. All in user coordinates of the picture (y grows upward).
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

// Whether the straight line from (x1, y1) to (x2, y2) runs through the inside of the box
// (touching its edge is not crossing).
bool CrossesBox(double x1, double y1, double x2, double y2, const LabelBox& box);

class LabelPlacer {
 public:
  // What a kept box is: a printed text no label may cover, or a symbol (a joint marker, an arrow
  // head, a circle) a label covers only where no other spot is free of it.
  enum class Kept { Text, Symbol };

  // Forgets every box and line, for a new drawing whose labels are about `cell` user units high:
  // boxes are filed in square cells of that side, so a label is checked only against its
  // neighbours.
  void Clear(double cell);
  // Keeps a box that later labels must not cover.
  void Avoid(const LabelBox& box, Kept kind = Kept::Symbol);
  // Keeps a line (a member, an arrow's shaft) that later labels cross only where the nearby
  // spots all cross one. Lines are filed by cell too: a picture of thousands of members places
  // each label against the lines near it only.
  void AvoidLine(double x1, double y1, double x2, double y2);
  // The picture's edges: a label is kept inside them where it can be, a part outside counting
  // as covering a text. Until it is set, labels may go anywhere.
  void KeepWithin(const LabelBox& frame) { frame_ = frame, framed_ = true; }

  // The top-left corner of a label `width` wide and `height` high whose drawing would put it at
  // (x, y). The near spots are that one, one label height up or down, one label width left or
  // right, the four corners between, then the same twice as far; the far spots lie in rings a
  // label height apart around it, up to six heights out. Taken is the first spot, nearest first,
  // of the best kind there is: near and free of everything; near and crossing a line only; far
  // and covering no text or symbol; near and covering a symbol; far and covering a symbol; else
  // the one covering texts least, the preferred one on a tie. The label's box is kept as a text,
  // so later labels avoid it.
  struct Corner {
    double X = 0, Y = 0;
  };
  Corner Place(double x, double y, double width, double height);

 private:
  struct Cover {
    double Texts = 0, Symbols = 0;
    bool CrossesLine = false;
  };
  // What a spot must stay below to rank better than the one chosen so far: texts covered less
  // than `Texts`, no symbol at all when `NoSymbol`; whether it crosses a line matters only when
  // `LinesCount` and it covers nothing.
  struct Bar {
    double Texts = 0;
    bool NoSymbol = false;
    bool LinesCount = false;
  };
  // What `box` covers, summed as far as it can beat `bar`: the sums stop, short, at the first
  // cover that rules the box out, so that in a crowded drawing a spot costs a look or two.
  Cover Covered(const LabelBox& box, const Bar& bar) const;
  // Calls visit(cell key) for each cell the box reaches, up to 128 each way, until a visit
  // returns false; false when the box reaches further (or is not finite).
  template <typename Visit>
  bool ForCells(const LabelBox& box, Visit visit) const;
  bool CrossesAnyLine(const LabelBox& box) const;

  // The boxes filed in one cell, each kind in the order kept (the texts' sums keep that order).
  struct KeptCell {
    std::vector<LabelBox> Texts, Symbols;
  };
  struct KeptLine {
    double X1, Y1, X2, Y2;
  };
  std::vector<KeptLine> lines_;
  LabelBox frame_;
  bool framed_ = false;
  double cell_ = 1;
  std::unordered_map<std::int64_t, KeptCell> cells_;
  // The lines by the cells their extent reaches, and those reaching too far to be filed.
  std::unordered_map<std::int64_t, std::vector<std::size_t>> lineCells_;
  std::vector<std::size_t> longLines_;
};

}  // namespace stavelorn
