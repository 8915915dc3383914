#include "reports/ResultValues.h"

#include <cmath>

namespace stavelorn {

namespace {

int CoordNumber(const ModelStore& model, const StructureResults& results, int joint, int k) {
  return results.CoordNumbers((joint - 1) * model.CoordsPerJoint + k);
}

}  // namespace

float ShownDisplacement(const ModelStore& model, const StructureResults& results, int joint,
                        int k) {
  int n = CoordNumber(model, results, joint, k);
  if (n <= results.DofCount) return results.JointDisplacements(n);
  for (int record = 1; record <= model.SettlementCount; ++record) {
    if (model.SettlementJoints(record) != joint) continue;
    float settlement = model.SettlementValues(record, k);
    return std::fabs(settlement) > 1E-10f ? settlement : 0.0f;
  }
  return 0.0f;
}

float ShownReaction(const ModelStore& model, const StructureResults& results, int joint, int k) {
  int n = CoordNumber(model, results, joint, k);
  return n > results.DofCount ? results.SupportReactions(n - results.DofCount) : 0.0f;
}

}  // namespace stavelorn
