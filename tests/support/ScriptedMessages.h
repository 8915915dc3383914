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
  };

  // Queues the answers to the coming boxes, in order.
  explicit ScriptedMessages(std::deque<int> answers = {}) : answers_(std::move(answers)) {}

  void Answer(int answer) { answers_.push_back(answer); }

  const std::vector<Shown>& Log() const { return log_; }

 protected:
  // A box with the single OK button is answered OK without touching the script. Any other box
  // without a scripted answer, or with an answer that is not one of its buttons, throws
  // std::logic_error naming the box, so a test never passes on an answer nobody chose.
  int Show(const std::string& title, const std::string& text, MessageStyle style) override;

 private:
  std::deque<int> answers_;
  std::vector<Shown> log_;
};

}  // namespace stavelorn
