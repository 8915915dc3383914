// Why every variant gives the bits of the scalar loop.
//
// The scalar loop evaluates each step s - f·p in double and rounds it to the store type. The SSE2
// variants do the same four or two columns at a time: widen, multiply, subtract, round back.
//
// The AVX2 variant for float data fuses the multiply and the subtract into one instruction,
// which rounds once, to double, instead of after the product and again after the difference.
// That changes nothing, because the product of two floats widened to double is exact: each
// significand has 24 bits, so the product has at most 48 and fits the 53 of a double, and its
// exponent (at most 2·128 and at least 2·(-149)) lies far inside the range of double, normal
// numbers included, so the product neither overflows nor loses bits to underflow. With the
// product exact, fma(-f, p, s) = round(s - f·p) = round(s - round(f·p)): the same double, then
// rounded to float as before. For double data the product is not exact and a fused step would
// change the bits, so the double variants multiply and subtract separately, and the whole program
// is built with -ffp-contract=off so that no compiler fuses them on its own.
//
// The sign of a zero. The scalar loop stores every step with a zero as +0; the vector variants
// round every intermediate step but add +0 only after the last pivot of the sweep. Two values
// that are the same number except perhaps for the sign of a zero give, after s - f·p with the
// same f and p, again the same number except perhaps for the sign of a zero (a non-zero s is the
// same bits in both; a zero s gives -f·p, or a zero when f·p is zero). So the values of both
// loops stay equal but for the sign of zeros, and the final +0 makes the bits the same.

#include "analysis/EliminationKernels.h"

#include <cstddef>

#include "analysis/Arithmetic.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define STAVELORN_AVX2 1
#include <immintrin.h>
#endif

