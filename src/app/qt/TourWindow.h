// The Getting Started window beside the main window: the current step of the tour, what to do
// and why, and the steps done so far. The main window hands it the program's state after every
// change; which step is current is GettingStarted's to say.
#pragma once

#include <QWidget>

#include "app/GettingStarted.h"

class QLabel;
class QListWidget;

namespace stavelorn {

class TourWindow : public QWidget {
  Q_OBJECT
 public:
  explicit TourWindow(QWidget* parent = nullptr);

  // Shows the step the state has reached.
  void Update(const TourState& state);
  // Places the window against the right edge of `beside`, or inside the screen's right edge.
  void PlaceBeside(const QWidget& beside);

 private:
  QLabel* heading_ = nullptr;
  QLabel* todo_ = nullptr;
  QLabel* why_ = nullptr;
  QListWidget* steps_ = nullptr;
};

}  // namespace stavelorn
