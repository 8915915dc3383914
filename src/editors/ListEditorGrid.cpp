// The list editor's grid: its columns and headings, its size on the form, the scroll that keeps
// the current item in view, the numbering of its rows and the selection taken from it.
#include <algorithm>
#include <string>
#include <utility>

#include "editors/ListEditor.h"

namespace stavelorn {

void ListEditor::BuildGrid() {
  ColumnTable table = Columns();
  columns_ = std::move(table.Columns);
  grid_.SetCols(static_cast<int>(columns_.size()));
  grid_.SetRowHeight(0, table.HeadingHeight);
  for (std::size_t col = 0; col < columns_.size(); ++col) {
    grid_.SetColWidth(static_cast<int>(col), columns_[col].Width);
    grid_.SetText(0, static_cast<int>(col), columns_[col].Heading);
  }
}

void ListEditor::SizeGrid() {
  const int rows = grid_.Rows();
  const int shown = std::min(rows, 11);
  const int height = grid_.RowHeight(0) + (shown - 1) * grid_.RowHeight(1) + (shown + 1) * 30;
  int width = (grid_.Cols() + 1) * 28;
  for (int col = 0; col < grid_.Cols(); ++col) width += grid_.ColWidth(col);
  const bool scrollBar = rows > 11;
  if (scrollBar) width += 255;
  grid_.SetSize(width, height, scrollBar);
}

void ListEditor::ScrollToCurrent() {
  if (currentItem_ > 10) grid_.SetTopRow(currentItem_ - 9);
}

void ListEditor::SelectRow(int row) {
  grid_.Select(row, 1, row, grid_.Cols() - 1);
}

void ListEditor::Renumber(int from, int to) {
  if (!NumberedRows()) return;
  for (int row = std::max(from, 1); row <= to && row < grid_.Rows(); ++row)
    grid_.SetText(row, 0, std::to_string(row));
}

void ListEditor::TakeSelection() {
  selFirstRow_ = grid_.Row();
  selLastRow_ = grid_.RowSel();
}

}  // namespace stavelorn
