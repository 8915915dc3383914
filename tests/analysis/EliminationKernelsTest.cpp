// The vector sweeps of the elimination against the step-by-step rule of the engine's arithmetic,
// bit for bit, in every unit this processor has.

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "analysis/Arithmetic.h"
#include "analysis/EliminationKernels.h"

namespace stavelorn {
namespace {

template <typename Real>
bool SameBits(Real a, Real b) {
  return std::memcmp(&a, &b, sizeof(Real)) == 0;
}

std::vector<VectorUnit> UnitsOfThisProcessor() {
  std::vector<VectorUnit> units = {VectorUnit::Sse2};
  if (FastestVectorUnit() != VectorUnit::Sse2) units.push_back(FastestVectorUnit());
  return units;
}

// One sweep by the rule every step of the engine follows: evaluate in double, round to the store
// type, store a zero as +0.
template <typename Real>
void StepByStep(std::vector<Real>& row, const std::vector<std::vector<double>>& pivots,
                const std::vector<double>& factors, int first, int last) {
  for (std::size_t t = 0; t < factors.size(); ++t)
    for (int j = first; j <= last; ++j)
      row[j] = Store<Real>(Calc(row[j]) - factors[t] * pivots[t][j]);
}

template <typename Real>
class Sweep : public ::testing::Test {};
using StoreTypes = ::testing::Types<float, double>;
TYPED_TEST_SUITE(Sweep, StoreTypes);

TYPED_TEST(Sweep, GivesTheBitsOfTheStepByStepRuleInEveryUnit) {
  using Real = TypeParam;
  std::mt19937 random(99);
  std::uniform_real_distribution<double> value(-1, 1), chance(0, 1);
  // Stored values: zeros, ordinary numbers, and some at the ends of the store type's range.
  auto stored = [&] {
    const double pick = chance(random);
    if (pick < 0.2) return Real(0);
    if (pick < 0.25) return static_cast<Real>(value(random) * 1e-40);
    if (pick < 0.3) return static_cast<Real>(value(random) * 1e37);
    return static_cast<Real>(value(random));
  };
  const int n = 70;
  for (int trial = 0; trial < 400; ++trial) {
    const int count = 1 + trial % kMaxPivotsPerSweep;
    const int first = 1 + trial % 5, last = first + trial % (n - 6);
    std::vector<std::vector<double>> pivots(count, std::vector<double>(n + 1));
    std::vector<double> factors(count);
    std::vector<const double*> pointers;
    for (int t = 0; t < count; ++t) {
      for (double& p : pivots[t]) p = stored();
      factors[t] = stored();
      pointers.push_back(pivots[t].data());
    }
    std::vector<Real> start(n + 1);
    for (Real& s : start) s = stored();
    // An entry that cancels to zero exactly, and (in float) one whose difference is too small
    // for float and rounds to a negative zero: both must be stored as +0.
    if (trial % 3 == 0) pivots[0][first] = 1, start[first] = static_cast<Real>(factors[0]);
    if (trial % 3 == 1) {
      factors[0] = static_cast<Real>(1e-30);
      pivots[0][last] = static_cast<Real>(1e-30);
      start[last] = 0;
    }
    std::vector<Real> expected = start;
    StepByStep(expected, pivots, factors, first, last);
    for (VectorUnit unit : UnitsOfThisProcessor()) {
      std::vector<Real> row = start;
      SubtractScaledRows(unit, row.data(), pointers.data(), factors.data(), count, first, last);
      for (int j = 0; j <= n; ++j)
        ASSERT_TRUE(SameBits(row[j], expected[j]))
            << VectorUnitName(unit) << " trial " << trial << " column " << j;
    }
  }
}

}  // namespace
}  // namespace stavelorn
