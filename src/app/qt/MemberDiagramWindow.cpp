#include "app/qt/MemberDiagramWindow.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/MemberDiagramTable.h"
#include "app/MovingLoadReport.h"
#include "app/ShownViews.h"
#include "app/qt/ShowControls.h"
#include "graphics/DiagramDrawing.h"
#include "graphics/EnvelopeDrawing.h"
#include "graphics/qt/PictureBox.h"
#include "ui/qt/CopyKeys.h"

namespace stavelorn {

MemberDiagramWindow::MemberDiagramWindow(ProjectCommands& commands, int member, QWidget* parent)
    : QDialog(parent), commands_(commands), member_(member) {
  setObjectName("MemberDiagrams");

  picture_ = new PictureBox(this);
  picture_->setObjectName("Pic1");
  picture_->setMinimumSize(480, 560);

  title_ = new QLabel(this);
  QFont bold = title_->font();
  bold.setBold(true);
  title_->setFont(bold);
  heading_ = new QLabel(this);

  grid_ = new QTableWidget(this);
  grid_->setObjectName("Grid1");
  grid_->setAccessibleName("Internal forces table");
  CopyOnCopyKeys(grid_, [this] { return SelectedText(); });

  auto* showRow = new QHBoxLayout;
  const ShowControls show = MakeShowControls(this, commands_, [this] { Load(); });
  show_ = show.Box;
  if (show_) {
    showRow->addWidget(show.Label);
    showRow->addWidget(show_, 1);
  }
  Load();
  const int cols = table_.Cols();

  auto* close = new QPushButton("Close", this);
  close->setObjectName("CloseB");
  close->setAutoDefault(false);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  column_ = new QVBoxLayout;
  column_->addWidget(title_);
  column_->addWidget(heading_);
  column_->addLayout(showRow);
  column_->addWidget(grid_, 1);
  column_->addWidget(close, 0, Qt::AlignHCenter);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(picture_, 1);
  layout->addLayout(column_);
  // Wide enough for every column of the table beside the picture.
  int tableWidth = 2 * grid_->frameWidth() + grid_->verticalScrollBar()->sizeHint().width();
  for (int c = 0; c < cols; ++c) tableWidth += grid_->columnWidth(c);
  grid_->setMinimumWidth(tableWidth);
  resize(picture_->minimumWidth() + tableWidth + 60, 720);
}

void MemberDiagramWindow::ShowEnvelope(const ModelStore& model,
                                       const MovingLoadEnvelope& envelope) {
  envelopePicture_ = new PictureBox(this);
  envelopePicture_->setObjectName("EnvelopePic");
  envelopePicture_->setAccessibleName("Moving load envelope drawing");
  envelopePicture_->setMinimumSize(420, 300);
  DrawMovingLoadEnvelope(envelope, QuantityName(model.StructType, envelope.Quantity),
                         *envelopePicture_);
  QString text;
  for (const std::string& line : EnvelopeLines(model, envelope))
    text += QString::fromStdString(line) + "\n";
  auto* list = new QLabel(text.trimmed(), this);
  list->setObjectName("EnvelopeList");
  list->setAccessibleName("Envelope values and worst places");
  list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  list->setTextInteractionFlags(Qt::TextSelectableByMouse);
  column_->insertWidget(column_->count() - 1, envelopePicture_, 1);
  column_->insertWidget(column_->count() - 1, list);
  resize(width(), 980);
}

QString MemberDiagramWindow::SelectedText() const {
  return SelectedCellsText(*grid_, table_);
}

void FillResultGrid(QTableWidget& grid, const ResultTable& table) {
  const int rows = table.Rows() - 1, cols = table.Cols();
  grid.clear();
  grid.setRowCount(rows);
  grid.setColumnCount(cols);
  grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid.verticalHeader()->hide();
  for (int c = 0; c < cols; ++c) {
    const auto col = static_cast<std::size_t>(c);
    grid.setHorizontalHeaderItem(c,
                                 new QTableWidgetItem(QString::fromStdString(table.Cells[0][col])));
    for (int r = 1; r <= rows; ++r) {
      auto* item = new QTableWidgetItem(
          QString::fromStdString(table.Cells[static_cast<std::size_t>(r)][col]));
      item->setTextAlignment(PlaceOf(table, r, c) == CellPlace::Right
                                 ? Qt::AlignRight | Qt::AlignVCenter
                                 : Qt::AlignLeft | Qt::AlignVCenter);
      grid.setItem(r - 1, c, item);
    }
  }
  grid.resizeColumnsToContents();
}

QString SelectedCellsText(const QTableWidget& grid, const ResultTable& table) {
  const QList<QTableWidgetSelectionRange> ranges = grid.selectedRanges();
  if (ranges.isEmpty()) return {};
  int top = ranges[0].topRow(), bottom = ranges[0].bottomRow();
  int left = ranges[0].leftColumn(), right = ranges[0].rightColumn();
  for (const QTableWidgetSelectionRange& range : ranges) {
    top = std::min(top, range.topRow());
    bottom = std::max(bottom, range.bottomRow());
    left = std::min(left, range.leftColumn());
    right = std::max(right, range.rightColumn());
  }
  // The grid counts data rows from 0; the table counts its heading as row 0.
  return QString::fromStdString(
      CopyCells(table, top + 1, left, bottom + 1, right, [&grid](int row, int col) {
        const QTableWidgetItem* cell = grid.item(row - 1, col);
        return cell && cell->isSelected();
      }));
}

void MemberDiagramWindow::Load() {
  const std::optional<ShownMemberView> view = ShownMemberDiagrams(commands_.Session(), member_);
  if (!view) return;
  table_ = view->Table;
  setWindowTitle(QString::fromStdString(table_.Caption));
  title_->setText(QString::fromStdString(table_.Label1));
  heading_->setText(QString::fromStdString(table_.Label2));
  DrawMemberDiagrams(commands_.ShownModel(), view->Diagram, *picture_,
                     view->Least ? &*view->Least : nullptr);
  FillResultGrid(*grid_, table_);
}

void ShowMemberDiagrams(int member, ProjectCommands& commands, QWidget* parent) {
  if (!ShownMemberDiagrams(commands.Session(), member)) return;
  MemberDiagramWindow window(commands, member, parent);
  window.exec();
}

void ShowMemberEnvelope(const MovingLoadEnvelope& envelope, ProjectCommands& commands,
                        QWidget* parent) {
  if (!ShownMemberDiagrams(commands.Session(), envelope.Member)) return;
  MemberDiagramWindow window(commands, envelope.Member, parent);
  window.ShowEnvelope(commands.ShownModel(), envelope);
  window.exec();
}

}  // namespace stavelorn
