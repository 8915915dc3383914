#include "editors/qt/GridTableModel.h"

#include <QBrush>
#include <QColor>

namespace stavelorn {

GridTableModel::GridTableModel(GridModel& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), rows_(grid.Rows()), cols_(grid.Cols()) {
  grid_.SetObserver({[this](int row, int col) {
                       if (row == 0)
                         emit headerDataChanged(Qt::Horizontal, col, col);
                       else
                         emit dataChanged(index(row - 1, col), index(row - 1, col));
                     },
                     [this] { LayoutChanged(); }});
}

int GridTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_ - 1;
}

int GridTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : cols_;
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(grid_.Text(index.row() + 1, index.column()));
    case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
    case Qt::BackgroundRole:
      if (index.column() == 0) return QBrush(QColor(212, 208, 200));
      return {};
    default: return {};
  }
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) return {};
  if (role == Qt::DisplayRole) return QString::fromStdString(grid_.Text(0, section));
  if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter | Qt::TextWordWrap);
  return {};
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& /*index*/) const {
  // A click on an item's number picks the item as a click on its values does; nothing is
  // edited here.
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void GridTableModel::LayoutChanged() {
  if (grid_.Rows() != rows_ || grid_.Cols() != cols_) {
    beginResetModel();
    rows_ = grid_.Rows();
    cols_ = grid_.Cols();
    endResetModel();
  } else {
    emit headerDataChanged(Qt::Horizontal, 0, cols_ - 1);
  }
  emit GridLayoutChanged();
}

}  // namespace stavelorn
