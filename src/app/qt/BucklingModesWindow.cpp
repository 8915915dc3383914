#include "app/qt/BucklingModesWindow.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "graphics/BucklingModeDrawing.h"
#include "graphics/qt/PictureBox.h"
#include "ui/qt/DialogButtons.h"

namespace stavelorn {

BucklingModesWindow::BucklingModesWindow(const ModelStore& model, CriticalLoads loads,
                                         const StabilityOptions& options, Messages& messages,
                                         QWidget* parent)
    : QDialog(parent),
      model_(model),
      loads_(std::move(loads)),
      options_(options),
      messages_(messages) {
  setObjectName("BucklingModes");
  setWindowTitle(kCriticalLoadTitle);

  chooser_ = new QComboBox(this);
  chooser_->setObjectName("BucklingMode");
  chooser_->setAccessibleName("Buckling mode");
  for (std::size_t i = 0; i < loads_.Modes.size(); ++i)
    chooser_->addItem(
        QString::fromStdString(BucklingModeCaption(loads_.Modes[i], static_cast<int>(i) + 1)));
  auto* chooserLabel = new QLabel("&Mode:", this);
  chooserLabel->setBuddy(chooser_);
  chooserLabel->setAccessibleName("Mode");
  auto* pieces = new QLabel(QString::fromStdString(LoadFactorsText(options_)), this);
  pieces->setObjectName("BucklingPieces");
  pieces->setAccessibleName("How the members are divided");
  problem_ = new QLabel(QString::fromStdString(loads_.Message), this);
  problem_->setObjectName("BucklingNote");
  problem_->setAccessibleName("Note");
  problem_->setWordWrap(true);
  problem_->setVisible(!loads_.Message.empty());

  picture_ = new PictureBox(this);
  picture_->setObjectName("Pic1");
  picture_->setAccessibleName("Buckling mode drawing");
  picture_->setMinimumSize(560, 460);

  auto* save = WindowButton(this, "&Save Picture...", "SavePictureB", "Save picture");
  auto* close = WindowButton(this, "Close", "CloseB", "Close");

  auto* top = new QHBoxLayout;
  top->addWidget(chooserLabel);
  top->addWidget(chooser_, 1);
  top->addWidget(pieces, 2);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(save);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(problem_);
  layout->addWidget(picture_, 1);
  layout->addLayout(buttons);

  connect(chooser_, &QComboBox::currentIndexChanged, this, [this] { DrawChosen(); });
  connect(save, &QPushButton::clicked, this, &BucklingModesWindow::SavePicture);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  DrawChosen();
}

void BucklingModesWindow::DrawChosen() {
  const int index = chooser_->currentIndex();
  if (index < 0 || static_cast<std::size_t>(index) >= loads_.Modes.size()) return;
  DrawBucklingMode(model_, loads_.Modes[static_cast<std::size_t>(index)], index + 1,
                   options_.Segments, *picture_, messages_);
}

void BucklingModesWindow::SavePicture() {
  const QString file = QFileDialog::getSaveFileName(this, "Save Picture", QString(),
                                                    "PNG image (*.png);;SVG drawing (*.svg)");
  if (!file.isEmpty() && !picture_->SavePicture(file))
    messages_.ShowStop("Save Picture",
                       "The picture could not be written to " + file.toStdString() + ".");
}

}  // namespace stavelorn
