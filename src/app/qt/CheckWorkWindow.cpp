#include "app/qt/CheckWorkWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "analysis/ModelCheck.h"

namespace stavelorn {

namespace {

const QColor kRight(190, 235, 190);
const QColor kWrong(245, 185, 185);
const QColor kNotNumber(250, 230, 150);

QStringList Labels(const std::vector<std::string>& labels, bool twoLines) {
  QStringList out;
  for (const std::string& label : labels) {
    QString text = QString::fromStdString(label);
    // A column heading takes two lines, what over where, so the columns stay narrow.
    if (twoLines) text.replace(" (", "\n(");
    out << text;
  }
  return out;
}

QTableWidget* NewGrid(const QString& name, QWidget* parent) {
  auto* grid = new QTableWidget(parent);
  grid->setObjectName(name);
  grid->setAccessibleName(name);
  grid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  grid->verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return grid;
}

// A grid under its caption, "Your values:" above the entries, shown and hidden as one.
QWidget* Captioned(const QString& caption, QTableWidget* grid, QWidget* parent) {
  auto* pane = new QWidget(parent);
  pane->setAccessibleName(QString(caption).remove(':'));
  auto* column = new QVBoxLayout(pane);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(new QLabel(caption, pane));
  column->addWidget(grid, 1);
  return pane;
}

// The width the grid takes to show every column without scrolling.
int FullWidth(const QTableWidget* grid) {
  return grid->verticalHeader()->width() + grid->horizontalHeader()->length() +
         2 * grid->frameWidth() + grid->verticalScrollBar()->sizeHint().width();
}

// Scrolling one bar scrolls the other to the same place, so the student's row and the program's
// stay side by side.
void Couple(QScrollBar* a, QScrollBar* b) {
  QObject::connect(a, &QScrollBar::valueChanged, b, &QScrollBar::setValue);
  QObject::connect(b, &QScrollBar::valueChanged, a, &QScrollBar::setValue);
}

}  // namespace

CheckWorkWindow::CheckWorkWindow(CheckWork work, QWidget* parent)
    : QDialog(parent), work_(std::move(work)) {
  setWindowTitle(kCheckWorkTitle);
  setObjectName("CheckWork");
  auto* layout = new QVBoxLayout(this);
  auto* pick = new QHBoxLayout;
  quantity_ = new QComboBox(this);
  quantity_->setObjectName("Quantity");
  quantity_->setAccessibleName("Quantity");
  for (AnswerQuantity q : work_.Offered()) quantity_->addItem(InfoOf(q).Title);
  member_ = new QComboBox(this);
  member_->setObjectName("Member");
  member_->setAccessibleName("Member");
  for (int m = 1; m <= work_.Key().MemberCount(); ++m) member_->addItem(QString::number(m));
  auto* quantityLabel = new QLabel(kCheckWorkQuantityLabel, this);
  quantityLabel->setBuddy(quantity_);
  auto* memberLabel = new QLabel(kCheckWorkMemberLabel, this);
  memberLabel->setBuddy(member_);
  pick->addWidget(quantityLabel);
  pick->addWidget(quantity_, 1);
  pick->addWidget(memberLabel);
  pick->addWidget(member_);
  layout->addLayout(pick);
  if (!work_.Note().empty()) {
    auto* note = new QLabel(QString::fromStdString(work_.Note()), this);
    note->setObjectName("Note");
    note->setWordWrap(true);
    layout->addWidget(note);
  }
  title_ = new QLabel(this);
  layout->addWidget(title_);
  auto* grids = new QHBoxLayout;
  entries_ = NewGrid("Entries", this);
  entries_->installEventFilter(this);
  // A cell's editor is a child of the viewport; watching it catches Ctrl+V while editing.
  entries_->viewport()->installEventFilter(this);
  answer_ = NewGrid("Answer", this);
  answer_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Couple(entries_->horizontalScrollBar(), answer_->horizontalScrollBar());
  Couple(entries_->verticalScrollBar(), answer_->verticalScrollBar());
  grids->addWidget(Captioned(kCheckWorkEntriesCaption, entries_, this), 1);
  answerPane_ = Captioned(kCheckWorkAnswerCaption, answer_, this);
  grids->addWidget(answerPane_, 1);
  layout->addLayout(grids, 1);
  summary_ = new QLabel(this);
  summary_->setObjectName("Summary");
  layout->addWidget(summary_);
  findings_ = new QListWidget(this);
  findings_->setObjectName("Findings");
  findings_->setAccessibleName("Findings");
  findings_->setMaximumHeight(120);
  layout->addWidget(findings_);
  auto* buttons = new QHBoxLayout;
  auto* check = new QPushButton(kCheckWorkCheckButton, this);
  check->setObjectName("CheckButton");
  auto* show = new QPushButton(kCheckWorkShowAnswerButton, this);
  show->setObjectName("ShowAnswerButton");
  auto* close = new QPushButton("Close", this);
  close->setObjectName("CloseButton");
  buttons->addStretch();
  for (QPushButton* b : {check, show, close}) buttons->addWidget(b), b->setAutoDefault(false);
  layout->addLayout(buttons);

  connect(check, &QPushButton::clicked, this, &CheckWorkWindow::Check);
  connect(show, &QPushButton::clicked, this, &CheckWorkWindow::ShowAnswer);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto choose = [this] { Choose(quantity_->currentIndex(), member_->currentIndex() + 1); };
  connect(quantity_, &QComboBox::currentIndexChanged, this, choose);
  connect(member_, &QComboBox::currentIndexChanged, this, choose);
  connect(entries_, &QTableWidget::cellChanged, this, [this](int row, int col) {
    if (filling_) return;
    work_.SetEntry(row, col, entries_->item(row, col)->text().toStdString());
    ShowVerdicts();
  });
  Choose(0, 1);
  resize(980, 560);
}

void CheckWorkWindow::Choose(int offeredIndex, int member) {
  const std::vector<AnswerQuantity> offered = work_.Offered();
  if (offeredIndex < 0 || offeredIndex >= static_cast<int>(offered.size())) return;
  const AnswerQuantity q = offered[static_cast<std::size_t>(offeredIndex)];
  work_.Choose(q, member);
  member_->setEnabled(InfoOf(q).PerMember);
  if (quantity_->currentIndex() != offeredIndex) quantity_->setCurrentIndex(offeredIndex);
  if (member_->currentIndex() != member - 1) member_->setCurrentIndex(member - 1);
  Rebuild();
}

void CheckWorkWindow::Rebuild() {
  const AnswerGrid& g = work_.Grid();
  title_->setText(QString::fromStdString(g.Title));
  filling_ = true;
  for (QTableWidget* grid : {entries_, answer_}) {
    grid->clear();
    grid->setRowCount(g.Rows);
    grid->setColumnCount(g.Cols);
    grid->setHorizontalHeaderLabels(Labels(g.ColumnLabels, true));
    grid->setVerticalHeaderLabels(Labels(g.RowLabels, false));
    grid->resizeColumnsToContents();  // headings whole, "(X trans., joint 1)" unclipped
  }
  for (int r = 0; r < g.Rows; ++r)
    for (int c = 0; c < g.Cols; ++c) {
      auto* item = new QTableWidgetItem;
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      entries_->setItem(r, c, item);
    }
  filling_ = false;
  ShowVerdicts();
}

void CheckWorkWindow::ShowVerdicts() {
  const AnswerGrid& g = work_.Grid();
  filling_ = true;
  for (int r = 0; r < g.Rows; ++r)
    for (int c = 0; c < g.Cols; ++c) {
      QTableWidgetItem* item = entries_->item(r, c);
      const EntryMark mark = work_.Mark(r, c);
      item->setBackground(mark == EntryMark::Right       ? QBrush(kRight)
                          : mark == EntryMark::Wrong     ? QBrush(kWrong)
                          : mark == EntryMark::NotNumber ? QBrush(kNotNumber)
                                                         : QBrush());
      const QString verdict = QString::fromStdString(work_.Tooltip(r, c));
      item->setToolTip(verdict);
      // Colour alone says nothing to a screen reader.
      item->setData(Qt::AccessibleDescriptionRole, verdict);
    }
  filling_ = false;
  summary_->setText(QString::fromStdString(work_.Summary()));
  findings_->clear();
  for (const std::string& line : work_.Findings()) findings_->addItem(QString::fromStdString(line));
  answerPane_->setVisible(work_.AnswerShown());
}

void CheckWorkWindow::Check() {
  work_.Check();
  ShowVerdicts();
  entries_->clearSelection();  // the selection's highlight would hide the cell's colour
}

void CheckWorkWindow::ShowAnswer() {
  work_.ShowAnswer();
  const AnswerGrid& g = work_.Grid();
  for (int r = 0; r < g.Rows; ++r)
    for (int c = 0; c < g.Cols; ++c) {
      auto* item = new QTableWidgetItem(QString::fromStdString(work_.AnswerText(r, c)));
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      answer_->setItem(r, c, item);
    }
  answer_->resizeColumnsToContents();
  answerPane_->show();
  // Widen the window, as far as the screen allows, to show both grids whole.
  const int spare = width() - entries_->width() - answer_->width();
  int wanted = spare + FullWidth(entries_) + FullWidth(answer_);
  if (screen()) wanted = std::min(wanted, screen()->availableGeometry().width());
  if (wanted > width()) resize(wanted, height());
  answer_->verticalScrollBar()->setValue(entries_->verticalScrollBar()->value());
  answer_->horizontalScrollBar()->setValue(entries_->horizontalScrollBar()->value());
}

void CheckWorkWindow::PasteText(const QString& text) {
  const int row = std::max(entries_->currentRow(), 0);
  const int col = std::max(entries_->currentColumn(), 0);
  work_.Paste(row, col, text.toStdString());
  filling_ = true;
  const AnswerGrid& g = work_.Grid();
  for (int r = 0; r < g.Rows; ++r)
    for (int c = 0; c < g.Cols; ++c)
      entries_->item(r, c)->setText(QString::fromStdString(work_.Entry(r, c)));
  filling_ = false;
  ShowVerdicts();
}

bool CheckWorkWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == entries_->viewport() && event->type() == QEvent::ChildAdded) {
    static_cast<QChildEvent*>(event)->child()->installEventFilter(this);
    return false;
  }
  if (event->type() != QEvent::KeyPress ||
      !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste))
    return QDialog::eventFilter(watched, event);
  const QString text = QApplication::clipboard()->text();
  if (watched == entries_) {
    PasteText(text);
    return true;
  }
  if (watched->parent() == entries_->viewport() && IsCellBlock(text.toStdString())) {
    // Leaving the editor commits it as leaving a cell does; the block, which starts at the
    // edited cell, then writes over it.
    entries_->setFocus();
    PasteText(text);
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void ShowCheckWorkWindow(const ModelStore& model, const StructureResults& results,
                         const MethodTrail* shown, Messages& messages, QWidget* parent) {
  std::string problem;
  std::optional<AnswerKey> key = KeyForExercise(model, results, shown, problem);
  if (!key) {
    messages.ShowStop(kInputDataErrorTitle, problem);
    return;
  }
  CheckWorkWindow window(CheckWork(std::move(*key)), parent);
  window.exec();
}

}  // namespace stavelorn
