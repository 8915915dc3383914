#include "app/qt/MethodStepsWindow.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>

namespace stavelorn {

namespace {

const QColor kMemberMark(255, 236, 140);      // the chosen member's cells
const QColor kRestrainedMark(215, 215, 215);  // restrained coordinates
const char* const kMemberTables[] = {"k", "T", "K", "Qf", "Ff", "v", "u", "Q", "F"};

class StepTableModel : public QAbstractTableModel {
 public:
  StepTableModel(const StepTable& table, QColor mark, QObject* parent)
      : QAbstractTableModel(parent), table_(table), mark_(mark) {}

  int rowCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : table_.Rows();
  }
  int columnCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : table_.Cols();
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role == Qt::DisplayRole)
      return QString::fromStdString(CellText(table_, index.row(), index.column()));
    if (role == Qt::ToolTipRole) {
      const std::string tip = CellTooltip(table_, index.row(), index.column());
      return tip.empty() ? QVariant() : QString::fromStdString(tip);
    }
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::BackgroundRole && table_.IsMarked(index.row(), index.column())) return mark_;
    return {};
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (role != Qt::DisplayRole) return {};
    const std::vector<std::string>& labels =
        orientation == Qt::Horizontal ? table_.ColumnLabels : table_.RowLabels;
    if (section < 0 || section >= static_cast<int>(labels.size())) return {};
    QString label = QString::fromStdString(labels[static_cast<std::size_t>(section)]);
    // A column heading takes two lines, what over where, so the columns stay narrow.
    if (orientation == Qt::Horizontal) label.replace(" (", "\n(");
    return label;
  }

 private:
  StepTable table_;
  QColor mark_;
};

QString Lines(const std::vector<std::string>& lines) {
  QStringList out;
  for (const std::string& line : lines) out << QString::fromStdString(line);
  return out.join('\n');
}

QString Lines(const std::vector<EquilibriumLine>& lines) {
  QStringList out;
  for (const EquilibriumLine& line : lines) out << QString::fromStdString(line.Text);
  return out.join('\n');
}

}  // namespace

StepTableView::StepTableView(QWidget* parent) : QTableView(parent) {
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QFont font = this->font();
  font.setStyleHint(QFont::Monospace);
  font.setFamily("Liberation Mono");
  setFont(font);
}

void StepTableView::Show(const StepTable& table, const QColor& mark) {
  table_ = table;
  QAbstractItemModel* old = model();
  setModel(new StepTableModel(table_, mark, this));
  delete old;
  resizeColumnsToContents();
  resizeRowsToContents();
}

void StepTableView::ScrollToFirstMark() {
  for (int r = 0; r < table_.Rows(); ++r)
    for (int c = 0; c < table_.Cols(); ++c)
      if (table_.IsMarked(r, c)) {
        scrollTo(model()->index(r, c), QAbstractItemView::PositionAtTop);
        return;
      }
}

void StepTableView::FitWhole() {
  int height = horizontalHeader()->height() + 2 * frameWidth();
  for (int r = 0; r < model()->rowCount(); ++r) height += rowHeight(r);
  setFixedHeight(height);
  setMinimumWidth(verticalHeader()->sizeHint().width() + horizontalHeader()->length() +
                  2 * frameWidth());
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

bool StepTableView::IsShaded(int row, int col) const {
  return model()->index(row, col).data(Qt::BackgroundRole).isValid();
}

void StepTableView::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    QApplication::clipboard()->setText(QString::fromStdString(TableTsv(table_)));
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

MethodStepsWindow::MethodStepsWindow(const ModelStore& model, const StructureResults& results,
                                     const MethodTrail& trail, QWidget* parent)
    : QDialog(parent), steps_(model, results, trail) {
  setObjectName("MethodSteps");
  setWindowTitle(kMethodStepsTitle);
  auto* layout = new QVBoxLayout(this);
  auto* bar = new QHBoxLayout;
  bar->addWidget(new QLabel("Member:"));
  picker_ = new QComboBox;
  picker_->setObjectName("MemberPicker");
  picker_->setAccessibleName("Member");
  for (int i = 0; i < steps_.MemberCount(); ++i)
    picker_->addItem(QString::fromStdString(steps_.MemberCaption(i)));
  bar->addWidget(picker_, 1);
  previous_ = new QPushButton("< &Previous");
  previous_->setObjectName("PreviousMember");
  next_ = new QPushButton("&Next >");
  next_->setObjectName("NextMember");
  bar->addWidget(previous_);
  bar->addWidget(next_);
  layout->addLayout(bar);
  auto* precision = new QLabel(QString::fromStdString(steps_.PrecisionNote()));
  precision->setObjectName("PrecisionNote");
  precision->setWordWrap(true);
  layout->addWidget(precision);

  auto* tabs = new QTabWidget;
  tabs->setObjectName("StepTabs");
  // Built in the order of the tabs, which the list of pages names.
  QWidget* const pages[] = {NumberingPage(), MemberPage(), StructurePage(), ChecksPage()};
  for (int i = 0; i < 4; ++i)
    tabs->addTab(pages[i], QString("&%1 %2").arg(i + 1).arg(kMethodStepPages[i]));
  tabs->setCurrentIndex(1);
  layout->addWidget(tabs, 1);
  auto* close = new QPushButton("&Close");
  close->setObjectName("CloseB");
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(close, 0, Qt::AlignRight);

  connect(picker_, qOverload<int>(&QComboBox::currentIndexChanged), this,
          [this](int index) { ChooseMember(index); });
  connect(previous_, &QPushButton::clicked, this, [this] { ChooseMember(current_ - 1); });
  connect(next_, &QPushButton::clicked, this, [this] { ChooseMember(current_ + 1); });
  ChooseMember(0);
  resize(1000, 760);
}

StepTableView* MethodStepsWindow::AddView(QVBoxLayout* layout, const QString& name,
                                          const QString& title, QLabel** titleLabel) {
  auto* label = new QLabel(title);
  label->setObjectName(name + "Title");
  label->setWordWrap(true);
  auto* view = new StepTableView;
  view->setObjectName(name);
  layout->addWidget(label);
  layout->addWidget(view);
  if (titleLabel) *titleLabel = label;
  return view;
}

QWidget* MethodStepsWindow::NumberingPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  auto* note = new QLabel(QString::fromStdString(steps_.NumberingNote()));
  note->setWordWrap(true);
  layout->addWidget(note);
  StepTableView* view = AddView(layout, "Numbering", kNumberingCaption);
  view->Show(steps_.Numbering(), kRestrainedMark);
  return page;
}

