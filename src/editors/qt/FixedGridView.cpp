#include "editors/qt/FixedGridView.h"

#include <QHeaderView>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <algorithm>

namespace stavelorn {

QTableView* MakeFixedGridView(QAbstractItemModel* model, QWidget* parent) {
  auto* view = new QTableView(parent);
  view->setObjectName("Grid1");
  view->setModel(model);
  view->verticalHeader()->hide();
  view->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  view->setSelectionMode(QAbstractItemView::ContiguousSelection);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setWordWrap(false);
  return view;
}

void WidenColumnsToText(QTableView* view) {
  const QAbstractItemModel* cells = view->model();
  const QHeaderView* header = view->horizontalHeader();
  // The item delegate keeps this margin on either side of a cell's text, the header its own.
  const int cellMargin =
      2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
  const int headerMargin =
      2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
  const QRegularExpression blanks("\\s+");
  for (int col = 0; col < cells->columnCount(); ++col) {
    int needed = 0;
    for (int row = 0; row < cells->rowCount(); ++row)
      needed = std::max(
          needed, view->fontMetrics().horizontalAdvance(cells->index(row, col).data().toString()) +
                      cellMargin);
    const QString heading = cells->headerData(col, Qt::Horizontal).toString();
    for (const QString& word : heading.split(blanks, Qt::SkipEmptyParts))
      needed = std::max(needed, header->fontMetrics().horizontalAdvance(word) + headerMargin);
    if (view->columnWidth(col) < needed) view->setColumnWidth(col, needed);
  }
}

void SizeFixedGrid(QTableView* view, const GridTwips& grid, const Twips& twips) {
  const int cols = static_cast<int>(grid.ColWidths.size());
  for (int col = 0; col < cols; ++col)
    view->setColumnWidth(col, twips.Px(grid.ColWidths[static_cast<std::size_t>(col)]));
  WidenColumnsToText(view);
  view->verticalHeader()->setDefaultSectionSize(twips.Px(grid.RowHeight));
  view->horizontalHeader()->setFixedHeight(twips.Px(grid.HeadingHeight));
  view->setVerticalScrollBarPolicy(grid.VerticalScrollBar ? Qt::ScrollBarAlwaysOn
                                                          : Qt::ScrollBarAlwaysOff);
  // The sizing rules' allowances are for grid lines between the cells; a table view draws them
  // inside its cells, so it is given exactly the columns and the rows the rule shows.
  const int frame = 2 * view->frameWidth();
  int width = frame + (grid.VerticalScrollBar ? view->verticalScrollBar()->sizeHint().width() : 0);
  for (int col = 0; col < cols; ++col) width += view->columnWidth(col);
  view->setFixedSize(
      width, frame + twips.Px(grid.HeadingHeight) + grid.ShownDataRows * twips.Px(grid.RowHeight));
}

}  // namespace stavelorn
