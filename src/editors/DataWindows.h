// The list windows of the data menus, as the program decides them: which controller edits a kind
// of data and how its preview is drawn. The windows only instantiate the widgets around this.
#pragma once

#include <functional>
#include <memory>

#include "editors/ListEditor.h"
#include "graphics/Canvas.h"
#include "model/FormId.h"
#include "model/ModelStore.h"
#include "ui/Messages.h"

namespace stavelorn {

struct DataWindow {
  std::unique_ptr<ListEditor> Editor;
  // Draws the preview beside the grid from the editor's current grid; empty when the window has
  // no preview. It refers to the editor, the model and the messages, so it lives no longer than
  // they do.
  std::function<void(Canvas&)> DrawPreview;
};

// The list window `form` (JointA, MatA, CrossA, MemberA, JLoadA, MemLoadA, JSettleA, MemTempA or
// MemErrA) over `model`; throws std::invalid_argument for any other form.
DataWindow MakeDataWindow(FormId form, ModelStore& model, Messages& messages);

}  // namespace stavelorn
