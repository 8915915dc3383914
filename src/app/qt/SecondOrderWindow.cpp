#include "app/qt/SecondOrderWindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "analysis/MemberDiagrams.h"
#include "app/SecondOrderTables.h"
#include "app/qt/MemberDiagramWindow.h"
#include "graphics/DeflectedShape.h"
#include "graphics/DiagramDrawing.h"
#include "graphics/Drawing.h"
#include "graphics/qt/PictureBox.h"
#include "ui/qt/CopyKeys.h"
#include "ui/qt/DialogButtons.h"

namespace stavelorn {

namespace {

PictureBox* Picture(QWidget* parent, const char* name, const char* spoken) {
  auto* picture = new PictureBox(parent);
  picture->setObjectName(name);
  picture->setAccessibleName(spoken);
  picture->setMinimumSize(420, 360);
  return picture;
}

QLabel* Caption(QWidget* parent, const char* text, QWidget* buddy) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(buddy);
  label->setAccessibleName(QString(text).remove('&').remove(':'));
  return label;
}

}  // namespace

SecondOrderWindow::SecondOrderWindow(const ModelStore& model, const SecondOrderRun& run,
                                     const StabilityOptions& options, Messages& messages,
                                     QWidget* parent)
    : QDialog(parent), model_(model), run_(run), messages_(messages) {
  setObjectName("SecondOrder");
  setWindowTitle(kSecondOrderTitle);

  auto* how = new QLabel(QString::fromStdString(SecondOrderRunText(run_, options)), this);
  how->setObjectName("SecondOrderRun");
  how->setAccessibleName("How the analysis went");
  how->setWordWrap(true);
  shown_ = new QComboBox(this);
  shown_->setObjectName("SecondOrderShown");
  shown_->setAccessibleName("Shown");
  for (const std::string& choice : SecondOrderDrawingChoices(model_.StructType))
    shown_->addItem(QString::fromStdString(choice));
  tableChooser_ = new QComboBox(this);
  tableChooser_->setObjectName("SecondOrderTable");
  tableChooser_->setAccessibleName("Table");
  for (const AmplificationTableChoice& choice : kAmplificationTables)
    tableChooser_->addItem(choice.Name);

  first_ = Picture(this, "FirstOrderPic", "First-order drawing");
  second_ = Picture(this, "SecondOrderPic", "Second-order drawing");
  auto* firstTitle = new QLabel("First order", this);
  firstTitle->setAccessibleName("First order");
  auto* secondTitle = new QLabel("Second order", this);
  secondTitle->setAccessibleName("Second order");
  grid_ = new QTableWidget(this);
  grid_->setObjectName("Grid1");
  grid_->setAccessibleName("Amplification table");
  CopyOnCopyKeys(grid_, [this] { return SelectedCellsText(*grid_, table_); });
  auto* close = WindowButton(this, "Close", "CloseB", "Close");

  auto* controls = new QHBoxLayout;
  controls->addWidget(Caption(this, "&Show:", shown_));
  controls->addWidget(shown_);
  controls->addWidget(Caption(this, "&Table:", tableChooser_));
  controls->addWidget(tableChooser_);
  controls->addStretch(1);
  auto* pictures = new QGridLayout;
  pictures->addWidget(firstTitle, 0, 0);
  pictures->addWidget(secondTitle, 0, 1);
  pictures->addWidget(first_, 1, 0);
  pictures->addWidget(second_, 1, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(how);
  layout->addLayout(controls);
  layout->addLayout(pictures, 3);
  layout->addWidget(grid_, 2);
  layout->addLayout(buttons);

  connect(shown_, &QComboBox::currentIndexChanged, this, [this] { Draw(); });
  connect(tableChooser_, &QComboBox::currentIndexChanged, this, [this] { FillTable(); });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  Draw();
  FillTable();
  resize(1000, 800);
}

void SecondOrderWindow::Draw() {
  const int chosen = shown_->currentIndex();
  // Both shapes at the multiplier the second-order one takes, so that their sizes compare.
  const std::int32_t multiplier =
      AutomaticDeflectionMultiplier(model_, run_.SecondOrder, DrawingView().Multiplier);
  const std::vector<DiagramQuantity> quantities = QuantitiesOfType(model_.StructType);
  for (auto [results, picture] :
       {std::pair{&run_.FirstOrder, first_}, std::pair{&run_.SecondOrder, second_}}) {
    if (chosen <= 0) {
      DrawingView view;
      view.Multiplier = multiplier;
      PlotStructure(model_, *results, *picture, FormId::Disp, messages_, view);
    } else if (static_cast<std::size_t>(chosen) <= quantities.size()) {
      RunDrawing("Error in Diagrams", messages_, [&] {
        DrawStructureDiagrams(model_, BuildMemberDiagrams(model_, *results),
                              quantities[static_cast<std::size_t>(chosen - 1)], *picture);
      });
    }
  }
}

void SecondOrderWindow::FillTable() {
  const FormId form = kAmplificationTables[tableChooser_->currentIndex() == 1 ? 1 : 0].Form;
  table_ = AmplificationTable(model_, run_.FirstOrder, run_.SecondOrder, form);
  FillResultGrid(*grid_, table_);
}

}  // namespace stavelorn
