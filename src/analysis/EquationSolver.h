// The structure stiffness relation S·d = P held in full, and its solution by Gauss-Jordan
// elimination without pivoting, done in place (P ends holding the displacements d).
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <utility>
#include <vector>

namespace stavelorn {

// The stiffness matrix S (n x n, stored in full, row by row) and the load vector P (n) of one
// analysis, both indexed from 1 like every array of the model. Forces and lengths are in the
// user's units; S holds force per unit displacement, P forces before and displacements after
// the solution.
template <typename Real>
class EquationSystem {
 public:
  EquationSystem() = default;
  EquationSystem(const EquationSystem& other)
      : n_(other.n_), s_(Allocate(other.n_, false)), p_(other.p_) {
    if (n_ > 0) std::memcpy(s_.get(), other.s_.get(), Entries(n_) * sizeof(Real));
  }
  EquationSystem(EquationSystem&&) noexcept = default;
  EquationSystem& operator=(EquationSystem other) noexcept {
    std::swap(n_, other.n_);
    std::swap(s_, other.s_);
    std::swap(p_, other.p_);
    return *this;
  }

  // Discards the contents and makes S n x n and P n long, every entry 0 (empty for n <= 0).
  // Throws std::bad_alloc when the memory cannot be had.
  void Redim(int n) {
    s_.reset();
    n_ = n > 0 ? n : 0;
    s_ = Allocate(n_, true);
    p_.assign(static_cast<std::size_t>(n_), Real(0));
  }

  int Size() const { return n_; }

  // Entries for 1 <= row, col <= Size(); callers keep within it (the engine does so by testing
  // each code number against the number of free coordinates).
  Real& S(int row, int col) { return s_[Offset(row) * static_cast<std::size_t>(n_) + Offset(col)]; }
  Real S(int row, int col) const {
    return s_[Offset(row) * static_cast<std::size_t>(n_) + Offset(col)];
  }
  Real& P(int i) { return p_[Offset(i)]; }
  Real P(int i) const { return p_[Offset(i)]; }

  // Row `row` of S as an array indexed by column from 1 (element 0 is not part of the row).
  Real* Row(int row) { return s_.get() + Offset(row) * static_cast<std::size_t>(n_) - 1; }
  const Real* Row(int row) const {
    return s_.get() + Offset(row) * static_cast<std::size_t>(n_) - 1;
  }

  bool operator==(const EquationSystem& other) const {
    return n_ == other.n_ && std::equal(s_.get(), s_.get() + Entries(n_), other.s_.get()) &&
           p_ == other.p_;
  }

 private:
  struct Free {
    void operator()(Real* p) const { std::free(p); }
  };
  using Storage = std::unique_ptr<Real[], Free>;

  static std::size_t Entries(int n) {
    return static_cast<std::size_t>(n) * static_cast<std::size_t>(n);
  }
  static std::size_t Offset(int index) { return static_cast<std::size_t>(index - 1); }

  // S lives in memory that the system hands out already zeroed (calloc), so the entries the
  // elimination never reaches (most of a banded matrix below its band) are never even touched.
  static Storage Allocate(int n, bool zeroed) {
    if (n <= 0) return nullptr;
    void* memory =
        zeroed ? std::calloc(Entries(n), sizeof(Real)) : std::malloc(Entries(n) * sizeof(Real));
    if (!memory) throw std::bad_alloc();
    return Storage(static_cast<Real*>(memory));
  }

  int n_ = 0;
  Storage s_;
  std::vector<Real> p_;
};

// A pivot is accepted only when it exceeds this fraction of the diagonal entry it was reduced
// from (see EquationSolver.cpp for why); the same fraction serves both store types, so a
// mechanism is found singular in single and in double precision alike.
extern const double kPivotRatio;

// Gauss-Jordan elimination in the classic order (pivot rows 1..n, every other row in increasing
// order, columns from the pivot on), skipping only work that provably changes no bit: rows whose
// multiplier is zero and the trailing zero entries of the pivot row. Returns false, leaving S and
// P partly reduced, when the matrix is singular: a pivot that is not positive or is negligible
// against its diagonal entry, or any value that is not finite.
template <typename Real>
bool SolveGaussJordan(EquationSystem<Real>& system);

// The same elimination touching every entry at every pivot, operation for operation; the
// reference the fast solver is proved and timed against.
template <typename Real>
bool SolveGaussJordanPlain(EquationSystem<Real>& system);

}  // namespace stavelorn
