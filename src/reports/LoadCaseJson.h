// The results of a project's load cases, combinations and envelopes in the results JSON.
#pragma once

#include <string>
#include <vector>

#include "analysis/LoadCaseResults.h"
#include "model/ModelStore.h"

namespace stavelorn {

// ",\n \"loadCases\": [{\"name\": ..., \"jointDisplacements\": ..., \"memberEndForces\": ...,
// \"supportReactions\": ...}, ...],\n \"combinations\": [{\"name\": ..., \"factors\": [...], the
// same three keys}, ...],\n \"envelopes\": {\"jointDisplacements\": {\"max\": ..., \"min\": ...,
// \"maxBy\": ..., \"minBy\": ...}, the other two alike}": the three keys in the shapes of the
// top-level ones, the *By entries naming the case or combination (over the combinations, or the
// cases when there are none). With `withDiagrams` each entry also holds "diagrams" (as
// DiagramsJson) and the envelopes "diagrams": [{"member": m, "stations": [{"x": x, "max": {"M":
// ...}, "min": {...}, "maxBy": {"M": name}, "minBy": {...}}, ...]}, ...] at the union of every
// source's stations. "" when `cases` is empty (a project of one unnamed case) or any result is
// not complete.
std::string LoadCasesJson(const ModelStore& model, const std::vector<CaseResults>& cases,
                          const std::vector<CaseResults>& combinations, bool withDiagrams);

}  // namespace stavelorn
