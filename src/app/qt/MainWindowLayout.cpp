// Where the main window's controls stand: the title centred on top, the labels down the left,
// the structure's picture square beside them, and a chosen diagram's picture beside that.
#include <algorithm>

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include "app/qt/MainWindow.h"
#include "editors/qt/Twips.h"

namespace stavelorn {

namespace {

// Positions are kept in twips, as the layout rules state them, at 15 twips a pixel.
constexpr Twips kTwips;

constexpr int kLabelLeft = 240;
constexpr int kLabelWidth = 2300;
constexpr int kLabelHeight = 300;
constexpr int kTitleTop = 120;
constexpr int kTitleHeight = 400;
constexpr int kCanvasLeft = 2760;

}  // namespace

void MainWindow::ResizeToDefault() {
  resize(kTwips.Px(14400), kTwips.Px(10800));
}

void MainWindow::ArrangeLayout() {
  QWidget* area = centralWidget();
  const int width = area->width();
  const int height = area->height();
  QLabel* title = labels_[1];
  title->adjustSize();
  title->resize(std::max(title->width(), kTwips.Px(4000)), kTwips.Px(kTitleHeight));
  title->move((width - title->width()) / 2, kTwips.Px(kTitleTop));

  // The canvas sits below the title, to the right of the labels, and is kept square.
  int canvasTop = title->y() + title->height() + kTwips.Px(200);
  int canvasWidth = width - kTwips.Px(kCanvasLeft);
  int canvasHeight = height - canvasTop - kTwips.Px(1000);
  if (canvasHeight < canvasWidth)
    canvasWidth = canvasHeight;
  else
    canvasHeight = canvasWidth;
  // A chosen diagram shares the room with the structure, the two squares side by side.
  const bool diagram = !diagramCanvas_->isHidden();
  if (diagram) {
    canvasWidth = (width - kTwips.Px(kCanvasLeft) - kTwips.Px(100)) / 2;
    canvasHeight = height - canvasTop - kTwips.Px(1000);
    canvasWidth = canvasHeight = std::min(canvasWidth, canvasHeight);
    diagramCanvas_->setGeometry(kTwips.Px(kCanvasLeft) + std::max(canvasWidth, 0) + kTwips.Px(100),
                                canvasTop, std::max(canvasWidth, 0), std::max(canvasHeight, 0));
  }
  canvas_->setGeometry(kTwips.Px(kCanvasLeft), canvasTop, std::max(canvasWidth, 0),
                       std::max(canvasHeight, 0));

  int y = canvasTop;
  for (int n = 2; n <= 8; ++n) {
    labels_[static_cast<std::size_t>(n)]->setGeometry(
        kTwips.Px(kLabelLeft), y, kTwips.Px(kLabelWidth), kTwips.Px(kLabelHeight));
    y += kTwips.Px(n == 2 ? 500 : 360);
  }
  combo_->setGeometry(kTwips.Px(kLabelLeft), y, kTwips.Px(1000), kTwips.Px(330));
  redraw_->setGeometry(kTwips.Px(kLabelLeft) + kTwips.Px(1150), y, kTwips.Px(1000), kTwips.Px(360));
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  ArrangeLayout();
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) ArrangeLayout();
}

}  // namespace stavelorn
