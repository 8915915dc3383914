#include "ui/qt/QtMessages.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QString>

namespace stavelorn {

namespace {

struct BoxLook {
  QMessageBox::Icon icon;
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton defaultButton;
};

BoxLook LookOf(MessageStyle style) {
  switch (style) {
    case kStyleYesNo:
      return {QMessageBox::NoIcon, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes};
    case kStyleCritical: return {QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok};
    case kStyleInformation: return {QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok};
    case kStyleRetryCancelCritical:
      return {QMessageBox::Critical, QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry};
    case kStyleOkCancelQuestion:
      return {QMessageBox::Question, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok};
    case kStyleYesNoCancelQuestion:
      return {QMessageBox::Question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
              QMessageBox::Yes};
    case kStyleYesNoQuestion:
    default: return {QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes};
  }
}

// A message box that tells a dismissal (Escape, or the close button of its title bar) from a
// press of its escape button: a Yes/No box would otherwise read Escape as No.
class DismissibleBox : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;
  bool Dismissed() const { return dismissed_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->matches(QKeySequence::Cancel)) dismissed_ = true;
    QMessageBox::keyPressEvent(event);
  }
  void closeEvent(QCloseEvent* event) override {
    if (clickedButton() == nullptr) dismissed_ = true;
    QMessageBox::closeEvent(event);
  }

 private:
  bool dismissed_ = false;
};

int AnswerOf(int button) {
  switch (button) {
    case QMessageBox::Ok: return kAnswerOk;
    case QMessageBox::Retry: return kAnswerRetry;
    case QMessageBox::Yes: return kAnswerYes;
    case QMessageBox::No: return kAnswerNo;
    default: return kAnswerCancel;  // Cancel, or the box closed from its title bar
  }
}

}  // namespace

int QtMessages::Show(const std::string& title, const std::string& text, MessageStyle style) {
  return Ask(title, text, style, false).Answer;
}

Messages::TickedAnswer QtMessages::ShowWithDontAsk(const std::string& title,
                                                   const std::string& text, MessageStyle style) {
  return Ask(title, text, style, true);
}

Messages::TickedAnswer QtMessages::Ask(const std::string& title, const std::string& text,
                                       MessageStyle style, bool offerDontAsk) {
  BoxLook look = LookOf(style);
  DismissibleBox box(look.icon, QString::fromStdString(title), QString::fromStdString(text),
                     look.buttons, parent_);
  box.setDefaultButton(look.defaultButton);
  if (offerDontAsk) {
    auto* dontAsk = new QCheckBox("&Don't ask again");
    dontAsk->setAccessibleName("Don't ask again");
    box.setCheckBox(dontAsk);
  }
  const int button = box.exec();
  const bool ticked = box.checkBox() != nullptr && box.checkBox()->isChecked();
  // A box with a single OK button has nothing to call off: dismissing it reads as OK.
  if (box.Dismissed()) return {look.buttons == QMessageBox::Ok ? kAnswerOk : kAnswerCancel, false};
  return {AnswerOf(button), ticked};
}

}  // namespace stavelorn
