// Plays the user's part in a chain of modal windows: each step waits until the window with its
// object name is the topmost modal window, then acts on it (types, clicks, looks). Steps run in
// whichever event loop is current, so a step may click a button that opens the next window; the
// next look is always scheduled before a step runs, since a timer does not fire again while its
// own handler sits in a nested event loop.
#pragma once

#include <QApplication>
#include <QObject>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <utility>

namespace stavelorn::testing {

class ModalScript {
 public:
  using Step = std::function<void(QWidget*)>;

  ModalScript() { Schedule(); }

  // When the window named `name` is on top, `step` acts on it.
  ModalScript& On(const char* name, Step step) {
    steps_.emplace_back(name, std::move(step));
    return *this;
  }

  bool Done() const { return steps_.empty(); }

 private:
  void Schedule() {
    QTimer::singleShot(5, &context_, [this] { Poll(); });
  }

  void Poll() {
    Schedule();
    QWidget* top = QApplication::activeModalWidget();
    // A failed check ends the test: the windows it left open are closed so the test can finish.
    if (QTest::currentTestFailed()) {
      if (top && top->isVisible()) top->close();
      return;
    }
    if (steps_.empty()) return;
    if (!top || !top->isVisible() || top->objectName() != steps_.front().first) return;
    Step step = std::move(steps_.front().second);
    steps_.pop_front();
    step(top);
  }

  QObject context_;
  std::deque<std::pair<QString, Step>> steps_;
};

}  // namespace stavelorn::testing