QWidget* MethodStepsWindow::MemberPage() {
  auto* inner = new QWidget;
  auto* layout = new QVBoxLayout(inner);
  facts_ = new QLabel;
  facts_->setWordWrap(true);
  facts_->setObjectName("MemberFacts");
  sources_ = new QLabel;
  sources_->setObjectName("FixedEndSources");
  sources_->setWordWrap(true);
  layout->addWidget(facts_);
  layout->addWidget(sources_);
  // Matrices one under the other; below them {Qf} and {Ff} side by side, then the solution's
  // {v}, {u}, {Q} and {F}.
  QHBoxLayout* vectors = nullptr;
  for (const char* name : kMemberTables) {
    QVBoxLayout* column = layout;
    const std::size_t index = memberViews_.size();
    if (index >= 3) {
      if (index == 3 || index == 5) {
        vectors = new QHBoxLayout;
        layout->addLayout(vectors);
      }
      column = new QVBoxLayout;
      vectors->addLayout(column);
    }
    QLabel* title = nullptr;
    memberViews_.push_back(AddView(column, name, "", &title));
    memberTitles_.push_back(title);
    if (index == 0) geometric_ = AddView(layout, "kg", "", &geometricTitle_);
    if (column != layout) column->addStretch(1);
  }
  vectors->addStretch(1);
  layout->addStretch(1);
  auto* scroll = new QScrollArea;
  scroll->setWidgetResizable(true);
  scroll->setWidget(inner);
  return scroll;
}

QWidget* MethodStepsWindow::StructurePage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  auto* note = new QLabel(QString::fromStdString(steps_.StiffnessNote()));
  note->setWordWrap(true);
  layout->addWidget(note);
  stiffness_ = AddView(layout, "S", QString::fromStdString(steps_.Stiffness(-1).Title));
  const StepTable kg = steps_.StructureGeometricStiffness();
  QLabel* kgTitle = nullptr;
  structureGeometric_ = AddView(layout, "Kg", QString::fromStdString(kg.Title), &kgTitle);
  structureGeometric_->Show(kg, kMemberMark);
  for (QWidget* shown :
       {static_cast<QWidget*>(kgTitle), static_cast<QWidget*>(structureGeometric_)})
    shown->setVisible(kg.Rows() > 0);
  loads_ = AddView(layout, "P", QString::fromStdString(steps_.Loads(-1).Title));
  layout->setStretchFactor(stiffness_, 3);
  layout->setStretchFactor(structureGeometric_, 3);
  layout->setStretchFactor(loads_, 2);
  return page;
}

QWidget* MethodStepsWindow::ChecksPage() {
  auto* text = new QPlainTextEdit(Lines(steps_.Equilibrium()));
  text->setObjectName("Equilibrium");
  text->setReadOnly(true);
  // Long lines wrap at the window's edge rather than running out of sight.
  text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  QFont font("Liberation Mono");
  font.setStyleHint(QFont::Monospace);
  text->setFont(font);
  return text;
}

void MethodStepsWindow::ChooseMember(int index) {
  if (steps_.MemberCount() < 1) return;
  if (index < 0 || index >= steps_.MemberCount()) return;
  current_ = index;
  if (picker_->currentIndex() != index) picker_->setCurrentIndex(index);
  previous_->setEnabled(index > 0);
  next_->setEnabled(index + 1 < steps_.MemberCount());
  facts_->setText(Lines(steps_.MemberFacts(index)));
  facts_->setToolTip(QString::fromStdString(steps_.MemberFactsTooltip(index)));
  sources_->setText(Lines(steps_.FixedEndSources(index)));
  const std::vector<StepTable> tables = steps_.MemberTables(index);
  for (std::size_t i = 0; i < tables.size() && i < memberViews_.size(); ++i) {
    memberTitles_[i]->setText(QString::fromStdString(tables[i].Title));
    memberViews_[i]->Show(tables[i], kMemberMark);
    memberViews_[i]->FitWhole();
  }
  const StepTable kg = steps_.GeometricStiffness(index);
  geometricTitle_->setText(QString::fromStdString(kg.Title));
  geometricTitle_->setVisible(kg.Rows() > 0);
  geometric_->setVisible(kg.Rows() > 0);
  geometric_->Show(kg, kMemberMark);
  geometric_->FitWhole();
  stiffness_->Show(steps_.Stiffness(index), kMemberMark);
  loads_->Show(steps_.Loads(index), kMemberMark);
  stiffness_->ScrollToFirstMark();
  loads_->ScrollToFirstMark();
}

StepTableView* MethodStepsWindow::View(const QString& name) const {
  return findChild<StepTableView*>(name);
}

void ShowMethodStepsWindow(const ModelStore& model, const StructureResults& results,
                           const MethodTrail& trail, QWidget* parent) {
  MethodStepsWindow window(model, results, trail, parent);
  window.exec();
}

}  // namespace stavelorn
