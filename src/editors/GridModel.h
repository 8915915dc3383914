// The grid of a list window as the editors see it: a heading row 0 and data rows 1.., column 0
// holding the item number and columns 1.. the item's values, all as text; the selection (anchor
// and extent), the first row shown, the column widths and row heights in twips, and the size and
// scroll bar the grid is given. It is the editor's working copy of its data; a window shows it
// and reports the user's selection back, and an observer hears of every change.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace stavelorn {

class GridModel {
 public:
  // A data row's height until one is set, in twips.
  static constexpr int kDefaultRowHeight = 240;

  // What changed, for a window that shows the grid: one cell, or anything else (rows, columns,
  // headings, sizes, selection).
  struct Observer {
    std::function<void(int row, int col)> CellChanged;
    std::function<void()> LayoutChanged;
  };

  GridModel();

  void SetObserver(Observer observer) { observer_ = std::move(observer); }
  // Takes every cell, size, selection and the first row shown from `other`, keeping this grid's
  // observer, which hears of it as one change; for undo, redo and Cancel.
  void CopyContents(const GridModel& other);
  // Whether both grids hold the same text in every cell.
  bool SameCells(const GridModel& other) const { return cells_ == other.cells_; }

  int Rows() const { return static_cast<int>(cells_.size()); }
  int Cols() const { return cols_; }
  // Grows or shrinks to `rows` rows (heading included), new rows blank.
  void SetRows(int rows);
  // Sets the number of columns, discarding every row but the heading and one blank data row.
  void SetCols(int cols);

  // Cell text; row 0 is the heading row.
  const std::string& Text(int row, int col) const;
  void SetText(int row, int col, const std::string& text);

  void AddRow();            // appends a blank row
  void InsertRow(int row);  // a blank row at `row`, the rows from there moving down
  void RemoveRow(int row);
  void BlankRow(int row);  // every cell of `row`, column 0 included, set empty

  int ColWidth(int col) const { return colWidths_.at(Index(col)); }
  void SetColWidth(int col, int twips);
  int RowHeight(int row) const;
  void SetRowHeight(int row, int twips);

  // The selection: anchor row and column, extent row and column. The extent may lie above or
  // left of the anchor when the user dragged that way. Rows and columns are kept inside the
  // data cells.
  int Row() const { return row_; }
  int Col() const { return col_; }
  int RowSel() const { return rowSel_; }
  int ColSel() const { return colSel_; }
  void Select(int row, int col, int rowSel, int colSel);

  int TopRow() const { return topRow_; }
  void SetTopRow(int row);

  // The size given by the editor's sizing rule, in twips, and whether the vertical scroll bar
  // is on.
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool VerticalScrollBar() const { return scrollBar_; }
  void SetSize(int width, int height, bool verticalScrollBar);

 private:
  static std::size_t Index(int n) { return static_cast<std::size_t>(n); }
  int ClampRow(int row) const;
  int ClampCol(int col) const;
  void Changed();

  int cols_ = 0;
  std::vector<std::vector<std::string>> cells_;
  std::vector<int> colWidths_;
  int headingHeight_ = kDefaultRowHeight;
  int rowHeight_ = kDefaultRowHeight;
  int row_ = 1, col_ = 1, rowSel_ = 1, colSel_ = 1;
  int topRow_ = 1;
  int width_ = 0, height_ = 0;
  bool scrollBar_ = false;
  Observer observer_;
};

}  // namespace stavelorn
