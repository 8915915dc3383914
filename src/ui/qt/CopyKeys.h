// Ctrl+C (the platform's Copy keys) on a grid puts the text of its selection on the clipboard.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace stavelorn {

// From now on the Copy keys pressed in `widget` put `selection()` on the clipboard, and the
// widget itself does not see them.
void CopyOnCopyKeys(QWidget* widget, std::function<QString()> selection);

}  // namespace stavelorn
