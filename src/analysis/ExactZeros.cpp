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

// One result: where it is stored, its double-precision value and its group.
struct Entry {
  float* Stored;
  double Precise;
  Group Of;
};

bool NumberedAlike(const StructureResults& stored, const AnalysisResults<double>& precise) {
  return stored.AnalysisStatus == kAnalysisComplete &&
         precise.AnalysisStatus == kAnalysisComplete && stored.DofCount == precise.DofCount &&
         stored.CoordNumbers == precise.CoordNumbers &&
         stored.JointDisplacements.Size() == precise.JointDisplacements.Size() &&
         stored.SupportReactions.Size() == precise.SupportReactions.Size() &&
         stored.MemberEndForces.Rows() == precise.MemberEndForces.Rows() &&
         stored.MemberEndForces.Cols() == precise.MemberEndForces.Cols();
}

}  // namespace

void StoreExactZeros(const ModelStore& model, const AnalysisResults<double>& precise,
                     StructureResults& stored) {
  if (!NumberedAlike(stored, precise)) return;
  const int perJoint = model.CoordsPerJoint;
  std::vector<bool> rotation(static_cast<std::size_t>(perJoint) + 1);
  for (int k = 1; k <= perJoint; ++k)
    rotation[static_cast<std::size_t>(k)] = IsRotation(model.StructType, k);
  std::vector<Entry> entries;
  entries.reserve(static_cast<std::size_t>(model.JointCount) * perJoint +
                  static_cast<std::size_t>(stored.MemberEndForces.Rows()) *
                      stored.MemberEndForces.Cols());
  // Displacements and reactions are found through the joint coordinates, which say whether a
  // structure coordinate is a translation or a rotation.
  for (int j = 1; j <= model.JointCount; ++j)
    for (int k = 1; k <= perJoint; ++k) {
      const int n = stored.CoordNumbers((j - 1) * perJoint + k);
      const bool turns = rotation[static_cast<std::size_t>(k)];
      if (n <= stored.DofCount)
        entries.push_back({&stored.JointDisplacements(n), precise.JointDisplacements(n),
                           turns ? kRotation : kTranslation});
      else
        entries.push_back({&stored.SupportReactions(n - stored.DofCount),
                           precise.SupportReactions(n - stored.DofCount),
                           turns ? kReactionMoment : kReactionForce});
    }
  for (int m = 1; m <= stored.MemberEndForces.Rows(); ++m)
    for (int i = 1; i <= stored.MemberEndForces.Cols(); ++i) {
      const bool moment = rotation[static_cast<std::size_t>((i - 1) % perJoint + 1)];
      entries.push_back({&stored.MemberEndForces(m, i), precise.MemberEndForces(m, i),
                         moment ? kEndMoment : kEndForce});
    }

  double largest[kGroups] = {};
  for (const Entry& e : entries) largest[e.Of] = std::max(largest[e.Of], std::fabs(e.Precise));
  for (const Entry& e : entries)
    if (std::fabs(e.Precise) <= kExactZeroFraction * largest[e.Of]) *e.Stored = 0.0f;
}

}  // namespace stavelorn
