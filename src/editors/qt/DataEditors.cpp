#include "editors/qt/DataEditors.h"

#include <memory>
#include <stdexcept>

#include "editors/EditorPreviews.h"
#include "editors/JointEditor.h"
#include "editors/JointLoadEditor.h"
#include "editors/LoadPreviews.h"
#include "editors/MaterialEditor.h"
#include "editors/MemberEditor.h"
#include "editors/MemberLoadEditor.h"
#include "editors/MemberValueEditor.h"
#include "editors/SectionEditor.h"
#include "editors/qt/ListWindow.h"
#include "graphics/Drawing.h"
#include "graphics/qt/PictureBox.h"

namespace stavelorn {

namespace {

std::unique_ptr<ListEditor> EditorFor(FormId form, ModelStore& model, Messages& messages) {
  switch (form) {
    case FormId::JointA: return std::make_unique<JointEditor>(model, messages);
    case FormId::MatA: return std::make_unique<MaterialEditor>(model, messages);
    case FormId::CrossA: return std::make_unique<SectionEditor>(model, messages);
    case FormId::MemberA: return std::make_unique<MemberEditor>(model, messages);
    case FormId::JLoadA:
      return std::make_unique<JointLoadEditor>(model, messages, JointData::Loads);
    case FormId::JSettleA:
      return std::make_unique<JointLoadEditor>(model, messages, JointData::Settlements);
    case FormId::MemLoadA: return std::make_unique<MemberLoadEditor>(model, messages);
    case FormId::MemTempA:
      return std::make_unique<MemberValueEditor>(model, messages, MemberData::TempChanges);
    case FormId::MemErrA:
      return std::make_unique<MemberValueEditor>(model, messages, MemberData::FabErrors);
    default: throw std::invalid_argument("no list window for this form");
  }
}

}  // namespace

bool ShowListWindow(FormId form, ModelStore& model, Messages& messages, QWidget* parent) {
  std::unique_ptr<ListEditor> editor = EditorFor(form, model, messages);
  ListEditor& e = *editor;
  PictureBox* picture = nullptr;
  std::function<void()> draw;
  if (e.Window().Preview) {
    picture = new PictureBox;  // the list window takes it over
    Canvas& canvas = *picture;
    if (form == FormId::JointA)
      draw = [&model, &e, &canvas] { DrawJointsPreview(model, e.Grid(), e.ItemCount(), canvas); };
    else if (form == FormId::MemberA)
      draw = [&model, &e, &messages, &canvas] {
        DrawMembersPreview(model, e.Grid(), e.ItemCount(), canvas, messages);
      };
    else if (form == FormId::JLoadA)
      draw = [&model, &e, &messages, &canvas] {
        DrawJointLoadsPreview(model, e.Grid(), e.ItemCount(), canvas, messages);
      };
    else if (form == FormId::MemLoadA)
      draw = [&model, &e, &messages, &canvas] {
        DrawMemberLoadsPreview(model, e.Grid(), e.ItemCount(), canvas, messages);
      };
    else
      draw = [&model, &messages, &canvas, form] { PlotStructure(model, canvas, form, messages); };
  }
  ListWindow window(e, parent, picture, draw);
  return window.exec() == QDialog::Accepted && window.Committed();
}

}  // namespace stavelorn
