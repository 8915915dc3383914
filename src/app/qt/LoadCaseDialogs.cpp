#include "app/qt/LoadCaseDialogs.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <utility>

#include "app/LoadCaseTables.h"
#include "ui/AccessibleNames.h"

namespace stavelorn {

LoadCaseDialog::LoadCaseDialog(ProjectCommands& commands, bool combinations, QWidget* parent)
    : QDialog(parent), commands_(commands), combinations_(combinations) {
  setObjectName(combinations ? "LoadCombinations" : "LoadCases");
  setWindowTitle(combinations ? kCombinationsTitle : kLoadCasesTitle);

  grid_ = new QTableWidget(this);
  grid_->setObjectName("Grid1");
  grid_->setAccessibleName(combinations ? "Load combinations table" : "Load cases table");
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->verticalHeader()->hide();
  auto* nameLabel = new QLabel(kCaseNameLabel, this);
  name_ = new QLineEdit(this);
  name_->setObjectName("NameT");
  name_->setAccessibleName("Name");
  nameLabel->setBuddy(name_);

  auto* buttons = new QGridLayout;
  auto place = [buttons](QPushButton* b, int row, int col) { buttons->addWidget(b, row, col); };
  // Three to a row, Undo at the end of the second and Close below it.
  const std::array<std::pair<int, int>, 7> places{
      {{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 1}, {1, 2}, {2, 2}}};
  for (std::size_t i = 0; i < NamesWindowButtons().size(); ++i) {
    const NamesWindowButton& b = NamesWindowButtons()[i];
    if (!combinations || !b.CasesOnly)
      place(AddButton(b.Name, b.Caption), places[i].first, places[i].second);
  }

  auto edited = [this](bool changed, int row) {
    if (changed) Fill(row);
  };
  connect(Button("AddB"), &QPushButton::clicked, this, [this, edited] {
    const std::string name = name_->text().toStdString();
    if (combinations_)
      edited(commands_.AddCombination(name),
             static_cast<int>(commands_.Session().Data().Combinations.size()));
    else
      edited(commands_.AddLoadCase(name), commands_.Session().Data().LoadCaseCount());
  });
  connect(Button("RenameB"), &QPushButton::clicked, this, [this, edited] {
    const std::string name = name_->text().toStdString();
    const int row = CurrentRow();
    if (row < 0) return;
    edited(combinations_ ? commands_.RenameCombination(static_cast<std::size_t>(row), name)
                         : commands_.RenameLoadCase(row + 1, name),
           row + 1);
  });
  connect(Button("DeleteB"), &QPushButton::clicked, this, [this, edited] {
    const int row = CurrentRow();
    if (row < 0) return;
    edited(combinations_ ? commands_.DeleteCombination(static_cast<std::size_t>(row))
                         : commands_.DeleteLoadCase(row + 1),
           std::max(row, 1));
  });
  if (!combinations) {
    connect(Button("UpB"), &QPushButton::clicked, this, [this, edited] {
      const int row = CurrentRow();
      if (row > 0) edited(commands_.MoveLoadCase(row + 1, row), row);
    });
    connect(Button("DownB"), &QPushButton::clicked, this, [this, edited] {
      const int row = CurrentRow();
      if (row >= 0) edited(commands_.MoveLoadCase(row + 1, row + 2), row + 2);
    });
  }
  connect(Button("UndoB"), &QPushButton::clicked, this, [this] {
    commands_.Undo();
    Fill(CurrentRow() + 1);
  });
  connect(Button("CloseB"), &QPushButton::clicked, this, &QDialog::accept);
  // A combination's factor is typed in its cell and taken when the cell is left.
  connect(grid_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (filling_ || !combinations_ || item->column() < 1) return;
    commands_.SetCombinationFactor(static_cast<std::size_t>(item->row()), item->column(),
                                   item->text().toStdString());
    Fill(item->row() + 1);
  });
  connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row) {
    if (filling_ || row < 0 || !grid_->item(row, combinations_ ? 0 : 1)) return;
    name_->setText(grid_->item(row, combinations_ ? 0 : 1)->text());
  });

  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(nameLabel);
  nameRow->addWidget(name_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(grid_, 1);
  layout->addLayout(nameRow);
  layout->addLayout(buttons);
  Fill(1);
  resize(combinations ? 620 : 420, 380);
}

QPushButton* LoadCaseDialog::AddButton(const char* name, const QString& caption) {
  auto* b = new QPushButton(caption, this);
  b->setObjectName(name);
  b->setAutoDefault(false);
  b->setAccessibleName(QString::fromStdString(SpokenCaption(caption.toStdString())));
  return b;
}

QPushButton* LoadCaseDialog::Button(const char* name) const {
  return findChild<QPushButton*>(name);
}

int LoadCaseDialog::CurrentRow() const {
  return grid_->currentRow();
}

void LoadCaseDialog::Fill(int row) {
  const ModelStore& model = commands_.Session().Data();
  const NamesTable table = combinations_ ? CombinationTable(model) : LoadCaseTable(model);
  filling_ = true;
  grid_->clear();
  grid_->setColumnCount(static_cast<int>(table.Headings.size()));
  grid_->setRowCount(static_cast<int>(table.Rows.size()));
  for (std::size_t c = 0; c < table.Headings.size(); ++c)
    grid_->setHorizontalHeaderItem(static_cast<int>(c),
                                   new QTableWidgetItem(QString::fromStdString(table.Headings[c])));
  for (std::size_t r = 0; r < table.Rows.size(); ++r)
    for (std::size_t c = 0; c < table.Rows[r].size(); ++c) {
      auto* item = new QTableWidgetItem(QString::fromStdString(table.Rows[r][c]));
      // Only a combination's factors are typed in place; names go through the name box.
      if (!combinations_ || c == 0) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
      grid_->setItem(static_cast<int>(r), static_cast<int>(c), item);
    }
  grid_->resizeColumnsToContents();
  filling_ = false;
  const int rows = grid_->rowCount();
  if (rows > 0) grid_->setCurrentCell(std::min(std::max(row, 1), rows) - 1, 0);
  name_->setText(combinations_ ? QString::fromStdString(NewCombinationName(model))
                               : QString::fromStdString(NewLoadCaseName(model)));
}

void ShowLoadCaseDialog(ProjectCommands& commands, bool combinations, QWidget* parent) {
  LoadCaseDialog dialog(commands, combinations, parent);
  dialog.exec();
}

}  // namespace stavelorn
