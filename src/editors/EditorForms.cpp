#include "editors/EditorForms.h"

#include "ui/AccessibleNames.h"

namespace stavelorn {

const char* EditorFormName(FormId id) {
  switch (id) {
    case FormId::JointA: return "JointA";
    case FormId::JointB: return "JointB";
    case FormId::MatA: return "MatA";
    case FormId::MatB: return "MatB";
    case FormId::CrossA: return "CrossA";
    case FormId::CrossB: return "CrossB";
    case FormId::MemberA: return "MemberA";
    case FormId::MemberB: return "MemberB";
    case FormId::JLoadA: return "JLoadA";
    case FormId::JLoadB: return "JLoadB";
    case FormId::MemLoadA: return "MemLoadA";
    case FormId::MemLoadB: return "MemLoadB";
    case FormId::JSettleA: return "JSettleA";
    case FormId::JSettleB: return "JSettleB";
    case FormId::MemTempA: return "MemTempA";
    case FormId::MemTempB: return "MemTempB";
    case FormId::MemErrA: return "MemErrA";
    case FormId::MemErrB: return "MemErrB";
    default: return "";
  }
}

std::string SpringSpokenName(const EntryCheck& check) {
  return SpokenCaption(check.Caption) + " spring";
}

}  // namespace stavelorn
