#include "ui/ConsoleMessages.h"

namespace stavelorn {

int ConsoleMessages::Show(const std::string& title, const std::string& text, MessageStyle style) {
  out_ << title << '\n' << text << '\n';
  switch (style) {
    case kStyleCritical:
    case kStyleInformation: return kAnswerOk;
    case kStyleRetryCancelCritical:
    case kStyleOkCancelQuestion:
    case kStyleYesNoCancelQuestion: return kAnswerCancel;
    case kStyleYesNo:
    case kStyleYesNoQuestion: return kAnswerNo;
  }
  return kAnswerCancel;
}

}  // namespace stavelorn
