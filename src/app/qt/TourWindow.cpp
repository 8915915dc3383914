#include "app/qt/TourWindow.h"

#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/qt/HelpWindow.h"

namespace stavelorn {

namespace {

QLabel* WrappedLabel(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

TourWindow::TourWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("GettingStarted");
  setWindowTitle("Getting Started");
  heading_ = WrappedLabel("StepHeading", this);
  QFont bold = heading_->font();
  bold.setBold(true);
  heading_->setFont(bold);
  todo_ = WrappedLabel("StepDo", this);
  why_ = WrappedLabel("StepWhy", this);
  steps_ = new QListWidget(this);
  steps_->setObjectName("TourSteps");
  steps_->setAccessibleName("Steps of the tour");
  steps_->setFocusPolicy(Qt::NoFocus);
  for (const TourStep& step : TourSteps()) steps_->addItem(step.Title);
  auto* page = new QPushButton("&Help Page", this);
  page->setObjectName("TourPageB");
  page->setAccessibleName("Help page of the tour");
  connect(page, &QPushButton::clicked, this,
          [this] { ShowHelpPage("getting-started", parentWidget()); });
  auto* close = new QPushButton("&Leave the Tour", this);
  close->setObjectName("CloseB");
  close->setAccessibleName("Leave the tour");
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading_);
  layout->addWidget(todo_);
  layout->addWidget(why_);
  layout->addWidget(steps_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(page);
  buttons->addStretch();
  buttons->addWidget(close);
  layout->addLayout(buttons);
  resize(340, 520);
}

void TourWindow::Update(const TourState& state) {
  const std::size_t current = CurrentTourStep(state);
  heading_->setText(QString::fromStdString(TourHeading(state)));
  const bool done = current == TourSteps().size();
  todo_->setText(done ? "Compare your frame with the Worked Example, or open another example."
                      : QString("Do: ") + TourSteps()[current].Do);
  why_->setVisible(!done);
  if (!done) why_->setText(QString("Why: ") + TourSteps()[current].Why);
  for (int row = 0; row < steps_->count(); ++row) {
    const std::size_t step = static_cast<std::size_t>(row);
    QListWidgetItem* item = steps_->item(row);
    item->setText(QString(step < current    ? "\u2713 "
                          : step == current ? "\u25b6 "
                                            : "   ") +
                  TourSteps()[step].Title);
    QFont font = item->font();
    font.setBold(step == current);
    item->setFont(font);
  }
}

void TourWindow::PlaceBeside(const QWidget& beside) {
  const QRect frame = beside.frameGeometry();
  QPoint at = frame.topRight() + QPoint(8, 0);
  if (const QScreen* screen = beside.screen()) {
    const QRect room = screen->availableGeometry();
    if (at.x() + width() > room.right()) at.setX(room.right() - width());
  }
  move(at);
}

}  // namespace stavelorn
