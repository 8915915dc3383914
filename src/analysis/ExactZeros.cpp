#include "analysis/ExactZeros.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "model/StructType.h"

namespace stavelorn {

namespace {

enum Group { kTranslation, kRotation, kEndForce, kEndMoment, kReactionForce, kReactionMoment };
constexpr int kGroups = 6;

bool NumberedAlike(const StructureResults& stored, const AnalysisResults<double>& precise) {
  return stored.AnalysisStatus == kAnalysisComplete &&
         precise.AnalysisStatus == kAnalysisComplete && stored.DofCount == precise.DofCount &&
         stored.CoordNumbers == precise.CoordNumbers &&
         stored.JointDisplacements.Size() == precise.JointDisplacements.Size() &&
         stored.SupportReactions.Size() == precise.SupportReactions.Size() &&
         stored.MemberEndForces.Rows() == precise.MemberEndForces.Rows() &&
         stored.MemberEndForces.Cols() == precise.MemberEndForces.Cols();
}

// Calls visit(stored value, its double-precision value, its group) for every result.
// Displacements and reactions are found through the joint coordinates, which say whether a
// structure coordinate is a translation or a rotation.
template <typename Visit>
void ForEachResult(const ModelStore& model, const AnalysisResults<double>& precise,
                   StructureResults& stored, Visit visit) {
  const int perJoint = model.CoordsPerJoint;
  std::vector<bool> rotation(static_cast<std::size_t>(perJoint) + 1);
  for (int k = 1; k <= perJoint; ++k)
    rotation[static_cast<std::size_t>(k)] = IsRotation(model.StructType, k);
  for (int j = 1; j <= model.JointCount; ++j)
    for (int k = 1; k <= perJoint; ++k) {
      const int n = stored.CoordNumbers((j - 1) * perJoint + k);
      const bool turns = rotation[static_cast<std::size_t>(k)];
      if (n <= stored.DofCount)
        visit(stored.JointDisplacements(n), precise.JointDisplacements(n),
              turns ? kRotation : kTranslation);
      else
        visit(stored.SupportReactions(n - stored.DofCount),
              precise.SupportReactions(n - stored.DofCount),
              turns ? kReactionMoment : kReactionForce);
    }
  for (int m = 1; m <= stored.MemberEndForces.Rows(); ++m)
    for (int i = 1; i <= stored.MemberEndForces.Cols(); ++i) {
      const bool moment = rotation[static_cast<std::size_t>((i - 1) % perJoint + 1)];
      visit(stored.MemberEndForces(m, i), precise.MemberEndForces(m, i),
            moment ? kEndMoment : kEndForce);
    }
}

}  // namespace

void StoreExactZeros(const ModelStore& model, const AnalysisResults<double>& precise,
                     StructureResults& stored) {
  if (!NumberedAlike(stored, precise)) return;
  // Two passes over the results: the largest magnitude of each group, then the zeros.
  double largest[kGroups] = {};
  ForEachResult(model, precise, stored, [&largest](float&, double value, Group of) {
    largest[of] = std::max(largest[of], std::fabs(value));
  });
  ForEachResult(model, precise, stored, [&largest](float& value, double exact, Group of) {
    if (std::fabs(exact) <= kExactZeroFraction * largest[of]) value = 0.0f;
  });
}

}  // namespace stavelorn
