#include "reports/ResultValues.h"

#include "analysis/SupportResults.h"

namespace stavelorn {

float ShownDisplacement(const ModelStore& model, const StructureResults& results, int joint,
                        int k) {
  return DisplacementInGlobalAxes(model, results, joint, k);
}

float ShownReaction(const ModelStore& model, const StructureResults& results, int joint, int k) {
  return ReactionInGlobalAxes(model, results, joint, k);
}

float ShownReactionInSupportAxes(const ModelStore& model, const StructureResults& results,
                                 int joint, int k) {
  return ReactionInSupportAxes(model, results, joint, k);
}

}  // namespace stavelorn
