// The "Variations" section of a template of exercises: which values of the project may vary from
// one student's copy to the next, where each lives in the model, and the grid each is drawn from.
// A record names a section as the file labels it, a record and a field of it (1-based, fields
// counted across the record as the file writes them) and, for a load section of a project with
// load cases, the load case. Only fields that hold real numbers vary: the section table says which.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "model/ModelStore.h"
#include "model/SupportSprings.h"
#include "model/Units.h"

namespace stavelorn {

inline constexpr char kVariationsLabel[] = "Variations";

// A grid of more values than this is a slip of the step, not an exercise.
inline constexpr std::int64_t kMostGridValues = 100000;

// The fields of a variation's own record, for the messages.
enum VariationField {
  kVariationSectionField = 1,
  kVariationRecordField,
  kVariationFieldField,
  kVariationLowField,
  kVariationHighField,
  kVariationStepField,
  kVariationCaseField,
};

// The value a variation names and its quantity (none for an angle, which never converts).
struct VariedValue {
  float& Value;
  std::optional<Quantity> Measure;
};

// Whether the variation's section is a load section, whose records belong to a load case.
bool VariesLoadSection(const Variation& variation);

// The first fault of model.Variations[index] against the model and the variations before it: a
// section that is not one of the data's, a load case or record the project has not, a field
// outside the record or not a real number, a value varied twice, an empty or unsound range.
std::optional<RecordProblem> VariationProblem(ModelStore& model, std::size_t index);

// Calls `use` on the value a sound variation names, with its load case shown in the model's load
// tables for the call; the case shown before is shown again after it.
void WithVariedValue(ModelStore& model, const Variation& variation,
                     const std::function<void(VariedValue)>& use);

// How many values the grid Low, Low + Step, ... up to High holds (0 for an unsound range), and
// value `index` (0-based) of it.
std::int64_t GridSize(const Variation& variation);
float GridValue(const Variation& variation, std::int64_t index);

// "field 2 of record 6 of section "Joints"", naming the value a variation varies.
std::string VariedPlaceText(const Variation& variation);

}  // namespace stavelorn
