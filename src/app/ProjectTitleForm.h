// The rules of the project title dialog (`ProjName`): what it shows when it opens and what OK
// stores. The window only displays this and forwards the user's choices.
#pragma once

#include <array>
#include <string>

#include "model/ModelStore.h"

namespace stavelorn {

struct TypeOption {
  const char* Name;     // control name, the type's TitleOption
  const char* Caption;  // the type's name
  const char* Code;     // the structure type it sets
};

// The six type options in the order the dialog lays them out.
const std::array<TypeOption, 6>& TypeOptions();

struct ProjectTitleForm {
  std::string Title;         // text of PrTitle
  std::string SelectedType;  // code of the selected option, "" when none is selected
  // Once joints, materials or sections exist the type can no longer change: only its own
  // option is shown.
  bool TypeLocked = false;
  // A project without a type yet must be given one.
  bool TypeRequired = false;

  // Why OK cannot store what the dialog holds, and which control to correct.
  struct Refusal {
    std::string Text;  // "" when OK may store
    bool AboutTitle = false;
  };

  static ProjectTitleForm Load(const ModelStore& model);
  bool OptionVisible(const TypeOption& option) const;
  // OK with an empty title, or with no type for a project that has none, is refused.
  Refusal Check() const;
  // OK: stores the title, and the selected type with its sizes (none selected: type unchanged).
  void Apply(ModelStore& model) const;
};

}  // namespace stavelorn
