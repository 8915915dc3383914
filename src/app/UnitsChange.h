// Project > Units… once the user has chosen: naming, changing or dropping the project's units.
// Between two named systems a project with values is asked whether to convert them (the
// structure stays the same) or only relabel them. Shared by the window's command and the page.
#pragma once

#include <optional>

#include "model/ModelStore.h"
#include "model/Units.h"
#include "ui/Messages.h"

namespace stavelorn {

// Puts `chosen` into `model`, asking through `messages` where values could be converted; returns
// whether the values were converted, or nothing when nothing changed (the same units, the
// question called off, or a conversion that failed, which `messages` reported).
std::optional<bool> ChangeUnitsTo(ModelStore& model, const UnitSystem& chosen, Messages& messages);

}  // namespace stavelorn
