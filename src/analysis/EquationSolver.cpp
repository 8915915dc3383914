// Gauss-Jordan elimination without pivoting, in place, in the engine's store type.
//
// Why the fast solver gives the same bits as the plain loop. Each new entry is
// round(s - f·p): s, f and p are stored values, the expression is evaluated in double and
// rounded once to the store type, and a zero result is stored as +0 (Arithmetic.h). The fast
// solver performs a subsequence of the plain loop's operations on each entry in the same order,
// omitting only operations with f = 0 (a row whose multiplier is zero) or p = 0 (the zero tail
// of the pivot row), and each operation reads the same f and p as in the plain loop (see the
// blocking below). While every stored value is finite, an omitted operation computes
// s - (±0) = s exactly for s ≠ 0, and +0 for s = +0; negative zeros are never stored. So, by
// induction over the operations, both solvers hold the same bits until a non-finite value first
// appears, and it appears in the same operation in both, since an omitted operation on finite
// operands cannot create one. A non-finite entry never becomes finite again (s - f·p and s/a
// with a finite positive pivot keep it non-finite, and columns left of the pivot are no longer
// written), so both solvers then fail. Pivot tests read the same bits and fail alike.
//
// Blocking. The fast solver takes the pivots in blocks of up to kMaxPivotsPerSweep and sweeps
// each row once per block, applying all the block's pivots to an entry before moving to the
// next; the plain loop sweeps every row once per pivot. Only the order of operations on
// different entries changes, which no result depends on; on each entry the pivots still come in
// increasing order. What remains is that every operation reads what the plain loop reads:
// - The multiplier f of row k for pivot i is entry (k, i) after pivots before i: the block's own
//   columns are reduced pivot by pivot, and f is read after the earlier pivots of the block.
// - The pivot row i must be read as pivot i left it (normalised, not yet reduced by the later
//   pivots of the block). The block's pivot rows are first reduced by the earlier pivots of the
//   block only and normalised one after the other; then every other row is swept; and only then
//   are the pivot rows themselves reduced by the later pivots, in increasing order of row, so
//   that pivot row i is changed only after every row has been reduced by pivot i.
// The pivot tests come in the same order as in the plain loop and read the same entries.
// EliminationKernels.cpp shows that the vector instructions of a sweep give the bits of the
// scalar steps.

#include "analysis/EquationSolver.h"

#include <algorithm>
#include <cmath>
#include <type_traits>
#include <vector>

#include "analysis/Arithmetic.h"
#include "analysis/EliminationKernels.h"
#include "analysis/RowTeam.h"

