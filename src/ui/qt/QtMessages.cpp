#include "ui/qt/QtMessages.h"

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
  BoxLook look = LookOf(style);
  QMessageBox box(look.icon, QString::fromStdString(title), QString::fromStdString(text),
                  look.buttons, parent_);
  box.setDefaultButton(look.defaultButton);
  int button = box.exec();
  // A box without Cancel closed from its title bar counts as its last button (No, or OK).
  if (button == QMessageBox::Cancel && !(look.buttons & QMessageBox::Cancel))
    button = (look.buttons & QMessageBox::No) ? QMessageBox::No : QMessageBox::Ok;
  return AnswerOf(button);
}

}  // namespace stavelorn
