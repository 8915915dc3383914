// Results that are zero in exact arithmetic read 0: the zero-force bars of the roof truss (by the
// method of joints, a bar meeting a joint where the other bars are collinear and unloaded) and
// the moment at the pinned base of the portal frame. Every other result keeps the bits of the
// single-precision analysis: the groups span the structure, so the other bars of the truss,
// which carry force, are what makes the noise of bars 9 and 11 small.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/Analysis.h"
#include "analysis/AnalysisRun.h"
#include "analysis/ExactZeros.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

ModelStore Example(const std::string& name) {
  std::string problem;
  ModelStore model = testing::ExampleModel(name, problem);
  EXPECT_EQ(problem, "") << name;
  return model;
}

TEST(ExactZeros, ResultsZeroByStaticsReadZeroAndTheRestKeepTheirBits) {
  const struct {
    const char* example;
    int member;
    int end;  // index into the member's end forces
  } zeros[] = {
      {"roof-truss", 9, 1},  {"roof-truss", 9, 3},   {"roof-truss", 11, 1},
      {"roof-truss", 11, 3}, {"portal-frame", 3, 3},
  };
  for (const auto& z : zeros) {
    ModelStore guarded = Example(z.example), plain = Example(z.example);
    ASSERT_FALSE(CheckAndAnalyze(guarded).UsedDoublePrecision) << z.example;
    Analyze(plain);
    EXPECT_EQ(guarded.MemberEndForces(z.member, z.end), 0.0f) << z.example << " " << z.member;
    EXPECT_NE(plain.MemberEndForces(z.member, z.end), 0.0f) << "round-off before the rule";
    // Nothing else moves by a bit: a value differs only where the rule wrote 0.
    const Table<float>& q = guarded.MemberEndForces;
    for (int m = 1; m <= q.Rows(); ++m)
      for (int i = 1; i <= q.Cols(); ++i)
        if (q(m, i) != 0) {
          EXPECT_EQ(q(m, i), plain.MemberEndForces(m, i)) << m << "," << i;
        }
    for (int n = 1; n <= guarded.DofCount; ++n)
      if (guarded.JointDisplacements(n) != 0) {
        EXPECT_EQ(guarded.JointDisplacements(n), plain.JointDisplacements(n)) << n;
      }
    EXPECT_EQ(guarded.SupportReactions, plain.SupportReactions) << z.example;
  }
}

}  // namespace
}  // namespace stavelorn
