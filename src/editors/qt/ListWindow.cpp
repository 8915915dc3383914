#include "editors/qt/ListWindow.h"

#include <QAction>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <algorithm>

#include "editors/DialogPlacement.h"
#include "editors/LoadCaseSelector.h"
#include "editors/qt/EntryDialog.h"
#include "editors/qt/FixedGridView.h"
#include "editors/qt/GridTableModel.h"
#include "ui/AccessibleNames.h"

namespace stavelorn {

ListWindow::ListWindow(ListEditor& editor, QWidget* parent, QWidget* preview,
                       std::function<void()> drawPreview)
    : QDialog(parent), editor_(editor), preview_(preview), drawPreview_(std::move(drawPreview)) {
  editor_.SetWindows(*this);
  twips_ = Twips::OfFont(*this);
  Build();
  editor_.Open();
  const ListWindowForm& form = editor_.Window();
  setObjectName(EditorFormName(form.Id));
  setWindowTitle(QString::fromStdString(form.Caption));
  label1_->setText(QString::fromStdString(form.Label1));
  label2_->setText(QString::fromStdString(form.Label2));
  add_->setText(QString::fromStdString(form.AddCaption));
  close_->setText(QString::fromStdString(form.CloseCaption));
  for (QPushButton* b : {add_, insert_, edit_, delete_, close_, cancel_, undo_, redo_})
    b->setAccessibleName(QString::fromStdString(SpokenCaption(b->text().toStdString())));
  SyncFromGrid();
}

ListWindow::~ListWindow() = default;

void ListWindow::Build() {
  label1_ = new QLabel(this);
  label1_->setObjectName("Label1");
  QFont title = label1_->font();
  title.setBold(true);
  title.setPointSizeF(title.pointSizeF() * 1.3);
  label1_->setFont(title);
  label2_ = new QLabel(this);
  label2_->setObjectName("Label2");
  QFont heading = label2_->font();
  heading.setBold(true);
  label2_->setFont(heading);

  table_ = new GridTableModel(editor_.Grid(), this);
  view_ = MakeFixedGridView(table_, this);
  // Edit and Delete act on items, so a click anywhere in a row, its number included, picks the
  // whole row.
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  connect(table_, &GridTableModel::GridLayoutChanged, this, &ListWindow::SyncFromGrid);
  // The preview follows the grid as it is typed, not only after Next.
  connect(table_, &GridTableModel::GridLayoutChanged, this, &ListWindow::SchedulePreview);
  connect(table_, &QAbstractItemModel::dataChanged, this, &ListWindow::SchedulePreview);
  connect(table_, &QAbstractItemModel::modelReset, this, [this] {
    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ListWindow::SelectionFromView, Qt::UniqueConnection);
  });
  connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &ListWindow::SelectionFromView, Qt::UniqueConnection);
  connect(view_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
    if (!syncing_) editor_.Grid().SetTopRow(value + 1);
  });

  auto button = [this](const char* name, const char* caption, void (ListEditor::*command)()) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    if (command) connect(b, &QPushButton::clicked, this, [this, command] { Command(command); });
    return b;
  };
  add_ = button("AddB", "", &ListEditor::Add);
  insert_ = button("InsertB", "Insert", &ListEditor::Insert);
  edit_ = button("EditB", "Edit", &ListEditor::Edit);
  delete_ = button("DeleteB", "Delete", &ListEditor::Delete);
  close_ = button("CloseB", "", nullptr);
  cancel_ = button("CancelB", "Cancel", nullptr);
  undo_ = button("UndoB", "&Undo", &ListEditor::Undo);
  redo_ = button("RedoB", "&Redo", &ListEditor::Redo);
  // The keys act while the list window has the focus; an open entry dialog keeps them for its
  // own text boxes.
  auto keys = [this](QPushButton* target, const QList<QKeySequence>& sequences) {
    auto* action = new QAction(target->text(), this);
    action->setShortcuts(sequences);
    connect(action, &QAction::triggered, target, &QPushButton::click);
    addAction(action);
  };
  keys(undo_, {QKeySequence(Qt::CTRL | Qt::Key_Z)});
  keys(redo_, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  connect(close_, &QPushButton::clicked, this, [this] {
    editor_.Close();
    committed_ = true;
    accept();
  });
  // Cancel, Escape and the window's own close button all leave the model untouched.
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  if (preview_) {
    preview_->setParent(this);
    preview_->setObjectName("Pic1");
  }
}

