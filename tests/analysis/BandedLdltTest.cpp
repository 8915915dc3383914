// The accuracy guard's banded LDLT solution against the double-precision Gauss-Jordan
// elimination as the oracle: the same displacements, the same verdict on singular matrices; and
// the band of the stiffness matrix as the numbering makes it. (Further load cases solved with the
// factors are the load cases' superposition test.)

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "analysis/Analysis.h"
#include "analysis/BandedLdlt.h"
#include "analysis/Engine.h"
#include "analysis/EquationShape.h"
#include "analysis/GeneratedStructures.h"
#include "support/SampleModels.h"
#include "support/StructureTexts.h"

namespace stavelorn {
namespace {

// The upper band of `full` within halfBandwidth of the diagonal, as the banded store holds it.
EquationSystem<double> Banded(const EquationSystem<double>& full, int halfBandwidth) {
  const int n = full.Size();
  EquationSystem<double> band;
  band.RedimBanded(n, halfBandwidth);
  for (int i = 1; i <= n; ++i) {
    band.P(i) = full.P(i);
    for (int j = i; j <= std::min(n, i + halfBandwidth); ++j) band.S(i, j) = full.S(i, j);
  }
  return band;
}

// Largest difference of the two solutions over their largest magnitude.
double Disagreement(const EquationSystem<double>& a, const EquationSystem<double>& b) {
  double largest = 0, difference = 0;
  for (int i = 1; i <= a.Size(); ++i) {
    largest = std::max(largest, std::fabs(b.P(i)));
    difference = std::max(difference, std::fabs(a.P(i) - b.P(i)));
  }
  return largest > 0 ? difference / largest : difference;
}

TEST(BandedLdlt, SolvesGeneratedStructuresAsGaussJordanDoes) {
  const struct {
    const char* name;
    ModelStore model;
    int halfBandwidth;  // 3 or 6 coordinates per joint times the joints of a floor, plus a joint
  } cases[] = {
      {"plane frame grid", PlaneFrameGrid(3, 4), 3 * 4 + 2},
      {"space frame lattice", SpaceFrameLattice(2, 3, 2, 30), 6 * 6 + 5},
      {"plane tower", PlaneFrameGrid(4, 100), 3 * 5 + 2},
      {"space tower", SpaceFrameLattice(2, 2, 50), 6 * 4 + 5},
      {"propped beam: one free rotation",
       testing::ModelFromText(testing::SmallProject("propped-beam")), 0},
  };
  for (const auto& c : cases) {
    const EquationSystem<double> full = AssembleEquations<double>(c.model);
    // The band as the engine's numbering makes it.
    AnalysisResults<float> numbered;
    Engine<float>(c.model, numbered).NumberCoordinates();
    EXPECT_EQ(numbered.DofCount, full.Size()) << c.name;
    EXPECT_EQ(HalfBandwidth(c.model, numbered.CoordNumbers, numbered.DofCount), c.halfBandwidth);

    EquationSystem<double> oracle = full, band = Banded(full, c.halfBandwidth);
    ASSERT_TRUE(SolveGaussJordan(oracle)) << c.name;
    ASSERT_TRUE(SolveBandedLdlt(band)) << c.name;
    EXPECT_LT(Disagreement(band, oracle), 1e-9) << c.name;
    // The engine's double-precision run gives the same displacements.
    const AnalysisResults<double> run = AnalyzeInPrecision<double>(c.model);
    ASSERT_EQ(run.AnalysisStatus, kAnalysisComplete) << c.name;
    for (int i = 1; i <= band.Size(); ++i)
      ASSERT_EQ(run.JointDisplacements(i), band.P(i)) << c.name << " " << i;
  }
}

// S = [[1, o], [o, o + r]]: with o = 1 the second pivot is r, and r / (1 + r) of its diagonal
// entry; with o huge it overflows to -infinity. Each precision holds the pivot to its own ratio,
// and a solver that stops at a pivot says which one and how small it was.
TEST(BandedLdlt, GivesTheVerdictOfGaussJordanOnEveryPivot) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double huge = std::numeric_limits<double>::max() / 4;
  const struct {
    const char* name;
    double o, r;
    bool solves, solvesInSingle;
    bool atPivot;  // stops at pivot 2 (not at a value that is not finite)
    double load = 1;
  } cases[] = {
      {"twice the single ratio", 1, 2 * kSinglePivotRatio, true, true, false},
      {"half the single ratio", 1, 0.5 * kSinglePivotRatio, true, false, true},
      {"twice the double ratio", 1, 2 * kDoublePivotRatio, true, false, true},
      {"half the double ratio", 1, 0.5 * kDoublePivotRatio, false, false, true},
      {"zero", 1, 0, false, false, true},
      {"zero on a zero diagonal", 0, 0, false, false, true},
      {"not a number", 1, nan, false, false, true},
      {"overflow", huge, 0, false, false, true},
      {"load not finite", 1, 1, false, false, false, std::numeric_limits<double>::infinity()},
  };
  EquationSystem<double> none;  // nothing free: every solver has solved it
  EXPECT_TRUE(SolveBandedLdlt(none) && SolveGaussJordan(none) && SolveGaussJordanPlain(none));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EquationSystem<double> full;
    full.Redim(2);
    full.S(1, 1) = 1, full.S(1, 2) = full.S(2, 1) = c.o, full.S(2, 2) = c.o + c.r;
    full.P(1) = c.load;
    EquationSystem<float> single;
    single.Redim(2);
    for (int i = 1; i <= 2; ++i) {
      single.P(i) = static_cast<float>(full.P(i));
      for (int j = 1; j <= 2; ++j) single.S(i, j) = static_cast<float>(full.S(i, j));
    }
    EquationSystem<double> oracle = full, band = Banded(full, 1);
    PivotFailure oracleStop, bandStop, singleStop;
    EXPECT_EQ(SolveGaussJordan(oracle, FastestVectorUnit(), &oracleStop), c.solves);
    EXPECT_EQ(SolveBandedLdlt(band, &bandStop), c.solves);
    EquationSystem<float> plain = single;
    EXPECT_EQ(SolveGaussJordanPlain(plain), c.solvesInSingle);
    EXPECT_EQ(SolveGaussJordan(single, FastestVectorUnit(), &singleStop), c.solvesInSingle);
    // Double precision measures the pivot; single precision has r rounded away below 2^-24.
    for (const PivotFailure& stop : {oracleStop, bandStop}) {
      EXPECT_EQ(stop.Row, c.solves || !c.atPivot ? 0 : 2);
      if (stop.Row == 2 && c.r > 0) {
        EXPECT_NEAR(stop.Ratio, c.r, 1e-3 * c.r);
      }
    }
    EXPECT_EQ(singleStop.Row, c.solvesInSingle || !c.atPivot ? 0 : 2);
  }
}

}  // namespace
}  // namespace stavelorn
