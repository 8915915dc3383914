// The structure stiffness relation S·d = P, held in full or as a band about the diagonal, and its
// solution by Gauss-Jordan elimination without pivoting, done in place (P ends holding the
// displacements d). The banded form is solved by BandedLdlt.h.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>
#include <vector>

#include "analysis/EliminationKernels.h"

namespace stavelorn {

// The stiffness matrix S (n x n, stored row by row, in full or, S being symmetric, only the
// diagonal and the entries up to a half-bandwidth right of it) and the load vector P (n) of one
// analysis, both indexed from 1
// like every array of the model. Forces and lengths are in the
// user's units; S holds force per unit displacement, P forces before and displacements after
// the solution.
template <typename Real>
class EquationSystem {
 public:
  EquationSystem() = default;
  EquationSystem(const EquationSystem& other)
      : n_(other.n_),
        band_(other.band_),
        width_(other.width_),
        s_(Allocate(other.Entries(), false)),
        p_(other.p_) {
    if (n_ > 0) std::memcpy(s_.get(), other.s_.get(), Entries() * sizeof(Real));
  }
  EquationSystem(EquationSystem&&) noexcept = default;
  EquationSystem& operator=(EquationSystem other) noexcept {
    std::swap(n_, other.n_);
    std::swap(band_, other.band_);
    std::swap(width_, other.width_);
    std::swap(s_, other.s_);
    std::swap(p_, other.p_);
    return *this;
  }

  // Discards the contents and makes S n x n and P n long, every entry 0 (empty for n <= 0).
  // Entries more than `reach` left of the diagonal (by default none) are expected to stay 0 (see
  // WriteZeros). Throws std::bad_alloc when the memory cannot be had.
  void Redim(int n, int reach = std::numeric_limits<int>::max()) {
    Resize(n, n - 1);
    WriteZeros(reach);
  }

  // The same, keeping of S only the upper band: the entries (row, col) with
  // row <= col <= row + halfBandwidth, the others being 0 or, left of the diagonal, their mirror
  // images; held in full when that is no smaller. Only entries of the band are to be written.
  void RedimBanded(int n, int halfBandwidth) {
    Resize(n, halfBandwidth, true);
    WriteZeros(band_);
  }

  int Size() const { return n_; }
  // The largest |row - col| of an entry held (Size() - 1 for a full matrix).
  int HalfBandwidth() const { return band_; }
  // Whether only the upper band is held (entries left of the diagonal are not).
  bool IsBanded() const { return width_ < static_cast<std::size_t>(n_); }

  // Bytes of S as RedimBanded(n, halfBandwidth) allocates it (Redim(n) for halfBandwidth n).
  static std::uint64_t MatrixBytes(std::uint64_t n, std::uint64_t halfBandwidth) {
    return n * (halfBandwidth < n ? halfBandwidth + 1 : n) * sizeof(Real);
  }
  // Entries for 1 <= row, col <= Size() within the band; callers keep within it (the engine
  // does so by testing each code number against the number of free coordinates, and by sizing
  // the band from the members' code numbers).
  Real& S(int row, int col) { return Row(row)[col]; }
  Real S(int row, int col) const { return Row(row)[col]; }
  // Any entry of the symmetric S, also left of the diagonal or outside the band of a banded one.
  Real Entry(int row, int col) const {
    if (!IsBanded()) return S(row, col);
    if (col < row) std::swap(row, col);
    return col - row <= band_ ? S(row, col) : Real(0);
  }
  Real& P(int i) { return p_[Offset(i)]; }
  Real P(int i) const { return p_[Offset(i)]; }

  // Row `row` of S as an array indexed by column (only the columns of the band are part of it).
  Real* Row(int row) { return s_.get() + RowStart(row); }
  const Real* Row(int row) const { return s_.get() + RowStart(row); }

 private:
  struct Free {
    void operator()(Real* p) const { std::free(p); }
  };
  using Storage = std::unique_ptr<Real[], Free>;

