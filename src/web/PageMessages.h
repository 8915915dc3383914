// The message boxes of the browser page: the boxes the core shows while it carries out one of the
// page's requests are kept and sent back with the answer. A question cannot wait for a click
// inside the request, so it is answered in two passes: unconfirmed, it is called off (Cancel) and
// kept for the page to ask; confirmed, the request is made again and the question answered OK or
// Yes.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/Messages.h"

namespace stavelorn {

class PageMessages : public Messages {
 public:
  struct Shown {
    std::string Title;
    std::string Text;
    MessageStyle Style;
  };

  // How the questions of the next request are answered: OK or Yes when `confirmed`, else Cancel.
  void Confirm(bool confirmed) { answer_ = confirmed ? kGoAhead : kCallOff; }
  // The questions of the next request are answered `answer` (kAnswerYes, kAnswerNo).
  void AnswerWith(MessageAnswer answer) { answer_ = answer; }

  // The boxes shown since the last call, as [{"title", "text", "style": "stop", "information" or
  // "question"}], and the question called off, as {"title", "text"} or null; both are emptied.
  std::string TakeMessagesJson();
  std::string TakeQuestionJson();

 protected:
  int Show(const std::string& title, const std::string& text, MessageStyle style) override;
  TickedAnswer ShowWithDontAsk(const std::string& title, const std::string& text,
                               MessageStyle style) override;

 private:
  std::vector<Shown> shown_;
  std::optional<Shown> question_;
  // Not a button: a question is called off and kept, or answered with the button that goes ahead.
  static constexpr int kCallOff = 0;
  static constexpr int kGoAhead = -1;
  int answer_ = kCallOff;
};

}  // namespace stavelorn
