#include "analysis/SupportResults.h"

#include <cmath>

#include "analysis/MemberValues.h"
#include "model/SupportAxes.h"
#include "model/SupportSprings.h"

namespace stavelorn {

namespace {

int CoordNumber(const ModelStore& model, const StructureResults& results, int joint, int k) {
  return results.CoordNumbers((joint - 1) * model.CoordsPerJoint + k);
}

// Every coordinate of the joint by `value`, turned back to global axes; coordinate k of them.
template <typename Value>
float InGlobalAxes(const ModelStore& model, int joint, int k, Value value) {
  const JointTurn turn = model.SupportAngleCount > 0 ? JointTurnOf(model, joint) : JointTurn{};
  if (!turn.Turned() || (k != turn.First && k != turn.Second)) return value(k);
  MemberVector<double> values{};
  values[turn.First] = value(turn.First);
  values[turn.Second] = value(turn.Second);
  turn.ToGlobalAxes(values);
  return static_cast<float>(values[k]);
}

}  // namespace

float DisplacementInSupportAxes(const ModelStore& model, const StructureResults& results, int joint,
                                int k) {
  const int n = CoordNumber(model, results, joint, k);
  if (n <= results.DofCount) return results.JointDisplacements(n);
  for (int record = 1; record <= model.SettlementCount; ++record) {
    if (model.SettlementJoints(record) != joint) continue;
    const float settlement = model.SettlementValues(record, k);
    return std::fabs(settlement) > 1E-10f ? settlement : 0.0f;
  }
  return 0.0f;
}

float ReactionInSupportAxes(const ModelStore& model, const StructureResults& results, int joint,
                            int k) {
  const int n = CoordNumber(model, results, joint, k);
  if (n > results.DofCount) return results.SupportReactions(n - results.DofCount);
  if (model.SpringCount == 0) return 0.0f;
  const std::optional<float> stiffness = SpringAt(model, joint, k);
  if (!stiffness) return 0.0f;
  const double stretch =
      double{results.JointDisplacements(n)} - double{SpringBaseSettlement(model, joint, k)};
  return static_cast<float>(-double{*stiffness} * stretch);
}

float DisplacementInGlobalAxes(const ModelStore& model, const StructureResults& results, int joint,
                               int k) {
  return InGlobalAxes(model, joint, k,
                      [&](int c) { return DisplacementInSupportAxes(model, results, joint, c); });
}

float ReactionInGlobalAxes(const ModelStore& model, const StructureResults& results, int joint,
                           int k) {
  return InGlobalAxes(model, joint, k,
                      [&](int c) { return ReactionInSupportAxes(model, results, joint, c); });
}

}  // namespace stavelorn
