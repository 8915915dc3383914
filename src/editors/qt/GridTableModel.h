// Shows an editor's GridModel in a Qt item view: heading row 0 as the horizontal header, data
// rows 1.. as the view's rows, column 0 (the item numbers) greyed like a fixed column. The grid
// stays the only copy of the data; every change to it reaches the view at once.
#pragma once

#include <QAbstractTableModel>

#include "editors/GridModel.h"

namespace stavelorn {

class GridTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  GridTableModel(GridModel& grid, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 signals:
  // Rows, columns, sizes, selection or first row shown changed in the grid.
  void GridLayoutChanged();

 private:
  void LayoutChanged();

  GridModel& grid_;
  int rows_ = 0;
  int cols_ = 0;
};

}  // namespace stavelorn