namespace stavelorn {

// A stable structure's stiffness matrix is positive definite: every pivot of the elimination is
// positive and no larger than the diagonal entry it was reduced from. The pivot of a mechanism
// is zero in exact arithmetic; in floating point it comes out as the cancellation residue of a
// diagonal entry less the terms removed from it, each of which is at most that entry, so its
// size is a few units of rounding times the diagonal entry, and each store type needs its own
// test.
//
// Single precision (units of 2^-24): 64 units (3.8e-6 of the diagonal entry) lie above that
// residue with room for a few dozen terms. A genuine structure can come below it: a frame whose
// axial stiffness is 1e5 times its bending stiffness reduces some pivots to about 2.4e-5 of their
// diagonal, and a portal with A/I = 1e6 to 1.2e-6, which single precision then cannot trust.
//
// Double precision (units of 2^-53 = 1.1e-16): 1e-11 is some 90,000 units, above the residue of
// a mechanism even after thousands of terms, and below the smallest pivot ratios of the stiff
// but stable structures this program meets. A fixed portal with 5 m columns and a 4 m beam
// reduces its sway pivot to 6.4e-7, 6.4e-9 and 6.4e-11 of its diagonal entry at A/I = 1e6, 1e8
// (also A = 10,000 in mm² against I = 1e-4 in m⁴) and 1e10, roughly 1/(A/I). At A/I = 1e12
// (6.4e-13) the displacements would carry relative errors of some 1e-4, and such a structure is
// reported as too ill-conditioned rather than solved.
const double kSinglePivotRatio = 64.0 / 16777216.0;
const double kDoublePivotRatio = 1e-11;

namespace {

template <typename Real>
bool AcceptablePivot(Calc pivot, Calc diagonal, int row, PivotFailure* failure) {
  // Written so that a NaN pivot or diagonal fails the test.
  if (pivot > 0 && pivot >= PivotRatioOf<Real>() * diagonal) return true;
  if (failure) *failure = {row, pivot / diagonal};
  return false;
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

// The half-bandwidth from which a sweep takes the most pivots (measured on this program's towers
// and lattices).
constexpr int kWideBand = 32;

// Unknowns times half-bandwidth from which a second thread is worth its hand-overs (two per block
// of pivots).
constexpr double kSharedWork = 65536;

// What the sweeps of one block of pivots need to know of each pivot row.
template <typename Real>
struct PivotBlock {
  int first = 0, last = 0;                    // the block's pivots
  const Real* rows[kMaxPivotsPerSweep] = {};  // pivot rows, normalised
  // The same rows widened to double, right of the block (zeros included).
  const double* wide[kMaxPivotsPerSweep] = {};
  int lastColumn[kMaxPivotsPerSweep] = {};  // last non-zero column of each
  Real loads[kMaxPivotsPerSweep] = {};      // their entries of P, normalised
};

// Float pivot rows widened to double, which is exact, once per block instead of at every row
// they are applied to: kMaxPivotsPerSweep rows of n + 1, zero where the pivot row is zero.
struct WideRows {
  std::vector<double> values;
  std::vector<int> nonZeroTo;  // last column of each row that may hold a non-zero
};

// Makes block.wide[b] the pivot row block.rows[b] in double, right of the block. A double row is
// used as it is; a float row is widened into `wide`, and what a previous row left beyond its
// last non-zero column is cleared, so that every column right of it reads 0.
template <typename Real>
void Widen(PivotBlock<Real>& block, int b, int n, WideRows& wide) {
  const Real* row = block.rows[b];
  if constexpr (std::is_same_v<Real, double>) {
    static_cast<void>(n);
    static_cast<void>(wide);
    block.wide[b] = row;
  } else {
    double* values =
        wide.values.data() + static_cast<std::size_t>(b) * (static_cast<std::size_t>(n) + 1);
    const int last = block.lastColumn[b];
    for (int j = block.last + 1; j <= last; ++j) values[j] = row[j];
    for (int j = std::max(last, block.last) + 1; j <= wide.nonZeroTo[b]; ++j) values[j] = 0;
    wide.nonZeroTo[b] = last;
    block.wide[b] = values;
  }
}

// Applies the block's pivots from..to, in order, to row k of S and P(k): first the block's
// own columns pivot by pivot (each multiplier is read once the earlier pivots have changed it),
// then the columns right of the block in one sweep of all the pivots whose multiplier is not 0.
template <typename Real>
void ApplyPivots(EquationSystem<Real>& system, const PivotBlock<Real>& block, int from, int to,
                 int k, VectorUnit unit) {
  Real* row = system.Row(k);
  const double* rows[kMaxPivotsPerSweep];
  double factors[kMaxPivotsPerSweep];
  int count = 0, last = block.last;
  for (int i = from; i <= to; ++i) {
    const int b = i - block.first;
    const Real f = row[i];
    if (f == 0) continue;
    const Real* pivot = block.rows[b];
    const int own = block.lastColumn[b] < block.last ? block.lastColumn[b] : block.last;
    for (int j = i; j <= own; ++j) row[j] = Store<Real>(Calc(row[j]) - Calc(f) * Calc(pivot[j]));
    system.P(k) = Store<Real>(Calc(system.P(k)) - Calc(f) * Calc(block.loads[b]));
    rows[count] = block.wide[b];
    factors[count++] = f;
    if (block.lastColumn[b] > last) last = block.lastColumn[b];
  }
  if (count > 0 && last > block.last)
    SubtractScaledRows(unit, row, rows, factors, count, block.last + 1, last);
}

}  // namespace

template <typename Real>
bool SolveGaussJordan(EquationSystem<Real>& system, VectorUnit unit, PivotFailure* failure) {
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
  // A narrow band takes smaller blocks: its rows are short and stay in the cache, and the
  // block's own columns, which go pivot by pivot, would be much of the work.
  int band = 0;
  for (int k = 1; k <= n; ++k) band = std::max(band, k - firstColumn[k]);
  const int perSweep = band >= kWideBand ? kMaxPivotsPerSweep : kMaxPivotsPerSweep / 2;

  // A long elimination with a wide band shares each sweep's rows with a second thread.
  RowTeam team(static_cast<double>(n) * band >= kSharedWork);
  WideRows widened;
  if (std::is_same_v<Real, float>) {
    widened.values.resize(kMaxPivotsPerSweep * (static_cast<std::size_t>(n) + 1));
    widened.nonZeroTo.resize(kMaxPivotsPerSweep);
  }
  for (int first = 1; first <= n; first += perSweep) {
    PivotBlock<Real> block;
    block.first = first;
    block.last = std::min(n, first + perSweep - 1);
    // The block's pivot rows, each reduced by the block's earlier pivots and then normalised.
    for (int i = block.first; i <= block.last; ++i) {
      ApplyPivots(system, block, block.first, i - 1, i, unit);
      const int b = i - block.first;
      Real* pivotRow = system.Row(i);
      const Real a = pivotRow[i];
      if (!AcceptablePivot<Real>(a, diagonal[i], i, failure)) return false;
      int last = n;
      while (last > i && pivotRow[last] == 0) --last;
      for (int j = i; j <= last; ++j) pivotRow[j] = Store<Real>(Calc(pivotRow[j]) / Calc(a));
      system.P(i) = Store<Real>(Calc(system.P(i)) / Calc(a));
      block.rows[b] = pivotRow;
      block.lastColumn[b] = last;
      block.loads[b] = system.P(i);
      Widen(block, b, n, widened);
    }
    // Every other row, while the pivot rows still hold what each pivot left in them.
    const int lastRow = std::max(lastRowReached[block.last], block.last);
    team.Split(lastRow, [&](int from, int to) {
      for (int k = from; k <= to; ++k)
        if (k < block.first || k > block.last)
          ApplyPivots(system, block, block.first, block.last, k, unit);
    });
    // Then the block's rows themselves, each from the pivot after its own, in increasing order so
    // that a pivot row is read before it is changed.
    for (int k = block.first; k < block.last; ++k)
      ApplyPivots(system, block, k + 1, block.last, k, unit);
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
    if (!AcceptablePivot<Real>(a, diagonal[i], i, nullptr)) return false;
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

template bool SolveGaussJordan(EquationSystem<float>&, VectorUnit, PivotFailure*);
template bool SolveGaussJordan(EquationSystem<double>&, VectorUnit, PivotFailure*);
template bool SolveGaussJordanPlain(EquationSystem<float>&);
template bool SolveGaussJordanPlain(EquationSystem<double>&);

}  // namespace stavelorn
