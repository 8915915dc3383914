#include "app/qt/InfluenceWindow.h"

#include <cmath>

#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "analysis/MovingLoadEnvelope.h"
#include "app/InfluencePrint.h"
#include "app/MovingLoadChoice.h"
#include "app/MovingLoadReport.h"
#include "app/qt/MemberDiagramWindow.h"
#include "graphics/InfluenceDrawing.h"
#include "graphics/qt/PictureBox.h"
#include "model/NumberText.h"
#include "ui/qt/CopyKeys.h"
#include "ui/qt/DialogButtons.h"

namespace stavelorn {

InfluenceWindow::InfluenceWindow(const ModelStore& model, const StructureResults& results,
                                 ProjectCommands& commands, QWidget* parent)
    : QDialog(parent),
      model_(model),
      results_(results),
      commands_(commands),
      choice_(FirstInfluenceChoice(model, results)) {
  // A label names the control beside it, for the keyboard and for screen readers alike.
  auto Caption = [this](const char* text, QWidget* buddy) {
    auto* label = new QLabel(text, this);
    label->setBuddy(buddy);
    label->setAccessibleName(QString(text).remove('&').remove(':'));
    return label;
  };
  setObjectName("InfluenceLines");
  setWindowTitle(kInfluenceTitle);

  kind_ = new QComboBox(this);
  kind_->setObjectName("InfluenceKind");
  kind_->setAccessibleName("Quantity");
  for (const InfluenceKindInfo& kind : InfluenceKinds()) kind_->addItem(kind.Caption);
  itemLabel_ = new QLabel(this);
  itemLabel_->setAccessibleName("Joint or member");
  item_ = new QSpinBox(this);
  item_->setObjectName("InfluenceItem");
  item_->setAccessibleName("Joint or member number");
  component_ = new QComboBox(this);
  component_->setObjectName("InfluenceComponent");
  component_->setAccessibleName("Component");
  section_ = new QLineEdit(this);
  section_->setObjectName("InfluenceSection");
  section_->setAccessibleName("Section distance x");
  path_ = new QLabel(this);
  path_->setObjectName("InfluencePath");
  path_->setAccessibleName("Path of the unit load");
  path_->setWordWrap(true);
  pickPath_ = new QPushButton(kInfluencePickPathButton, this);
  pickPath_->setObjectName("PickPathB");
  pickPath_->setAccessibleName("Pick the path in the drawing");
  pickPath_->setCheckable(true);
  pickPath_->setAutoDefault(false);
  auto* defaultPath = new QPushButton(kInfluenceDefaultPathButton, this);
  defaultPath->setObjectName("DefaultPathB");
  defaultPath->setAccessibleName("Default path");
  defaultPath->setAutoDefault(false);
  problem_ = new QLabel(this);
  problem_->setObjectName("InfluenceProblem");
  problem_->setAccessibleName("Problem");
  problem_->setStyleSheet("color: #c00000");
  principle_ = new QLabel(this);
  principle_->setObjectName("InfluencePrinciple");
  principle_->setAccessibleName("Principle");
  principle_->setWordWrap(true);

  picture_ = new PictureBox(this);
  picture_->setObjectName("Pic1");
  picture_->setAccessibleName("Influence line drawing");
  picture_->setMinimumSize(560, 460);
  grid_ = new QTableWidget(this);
  grid_->setObjectName("Grid1");
  grid_->setAccessibleName("Influence line stations");
  CopyOnCopyKeys(grid_, [this] { return SelectedText(); });

  auto* save = WindowButton(this, "&Save Picture...", "SavePictureB", "Save picture");
  auto* close = WindowButton(this, "Close", "CloseB", "Close");

  auto* controls = new QGridLayout;
  controls->addWidget(Caption(kInfluenceQuantityLabel, kind_), 0, 0);
  controls->addWidget(kind_, 0, 1);
  controls->addWidget(itemLabel_, 0, 2);
  controls->addWidget(item_, 0, 3);
  controls->addWidget(component_, 0, 4);
  controls->addWidget(Caption(kInfluenceSectionLabel, section_), 0, 5);
  controls->addWidget(section_, 0, 6);
  controls->addWidget(Caption(kInfluencePathLabel, path_), 1, 0);
  controls->addWidget(path_, 1, 1, 1, 4);
  controls->addWidget(pickPath_, 1, 5);
  controls->addWidget(defaultPath, 1, 6);
  section_->setMaximumWidth(120);
  controls->setColumnStretch(7, 1);
  auto* side = new QVBoxLayout;
  side->addWidget(grid_, 1);
  side->addWidget(BuildMovingLoadPanel());
  auto* body = new QHBoxLayout;
  body->addWidget(picture_, 1);
  body->addLayout(side);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(save);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(controls);
  layout->addWidget(problem_);
  layout->addWidget(principle_);
  layout->addLayout(body, 1);
  layout->addLayout(buttons);

  connect(kind_, &QComboBox::currentIndexChanged, this, [this] {
    if (showing_) return;
    ChooseInfluenceKind(model_, choice_,
                        InfluenceKinds().at(static_cast<std::size_t>(kind_->currentIndex())).Kind);
    Recompute();
  });
  connect(item_, &QSpinBox::valueChanged, this, [this] { ReadControls(); });
  connect(component_, &QComboBox::currentIndexChanged, this, [this] { ReadControls(); });
  connect(section_, &QLineEdit::editingFinished, this, [this] { ReadControls(); });
  connect(pickPath_, &QPushButton::toggled, this, [this](bool on) { choice_.PickingPath = on; });
  connect(defaultPath, &QPushButton::clicked, this, [this] {
    choice_.Path.clear();
    pickPath_->setChecked(false);
    Recompute();
  });
  connect(picture_, &PictureBox::MemberClickedAt, this, &InfluenceWindow::ClickMember);
  connect(picture_, &PictureBox::JointClicked, this, &InfluenceWindow::ClickJoint);
  connect(save, &QPushButton::clicked, this, &InfluenceWindow::SavePicture);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  Recompute();
  resize(1100, 720);
}

void InfluenceWindow::ClickMember(int member, double x, double y) {
  if (PickMemberAt(model_, choice_, member, FractionAlongMember(model_, member, x, y))) Recompute();
}

void InfluenceWindow::ClickJoint(int joint) {
  if (!choice_.PickingPath && PickJoint(model_, results_, choice_, joint)) Recompute();
}

void InfluenceWindow::ReadControls() {
  if (showing_) return;
  ChooseInfluenceControls(model_, choice_, item_->value(), component_->currentIndex(),
                          section_->text().toStdString());
  Recompute();
}

void InfluenceWindow::Recompute() {
  const InfluenceResult result =
      ComputeInfluenceLine(model_, results_, choice_.Quantity, choice_.Path);
  problem_->setText(QString::fromStdString(result.Problem));
  if (result.Problem.empty()) {
    line_ = result.Line;
    hasLine_ = true;
    table_ = BuildInfluenceTable(model_, line_);
    FillResultGrid(*grid_, table_);
    grid_->setMinimumWidth(grid_->horizontalHeader()->length() + 40);
    principle_->setText(QString::fromStdString(InfluencePrinciple(model_, line_.Quantity)));
  }
  ShowMovingLoad();
  ShowChoice();
}

QGroupBox* InfluenceWindow::BuildMovingLoadPanel() {
  auto* panel = new QGroupBox(kMovingLoadTitle, this);
  panel->setObjectName("MovingLoadPanel");
  panel->setAccessibleName("Moving load");
  trainPreset_ = new QComboBox(panel);
  trainPreset_->setObjectName("TrainPreset");
  trainPreset_->setAccessibleName("Train");
  trainPreset_->addItem(kOwnTrainName);
  for (const TrainPreset& preset : TrainPresets()) trainPreset_->addItem(preset.Name);
  trainTable_ = new QTableWidget(kTrainTableRows, 2, panel);
  trainTable_->setObjectName("TrainTable");
  trainTable_->setAccessibleName("Loads and their offsets from the first");
  trainTable_->setHorizontalHeaderLabels({kTrainColumns[0], kTrainColumns[1]});
  trainTable_->setMaximumHeight(180);
  lane_ = new QLineEdit(panel);
  lane_->setObjectName("LaneLoad");
  lane_->setAccessibleName("Lane load per length");
  direction_ = new QComboBox(panel);
  direction_->setObjectName("TrainDirection");
  direction_->setAccessibleName("Direction");
  for (const char* direction : kTrainDirections) direction_->addItem(direction);
  movingResult_ = new QLabel(panel);
  movingResult_->setObjectName("MovingLoadResult");
  movingResult_->setAccessibleName("Moving load result");
  movingResult_->setWordWrap(true);
  envelope_ = new QPushButton(kEnvelopeCaption, panel);
  envelope_->setObjectName("EnvelopeB");
  envelope_->setAccessibleName("Envelope along the member");
  envelope_->setAutoDefault(false);
  auto* form = new QGridLayout(panel);
  auto caption = [panel](const char* text, QWidget* buddy) {
    auto* label = new QLabel(text, panel);
    label->setBuddy(buddy);
    label->setAccessibleName(QString(text).remove('&').remove(':'));
    return label;
  };
  form->addWidget(caption(kTrainCaption, trainPreset_), 0, 0);
  form->addWidget(trainPreset_, 0, 1);
  form->addWidget(trainTable_, 1, 0, 1, 2);
  form->addWidget(caption(kLaneLoadCaption, lane_), 2, 0);
  form->addWidget(lane_, 2, 1);
  form->addWidget(caption(kDirectionCaption, direction_), 3, 0);
  form->addWidget(direction_, 3, 1);
  form->addWidget(movingResult_, 4, 0, 1, 2);
  form->addWidget(envelope_, 5, 0, 1, 2);
  connect(trainPreset_, &QComboBox::currentIndexChanged, this, &InfluenceWindow::ShowPreset);
  // Typing makes the train the student's own.
  auto typed = [this] {
    if (showing_) return;
    showing_ = true;
    trainPreset_->setCurrentIndex(0);
    showing_ = false;
    ReadTrain();
  };
  connect(trainTable_, &QTableWidget::itemChanged, this, typed);
  connect(lane_, &QLineEdit::editingFinished, this, typed);
  connect(direction_, &QComboBox::currentIndexChanged, this, &InfluenceWindow::ReadTrain);
  connect(envelope_, &QPushButton::clicked, this, &InfluenceWindow::OpenEnvelope);
  return panel;
}

void InfluenceWindow::ShowPreset(int index) {
  if (showing_ || index < 1) return;
  const LoadTrain train =
      PresetInUnits(TrainPresets().at(static_cast<std::size_t>(index - 1)), model_.Units);
  showing_ = true;
  trainTable_->clearContents();
  const std::vector<TrainRow> rows = RowsOfTrain(train);
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (int c = 0; c < 2; ++c)
      trainTable_->setItem(static_cast<int>(r), c,
                           new QTableWidgetItem(QString::fromStdString(rows[r][c])));
  lane_->setText(QString::fromStdString(LaneText(train)));
  showing_ = false;
  ReadTrain();
}

void InfluenceWindow::ReadTrain() {
  if (showing_) return;
  std::vector<TrainRow> rows;
  for (int r = 0; r < trainTable_->rowCount(); ++r) {
    TrainRow row;
    for (int c = 0; c < 2; ++c)
      if (const QTableWidgetItem* item = trainTable_->item(r, c))
        row[static_cast<std::size_t>(c)] = item->text().toStdString();
    rows.push_back(row);
  }
  TrainReading reading = ReadTrainRows(rows, lane_->text().toStdString());
  reading.Train.Direction = static_cast<TrainDirection>(direction_->currentIndex());
  train_.reset();
  movingResult_->setText(QString::fromStdString(reading.Problem));
  if (reading.Problem.empty()) train_ = reading.Train;
  Recompute();
}

void InfluenceWindow::ShowMovingLoad() {
  envelope_->setEnabled(train_ && hasLine_ && choice_.Quantity.Kind == InfluenceKind::Internal);
  if (!train_ || !hasLine_) {
    if (hasLine_) DrawInfluenceLine(model_, line_, *picture_);
    return;
  }
  worst_ = WorstPlacements(line_, *train_);
  const ShownTrain shown = TrainAtLargerExtreme(*train_, worst_);
  DrawInfluenceLine(model_, line_, *picture_, &shown);
  QString text;
  for (const std::string& line : MovingLoadLines(model_, *train_, worst_))
    text += (text.isEmpty() ? "" : "\n") + QString::fromStdString(line);
  movingResult_->setText(text);
}

void InfluenceWindow::OpenEnvelope() {
  if (!train_) return;
  const InfluenceQuantity& q = choice_.Quantity;
  const EnvelopeResult result =
      ComputeMovingLoadEnvelope(model_, results_, q.Item, q.Quantity, choice_.Path, *train_);
  if (!result.Problem.empty()) {
    problem_->setText(QString::fromStdString(result.Problem));
    return;
  }
  ShowMemberEnvelope(result.Envelope, commands_, this);
}

void InfluenceWindow::ShowChoice() {
  showing_ = true;
  const InfluenceQuantity& q = choice_.Quantity;
  kind_->setCurrentIndex(InfluenceKindIndex(q.Kind));
  itemLabel_->setText(QString::fromStdString(InfluenceItemLabel(q.Kind)));
  item_->setRange(1, std::max(InfluenceItemCount(model_, q.Kind), 1));
  item_->setValue(q.Item);
  component_->clear();
  for (const std::string& name : InfluenceComponents(model_, q.Kind))
    component_->addItem(QString::fromStdString(name));
  component_->setCurrentIndex(InfluenceComponentIndex(model_, q));
  section_->setEnabled(q.Kind == InfluenceKind::Internal);
  section_->setText(QString::fromStdString(FormatShortest(static_cast<float>(q.X))));
  path_->setText(QString::fromStdString(InfluencePathText(model_, choice_, line_)));
  showing_ = false;
}

void InfluenceWindow::SavePicture() {
  const QString file = QFileDialog::getSaveFileName(this, "Save Picture", QString(),
                                                    "PNG image (*.png);;SVG drawing (*.svg)");
  if (!file.isEmpty() && !picture_->SavePicture(file))
    problem_->setText("The picture could not be written to " + file + ".");
}

QString InfluenceWindow::SelectedText() const {
  return SelectedCellsText(*grid_, table_);
}

std::optional<InfluenceLine> ShowInfluenceLines(const ModelStore& model,
                                                const StructureResults& results,
                                                ProjectCommands& commands, QWidget* parent,
                                                std::optional<LoadTrain>* train) {
  if (!results.Complete()) return std::nullopt;
  InfluenceWindow window(model, results, commands, parent);
  window.exec();
  if (!window.HasLine()) return std::nullopt;
  if (train) *train = window.Train();
  return window.Line();
}

}  // namespace stavelorn
