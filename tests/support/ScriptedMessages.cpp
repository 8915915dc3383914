#include "support/ScriptedMessages.h"

#include <stdexcept>
#include <tuple>

namespace stavelorn {

namespace {

bool IsButtonOf(int answer, MessageStyle style) {
  switch (style) {
    case kStyleYesNo:
    case kStyleYesNoQuestion:  // Cancel: dismissed with Escape or the close button
    case kStyleYesNoCancelQuestion:
      return answer == kAnswerYes || answer == kAnswerNo || answer == kAnswerCancel;
    case kStyleRetryCancelCritical: return answer == kAnswerRetry || answer == kAnswerCancel;
    case kStyleOkCancelQuestion: return answer == kAnswerOk || answer == kAnswerCancel;
    case kStyleCritical:
    case kStyleInformation: return answer == kAnswerOk;
  }
  return false;
}

}  // namespace

int ScriptedMessages::Show(const std::string& title, const std::string& text, MessageStyle style) {
  return Next(title, text, style, false).Answer;
}

Messages::TickedAnswer ScriptedMessages::ShowWithDontAsk(const std::string& title,
                                                         const std::string& text,
                                                         MessageStyle style) {
  return Next(title, text, style, true);
}

Messages::TickedAnswer ScriptedMessages::Next(const std::string& title, const std::string& text,
                                              MessageStyle style, bool offerDontAsk) {
  int answer = kAnswerOk;
  bool ticked = false;
  if (style != kStyleCritical && style != kStyleInformation) {
    if (answers_.empty())
      throw std::logic_error("no scripted answer for the message box \"" + title + "\": " + text);
    std::tie(answer, ticked) = answers_.front();
    answers_.pop_front();
    if (ticked && !offerDontAsk)
      throw std::logic_error("the message box \"" + title + "\" offers no \"Don't ask again\"");
    if (!IsButtonOf(answer, style))
      throw std::logic_error("scripted answer " + std::to_string(answer) +
                             " is no button of the box \"" + title + "\" (style " +
                             std::to_string(style) + ")");
  }
  log_.push_back({title, text, style, answer, offerDontAsk});
  return {answer, ticked};
}

}  // namespace stavelorn
