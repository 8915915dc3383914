#include "ui/qt/CopyKeys.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QWidget>
#include <utility>

namespace stavelorn {

namespace {

// Owned by the widget it watches.
class CopyKeysFilter : public QObject {
 public:
  CopyKeysFilter(QWidget* widget, std::function<QString()> selection)
      : QObject(widget), selection_(std::move(selection)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
      QApplication::clipboard()->setText(selection_());
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<QString()> selection_;
};

}  // namespace

void CopyOnCopyKeys(QWidget* widget, std::function<QString()> selection) {
  widget->installEventFilter(new CopyKeysFilter(widget, std::move(selection)));
}

}  // namespace stavelorn
