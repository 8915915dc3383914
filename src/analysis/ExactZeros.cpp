#include "analysis/ExactZeros.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
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

// The entry `n` (1-based) of `values`, which holds `size` entries; an entry outside them throws
// as the tables do.
template <typename T>
T& Entry(T* values, int size, int n) {
  if (n < 1 || n > size)
    throw std::out_of_range("result " + std::to_string(n) + " outside 1.." + std::to_string(size));
  return values[n - 1];
}

// Calls visit(stored value, its double-precision value, its group) for every result.
// Displacements and reactions are found through the joint coordinates, which say whether a
// structure coordinate is a translation or a rotation. The tables are read straight from their
// storage: this runs once for every load case of a project.
template <typename Visit>
void ForEachResult(const ModelStore& model, const AnalysisResults<double>& precise,
                   StructureResults& stored, Visit visit) {
  const StructTypeInfo& type = model.TypeInfo();
  const int perJoint = model.CoordsPerJoint;
  const int dofs = stored.DofCount, coords = stored.CoordNumbers.Size();
  const int displacementCount = stored.JointDisplacements.Size();
  const int reactions = stored.SupportReactions.Size();
  const std::int16_t* numbers = stored.CoordNumbers.Data();
  float* displacements = stored.JointDisplacements.Data();
  const double* preciseDisplacements = precise.JointDisplacements.Data();
  float* reaction = stored.SupportReactions.Data();
  const double* preciseReaction = precise.SupportReactions.Data();
  for (int j = 1; j <= model.JointCount; ++j)
    for (int k = 1; k <= perJoint; ++k) {
      const int n = Entry(numbers, coords, (j - 1) * perJoint + k);
      const bool turns = CoordinateOf(type, k).Rotation;
      if (n <= dofs)
        visit(Entry(displacements, displacementCount, n),
              Entry(preciseDisplacements, displacementCount, n), turns ? kRotation : kTranslation);
      else
        visit(Entry(reaction, reactions, n - dofs), Entry(preciseReaction, reactions, n - dofs),
              turns ? kReactionMoment : kReactionForce);
    }
  const int cols = stored.MemberEndForces.Cols();
  std::vector<Group> columnGroup(static_cast<std::size_t>(cols));
  for (int i = 1; i <= cols; ++i)
    columnGroup[static_cast<std::size_t>(i - 1)] =
        CoordinateOf(type, (i - 1) % perJoint + 1).Rotation ? kEndMoment : kEndForce;
  float* forces = stored.MemberEndForces.Data();
  const double* preciseForces = precise.MemberEndForces.Data();
  const std::size_t width = columnGroup.size();
  const std::size_t entries = static_cast<std::size_t>(stored.MemberEndForces.Rows()) * width;
  for (std::size_t e = 0; e < entries;)
    for (std::size_t i = 0; i < width; ++i, ++e) visit(forces[e], preciseForces[e], columnGroup[i]);
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
