// The row of OK (the default) and Cancel buttons at the foot of a small dialog, wired to accept
// and reject it; and a button of a larger window that Return does not press.
#pragma once

class QDialog;
class QHBoxLayout;
class QPushButton;
class QWidget;

namespace stavelorn {

QHBoxLayout* OkCancelButtons(QDialog* dialog);

// A button of `parent` with its caption, object name and spoken name, never the default.
QPushButton* WindowButton(QWidget* parent, const char* caption, const char* name,
                          const char* spoken);

}  // namespace stavelorn
