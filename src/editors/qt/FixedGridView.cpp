#include "editors/qt/FixedGridView.h"

#include <QHeaderView>
#include <QTableView>

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

}  // namespace stavelorn
