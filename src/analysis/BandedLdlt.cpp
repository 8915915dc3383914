// Gaussian elimination of a symmetric band without pivoting, keeping the upper triangle only:
// pivot row i is left unscaled (it is row i of D·Lᵀ), row k > i within the band is reduced by
// l = s(i, k) / d_i times it, from column k on, and P(k) by l·P(i). By symmetry s(i, k) is the
// multiplier s(k, i) that the lower triangle would hold, so the lower triangle is never read.
// Then d_n ... d_1 are divided out from the bottom up.

#include "analysis/BandedLdlt.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/EliminationKernels.h"

namespace stavelorn {

namespace {

bool AllFinite(const EquationSystem<double>& system) {
  const int n = system.Size(), b = system.HalfBandwidth();
  for (int i = 1; i <= n; ++i) {
    const double* row = system.Row(i);
    for (int j = i; j <= std::min(n, i + b); ++j)
      if (!std::isfinite(row[j])) return false;
    if (!std::isfinite(system.P(i))) return false;
  }
  return true;
}

}  // namespace

bool SolveBandedLdlt(EquationSystem<double>& system) {
  const int n = system.Size(), b = system.HalfBandwidth();
  if (n < 1) return true;
  const VectorUnit unit = FastestVectorUnit();
  std::vector<double> diagonal(static_cast<std::size_t>(n) + 1);
  for (int i = 1; i <= n; ++i) diagonal[i] = system.S(i, i);
  for (int i = 1; i <= n; ++i) {
    const double* pivotRow = system.Row(i);
    const double d = pivotRow[i];
    // Written so that a NaN pivot or diagonal fails the test.
    if (!(d > 0 && d >= kPivotRatio * diagonal[i])) return false;
    int last = std::min(n, i + b);
    while (last > i && pivotRow[last] == 0) --last;
    const double* pivots[1] = {pivotRow};
    for (int k = i + 1; k <= last; ++k) {
      double* row = system.Row(k);
      const double f = pivotRow[k] / d;
      if (f == 0) continue;
      SubtractScaledRows(unit, row, pivots, &f, 1, k, last);
      system.P(k) = system.P(k) - f * system.P(i) + 0.0;
    }
  }
  for (int i = n; i >= 1; --i) {
    const double* row = system.Row(i);
    double sum = system.P(i);
    for (int j = i + 1; j <= std::min(n, i + b); ++j) sum -= row[j] * system.P(j);
    system.P(i) = sum / row[i] + 0.0;
  }
  return AllFinite(system);
}

}  // namespace stavelorn
