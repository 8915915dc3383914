// What the results windows, diagrams, deformed shape, tooltips and Step by Step show of a project
// with load cases: one case, one combination or the envelope of them, as chosen in "Show:".
#pragma once

#include <string>
#include <vector>

#include "analysis/LoadCaseResults.h"
#include "model/ModelStore.h"

namespace stavelorn {

enum class ShownKind { Case, Combination, Envelope };

struct ShownChoice {
  ShownKind Kind = ShownKind::Case;
  int Index = 0;  // the case (1-based) or the combination (0-based); 0 for the envelope
  std::string Caption;
};

// The choices after an analysis with `cases` and `combinations` (AnalysisRun): every case, every
// combination, then the envelope over the combinations (over the cases when there are none) when
// it has at least two of them. None for a project of one case.
std::vector<ShownChoice> ShownChoicesOf(const ModelStore& model,
                                        const std::vector<CaseResults>& cases,
                                        const std::vector<CaseResults>& combinations);

// Why Step by Step cannot show `choice`, given whether the analysis kept its method steps
// (`hasTrail`: each load case's, when it kept any); "" when it can.
std::string NoTrailReason(const ModelStore& model, const ShownChoice& choice, bool hasTrail);

}  // namespace stavelorn
