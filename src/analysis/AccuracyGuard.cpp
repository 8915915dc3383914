#include "analysis/AccuracyGuard.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "model/StructType.h"

namespace stavelorn {

namespace {

struct KindSpread {
  double largest = 0;     // largest magnitude of the double-precision displacements
  double difference = 0;  // largest difference between the solutions

  double Ratio() const {
    if (largest > 0) return difference / largest;
    return difference == 0 ? 0 : INFINITY;
  }
};

}  // namespace

double DisplacementDisagreement(const ModelStore& model, const AnalysisResults<float>& single,
                                const AnalysisResults<double>& precise) {
  KindSpread kinds[2];  // translations, rotations
  const int perJoint = model.CoordsPerJoint;
  for (int j = 1; j <= model.JointCount; ++j)
    for (int k = 1; k <= perJoint; ++k) {
      const int n = precise.CoordNumbers((j - 1) * perJoint + k);
      if (n > precise.DofCount) continue;  // restrained: nothing was solved for it
      const double exact = precise.JointDisplacements(n);
      KindSpread& kind = kinds[IsRotation(model.StructType, k) ? 1 : 0];
      kind.largest = std::max(kind.largest, std::fabs(exact));
      kind.difference = std::max(kind.difference, std::fabs(single.JointDisplacements(n) - exact));
    }
  return std::max(kinds[0].Ratio(), kinds[1].Ratio());
}

std::string AccuracyNoteText(double disagreement) {
  const char* tail =
      " Single-precision arithmetic is not accurate enough for this structure, so the results "
      "shown come from a double-precision solution of the same equations.";
  if (!std::isfinite(disagreement))
    return std::string(
               "The single-precision solution moves joints in a way the double-precision "
               "solution of the same equations does not move them at all.") +
           tail;
  char size[64];
  std::snprintf(size, sizeof size, "%.3g %%", disagreement * 100);
  return std::string(
             "The single-precision displacements differ from a double-precision solution "
             "by up to ") +
         size + " of the largest displacement." + tail;
}

}  // namespace stavelorn
