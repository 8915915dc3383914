// The double-precision solution of the accuracy guard: S = L·D·Lᵀ on the band of S, then forward
// and back substitution, in place. It needs n·b²/2 multiply-subtracts against the n²·b/2 of the
// Gauss-Jordan elimination (b the half-bandwidth) and memory for the band only.
#pragma once

#include <vector>

#include "analysis/EquationSolver.h"

namespace stavelorn {

// Solves S·d = P for a symmetric S, reading only the diagonal and the entries right of it; P
// ends holding d, and the band right of the diagonal holds D·Lᵀ. The entries of D are the
// pivots of the Gauss-Jordan elimination in exact arithmetic, so they are held to the same test:
// returns false, leaving S and P partly reduced, when a pivot is not positive or is not above
// kDoublePivotRatio of its diagonal entry (`failure`, when given, then says which), or when any
// value is not finite.
bool SolveBandedLdlt(EquationSystem<double>& system, PivotFailure* failure = nullptr);

// Solves S·d = P once more for another P (`values`, 0-based, n long; d is left there) with the
// factors a successful SolveBandedLdlt left in `factored`: n·2b operations instead of n·b²/2.
void SolveWithLdltFactor(const EquationSystem<double>& factored, std::vector<double>& values);

// The same for `count` load vectors at once, held interleaved: value i (0-based) of vector c at
// values[i * count + c]. Each vector gets exactly the numbers the call above would give it; the
// factors are read once for all of them.
void SolveWithLdltFactor(const EquationSystem<double>& factored, std::vector<double>& values,
                         int count);

}  // namespace stavelorn
