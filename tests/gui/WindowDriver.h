// What the window tests share to play the user's part: finding a window's controls by name,
// typing, and answering the modal windows a command opens.
#pragma once

#include <QtTest>
#include <QtWidgets>
#include <deque>
#include <functional>
#include <string>
#include <utility>

#include "app/qt/MainWindow.h"
#include "graphics/qt/PictureBox.h"
#include "support/SampleModels.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"

namespace stavelorn::testing {

// The settings of a test run live in a folder of their own, never in the user's.
struct OwnSettings {
  QTemporaryDir folder;
  OwnSettings() { qputenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit()); }
};

inline QPushButton* Button(QWidget* window, const char* name) {
  return window->findChild<QPushButton*>(name);
}
inline QLineEdit* Field(QWidget* dialog, int n) {
  return dialog->findChild<QLineEdit*>(QString("Text%1").arg(n));
}
inline void Type(QWidget* dialog, int field, const QString& text) {
  Field(dialog, field)->clear();
  QTest::keyClicks(Field(dialog, field), text);
}
// Types the texts into the dialog's open fields in order, skipping hidden and read-only ones.
inline void TypeInOrder(QWidget* dialog, QStringList texts) {
  for (int n = 1; Field(dialog, n) && !texts.isEmpty(); ++n)
    if (!Field(dialog, n)->isHidden() && !Field(dialog, n)->isReadOnly())
      Type(dialog, n, texts.takeFirst());
}
inline std::string Example(const char* name) {
  return SourcePath(std::string("examples/") + name + ".str");
}

// Runs `act` on the modal window of type W that `open` opens, then closes it with its Close
// button or as the user would. False when no such window opened.
template <typename W>
bool Opened(const std::function<void()>& open, const std::function<void(W*)>& act) {
  bool ran = false;
  QObject context;  // no look is left waiting once this returns
  QTimer::singleShot(0, &context, [&] {
    auto* window = qobject_cast<W*>(QApplication::activeModalWidget());
    if (!window) return;
    ran = true;
    act(window);
    if (auto* close = window->template findChild<QPushButton*>("CloseB"))
      close->click();
    else
      window->close();
  });
  open();
  return ran;
}

// Plays the user's part in a chain of modal windows: each step waits until the window with its
// object name is the topmost modal window, then acts on it (types, clicks, looks). Steps run in
// whichever event loop is current, so a step may click a button that opens the next window; the
// next look is always scheduled before a step runs, since a timer does not fire again while its
// own handler sits in a nested event loop.
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
    if (steps_.empty() || !top || !top->isVisible() || top->objectName() != steps_.front().first)
      return;
    Step step = std::move(steps_.front().second);
    steps_.pop_front();
    step(top);
  }

  QObject context_;
  std::deque<std::pair<QString, Step>> steps_;
};

// The main window with an example open and, when asked, analysed (neither saved first nor
// printed).
struct Session {
  ModelStore model;
  ScriptedMessages messages;
  ScriptedFileDialogs dialogs;
  MainWindow window{model, &messages, &dialogs};

  explicit Session(const char* example, bool analyse = true) {
    window.show();
    window.Commands().OpenProjectFile(Example(example));
    window.Refresh();
    if (!analyse) return;
    messages.Answer(kAnswerNo);  // the results not printed; the data as read need no saving
    window.Action(MenuItem::MnuAna)->trigger();
  }
};

}  // namespace stavelorn::testing
