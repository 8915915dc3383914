#include "editors/qt/DataEditors.h"

#include <memory>
#include <stdexcept>

#include "editors/EditorPreviews.h"
#include "editors/JointEditor.h"
#include "editors/MaterialEditor.h"
#include "editors/MemberEditor.h"
#include "editors/SectionEditor.h"
#include "editors/qt/ListWindow.h"
#include "graphics/qt/PictureBox.h"

namespace stavelorn {

namespace {

std::unique_ptr<ListEditor> EditorFor(FormId form, ModelStore& model, Messages& messages) {
  switch (form) {
    case FormId::JointA: return std::make_unique<JointEditor>(model, messages);
    case FormId::MatA: return std::make_unique<MaterialEditor>(model, messages);
    case FormId::CrossA: return std::make_unique<SectionEditor>(model, messages);
    case FormId::MemberA: return std::make_unique<MemberEditor>(model, messages);
    default: throw std::invalid_argument("no list window for this form");
  }
}

}  // namespace

bool ShowListWindow(FormId form, ModelStore& model, Messages& messages, QWidget* parent) {
  std::unique_ptr<ListEditor> editor = EditorFor(form, model, messages);
  ListEditor& e = *editor;
  PictureBox* picture = nullptr;
  std::function<void()> draw;
  if (form == FormId::JointA || form == FormId::MemberA) {
    picture = new PictureBox;  // the list window takes it over
    if (form == FormId::JointA)
      draw = [&model, &e, picture] { DrawJointsPreview(model, e.Grid(), e.ItemCount(), *picture); };
    else
      draw = [&model, &e, &messages, picture] {
        DrawMembersPreview(model, e.Grid(), e.ItemCount(), *picture, messages);
      };
  }
  ListWindow window(e, parent, picture, draw);
  return window.exec() == QDialog::Accepted && window.Committed();
}

}  // namespace stavelorn
