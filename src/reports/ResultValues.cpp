#include "reports/ResultValues.h"

#include <cmath>

namespace stavelorn {

namespace {

int CoordNumber(const ModelStore& model, int joint, int k) {
  return model.CoordNumbers((joint - 1) * model.CoordsPerJoint + k);
}

}  // namespace

float ShownDisplacement(const ModelStore& model, int joint, int k) {
  int n = CoordNumber(model, joint, k);
  if (n <= model.DofCount) return model.JointDisplacements(n);
  for (int record = 1; record <= model.SettlementCount; ++record) {
    if (model.SettlementJoints(record) != joint) continue;
    float settlement = model.SettlementValues(record, k);
    return std::fabs(settlement) > 1E-10f ? settlement : 0.0f;
  }
  return 0.0f;
}

float ShownReaction(const ModelStore& model, int joint, int k) {
  int n = CoordNumber(model, joint, k);
  return n > model.DofCount ? model.SupportReactions(n - model.DofCount) : 0.0f;
}

}  // namespace stavelorn
