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
  return window.exec() == QDialog::Accepted && window.Committed();
}

}  // namespace stavelorn
