// The equation solution: the fast elimination against the plain loop bit for bit, and its failure
// on an entry that is not finite (a zero or too small pivot is the banded solution's test, which
// holds every solver to one verdict and to the row where it stops); and the accuracy guard, which
// solves again in double precision where single precision visibly fails.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <type_traits>

#include "analysis/AccuracyGuard.h"
#include "analysis/Analysis.h"
#include "analysis/AnalysisRun.h"
#include "analysis/BandedLdlt.h"
#include "analysis/EquationSolver.h"
#include "analysis/GeneratedStructures.h"

namespace stavelorn {
namespace {

// Solves copies of `system` with the plain loop and with the fast solver in every vector unit
// this processor has; they must agree on the outcome and, when the solution succeeds, on every
// bit of S and P.
template <typename Real>
void ExpectSameSolution(const EquationSystem<Real>& system, const std::string& what) {
  EquationSystem<Real> plain = system;
  const bool plainOk = SolveGaussJordanPlain(plain);
  for (VectorUnit unit : {VectorUnit::Sse2, FastestVectorUnit()}) {
    const std::string where = what + " in " + VectorUnitName(unit);
    EquationSystem<Real> fast = system;
    const bool fastOk = SolveGaussJordan(fast, unit);
    ASSERT_EQ(fastOk, plainOk) << where;
    if (!fastOk) continue;
    const int n = system.Size();
    for (int i = 1; i <= n; ++i) {  // bit for bit
      ASSERT_EQ(std::memcmp(&fast.P(i), &plain.P(i), sizeof(Real)), 0) << where << " P" << i;
      ASSERT_EQ(std::memcmp(&fast.S(i, 1), &plain.S(i, 1), n * sizeof(Real)), 0) << where << i;
    }
  }
}

template <typename Real>
class FastSolver : public ::testing::Test {};
using StoreTypes = ::testing::Types<float, double>;
TYPED_TEST_SUITE(FastSolver, StoreTypes);

// Generated structures (more unknowns than a few blocks of pivots, rows of every length, and
// wide and long enough for each sweep's rows to be shared with a second thread) and random
// matrices with zeros, most with a heavy diagonal, the others with failing pivots.
TYPED_TEST(FastSolver, GivesTheBitsOfThePlainLoop) {
  ExpectSameSolution(AssembleEquations<TypeParam>(PlaneFrameGrid(3, 4)), "plane frame grid");
  ExpectSameSolution(AssembleEquations<TypeParam>(SpaceFrameLattice(5, 5, 4, 30)), "lattice");
  std::mt19937 random(12345);
  std::uniform_real_distribution<double> value(-1, 1);
  std::uniform_real_distribution<double> chance(0, 1);
  int solved = 0, failed = 0;
  for (int trial = 0; trial < 300; ++trial) {
    const int n = 1 + trial % 37;
    const double density = 0.1 + 0.8 * chance(random);
    const double diagonal = trial % 4 == 0 ? 0.0 : 2.0 * n;
    EquationSystem<TypeParam> system;
    system.Redim(n);
    for (int i = 1; i <= n; ++i) {
      system.P(i) = chance(random) < density ? static_cast<TypeParam>(value(random)) : 0;
      for (int j = 1; j <= n; ++j)
        if (chance(random) < density) system.S(i, j) = static_cast<TypeParam>(value(random));
      system.S(i, i) = static_cast<TypeParam>(std::fabs(system.S(i, i)) + diagonal);
    }
    ExpectSameSolution(system, "random matrix " + std::to_string(trial));
    (SolveGaussJordan(system) ? solved : failed)++;
  }
  EXPECT_GT(solved, 200);
  EXPECT_GT(failed, 10);
}

// An overflowed stiffness or load is no solution for any solver, wherever it stands: here in a
// system whose last unknown stands alone, so nothing else carries the fault to another row.
TYPED_TEST(FastSolver, FailsOnAnEntryThatIsNotFinite) {
  const TypeParam inf = std::numeric_limits<TypeParam>::infinity();
  for (const auto& [row, col] : {std::pair{1, 2}, {3, 3}, {3, 0}, {1, 0}}) {
    EquationSystem<TypeParam> system;
    system.Redim(3);
    for (int i = 1; i <= 3; ++i) system.S(i, i) = 4, system.P(i) = 1;
    system.S(1, 2) = system.S(2, 1) = 1;
    (col ? system.S(row, col) : system.P(row)) = inf;
    if (col && row != col) system.S(col, row) = inf;
    EquationSystem<TypeParam> plain = system;
    if constexpr (std::is_same_v<TypeParam, double>) {
      EquationSystem<double> band = system;
      EXPECT_FALSE(SolveBandedLdlt(band)) << row << ", " << col;
    }
    EXPECT_FALSE(SolveGaussJordan(system)) << row << ", " << col;
    EXPECT_FALSE(SolveGaussJordanPlain(plain)) << row << ", " << col;
  }
}

// Tall and slender frames whose single-precision solution is visibly wrong: the guard must show
// the double-precision numbers instead, and say so: the stored results and the trail are those
// of the double-precision run.
TEST(AccuracyGuard, SlenderStructuresGetDoublePrecisionResults) {
  const struct {
    const char* name;
    ModelStore model;
  } cases[] = {
      {"plane tower 5 x 101 joints", PlaneFrameGrid(4, 100)},
      {"space lattice 6 x 6 x 6 joints", SpaceFrameLattice(6, 6, 5)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ModelStore model = c.model;
    AnalysisResults<float> single = AnalyzeInPrecision<float>(model);
    AnalysisResults<double> exact = AnalyzeInPrecision<double>(model);
    ASSERT_EQ(single.AnalysisStatus, kAnalysisComplete);
    EXPECT_GT(DisplacementDisagreement(model, single, exact), kAccuracyThreshold);

    AnalysisRun run = CheckAndAnalyze(model);
    ASSERT_FALSE(run.Rejected) << run.RejectionText;
    EXPECT_EQ(run.Results.AnalysisStatus, kAnalysisComplete);
    EXPECT_TRUE(run.UsedDoublePrecision);
    EXPECT_NE(run.AccuracyNote.find("double-precision solution"), std::string::npos);
    ASSERT_TRUE(run.Trail);
    EXPECT_TRUE(run.Trail->DoublePrecision);
    // The method's views say why their values are in double precision.
    const std::string note = TrailPrecisionNote(*run.Trail);
    EXPECT_NE(note.find("as single precision was not accurate enough for this structure"),
              std::string::npos)
        << note;
    EXPECT_EQ(note.find("chosen"), std::string::npos) << note;
    for (int i = 1; i <= exact.DofCount; ++i) {
      ASSERT_EQ(run.Trail->Displacements[static_cast<std::size_t>(i - 1)],
                exact.JointDisplacements(i));
      // Rounded to single precision, and round-off read as the zero it stands for.
      ASSERT_NEAR(run.Results.JointDisplacements(i), exact.JointDisplacements(i),
                  1e-6 * std::fabs(exact.JointDisplacements(i)) + 1e-12);
    }
  }
}

// The disagreement is the largest of every free coordinate's, the last one's too: a
// single-precision result off by the largest displacement in any one unknown is off by 1 or more.
TEST(AccuracyGuard, MeasuresEveryFreeCoordinate) {
  const ModelStore model = PlaneFrameGrid(1, 2);
  const AnalysisResults<double> exact = AnalyzeInPrecision<double>(model);
  ASSERT_EQ(exact.AnalysisStatus, kAnalysisComplete);
  double largest = 0;
  for (int i = 1; i <= exact.DofCount; ++i)
    largest = std::max(largest, std::fabs(exact.JointDisplacements(i)));
  AnalysisResults<float> single = AnalyzeInPrecision<float>(model);
  for (int n = 1; n <= exact.DofCount; ++n) {
    for (int i = 1; i <= exact.DofCount; ++i)
      single.JointDisplacements(i) = static_cast<float>(exact.JointDisplacements(i));
    single.JointDisplacements(n) += static_cast<float>(largest);
    EXPECT_GT(DisplacementDisagreement(model, single, exact), 0.5) << "unknown " << n;
  }
}

// A run in double precision alone says that it was chosen: single precision never ran.
TEST(AccuracyGuard, DoublePrecisionChosenIsSaidSo) {
  const AnalysisRun run = CheckAndAnalyze(PlaneFrameGrid(1, 2), 0, true, AnalysisPrecision::Double);
  ASSERT_TRUE(run.Trail);
  const std::string note = TrailPrecisionNote(*run.Trail);
  EXPECT_NE(note.find("as double precision alone was chosen for this analysis"), std::string::npos)
      << note;
  EXPECT_EQ(note.find("not accurate enough"), std::string::npos) << note;
}

}  // namespace
}  // namespace stavelorn
