#include "editors/LoadCaseSelector.h"

namespace stavelorn {

bool IsLoadForm(FormId form) {
  switch (form) {
    case FormId::JLoadA:
    case FormId::JLoadB:
    case FormId::MemLoadA:
    case FormId::MemLoadB:
    case FormId::JSettleA:
    case FormId::JSettleB:
    case FormId::MemTempA:
    case FormId::MemTempB:
    case FormId::MemErrA:
    case FormId::MemErrB: return true;
    default: return false;
  }
}

LoadCaseSelector LoadCaseSelectorOf(const ModelStore& model, FormId form) {
  LoadCaseSelector selector;
  selector.Shown = IsLoadForm(form) && model.HasLoadCases();
  for (int c = 1; c <= model.LoadCaseCount(); ++c) {
    const std::string name = model.LoadCaseName(c);
    selector.Choices.push_back(std::to_string(c) + (name.empty() ? "" : ": " + name));
  }
  selector.Current = model.CurrentLoadCase - 1;
  return selector;
}

void ShowLoadCaseInList(ListEditor& editor, ModelStore& model, int c) {
  if (c == model.CurrentLoadCase || c < 1 || c > model.LoadCaseCount()) return;
  editor.Close();
  model.SelectLoadCase(c);
  editor.Open();
}

}  // namespace stavelorn
