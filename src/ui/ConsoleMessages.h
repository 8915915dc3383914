// Messages for a program without windows: every box is written to a stream, title line first,
// and answered as an unattended run must answer it: OK, Cancel where there is one, else No.
// Nothing is ever retried and no question goes on by itself.
#pragma once

#include <ostream>

#include "ui/Messages.h"

namespace stavelorn {

class ConsoleMessages : public Messages {
 public:
  explicit ConsoleMessages(std::ostream& out) : out_(out) {}

 protected:
  int Show(const std::string& title, const std::string& text, MessageStyle style) override;

 private:
  std::ostream& out_;
};

}  // namespace stavelorn
