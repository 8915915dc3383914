#include "app/qt/ResultsWindows.h"

#include <QAbstractTableModel>
#include <QBrush>
#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <algorithm>
#include <utility>

#include "app/MemberDiagramTable.h"
#include "app/PickInfo.h"
#include "app/ShownViews.h"
#include "app/qt/MemberDiagramWindow.h"
#include "app/qt/ShowControls.h"
#include "editors/qt/FixedGridView.h"
#include "graphics/Drawing.h"
#include "graphics/qt/PictureBox.h"
#include "ui/qt/CopyKeys.h"

namespace stavelorn {

namespace {

Qt::Alignment ToQt(CellPlace place) {
  switch (place) {
    case CellPlace::Left: return Qt::AlignLeft | Qt::AlignVCenter;
    case CellPlace::Right: return Qt::AlignRight | Qt::AlignVCenter;
    default: return Qt::AlignCenter;
  }
}

// The results table in an item view: heading row 0 as the horizontal header, rows 1.. as the
// view's rows, column 0 greyed like a fixed column. Every cell can be selected for copying;
// none can be edited. The model keeps its own copy of the table, as the window's children outlive
// the window's own members while it is destroyed.
class ResultTableModel : public QAbstractTableModel {
 public:
  ResultTableModel(ResultTable table, QObject* parent)
      : QAbstractTableModel(parent), table_(std::move(table)) {}

  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : table_.Rows() - 1;
  }
  int columnCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : table_.Cols();
  }

  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid()) return {};
    const int row = index.row() + 1;
    switch (role) {
      case Qt::DisplayRole: return QString::fromStdString(Cell(row, index.column()));
      case Qt::TextAlignmentRole: return int(ToQt(PlaceOf(table_, row, index.column())));
      case Qt::BackgroundRole:
        if (index.column() == 0) return QBrush(QColor(212, 208, 200));
        return {};
      default: return {};
    }
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::DisplayRole) return QString::fromStdString(Cell(0, section));
    if (role == Qt::TextAlignmentRole)
      return int(ToQt(PlaceOf(table_, 0, section)) | Qt::TextWordWrap);
    return {};
  }

  Qt::ItemFlags flags(const QModelIndex&) const override {
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  }

 private:
  const std::string& Cell(int row, int col) const {
    return table_.Cells.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(col));
  }

  const ResultTable table_;
};

// A table of no rows and no columns, for a grid with nothing to show.
ResultTable NoTable() {
  ResultTable none;
  none.Cells.emplace_back();
  return none;
}

}  // namespace

ResultsWindow::ResultsWindow(FormId form, ProjectCommands& commands, Messages& messages,
                             QWidget* parent)
    : QDialog(parent),
      commands_(commands),
      form_(form),
      messages_(messages),
      table_(ShownResultTable(commands.Session(), form)) {
  setObjectName(ResultFormName(form));
  setWindowTitle(QString::fromStdString(table_.Caption));
  twips_ = Twips::OfFont(*this);
  Build();
  SizeGrid();
  Arrange();
}

void ResultsWindow::Build() {
  label1_ = new QLabel(QString::fromStdString(table_.Label1), this);
  label1_->setObjectName("Label1");
  QFont title = label1_->font();
  title.setBold(true);
  title.setPointSizeF(title.pointSizeF() * 1.3);
  label1_->setFont(title);
  label2_ = new QLabel(QString::fromStdString(table_.Label2), this);
  label2_->setObjectName("Label2");
  QFont heading = label2_->font();
  heading.setBold(true);
  label2_->setFont(heading);

  view_ = MakeFixedGridView(new ResultTableModel(table_, this), this);
  CopyOnCopyKeys(view_, [this] { return SelectedText(); });

  const ShowControls show = MakeShowControls(this, commands_, [this] { Load(); });
  showLabel_ = show.Label;
  show_ = show.Box;

  close_ = new QPushButton("Close", this);
  close_->setObjectName("CloseB");
  close_->setAutoDefault(false);
  connect(close_, &QPushButton::clicked, this, &QDialog::accept);

  if (table_.Form == FormId::Reac) {
    localCaption_ = new QLabel(this);
    localCaption_->setObjectName("LocalCaption");
    localCaption_->setFont(heading);
    localView_ = MakeFixedGridView(new ResultTableModel(NoTable(), this), this);
    localView_->setObjectName("LocalGrid");
    LoadLocal();
    return;
  }
  canvas_ = new PictureBox(this);
  canvas_->setVisible(table_.ShowsCanvas);
  // The displacement window's drawing names what lies under the mouse as the main window's does.
  canvas_->SetTooltipSource([this](const PickedItem& item) {
    return PickedItemText(commands_.ShownModel(), commands_.ShownResults(), item);
  });
  if (table_.Form == FormId::MbForce) {
    auto* label3 = new QLabel(this);
    label3->setObjectName("Label3");
    label3->hide();
    // The member window of the member whose row is current, or of the row double-clicked.
    diagrams_ = new QPushButton("Diagrams...", this);
    diagrams_->setObjectName("DiagramsB");
    diagrams_->setAutoDefault(false);
    auto open = [this](int viewRow) {
      ShowMemberDiagrams(MemberOfForceRow(commands_.ShownModel(), std::max(viewRow, 0) + 1),
                         commands_, this);
    };
    connect(diagrams_, &QPushButton::clicked, this,
            [this, open] { open(view_->currentIndex().row()); });
    connect(view_, &QTableView::doubleClicked, this,
            [open](const QModelIndex& index) { open(index.row()); });
  }
}

