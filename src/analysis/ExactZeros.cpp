#include "analysis/ExactZeros.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/StructType.h"

namespace stavelorn {

namespace {

enum Group { kTranslation, kRotation, kEndForce, kEndMoment, kReactionForce, kReactionMoment };
constexpr int kGroups = 6;

// One result: where it is stored, its double-precision value and its group.
struct Entry {
  float* Stored;
  double Precise;
  Group Of;
};

bool NumberedAlike(const ModelStore& model, const AnalysisResults<double>& precise) {
  return model.AnalysisStatus == kAnalysisComplete && precise.AnalysisStatus == kAnalysisComplete &&
         model.DofCount == precise.DofCount && model.CoordNumbers == precise.CoordNumbers &&
         model.JointDisplacements.Size() == precise.JointDisplacements.Size() &&
         model.SupportReactions.Size() == precise.SupportReactions.Size() &&
         model.MemberEndForces.Rows() == precise.MemberEndForces.Rows() &&
         model.MemberEndForces.Cols() == precise.MemberEndForces.Cols();
}

}  // namespace

void StoreExactZeros(ModelStore& model, const AnalysisResults<double>& precise) {
  if (!NumberedAlike(model, precise)) return;
  const int perJoint = model.CoordsPerJoint;
  std::vector<Entry> entries;
  // Displacements and reactions are found through the joint coordinates, which say whether a
  // structure coordinate is a translation or a rotation.
  for (int j = 1; j <= model.JointCount; ++j)
    for (int k = 1; k <= perJoint; ++k) {
      const int n = model.CoordNumbers((j - 1) * perJoint + k);
      const bool rotation = IsRotation(model.StructType, k);
      if (n <= model.DofCount)
        entries.push_back({&model.JointDisplacements(n), precise.JointDisplacements(n),
                           rotation ? kRotation : kTranslation});
      else
        entries.push_back({&model.SupportReactions(n - model.DofCount),
                           precise.SupportReactions(n - model.DofCount),
                           rotation ? kReactionMoment : kReactionForce});
    }
  for (int m = 1; m <= model.MemberEndForces.Rows(); ++m)
    for (int i = 1; i <= model.MemberEndForces.Cols(); ++i) {
      const bool moment = IsRotation(model.StructType, (i - 1) % perJoint + 1);
      entries.push_back({&model.MemberEndForces(m, i), precise.MemberEndForces(m, i),
                         moment ? kEndMoment : kEndForce});
    }

  double largest[kGroups] = {};
  for (const Entry& e : entries) largest[e.Of] = std::max(largest[e.Of], std::fabs(e.Precise));
  for (const Entry& e : entries)
    if (std::fabs(e.Precise) <= kExactZeroFraction * largest[e.Of]) *e.Stored = 0.0f;
}

}  // namespace stavelorn
