#include "editors/qt/DataEditors.h"

#include "editors/DataWindows.h"
#include "editors/qt/ListWindow.h"
#include "graphics/qt/PictureBox.h"

namespace stavelorn {

bool ShowListWindow(FormId form, ModelStore& model, Messages& messages, QWidget* parent) {
  DataWindow data = MakeDataWindow(form, model, messages);
  PictureBox* picture = nullptr;
  std::function<void()> draw;
  if (data.DrawPreview) {
    picture = new PictureBox;  // the list window takes it over
    draw = [&data, picture] { data.DrawPreview(*picture); };
  }
  ListWindow window(*data.Editor, parent, picture, draw);
  window.OfferLoadCases(model);
  const bool closed = window.exec() == QDialog::Accepted && window.Committed();
  // A switch of the load case stored the grid of the case it left, whatever closes the window.
  return closed || window.SwitchedCase();
}

}  // namespace stavelorn