void ResultsWindow::SizeGrid() {
  SizeFixedGrid(view_,
                {table_.ColWidths, table_.HeadingHeight, table_.RowHeight,
                 table_.Size.VerticalScrollBar, table_.Size.ShownDataRows},
                twips_);
  if (local_)
    SizeFixedGrid(localView_,
                  {local_->ColWidths, local_->HeadingHeight, local_->RowHeight,
                   local_->Size.VerticalScrollBar, local_->Size.ShownDataRows},
                  twips_);
}

void ResultsWindow::LoadLocal() {
  local_ = ShownSupportAxesTable(commands_.Session());
  QAbstractItemModel* old = localView_->model();
  localView_->setModel(new ResultTableModel(local_ ? *local_ : NoTable(), this));
  delete old;
  localCaption_->setText(local_ ? QString::fromStdString(local_->Caption) : QString());
  localView_->setAccessibleName(localCaption_->text());
  localCaption_->setVisible(local_.has_value());
  localView_->setVisible(local_.has_value());
}

void ResultsWindow::Arrange() {
  const int gap = twips_.Px(100);
  const int buttonHeight = std::max(close_->sizeHint().height(), twips_.Px(400));
  const int closeWidth = close_->sizeHint().width() + twips_.Px(600);
  const int buttonsWidth = diagrams_ ? 2 * closeWidth + gap : closeWidth;
  const int columnWidth = std::max({view_->width(), local_ ? localView_->width() : 0, buttonsWidth,
                                    label1_->sizeHint().width(), label2_->sizeHint().width()}) +
                          4 * gap;
  const int showHeight = show_ ? show_->sizeHint().height() + gap : 0;
  const int gridTop = twips_.Px(120) + label1_->sizeHint().height() + gap +
                      label2_->sizeHint().height() + showHeight + twips_.Px(200);
  const int localHeight =
      local_ ? localCaption_->sizeHint().height() + localView_->height() + 2 * gap : 0;
  const int columnHeight =
      gridTop + view_->height() + localHeight + twips_.Px(300) + buttonHeight + gap;
  const bool canvas = canvas_ && !canvas_->isHidden();
  const int side = canvas ? std::max(columnHeight - 2 * gap, twips_.Px(4000)) : 0;
  const QSize needed(columnWidth + (canvas ? side + gap : 0),
                     std::max(columnHeight, side + 2 * gap));
  if (width() < needed.width() || height() < needed.height()) {
    resize(std::max(width(), needed.width()), std::max(height(), needed.height()));
    return;  // the resize event arranges again
  }

  const int area = canvas ? width() - side - gap : width();
  auto centre = [area](QWidget* widget, int top) {
    widget->adjustSize();
    widget->move((area - widget->width()) / 2, top);
  };
  centre(label1_, twips_.Px(120));
  centre(label2_, label1_->y() + label1_->height() + gap);
  if (show_) {
    showLabel_->adjustSize();
    show_->adjustSize();
    const int row = showLabel_->width() + gap + show_->width();
    const int top = label2_->y() + label2_->height() + gap;
    showLabel_->move((area - row) / 2, top + (show_->height() - showLabel_->height()) / 2);
    show_->move(showLabel_->x() + showLabel_->width() + gap, top);
  }
  view_->move((area - view_->width()) / 2, gridTop);
  if (local_) {
    centre(localCaption_, view_->y() + view_->height() + 2 * gap);
    localView_->move((area - localView_->width()) / 2,
                     localCaption_->y() + localCaption_->height() + gap);
  }
  close_->resize(closeWidth, buttonHeight);
  close_->move((area - buttonsWidth) / 2, height() - gap - buttonHeight);
  if (diagrams_) {
    diagrams_->resize(closeWidth, buttonHeight);
    diagrams_->move(close_->x() + closeWidth + gap, close_->y());
  }
  if (canvas) {
    const int square = std::min(width() - area - gap, height() - 2 * gap);
    canvas_->setGeometry(area, gap, square, square);
  }
}

void ResultsWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Arrange();
  DrawCanvas();
}

void ResultsWindow::DrawCanvas() {
  if (table_.Form == FormId::Disp) {
    DrawingView view;
    view.Multiplier = commands_.Multiplier();
    PlotStructure(commands_.ShownModel(), commands_.ShownResults(), *canvas_, FormId::Disp,
                  messages_, view);
  }
}

void ResultsWindow::Load() {
  table_ = ShownResultTable(commands_.Session(), form_);
  label2_->setText(QString::fromStdString(table_.Label2));
  QAbstractItemModel* old = view_->model();
  view_->setModel(new ResultTableModel(table_, this));
  delete old;
  if (localView_) LoadLocal();
  SizeGrid();
  Arrange();
  DrawCanvas();
}

void ResultsWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  Arrange();
}

QString ResultsWindow::SelectedText() const {
  const QModelIndexList chosen = view_->selectionModel()->selectedIndexes();
  if (chosen.isEmpty()) return {};
  int top = chosen[0].row(), bottom = top, left = chosen[0].column(), right = left;
  for (const QModelIndex& index : chosen) {
    top = std::min(top, index.row());
    bottom = std::max(bottom, index.row());
    left = std::min(left, index.column());
    right = std::max(right, index.column());
  }
  const QItemSelectionModel* selection = view_->selectionModel();
  const QAbstractItemModel* cells = view_->model();
  // The view counts data rows from 0; the table counts its heading as row 0.
  return QString::fromStdString(CopyCells(
      table_, top + 1, left, bottom + 1, right,
      [&](int row, int col) { return selection->isSelected(cells->index(row - 1, col)); }));
}

void ShowResultsWindow(FormId form, ProjectCommands& commands, Messages& messages,
                       QWidget* parent) {
  ResultsWindow window(form, commands, messages, parent);
  window.exec();
}

}  // namespace stavelorn
