// The main window's drawing mode (View > Draw Structure): its toolbar and status words, and the
// picture it shows: the structure on the mode's sheet with its grid and marks, and with Live on
// the live analysis's deformed shape or mechanism.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>

#include "app/qt/DrawingBar.h"
#include "app/qt/MainWindow.h"
#include "graphics/DeflectedShape.h"
#include "graphics/Drawing.h"

namespace stavelorn {

void MainWindow::BuildDrawingMode() {
  viewMenu_->addSeparator();
  drawing_ = new DrawingBar(model_, messages_, commands_, *canvas_, this);
  addToolBar(Qt::TopToolBarArea, drawing_);
  drawStatus_ = new QLabel(this);
  drawStatus_->setObjectName("DrawStatus");
  drawStatus_->setAccessibleName("Pointer and live analysis");
  drawStatus_->hide();
  statusBar()->addPermanentWidget(drawStatus_);
  drawAction_ = viewMenu_->addAction("&Draw Structure");
  drawAction_->setObjectName("MnuViewDraw");
  drawAction_->setCheckable(true);
  drawAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
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
  DrawingMode& mode = drawing_->Mode();
  // The numbers' labels are left out while a joint is dragged, so that the picture keeps up.
  if (mode.Dragging()) view.Numbers = false;
  const bool live = mode.Palette.Live;
  // A change from elsewhere (Undo, a list window) is analysed too; a drag analyses as it moves.
  if (live && !mode.Dragging()) mode.Reanalyse();
  const StructureResults& results = live ? mode.LiveResults() : commands_.Results();
  if (live) view.Multiplier = AutomaticDeflectionMultiplier(model_, results, view.Multiplier);
  // The mode's sheet, set last, is the only scale the view follows.
  canvas_->FollowScale(false);
  canvas_->Cls();
  // A grid is shown in plan (X-Z) while it is drawn, its joints and members only.
  if (model_.Kind() == StructKind::Grid)
    Plot2D(model_, results, *canvas_, FormId::JointA, messages_, view);
  else
    PlotStructure(model_, results, *canvas_, FormId::mcas, messages_, view);
  if (localAxes_->isChecked()) DrawLocalAxes(model_, *canvas_, view);
  canvas_->FollowScale(true);
  drawing_->DrawMarks(*canvas_);
  drawStatus_->setText(drawing_->StatusText());
}

}  // namespace stavelorn
