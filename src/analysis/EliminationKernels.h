// The inner loop of the Gauss-Jordan elimination: one row less several scaled pivot rows, in the
// instructions this processor offers. Every variant gives the same bits (EliminationKernels.cpp
// says why), so the choice changes only the speed.
#pragma once

namespace stavelorn {

// The vector instructions an elimination may use: SSE2 is part of every x86-64 processor, AVX2
// with fused multiply-add is chosen at run time when the processor has it.
enum class VectorUnit { Sse2, Avx2Fma };

// The best unit this processor has.
VectorUnit FastestVectorUnit();

// "SSE2" or "AVX2/FMA", for benchmarks and diagnostics.
const char* VectorUnitName(VectorUnit unit);

// The most pivots one sweep over a row applies.
inline constexpr int kMaxPivotsPerSweep = 8;

// For j = first..last, applies count (1..kMaxPivotsPerSweep) pivots in order to row[j]:
//   row[j] = round(row[j] - factors[t]·pivots[t][j]) for t = 0..count-1,
// each evaluated in double precision and rounded to the store type, with a zero left as +0 at
// the end. The pivot rows and factors are stored values widened to double (which is exact), so
// that a float pivot row is widened once for all the rows it is applied to. `unit` must be one
// the processor has (FastestVectorUnit() or Sse2).
template <typename Real>
void SubtractScaledRows(VectorUnit unit, Real* row, const double* const* pivots,
                        const double* factors, int count, int first, int last);

}  // namespace stavelorn