void ListWindow::OfferLoadCases(ModelStore& model) {
  const LoadCaseSelector selector = LoadCaseSelectorOf(model, editor_.Window().Id);
  if (!selector.Shown) return;
  caseLabel_ = new QLabel(kLoadCaseLabel, this);
  case_ = new QComboBox(this);
  case_->setObjectName("CaseC");
  case_->setAccessibleName("Load case");
  caseLabel_->setBuddy(case_);
  for (const std::string& choice : selector.Choices) case_->addItem(QString::fromStdString(choice));
  case_->setCurrentIndex(selector.Current);
  connect(case_, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
          [this, &model](int index) {
            ShowLoadCaseInList(editor_, model, index + 1);
            switched_ = true;
            SyncFromGrid();
            if (preview_) RefreshPreview();
          });
  Arrange();
}

QPushButton* ListWindow::Button(const char* name) const {
  return findChild<QPushButton*>(name);
}

void ListWindow::Command(void (ListEditor::*command)()) {
  (editor_.*command)();
  SyncFromGrid();
  if (preview_) RefreshPreview();
}

void ListWindow::ShowEntryDialog() {
  EntryDialog dialog(editor_, this);
  dialog_ = &dialog;
  dialog.adjustSize();
  // Beside the list window, not over its grid and buttons. A frame is a little larger than the
  // dialog itself; the difference is kept when the frame is placed.
  const QRect frame = frameGeometry();
  const QRect dialogFrame = dialog.frameGeometry();
  const QRect screen = this->screen()->availableGeometry();
  const ScreenRect place = PlaceBeside(
      {frame.left(), frame.top(), frame.width(), frame.height()}, dialogFrame.width(),
      dialogFrame.height(), {screen.left(), screen.top(), screen.width(), screen.height()});
  dialog.move(place.Left, place.Top);
  dialog.exec();
  dialog_ = nullptr;
  SyncFromGrid();
}

void ListWindow::RefreshPreview() {
  previewPending_ = false;
  if (drawPreview_) drawPreview_();
}

void ListWindow::SchedulePreview() {
  if (!drawPreview_ || previewPending_) return;
  previewPending_ = true;
  QTimer::singleShot(0, this, [this] {
    if (previewPending_) RefreshPreview();
  });
}

void ListWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Arrange();
  if (preview_) RefreshPreview();
  if (shown_) return;
  shown_ = true;
  // An empty list goes straight into Add, once the window is on the screen.
  QTimer::singleShot(0, this, [this] {
    editor_.Shown();
    SyncFromGrid();
  });
}

void ListWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  Arrange();
}

