// A results grid written out whole for a golden file: its captions, sizes in twips, every cell
// marked with where it sits (< left, ^ centre, > right), then a copy of a few rows with every other
// cell selected, as the clipboard gets it.
#pragma once

#include <algorithm>
#include <sstream>
#include <string>

#include "app/ResultTables.h"

namespace stavelorn::testing {

inline std::string ResultTableText(const ResultTable& t) {
  std::ostringstream out;
  out << t.Caption << " | " << t.Label1 << " | " << t.Label2 << (t.ShowsCanvas ? " | canvas" : "")
      << "\nwidths";
  for (int width : t.ColWidths) out << ' ' << width;
  out << "; heading " << t.HeadingHeight << ", row " << t.RowHeight << "; grid " << t.Size.Width
      << " x " << t.Size.Height << ", " << t.Size.ShownDataRows << " rows in view"
      << (t.Size.VerticalScrollBar ? ", scrolls" : "") << '\n';
  for (int r = 0; r < t.Rows(); ++r) {
    for (int c = 0; c < t.Cols(); ++c)
      out << (c ? " " : "") << "<^>"[static_cast<int>(PlaceOf(t, r, c))]
          << t.Cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
    out << '\n';
  }
  out << CopyCells(t, 1, 1, std::min(3, t.Rows() - 1), t.Cols() - 1,
                   [](int row, int col) { return (row + col) % 2 == 0; });
  return out.str() + '\n';
}

}  // namespace stavelorn::testing
