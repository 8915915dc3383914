#include "model/UnitConversion.h"

#include <cmath>
#include <functional>
#include <vector>

#include "model/ProjectSections.h"
#include "model/Variations.h"

namespace stavelorn {

namespace {

// Every input value with a quantity, then the lowest, highest and step of every variation of a
// value with one. A variation that no longer names a value (its record deleted since the file
// was read) is left as it is.
void ForEachConvertedValue(ModelStore& model, const std::function<void(float&, Quantity)>& visit) {
  ForEachInputValue(model, visit);
  for (std::size_t i = 0; i < model.Variations.size(); ++i) {
    if (VariationProblem(model, i)) continue;
    Variation& variation = model.Variations[i];
    WithVariedValue(model, variation, [&](VariedValue varied) {
      if (!varied.Measure) return;
      for (float* bound : {&variation.Low, &variation.High, &variation.Step})
        visit(*bound, *varied.Measure);
    });
  }
}

}  // namespace

bool HasConvertibleValues(const ModelStore& m) {
  for (const SectionRow& row : ProjectSections())
    for (const FieldGroup& group : row.Fields) {
      if (!group.QuantityOf) continue;
      if (RecordCount(row, m) > 0) return true;
      // A load section's count lives in each case's loads.
      if (row.PerLoadCase)
        for (int c = 1; c <= m.LoadCaseCount(); ++c)
          if (m.LoadsOfCase(c).*static_cast<std::int16_t LoadSet::*>(row.Count) > 0) return true;
    }
  return false;
}

RunResult ConvertUnits(ModelStore& model, const UnitSystem& to) {
  if (!model.Units.Named || !to.Named)
    return RunError{kErrInvalidCall,
                    "Invalid procedure call or argument: values convert only between named units"};
  // Every new value is worked out before any is stored, so a value that would overflow leaves
  // the whole model untouched rather than half converted.
  std::vector<float> converted;
  bool fits = true;
  ForEachConvertedValue(model, [&](float& value, Quantity quantity) {
    const long double exact = value * ConversionFactor(quantity, model.Units, to);
    const float rounded = static_cast<float>(exact);
    if (!std::isfinite(rounded)) fits = false;
    converted.push_back(rounded);
  });
  if (!fits)
    return RunError{kErrOverflow, "Overflow: a value of the project is too large to be stated in " +
                                      UnitSystemText(to) + " as a single-precision number"};
  std::size_t next = 0;
  ForEachConvertedValue(model, [&](float& value, Quantity) { value = converted[next++]; });
  model.Units = to;
  return std::nullopt;
}

}  // namespace stavelorn
