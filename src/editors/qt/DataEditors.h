// Opens the list window of one kind of data from the main window's data menus.
#pragma once

#include "model/FormId.h"
#include "model/ModelStore.h"
#include "ui/Messages.h"

class QWidget;

namespace stavelorn {

// Shows the list window `form` (JointA, MatA, CrossA, MemberA, JLoadA, MemLoadA, JSettleA,
// MemTempA or MemErrA) modally over `parent`. Returns
// true when it was closed with its Close button, which wrote its grid into the model; false
// for Cancel or the window's own close button, which leave the model as it was, unless its
// load-case selector switched the case, which stored the grid of the case it left.
bool ShowListWindow(FormId form, ModelStore& model, Messages& messages, QWidget* parent);

}  // namespace stavelorn