namespace stavelorn {

namespace {

template <typename Real>
void ScalarRows(Real* row, const double* const* pivots, const double* factors, int count, int first,
                int last) {
  for (int j = first; j <= last; ++j) {
    Calc s = row[j];
    for (int t = 0; t < count; ++t) {
      s = static_cast<Real>(s - factors[t] * pivots[t][j]);
    }
    row[j] = Store<Real>(s);
  }
}

#if defined(__SSE2__)
void Sse2Rows(float* row, const double* const* pivots, const double* factors, int count, int first,
              int last) {
  __m128d f[kMaxPivotsPerSweep];
  for (int t = 0; t < count; ++t) f[t] = _mm_set1_pd(factors[t]);
  const __m128 zero = _mm_setzero_ps();
  int j = first;
  for (; j + 3 <= last; j += 4) {
    const __m128 s = _mm_loadu_ps(row + j);
    __m128d low = _mm_cvtps_pd(s), high = _mm_cvtps_pd(_mm_movehl_ps(s, s));
    for (int t = 0;; ++t) {
      low = _mm_sub_pd(low, _mm_mul_pd(f[t], _mm_loadu_pd(pivots[t] + j)));
      high = _mm_sub_pd(high, _mm_mul_pd(f[t], _mm_loadu_pd(pivots[t] + j + 2)));
      if (t + 1 == count) break;
      low = _mm_cvtps_pd(_mm_cvtpd_ps(low));
      high = _mm_cvtps_pd(_mm_cvtpd_ps(high));
    }
    const __m128 result = _mm_movelh_ps(_mm_cvtpd_ps(low), _mm_cvtpd_ps(high));
    _mm_storeu_ps(row + j, _mm_add_ps(result, zero));
  }
  ScalarRows(row, pivots, factors, count, j, last);
}

void Sse2Rows(double* row, const double* const* pivots, const double* factors, int count, int first,
              int last) {
  __m128d f[kMaxPivotsPerSweep];
  for (int t = 0; t < count; ++t) f[t] = _mm_set1_pd(factors[t]);
  const __m128d zero = _mm_setzero_pd();
  int j = first;
  for (; j + 1 <= last; j += 2) {
    __m128d s = _mm_loadu_pd(row + j);
    for (int t = 0; t < count; ++t)
      s = _mm_sub_pd(s, _mm_mul_pd(f[t], _mm_loadu_pd(pivots[t] + j)));
    _mm_storeu_pd(row + j, _mm_add_pd(s, zero));
  }
  ScalarRows(row, pivots, factors, count, j, last);
}
#endif

#if defined(STAVELORN_AVX2)
// One step on four doubles: the fused step, rounded to float and widened back unless it is the
// last of the sweep.
template <bool kLast>
__attribute__((target("avx2,fma"))) inline __m256d Avx2Step(__m256d s, __m256d f, const double* p) {
  // The product of two floats is exact in double: one rounding, as in the separate steps.
  const __m256d d = _mm256_fnmadd_pd(f, _mm256_loadu_pd(p), s);
  return kLast ? d : _mm256_cvtps_pd(_mm256_cvtpd_ps(d));
}

// The sweep with the count of pivots fixed, so that the factors stay in registers; sixteen
// columns at a time keep four independent chains of steps in flight.
template <int kCount>
__attribute__((target("avx2,fma"))) void Avx2Rows(float* row, const double* const* pivots,
                                                  const double* factors, int first, int last) {
  __m256d f[kCount];
  for (int t = 0; t < kCount; ++t) f[t] = _mm256_set1_pd(factors[t]);
  const __m128 zero = _mm_setzero_ps();
  int j = first;
  for (; j + 15 <= last; j += 16) {
    __m256d s[4];
    for (int c = 0; c < 4; ++c) s[c] = _mm256_cvtps_pd(_mm_loadu_ps(row + j + 4 * c));
    for (int t = 0; t < kCount - 1; ++t)
      for (int c = 0; c < 4; ++c) s[c] = Avx2Step<false>(s[c], f[t], pivots[t] + j + 4 * c);
    for (int c = 0; c < 4; ++c) {
      s[c] = Avx2Step<true>(s[c], f[kCount - 1], pivots[kCount - 1] + j + 4 * c);
      _mm_storeu_ps(row + j + 4 * c, _mm_add_ps(_mm256_cvtpd_ps(s[c]), zero));
    }
  }
  for (; j + 3 <= last; j += 4) {
    __m256d s = _mm256_cvtps_pd(_mm_loadu_ps(row + j));
    for (int t = 0; t < kCount - 1; ++t) s = Avx2Step<false>(s, f[t], pivots[t] + j);
    s = Avx2Step<true>(s, f[kCount - 1], pivots[kCount - 1] + j);
    _mm_storeu_ps(row + j, _mm_add_ps(_mm256_cvtpd_ps(s), zero));
  }
  ScalarRows(row, pivots, factors, kCount, j, last);
}

void Avx2Rows(float* row, const double* const* pivots, const double* factors, int count, int first,
              int last) {
  static_assert(kMaxPivotsPerSweep == 8, "one sweep for each count of pivots");
  switch (count) {
    case 1: return Avx2Rows<1>(row, pivots, factors, first, last);
    case 2: return Avx2Rows<2>(row, pivots, factors, first, last);
    case 3: return Avx2Rows<3>(row, pivots, factors, first, last);
    case 4: return Avx2Rows<4>(row, pivots, factors, first, last);
    case 5: return Avx2Rows<5>(row, pivots, factors, first, last);
    case 6: return Avx2Rows<6>(row, pivots, factors, first, last);
    case 7: return Avx2Rows<7>(row, pivots, factors, first, last);
    default: return Avx2Rows<8>(row, pivots, factors, first, last);
  }
}

__attribute__((target("avx2"))) void Avx2Rows(double* row, const double* const* pivots,
                                              const double* factors, int count, int first,
                                              int last) {
  __m256d f[kMaxPivotsPerSweep];
  for (int t = 0; t < count; ++t) f[t] = _mm256_set1_pd(factors[t]);
  const __m256d zero = _mm256_setzero_pd();
  int j = first;
  for (; j + 3 <= last; j += 4) {
    __m256d s = _mm256_loadu_pd(row + j);
    for (int t = 0; t < count; ++t)
      s = _mm256_sub_pd(s, _mm256_mul_pd(f[t], _mm256_loadu_pd(pivots[t] + j)));
    _mm256_storeu_pd(row + j, _mm256_add_pd(s, zero));
  }
  ScalarRows(row, pivots, factors, count, j, last);
}
#endif

VectorUnit DetectVectorUnit() {
#if defined(STAVELORN_AVX2)
  __builtin_cpu_init();
  if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma")) return VectorUnit::Avx2Fma;
#endif
  return VectorUnit::Sse2;
}

}  // namespace

VectorUnit FastestVectorUnit() {
  static const VectorUnit unit = DetectVectorUnit();
  return unit;
}

const char* VectorUnitName(VectorUnit unit) {
  return unit == VectorUnit::Avx2Fma ? "AVX2/FMA" : "SSE2";
}

template <typename Real>
void SubtractScaledRows(VectorUnit unit, Real* row, const double* const* pivots,
                        const double* factors, int count, int first, int last) {
#if defined(STAVELORN_AVX2)
  if (unit == VectorUnit::Avx2Fma) return Avx2Rows(row, pivots, factors, count, first, last);
#endif
#if defined(__SSE2__)
  static_cast<void>(unit);
  Sse2Rows(row, pivots, factors, count, first, last);
#else
  static_cast<void>(unit);
  ScalarRows(row, pivots, factors, count, first, last);
#endif
}

template void SubtractScaledRows(VectorUnit, float*, const double* const*, const double*, int, int,
                                 int);
template void SubtractScaledRows(VectorUnit, double*, const double* const*, const double*, int, int,
                                 int);

}  // namespace stavelorn