  void Resize(int n, int halfBandwidth, bool upperBand = false) {
    s_.reset();
    n_ = n > 0 ? n : 0;
    band_ = std::max(0, std::min(halfBandwidth, n_ - 1));
    width_ = upperBand && static_cast<std::size_t>(band_) + 1 < static_cast<std::size_t>(n_)
                 ? static_cast<std::size_t>(band_) + 1
                 : static_cast<std::size_t>(n_);
    s_ = Allocate(Entries(), true);
    p_.assign(static_cast<std::size_t>(n_), Real(0));
  }

  // S comes zeroed from calloc, untouched. But a page that is read before it is written (as
  // every s = s + k of the assembly is) first maps the system's shared zero page, and the write
  // that follows must replace that mapping and flush it from every processor running the
  // program: an interrupt to the core of the other precision's run, for every page. Writing the
  // zeros of the band first (within `reach` of the diagonal), where the assembly adds while both
  // runs are under way, makes each of its pages' first touch a write. Pages outside the band are
  // taken only if the elimination fills them in, and those left of it never.
  void WriteZeros(int reach) {
    for (int row = 1; row <= n_; ++row) {
      const int first = IsBanded() ? row : row - 1 > reach ? row - reach : 1;
      const int last = n_ - row > reach ? row + reach : n_;
      std::fill(Row(row) + first, Row(row) + last + 1, Real(0));
    }
  }

  std::size_t Entries() const { return static_cast<std::size_t>(n_) * width_; }
  static std::size_t Offset(int index) { return static_cast<std::size_t>(index - 1); }
  // Where column 0 of a row would be: a full row starts at column 1, a banded row at its diagonal,
  // and columns follow one another.
  std::ptrdiff_t RowStart(int row) const {
    const std::ptrdiff_t first = IsBanded() ? row : 1;
    return static_cast<std::ptrdiff_t>(Offset(row) * width_) - first;
  }

  // S lives in memory that the system hands out already zeroed (calloc), so the entries the
  // elimination never reaches (most of a banded matrix below its band) are never even touched.
  static Storage Allocate(std::size_t entries, bool zeroed) {
    if (entries == 0) return nullptr;
    void* memory =
        zeroed ? std::calloc(entries, sizeof(Real)) : std::malloc(entries * sizeof(Real));
    if (!memory) throw std::bad_alloc();
    return Storage(static_cast<Real*>(memory));
  }

  int n_ = 0;
  int band_ = 0;           // half-bandwidth held
  std::size_t width_ = 0;  // entries held per row: n_ in full, band_ + 1 as a band
  Storage s_;
  std::vector<Real> p_;
};

// A pivot is accepted only when it exceeds a fraction of the diagonal entry it was reduced from,
// one for each store type (see EquationSolver.cpp for why each is what it is): a pivot that
// single precision cannot trust may still be sound in double precision.
extern const double kSinglePivotRatio;
extern const double kDoublePivotRatio;
template <typename Real>
double PivotRatioOf() {
  return std::is_same_v<Real, float> ? kSinglePivotRatio : kDoublePivotRatio;
}

// Where an elimination stopped at a pivot it could not trust: the pivot's row and the pivot as a
// fraction of the diagonal entry it was reduced from. Row 0 when it stopped at no pivot (a value
// that is not finite) or did not stop.
struct PivotFailure {
  int Row = 0;
  double Ratio = 0;
};

// Gauss-Jordan elimination of a system held in full, giving every entry the operations of the
// classic order (pivots 1..n, columns from the pivot on) in that order, in the vector unit
// `unit`, and skipping only work that provably changes no bit: rows whose multiplier is zero and
// the trailing zero entries of the pivot row. Returns false, leaving S and P partly reduced, when
// the matrix is singular: a pivot that is not positive or is negligible against its diagonal
// entry (PivotRatioOf<Real>), or any value that is not finite; `failure`, when given, then says
// where it stopped.
template <typename Real>
bool SolveGaussJordan(EquationSystem<Real>& system, VectorUnit unit = FastestVectorUnit(),
                      PivotFailure* failure = nullptr);

// The same elimination touching every entry at every pivot, operation for operation; the
// reference the fast solver is proved and timed against.
template <typename Real>
bool SolveGaussJordanPlain(EquationSystem<Real>& system);

}  // namespace stavelorn
