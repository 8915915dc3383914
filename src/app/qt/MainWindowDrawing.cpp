// The main window's drawing mode (View > Draw Structure): its toolbar and status words, and the
// picture it shows: the structure on the mode's sheet with its grid and marks, and with Live on
// the live analysis's deformed shape or mechanism.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>

#include "app/DrawingOverlay.h"
#include "app/qt/DrawingBar.h"
#include "app/qt/MainWindow.h"

namespace stavelorn {

void MainWindow::BuildDrawingMode() {
  viewMenu_->addSeparator();
  drawing_ = new DrawingBar(model_, messages_, commands_, *canvas_, this);
  addToolBar(Qt::TopToolBarArea, drawing_);
  drawStatus_ = new QLabel(this);
  const DrawingControlInfo& status = DrawingControlOf(DrawingControl::Status);
  drawStatus_->setObjectName(status.Name);
  drawStatus_->setAccessibleName(status.Spoken);
  drawStatus_->hide();
  statusBar()->addPermanentWidget(drawStatus_);
  const DrawingControlInfo& mode = DrawingControlOf(DrawingControl::Mode);
  drawAction_ = viewMenu_->addAction(mode.Caption);
  drawAction_->setObjectName(mode.Name);
  drawAction_->setCheckable(true);
  drawAction_->setShortcut(QKeySequence(QString(mode.Key), QKeySequence::PortableText));
  connect(drawAction_, &QAction::toggled, this, [this](bool on) {
    drawing_->SetActive(on);
    drawStatus_->setVisible(on);
    if (on) statusBar()->showMessage(drawing_->Hint(), 20000);
    QTimer::singleShot(0, this, [this] { ArrangeLayout(); });
  });
  connect(drawing_, &DrawingBar::PointerMoved, this,
          [this] { drawStatus_->setText(drawing_->StatusText()); });
}

void MainWindow::DrawInDrawingMode(DrawingView& view) {
  // The mode's sheet, set last, is the only scale the view follows.
  canvas_->FollowScale(false);
  canvas_->Cls();
  DrawStructureBeingDrawn(*canvas_, model_, drawing_->Mode(), commands_.Results(), view, messages_);
  if (localAxes_->isChecked()) DrawLocalAxes(model_, *canvas_, view);
  canvas_->FollowScale(true);
  drawing_->DrawMarks(*canvas_);
  drawStatus_->setText(drawing_->StatusText());
}

}  // namespace stavelorn
