// The main window's Help menu: the help window at a page, Getting Started beside the window,
// the page of the window in use, and About.
#include "app/HelpPages.h"
#include "app/qt/HelpWindow.h"
#include "app/qt/MainWindow.h"
#include "app/qt/TourWindow.h"

namespace stavelorn {

void MainWindow::RunHelp(const MenuRoute& route) {
  switch (route.Target) {
    case MenuTarget::HelpPage: ShowHelpPage(route.Page, this); break;
    case MenuTarget::HelpOnWindow:  // the menu's own window; F1 in the others is HelpKeyFilter's
      ShowHelpPage(HelpPageOfWindow(objectName().toStdString()), this);
      break;
    case MenuTarget::About:
      messages_.ShowInformation("About STAVELORN", AboutText(ExamplesFolder(), HelpFolder()));
      break;
    case MenuTarget::Tour:
      if (!tour_) tour_ = new TourWindow(this);
      tour_->PlaceBeside(*this);
      tour_->show();
      tour_->raise();
      UpdateTour();
      break;
    default: break;
  }
}

void MainWindow::UpdateTour() {
  if (!commands_.Session().ResultsShown())
    sawDisplacements_ = sawDiagram_ = sawMethodSteps_ = false;
  if (!tour_ || !tour_->isVisible()) return;
  TourState state;
  state.Data = commands_.ProjectOpen() ? &model_ : nullptr;
  state.ResultsShown = commands_.Session().ResultsShown();
  state.SawDisplacements = sawDisplacements_;
  state.SawDiagram = sawDiagram_;
  state.SawMethodSteps = sawMethodSteps_;
  tour_->Update(state);
}

}  // namespace stavelorn
