// Gaussian elimination of a symmetric band without pivoting, keeping the upper triangle only:
// pivot row i is left unscaled (it is row i of D·Lᵀ), row k > i within the band is reduced by
// l = s(i, k) / d_i times it, from column k on, and P(k) by l·P(i). By symmetry s(i, k) is the
// multiplier s(k, i) that the lower triangle would hold, so the lower triangle is never read.
// Then d_n ... d_1 are divided out from the bottom up.
//
// The multipliers come from the pivot rows, which are final once reduced, so a block of pivots
// can be applied to a row in one sweep: the row is read once per block instead of once per pivot.

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

// Reduces row k (and P(k)) by pivot rows first..last, in that order, each by the multiplier its
// own row holds for column k. Pivot row i holds columns up to i + b only, so the columns every
// pivot row holds go in one sweep and the few beyond first + b pivot by pivot.
void ApplyPivots(EquationSystem<double>& system, int first, int last, int k, VectorUnit unit) {
  const int n = system.Size(), b = system.HalfBandwidth();
  double* row = system.Row(k);
  const double* pivots[kMaxPivotsPerSweep];
  double factors[kMaxPivotsPerSweep];
  int used[kMaxPivotsPerSweep];
  int count = 0;
  for (int i = first; i <= last; ++i) {
    if (k > i + b) continue;  // outside the band of pivot row i
    const double* pivotRow = system.Row(i);
    const double f = pivotRow[k] / pivotRow[i];
    if (f == 0) continue;
    system.P(k) = system.P(k) - f * system.P(i) + 0.0;
    pivots[count] = pivotRow;
    factors[count] = f;
    used[count++] = i;
  }
  if (count == 0) return;
  const int common = std::min(n, first + b);
  SubtractScaledRows(unit, row, pivots, factors, count, k, common);
  for (int t = 0; t < count; ++t)
    for (int j = std::max(k, common + 1); j <= std::min(n, used[t] + b); ++j)
      row[j] = row[j] - factors[t] * pivots[t][j] + 0.0;
}

// Solves D·Lᵀ·d = y from the bottom up, with y given in `values` (0-based) and d left there.
void BackSubstitute(const EquationSystem<double>& factored, double* values) {
  const int n = factored.Size(), b = factored.HalfBandwidth();
  for (int i = n; i >= 1; --i) {
    const double* row = factored.Row(i);
    double sum = values[i - 1];
    for (int j = i + 1; j <= std::min(n, i + b); ++j) sum -= row[j] * values[j - 1];
    values[i - 1] = sum / row[i] + 0.0;
  }
}

}  // namespace

bool SolveBandedLdlt(EquationSystem<double>& system, PivotFailure* failure) {
  const int n = system.Size(), b = system.HalfBandwidth();
  if (n < 1) return true;
  const VectorUnit unit = FastestVectorUnit();
  std::vector<double> diagonal(static_cast<std::size_t>(n) + 1);
  for (int i = 1; i <= n; ++i) diagonal[i] = system.S(i, i);
  for (int first = 1; first <= n; first += kMaxPivotsPerSweep) {
    const int last = std::min(n, first + kMaxPivotsPerSweep - 1);
    // The block's pivot rows one after the other, each reduced by the block's earlier ones.
    for (int i = first; i <= last; ++i) {
      ApplyPivots(system, first, i - 1, i, unit);
      const double d = system.S(i, i);
      // Written so that a NaN pivot or diagonal fails the test.
      if (!(d > 0 && d >= kDoublePivotRatio * diagonal[i])) {
        if (failure) *failure = {i, d / diagonal[i]};
        return false;
      }
    }
    // Then every row the block's pivots reach, in one sweep for all of them.
    for (int k = last + 1; k <= std::min(n, last + b); ++k)
      ApplyPivots(system, first, last, k, unit);
  }
  BackSubstitute(system, &system.P(1));
  return AllFinite(system);
}

void SolveWithLdltFactor(const EquationSystem<double>& factored, std::vector<double>& values) {
  const int n = factored.Size(), b = factored.HalfBandwidth();
  if (n < 1 || values.size() != static_cast<std::size_t>(n)) return;
  // L⁻¹ first, column by column, with the multipliers the factorisation left in its pivot rows.
  for (int i = 1; i <= n; ++i) {
    const double* row = factored.Row(i);
    const double p = values[static_cast<std::size_t>(i - 1)];
    if (p == 0) continue;
    for (int k = i + 1; k <= std::min(n, i + b); ++k)
      values[static_cast<std::size_t>(k - 1)] -= row[k] / row[i] * p;
  }
  BackSubstitute(factored, values.data());
}

namespace {

// target -= multiplier · pivot, lane by lane, on distinct rows (restrict) so that the compiler
// sets the lanes side by side; a zero pivot value subtracts nothing.
void SubtractMultiple(double* __restrict target, const double* __restrict pivot, double multiplier,
                      std::size_t width) {
  for (std::size_t c = 0; c < width; ++c) target[c] -= pivot[c] != 0 ? multiplier * pivot[c] : 0.0;
}

}  // namespace

void SolveWithLdltFactor(const EquationSystem<double>& factored, std::vector<double>& values,
                         int count) {
  const int n = factored.Size(), b = factored.HalfBandwidth();
  const std::size_t m = static_cast<std::size_t>(count);
  if (n < 1 || count < 1 || values.size() != static_cast<std::size_t>(n) * m) return;
  // The vectors padded to a whole number of lanes of 4. Each lane's operations are the single
  // solution's, in its order.
  constexpr std::size_t kLanes = 4;
  const std::size_t width = (m + kLanes - 1) / kLanes * kLanes;
  std::vector<double> padded(static_cast<std::size_t>(n) * width);
  for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i)
    std::copy(values.begin() + static_cast<long>(i * m),
              values.begin() + static_cast<long>(i * m + m),
              padded.begin() + static_cast<long>(i * width));
  auto at = [&](int i) { return padded.data() + static_cast<std::size_t>(i - 1) * width; };
  // L⁻¹ column by column, as the single solution: each row i of the band below takes away its
  // multiple of row i (a zero load, which the single solution skips, takes away nothing).
  for (int i = 1; i <= n; ++i) {
    const double* row = factored.Row(i);
    const double* p = at(i);
    // No vector has a load here yet: every target would lose +0, which changes none.
    if (std::all_of(p, p + width, [](double value) { return value == 0; })) continue;
    for (int k = i + 1; k <= std::min(n, i + b); ++k)
      SubtractMultiple(at(k), p, row[k] / row[i], width);
  }
  // Back substitution from the last row up, 4 lanes at a time: their running values stay in
  // registers while the rows of the band pass by.
  for (int i = n; i >= 1; --i) {
    const double* row = factored.Row(i);
    const int last = std::min(n, i + b);
    double* result = at(i);
    for (std::size_t c = 0; c < width; c += kLanes) {
      double lane[kLanes];
      for (std::size_t l = 0; l < kLanes; ++l) lane[l] = result[c + l];
      for (int j = i + 1; j <= last; ++j) {
        const double* known = at(j) + c;
        for (std::size_t l = 0; l < kLanes; ++l) lane[l] -= row[j] * known[l];
      }
      for (std::size_t l = 0; l < kLanes; ++l) result[c + l] = lane[l] / row[i] + 0.0;
    }
  }
  for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i)
    std::copy(padded.begin() + static_cast<long>(i * width),
              padded.begin() + static_cast<long>(i * width + m),
              values.begin() + static_cast<long>(i * m));
}

}  // namespace stavelorn
