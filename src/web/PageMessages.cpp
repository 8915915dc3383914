#include "web/PageMessages.h"

#include "reports/JsonText.h"

namespace stavelorn {

namespace {

bool IsQuestion(MessageStyle style) {
  return style != kStyleCritical && style != kStyleInformation;
}

// The answer a confirmed question gets: the button that goes ahead.
int GoAhead(MessageStyle style) {
  switch (style) {
    case kStyleOkCancelQuestion: return kAnswerOk;
    case kStyleRetryCancelCritical: return kAnswerCancel;
    default: return kAnswerYes;
  }
}

}  // namespace

int PageMessages::Show(const std::string& title, const std::string& text, MessageStyle style) {
  if (!IsQuestion(style)) {
    shown_.push_back({title, text, style});
    return kAnswerOk;
  }
  if (answer_ == kGoAhead) return GoAhead(style);
  if (answer_ != kCallOff) return answer_;
  question_ = Shown{title, text, style};
  return kAnswerCancel;
}

Messages::TickedAnswer PageMessages::ShowWithDontAsk(const std::string& title,
                                                     const std::string& text, MessageStyle style) {
  return {Show(title, text, style), false};
}

std::string PageMessages::TakeMessagesJson() {
  std::string json = "[";
  for (const Shown& m : shown_)
    json += std::string(json.size() > 1 ? ", " : "") + "{\"title\": " + JsonString(m.Title) +
            ", \"text\": " + JsonString(m.Text) + ", \"style\": \"" +
            (m.Style == kStyleCritical ? "stop" : "information") + "\"}";
  shown_.clear();
  return json + "]";
}

std::string PageMessages::TakeQuestionJson() {
  if (!question_) return "null";
  const std::string json = "{\"title\": " + JsonString(question_->Title) +
                           ", \"text\": " + JsonString(question_->Text) + "}";
  question_.reset();
  return json;
}

}  // namespace stavelorn
