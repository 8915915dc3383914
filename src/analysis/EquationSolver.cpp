// Gauss-Jordan elimination without pivoting, in place, in the engine's store type.
//
// Why the fast solver gives the same bits as the plain loop. Each new entry is
// round(s - f·p): s, f and p are stored values, the expression is evaluated in double and
// rounded once to the store type, and a zero result is stored as +0 (Arithmetic.h). The fast
// solver performs a subsequence of the plain loop's operations in the same order, omitting only
// operations with f = 0 (a row whose multiplier is zero) or p = 0 (the zero tail of the pivot
// row). While every
// stored value is finite, such an operation computes s - (±0) = s exactly for s ≠ 0, and +0 for
// s = +0; negative zeros are never stored. So, by induction over the operations, both solvers
// hold the same bits until a non-finite value first appears, and it appears in the same
// operation in both, since an omitted operation on finite operands cannot create one. A
// non-finite entry never becomes finite again (s - f·p and s/a with a finite positive pivot
// keep it non-finite, and columns left of the pivot are no longer written), so both solvers
// then fail. Pivot tests read the same bits and fail alike.

#include "analysis/EquationSolver.h"

#include <cmath>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "analysis/Arithmetic.h"

namespace stavelorn {

// A stable structure's stiffness matrix is positive definite: every pivot of the elimination is
// positive and no larger than the diagonal entry it was reduced from. The pivot of a mechanism
// is zero in exact arithmetic; in single precision it comes out as the cancellation residue of
// a diagonal entry less the terms removed from it, each of which is at most that entry, so its
// size is a few units of single-precision rounding (2^-24) times the diagonal entry. 64 such
// units (3.8e-6 of the diagonal entry) lie above that residue with room for a few dozen terms,
// yet well below the smallest pivot ratios of genuine structures: a frame whose axial stiffness
// is 1e5 times its bending stiffness reduces some pivots to about 2.4e-5 of their diagonal.
const double kPivotRatio = 64.0 / 16777216.0;

namespace {

bool AcceptablePivot(Calc pivot, Calc diagonal) {
  // Written so that a NaN pivot or diagonal fails the test.
  return pivot > 0 && pivot >= kPivotRatio * diagonal;
}

// Whether every entry of P, and of each row i of S from column firstColumn[i] on, is finite.
template <typename Real>
bool AllFinite(const EquationSystem<Real>& system, const std::vector<int>& firstColumn) {
  const int n = system.Size();
  for (int i = 1; i <= n; ++i) {
    const Real* row = system.Row(i);
    for (int j = firstColumn[i]; j <= n; ++j)
      if (!std::isfinite(row[j])) return false;
    if (!std::isfinite(system.P(i))) return false;
  }
  return true;
}

// row[j] = round(row[j] - f·pivot[j]) for j = first..last: one row of the elimination.
template <typename Real>
void SubtractScaledRowScalar(Real* row, const Real* pivot, Real f, int first, int last) {
  for (int j = first; j <= last; ++j) row[j] = Store<Real>(Calc(row[j]) - Calc(f) * Calc(pivot[j]));
}

template <typename Real>
void SubtractScaledRow(Real* row, const Real* pivot, Real f, int first, int last) {
  SubtractScaledRowScalar(row, pivot, f, first, last);
}

#if defined(__SSE2__)
// The same operations four floats at a time: widened to double, multiplied, subtracted,
// rounded back to float and added to +0, exactly as the scalar expression does.
template <>
void SubtractScaledRow<float>(float* row, const float* pivot, float f, int first, int last) {
  const __m128d factor = _mm_set1_pd(f);
  const __m128 zero = _mm_setzero_ps();
  int j = first;
  for (; j + 3 <= last; j += 4) {
    const __m128 s = _mm_loadu_ps(row + j);
    const __m128 p = _mm_loadu_ps(pivot + j);
    const __m128d low = _mm_sub_pd(_mm_cvtps_pd(s), _mm_mul_pd(factor, _mm_cvtps_pd(p)));
    const __m128d high = _mm_sub_pd(_mm_cvtps_pd(_mm_movehl_ps(s, s)),
                                    _mm_mul_pd(factor, _mm_cvtps_pd(_mm_movehl_ps(p, p))));
    const __m128 result = _mm_movelh_ps(_mm_cvtpd_ps(low), _mm_cvtpd_ps(high));
    _mm_storeu_ps(row + j, _mm_add_ps(result, zero));
  }
  SubtractScaledRowScalar(row, pivot, f, j, last);
}

template <>
void SubtractScaledRow<double>(double* row, const double* pivot, double f, int first, int last) {
  const __m128d factor = _mm_set1_pd(f);
  const __m128d zero = _mm_setzero_pd();
  int j = first;
  for (; j + 1 <= last; j += 2) {
    const __m128d result =
        _mm_sub_pd(_mm_loadu_pd(row + j), _mm_mul_pd(factor, _mm_loadu_pd(pivot + j)));
    _mm_storeu_pd(row + j, _mm_add_pd(result, zero));
  }
  SubtractScaledRowScalar(row, pivot, f, j, last);
}
#endif

}  // namespace

template <typename Real>
bool SolveGaussJordan(EquationSystem<Real>& system) {
  const int n = system.Size();
  if (n < 1) return true;
  std::vector<Real> diagonal(static_cast<std::size_t>(n) + 1);
  // Below its first non-zero column a row stays zero through the elimination (it is changed
  // only by pivots it has a non-zero multiplier for), so rows below the pivot whose first
  // non-zero column lies right of it have a zero multiplier and need not even be looked at.
  // The same holds for the final test for non-finite values: nothing left of a row's first
  // non-zero column is ever written.
  std::vector<int> firstColumn(static_cast<std::size_t>(n) + 1, 1);
  std::vector<int> lastRowReached(static_cast<std::size_t>(n) + 1, 0);
  for (int k = 1; k <= n; ++k) {
    const Real* row = system.Row(k);
    diagonal[k] = row[k];
    int& first = firstColumn[k];
    while (first < k && row[first] == 0) ++first;
    lastRowReached[first] = k;  // rows are visited in increasing order
  }
  for (int i = 2; i <= n; ++i)
    if (lastRowReached[i] < lastRowReached[i - 1]) lastRowReached[i] = lastRowReached[i - 1];

  for (int i = 1; i <= n; ++i) {
    Real* pivotRow = system.Row(i);
    const Real a = pivotRow[i];
    if (!AcceptablePivot(a, diagonal[i])) return false;
    int last = n;
    while (last > i && pivotRow[last] == 0) --last;
    for (int j = i; j <= last; ++j) pivotRow[j] = Store<Real>(Calc(pivotRow[j]) / Calc(a));
    system.P(i) = Store<Real>(Calc(system.P(i)) / Calc(a));
    const Real pivotLoad = system.P(i);
    const int lastRow = lastRowReached[i] > i ? lastRowReached[i] : i;
    for (int k = 1; k <= lastRow; ++k) {
      if (k == i) continue;
      Real* row = system.Row(k);
      const Real f = row[i];
      if (f == 0) continue;
      SubtractScaledRow(row, pivotRow, f, i, last);
      system.P(k) = Store<Real>(Calc(system.P(k)) - Calc(f) * Calc(pivotLoad));
    }
  }
  return AllFinite(system, firstColumn);
}

template <typename Real>
bool SolveGaussJordanPlain(EquationSystem<Real>& system) {
  const int n = system.Size();
  if (n < 1) return true;
  std::vector<Real> diagonal(static_cast<std::size_t>(n) + 1);
  for (int k = 1; k <= n; ++k) diagonal[k] = system.S(k, k);
  for (int i = 1; i <= n; ++i) {
    const Real a = system.S(i, i);
    if (!AcceptablePivot(a, diagonal[i])) return false;
    for (int j = i; j <= n; ++j) system.S(i, j) = Store<Real>(Calc(system.S(i, j)) / Calc(a));
    system.P(i) = Store<Real>(Calc(system.P(i)) / Calc(a));
    for (int k = 1; k <= n; ++k) {
      if (k == i) continue;
      const Real f = system.S(k, i);
      for (int j = i; j <= n; ++j)
        system.S(k, j) = Store<Real>(Calc(system.S(k, j)) - Calc(f) * Calc(system.S(i, j)));
      system.P(k) = Store<Real>(Calc(system.P(k)) - Calc(f) * Calc(system.P(i)));
    }
  }
  return AllFinite(system, std::vector<int>(static_cast<std::size_t>(n) + 1, 1));
}

template bool SolveGaussJordan(EquationSystem<float>&);
template bool SolveGaussJordan(EquationSystem<double>&);
template bool SolveGaussJordanPlain(EquationSystem<float>&);
template bool SolveGaussJordanPlain(EquationSystem<double>&);

}  // namespace stavelorn
