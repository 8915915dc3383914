#include "editors/GridModel.h"

#include <algorithm>
#include <stdexcept>

namespace stavelorn {

GridModel::GridModel() {
  SetCols(2);
}

void GridModel::SetRows(int rows) {
  // A grid always keeps its heading row and one data row, as the window's grid control does.
  rows = std::max(rows, 2);
  cells_.resize(Index(rows), std::vector<std::string>(Index(cols_)));
  row_ = ClampRow(row_);
  rowSel_ = ClampRow(rowSel_);
  topRow_ = ClampRow(topRow_);
  Changed();
}

void GridModel::SetCols(int cols) {
  cols_ = std::max(cols, 2);
  cells_.assign(2, std::vector<std::string>(Index(cols_)));
  colWidths_.assign(Index(cols_), 0);
  row_ = rowSel_ = topRow_ = 1;
  col_ = colSel_ = 1;
  Changed();
}

const std::string& GridModel::Text(int row, int col) const {
  return cells_.at(Index(row)).at(Index(col));
}

void GridModel::SetText(int row, int col, const std::string& text) {
  std::string& cell = cells_.at(Index(row)).at(Index(col));
  if (cell == text) return;
  cell = text;
  if (observer_.CellChanged) observer_.CellChanged(row, col);
}

void GridModel::AddRow() {
  SetRows(Rows() + 1);
}

void GridModel::InsertRow(int row) {
  if (row < 1 || row > Rows()) throw std::out_of_range("grid row " + std::to_string(row));
  cells_.insert(cells_.begin() + row, std::vector<std::string>(Index(cols_)));
  Changed();
}

void GridModel::RemoveRow(int row) {
  if (row < 1 || row >= Rows() || Rows() <= 2)
    throw std::out_of_range("cannot remove grid row " + std::to_string(row));
  cells_.erase(cells_.begin() + row);
  row_ = ClampRow(row_);
  rowSel_ = ClampRow(rowSel_);
  topRow_ = ClampRow(topRow_);
  Changed();
}

void GridModel::BlankRow(int row) {
  for (int col = 0; col < cols_; ++col) SetText(row, col, "");
}

void GridModel::SetColWidth(int col, int twips) {
  colWidths_.at(Index(col)) = twips;
  Changed();
}

int GridModel::RowHeight(int row) const {
  return row == 0 ? headingHeight_ : rowHeight_;
}

void GridModel::SetRowHeight(int row, int twips) {
  // Only the heading row is ever given its own height; data rows share one.
  (row == 0 ? headingHeight_ : rowHeight_) = twips;
  Changed();
}

void GridModel::Select(int row, int col, int rowSel, int colSel) {
  row_ = ClampRow(row);
  col_ = ClampCol(col);
  rowSel_ = ClampRow(rowSel);
  colSel_ = ClampCol(colSel);
  Changed();
}

void GridModel::SetTopRow(int row) {
  topRow_ = ClampRow(row);
  Changed();
}

void GridModel::SetSize(int width, int height, bool verticalScrollBar) {
  width_ = width;
  height_ = height;
  scrollBar_ = verticalScrollBar;
  Changed();
}

int GridModel::ClampRow(int row) const {
  return std::clamp(row, 1, Rows() - 1);
}
int GridModel::ClampCol(int col) const {
  return std::clamp(col, 1, cols_ - 1);
}

void GridModel::CopyContents(const GridModel& other) {
  Observer observer = std::move(observer_);
  *this = other;
  observer_ = std::move(observer);
  Changed();
}

void GridModel::Changed() {
  if (observer_.LayoutChanged) observer_.LayoutChanged();
}

}  // namespace stavelorn
