// The row of OK (the default) and Cancel buttons at the foot of a small dialog, wired to accept
// and reject it.
#pragma once

class QDialog;
class QHBoxLayout;

namespace stavelorn {

QHBoxLayout* OkCancelButtons(QDialog* dialog);

}  // namespace stavelorn