void ListWindow::SyncFromGrid() {
  if (syncing_) return;
  syncing_ = true;
  const GridModel& grid = editor_.Grid();
  GridTwips sizes;
  for (int col = 0; col < grid.Cols(); ++col) sizes.ColWidths.push_back(grid.ColWidth(col));
  sizes.HeadingHeight = grid.RowHeight(0);
  sizes.RowHeight = grid.RowHeight(1);
  sizes.VerticalScrollBar = grid.VerticalScrollBar();
  sizes.ShownDataRows = std::min(grid.Rows(), 11) - 1;
  SizeFixedGrid(view_, sizes, twips_);

  QItemSelectionModel* selection = view_->selectionModel();
  const int top = std::min(grid.Row(), grid.RowSel()) - 1,
            bottom = std::max(grid.Row(), grid.RowSel()) - 1;
  const int left = std::min(grid.Col(), grid.ColSel()), right = std::max(grid.Col(), grid.ColSel());
  selection->select(QItemSelection(table_->index(top, left), table_->index(bottom, right)),
                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  selection->setCurrentIndex(table_->index(grid.RowSel() - 1, grid.ColSel()),
                             QItemSelectionModel::NoUpdate);
  view_->verticalScrollBar()->setValue(grid.TopRow() - 1);

  const ListWindowForm& form = editor_.Window();
  add_->setVisible(form.AddVisible);
  insert_->setVisible(form.InsertVisible);
  edit_->setVisible(form.EditVisible);
  delete_->setVisible(form.DeleteVisible);
  undo_->setEnabled(editor_.CanUndo());
  undo_->setToolTip(QString::fromStdString("Undo " + editor_.UndoName()));
  redo_->setEnabled(editor_.CanRedo());
  redo_->setToolTip(QString::fromStdString("Redo " + editor_.RedoName()));
  syncing_ = false;
  Arrange();
}

void ListWindow::SelectionFromView() {
  if (syncing_) return;
  const QModelIndexList chosen = view_->selectionModel()->selectedIndexes();
  if (chosen.isEmpty()) return;
  int top = chosen[0].row(), bottom = top, left = chosen[0].column(), right = left;
  for (const QModelIndex& index : chosen) {
    top = std::min(top, index.row());
    bottom = std::max(bottom, index.row());
    left = std::min(left, index.column());
    right = std::max(right, index.column());
  }
  // The current cell is where the user's drag ended; the anchor is the opposite corner.
  const QModelIndex current = view_->selectionModel()->currentIndex();
  const int extentRow = current.isValid() ? current.row() : bottom;
  const int extentCol = current.isValid() ? current.column() : right;
  const int anchorRow = extentRow == top ? bottom : top;
  const int anchorCol = extentCol == left ? right : left;
  syncing_ = true;
  editor_.Grid().Select(anchorRow + 1, anchorCol, extentRow + 1, extentCol);
  syncing_ = false;
}

void ListWindow::Arrange() {
  // Enough room for the grid, the three rows of buttons and, when there is one, a square
  // preview as high as that column.
  const int gap = twips_.Px(100);
  const int buttonHeight = std::max(close_->sizeHint().height(), twips_.Px(400));
  int widest = 0;
  for (QPushButton* b : {add_, insert_, edit_, delete_})
    widest = std::max(widest, b->sizeHint().width());
  // CloseB spans the two columns of command buttons above it.
  const int closeWidth =
      std::max(close_->sizeHint().width() + twips_.Px(300), 2 * (widest + twips_.Px(100)) + gap);
  const int cancelWidth = cancel_->sizeHint().width() + twips_.Px(200);
  const int columnWidth = std::max({view_->width(), closeWidth + 2 * (cancelWidth + 2 * gap),
                                    label1_->sizeHint().width(), label2_->sizeHint().width()}) +
                          2 * gap;
  const int caseHeight = case_ ? case_->sizeHint().height() + twips_.Px(100) : 0;
  const int gridTop = twips_.Px(120) + label1_->sizeHint().height() + twips_.Px(100) +
                      label2_->sizeHint().height() + caseHeight + twips_.Px(200);
  const int columnHeight = gridTop + view_->height() + twips_.Px(300) + 3 * buttonHeight + 3 * gap;
  const int side = preview_ ? std::max(columnHeight - 2 * gap, twips_.Px(4000)) : 0;
  const QSize needed(columnWidth + (preview_ ? side + gap : 0),
                     std::max(columnHeight, side + 2 * gap));
  if (width() < needed.width() || height() < needed.height()) {
    resize(std::max(width(), needed.width()), std::max(height(), needed.height()));
    return;  // the resize event arranges again
  }

  const int left = 0;
  const int area = preview_ ? width() - side - gap : width();
  auto centre = [&](QWidget* widget, int top) {
    widget->adjustSize();
    widget->move(left + (area - widget->width()) / 2, top);
  };
  centre(label1_, twips_.Px(120));
  centre(label2_, label1_->y() + label1_->height() + twips_.Px(100));
  if (case_) {
    caseLabel_->adjustSize();
    case_->adjustSize();
    const int row = caseLabel_->width() + gap + case_->width();
    const int top = label2_->y() + label2_->height() + twips_.Px(100);
    caseLabel_->move(left + (area - row) / 2, top + (case_->height() - caseLabel_->height()) / 2);
    case_->move(caseLabel_->x() + caseLabel_->width() + gap, top);
  }
  view_->move(left + (area - view_->width()) / 2, gridTop);

  close_->resize(closeWidth, buttonHeight);
  close_->move(left + (area - closeWidth) / 2, height() - gap - buttonHeight);
  const int half = (closeWidth - gap) / 2;
  for (QPushButton* b : {add_, insert_, edit_, delete_}) b->resize(half, buttonHeight);
  const int lowerRow = close_->y() - gap - buttonHeight;
  const int upperRow = lowerRow - gap - buttonHeight;
  insert_->move(close_->x(), lowerRow);
  delete_->move(close_->x() + closeWidth - half, lowerRow);
  add_->move(close_->x(), upperRow);
  edit_->move(close_->x() + closeWidth - half, upperRow);
  cancel_->resize(cancelWidth, buttonHeight);
  cancel_->move(width() - gap - cancelWidth, height() - gap - buttonHeight);
  // Undo and Redo mirror Cancel on the left, beside the command buttons.
  for (QPushButton* b : {undo_, redo_}) b->resize(cancelWidth, buttonHeight);
  undo_->move(left + gap, upperRow);
  redo_->move(left + gap, lowerRow);
  if (preview_) {
    const int square = std::min(width() - area - gap, height() - 3 * gap - buttonHeight);
    preview_->setGeometry(area, gap, square, square);
  }
}

}  // namespace stavelorn
