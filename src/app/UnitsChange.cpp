#include "app/UnitsChange.h"

#include "model/UnitConversion.h"

namespace stavelorn {

std::optional<bool> ChangeUnitsTo(ModelStore& model, const UnitSystem& chosen, Messages& messages) {
  if (chosen == model.Units) return std::nullopt;
  // Values can be converted only from units that were named; naming units for the first time,
  // or dropping them, changes no number.
  bool convert = false;
  if (model.Units.Named && chosen.Named && HasConvertibleValues(model)) {
    const int answer = messages.AskYesNoCancel(
        "Units", "Convert the project's values from " + UnitSystemText(model.Units) + " to " +
                     UnitSystemText(chosen) +
                     "?\n\nYes: every value is converted, and the structure stays the same.\n"
                     "No: the numbers stay as they are and are only relabelled.");
    if (answer == kAnswerCancel) return std::nullopt;
    convert = answer == kAnswerYes;
  }
  if (convert) {
    if (RunResult error = ConvertUnits(model, chosen)) {
      messages.ReportError("Units", *error);
      return std::nullopt;
    }
  } else {
    model.Units = chosen;
  }
  return convert;
}

}  // namespace stavelorn
