// Messages shown as real message boxes, each style with its buttons and icon.
#pragma once

#include "ui/Messages.h"

class QWidget;

namespace stavelorn {

class QtMessages : public Messages {
 public:
  // Boxes are centred on `parent` (may be null).
  explicit QtMessages(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

 protected:
  int Show(const std::string& title, const std::string& text, MessageStyle style) override;
  TickedAnswer ShowWithDontAsk(const std::string& title, const std::string& text,
                               MessageStyle style) override;

 private:
  TickedAnswer Ask(const std::string& title, const std::string& text, MessageStyle style,
                   bool offerDontAsk);

  QWidget* parent_;
};

}  // namespace stavelorn
