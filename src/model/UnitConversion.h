// Changing a project's units: converting every value to the new units, or only relabelling.
#pragma once

#include "model/ModelStore.h"
#include "model/RunError.h"
#include "model/Units.h"

namespace stavelorn {

// Whether the model holds any value a change of units could convert.
bool HasConvertibleValues(const ModelStore& model);

// Restates every input value of a model with named units in the named units `to`: each value
// is multiplied by the factor of its quantity (angles are left alone) and rounded once to single
// precision, and the model's units become `to`. The results of an earlier analysis no longer
// match the data: the caller drops them. Fails (error 5) when either system is unnamed, and (error
// 6) when a converted value would not fit a single; the model is then left exactly as it was.
RunResult ConvertUnits(ModelStore& model, const UnitSystem& to);

}  // namespace stavelorn
