#include "editors/DataWindows.h"

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
#include "graphics/Drawing.h"

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

DataWindow MakeDataWindow(FormId form, ModelStore& model, Messages& messages) {
  DataWindow window;
  window.Editor = EditorFor(form, model, messages);
  if (!window.Editor->Window().Preview) return window;
  // The editor is held by pointer, so the preview may refer to it wherever the window moves.
  const ListEditor* e = window.Editor.get();
  ModelStore* m = &model;
  Messages* msg = &messages;
  switch (form) {
    case FormId::JointA:
      window.DrawPreview = [m, e](Canvas& c) {
        DrawJointsPreview(*m, e->Grid(), e->ItemCount(), c);
      };
      break;
    case FormId::MemberA:
      window.DrawPreview = [m, e, msg](Canvas& c) {
        DrawMembersPreview(*m, e->Grid(), e->ItemCount(), c, *msg);
      };
      break;
    case FormId::JLoadA:
      window.DrawPreview = [m, e, msg](Canvas& c) {
        DrawJointLoadsPreview(*m, e->Grid(), e->ItemCount(), c, *msg);
      };
      break;
    case FormId::MemLoadA: {
      const auto* loads = static_cast<const MemberLoadEditor*>(e);  // made for MemLoadA above
      window.DrawPreview = [m, loads, msg](Canvas& c) {
        DrawMemberLoadsPreview(*m, *loads, c, *msg);
      };
      break;
    }
    default:
      // The other windows show the structure the data belong to.
      window.DrawPreview = [m, msg, form](Canvas& c) {
        PlotStructure(*m, StructureResults(), c, form, *msg);
      };
      break;
  }
  return window;
}

}  // namespace stavelorn
