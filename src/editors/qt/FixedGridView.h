// The grid control of the list and results windows: a table view over a grid model whose rows
// and columns keep the sizes the window gives them, scrolled row by row, never edited in place,
// with one contiguous block of cells selectable.
#pragma once

#include <vector>

#include "editors/qt/Twips.h"

class QAbstractItemModel;
class QTableView;
class QWidget;

namespace stavelorn {

// A new grid view named "Grid1" showing `model`; the grid's own heading row is the model's
// header, so the row numbers of the view are hidden.
QTableView* MakeFixedGridView(QAbstractItemModel* model, QWidget* parent);

// Widens every column of `view` that is narrower than the widest text it holds (each cell, and
// each word of its heading, which may wrap between words), so no number is ever cut; a column
// wide enough keeps its width. The window then sizes itself, or scrolls, around the columns.
void WidenColumnsToText(QTableView* view);

// The sizes a window's sizing rule gives its grid, in twips, and how much of it shows.
struct GridTwips {
  std::vector<int> ColWidths;
  int HeadingHeight = 0;  // row 0
  int RowHeight = 0;      // every data row
  bool VerticalScrollBar = false;
  int ShownDataRows = 0;
};

// Gives `view` the column widths (widened to their text), the row heights and the scroll bar of
// `grid`, and a fixed size that shows exactly its columns and ShownDataRows data rows.
void SizeFixedGrid(QTableView* view, const GridTwips& grid, const Twips& twips);

}  // namespace stavelorn
