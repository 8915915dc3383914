// A Messages double for tests: it answers from a script given in advance and keeps a log of every
// box it was asked to show, so a test can check both the words the user would read and what the
// program did with each answer.
#pragma once

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "ui/Messages.h"

namespace stavelorn {

class ScriptedMessages : public Messages {
 public:
  struct Shown {
    std::string Title;
    std::string Text;
    MessageStyle Style;
    int Answer;
    bool DontAskOffered = false;  // the box had the "Don't ask again" check box
  };

  // Queues the answers to the coming boxes, in order.
  explicit ScriptedMessages(const std::deque<int>& answers = {}) {
    for (int answer : answers) Answer(answer);
  }

  // The next box is answered `answer`, with "Don't ask again" ticked when `dontAskAgain`.
  void Answer(int answer, bool dontAskAgain = false) { answers_.push_back({answer, dontAskAgain}); }

  const std::vector<Shown>& Log() const { return log_; }

 protected:
  // A box with the single OK button is answered OK without touching the script. Any other box
  // without a scripted answer, or with an answer that is not one of its buttons, throws
  // std::logic_error naming the box, so a test never passes on an answer nobody chose.
  int Show(const std::string& title, const std::string& text, MessageStyle style) override;
  // The same, offering "Don't ask again"; a tick scripted for a box without it throws.
  TickedAnswer ShowWithDontAsk(const std::string& title, const std::string& text,
                               MessageStyle style) override;

 private:
  TickedAnswer Next(const std::string& title, const std::string& text, MessageStyle style,
                    bool offerDontAsk);

  std::deque<std::pair<int, bool>> answers_;
  std::vector<Shown> log_;
};

}  // namespace stavelorn
