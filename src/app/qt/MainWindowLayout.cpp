// Where the main window's controls stand: the title centred on top, the labels down the left,
// the structure's picture square beside them, and a chosen diagram's picture beside that.
#include <algorithm>

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include "app/qt/MainWindow.h"

namespace stavelorn {

namespace {

// Positions are kept in twips, as the layout rules state them; 15 twips make a pixel at 96 dpi
// and Qt scales pixels on other screens.
int Px(int twips) {
  return twips / 15;
}

constexpr int kLabelLeft = 240;
constexpr int kLabelWidth = 2300;
constexpr int kLabelHeight = 300;
constexpr int kTitleTop = 120;
constexpr int kTitleHeight = 400;
constexpr int kCanvasLeft = 2760;

}  // namespace

void MainWindow::ResizeToDefault() {
  resize(Px(14400), Px(10800));
}

void MainWindow::ArrangeLayout() {
  QWidget* area = centralWidget();
  const int width = area->width();
  const int height = area->height();
  QLabel* title = labels_[1];
  title->adjustSize();
  title->resize(std::max(title->width(), Px(4000)), Px(kTitleHeight));
  title->move((width - title->width()) / 2, Px(kTitleTop));

  // The canvas sits below the title, to the right of the labels, and is kept square.
  int canvasTop = title->y() + title->height() + Px(200);
  int canvasWidth = width - Px(kCanvasLeft);
  int canvasHeight = height - canvasTop - Px(1000);
  if (canvasHeight < canvasWidth)
    canvasWidth = canvasHeight;
  else
    canvasHeight = canvasWidth;
  // A chosen diagram shares the room with the structure, the two squares side by side.
  const bool diagram = !diagramCanvas_->isHidden();
  if (diagram) {
    canvasWidth = (width - Px(kCanvasLeft) - Px(100)) / 2;
    canvasHeight = height - canvasTop - Px(1000);
    canvasWidth = canvasHeight = std::min(canvasWidth, canvasHeight);
    diagramCanvas_->setGeometry(Px(kCanvasLeft) + std::max(canvasWidth, 0) + Px(100), canvasTop,
                                std::max(canvasWidth, 0), std::max(canvasHeight, 0));
  }
  canvas_->setGeometry(Px(kCanvasLeft), canvasTop, std::max(canvasWidth, 0),
                       std::max(canvasHeight, 0));

  int y = canvasTop;
  for (int n = 2; n <= 8; ++n) {
    labels_[static_cast<std::size_t>(n)]->setGeometry(Px(kLabelLeft), y, Px(kLabelWidth),
                                                      Px(kLabelHeight));
    y += Px(n == 2 ? 500 : 360);
  }
  combo_->setGeometry(Px(kLabelLeft), y, Px(1000), Px(330));
  redraw_->setGeometry(Px(kLabelLeft) + Px(1150), y, Px(1000), Px(360));
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
