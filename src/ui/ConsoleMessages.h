// Messages for a program without windows: every box is written to a stream, title line first,
// and answered as an unattended run must answer it: OK, Cancel where there is one, else No.
// Nothing is ever retried, no question goes on by itself and no answer is kept for next time.
#pragma once

#include <ostream>

#include "ui/Messages.h"

namespace stavelorn {

class ConsoleMessages : public Messages {
 public:
  explicit ConsoleMessages(std::ostream& out) : out_(out) {}

 protected:
  int Show(const std::string& title, const std::string& text, MessageStyle style) override;
  TickedAnswer ShowWithDontAsk(const std::string& title, const std::string& text,
                               MessageStyle style) override {
    return {Show(title, text, style), false};
  }

 private:
  std::ostream& out_;
};

}  // namespace stavelorn
