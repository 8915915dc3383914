// Results that are zero in exact arithmetic read 0: the zero-force bars of the roof truss (by the
// method of joints, a bar meeting a joint where the other bars are collinear and unloaded) and
// the moment at the pinned base of the portal frame. Every other result keeps the bits of the
// single-precision analysis.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/Analysis.h"
#include "analysis/AnalysisRun.h"
#include "analysis/ExactZeros.h"
#include "model/ProjectFile.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

ModelStore Example(const std::string& name) {
  ModelStore model;
  model.Reset();
  model.ProjectFile = testing::SourcePath("examples/" + name);
  EXPECT_FALSE(ReadProjectFile(model)) << name;
  return model;
}

TEST(ExactZeros, ResultsZeroByStaticsReadZeroAndTheRestKeepTheirBits) {
  const struct {
    const char* example;
    int member;
    int end;  // index into the member's end forces
  } zeros[] = {
      {"roof-truss.str", 9, 1},  {"roof-truss.str", 9, 3},   {"roof-truss.str", 11, 1},
      {"roof-truss.str", 11, 3}, {"portal-frame.str", 3, 3},
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

// One plane frame member fixed at joint 1: each row puts one double-precision value into the
// results and says whether the stored single value becomes 0. The groups are compared across
// the structure and never with each other: a rotation of 1e-6 is no round-off beside
// translations of 1e-2, but an end force of 1e-9 beside one of 5 is.
TEST(ExactZeros, EachGroupIsMeasuredByItsOwnLargestValue) {
  const struct {
    char array;  // 'd' displacement, 'q' end force, 'r' reaction
    int index;
    double precise;
    bool zeroed;
  } rows[] = {
      {'d', 2, 1e-13, true}, {'d', 3, 1e-6, false},  {'q', 2, 1e-9, true},  {'q', 3, 2e-8, false},
      {'q', 6, 1e-17, true}, {'r', 3, 1e-11, false}, {'r', 2, 4e-12, true},
  };
  ModelStore model;
  model.Reset();
  model.SetStructType("PFrame");
  model.JointCount = 2;
  model.MemberCount = 1;
  model.DofCount = 3;
  model.RestrainedCount = 3;
  model.AnalysisStatus = kAnalysisComplete;
  model.CoordNumbers.Redim(6);
  for (int k = 1; k <= 3; ++k) {
    model.CoordNumbers(k) = static_cast<std::int16_t>(k + 3);  // joint 1 restrained
    model.CoordNumbers(k + 3) = static_cast<std::int16_t>(k);
  }
  AnalysisResults<double> precise;
  precise.AnalysisStatus = kAnalysisComplete;
  precise.DofCount = 3;
  precise.RestrainedCount = 3;
  precise.CoordNumbers = model.CoordNumbers;
  // The largest values: translation 1e-2, end force 5 and end moment 2e-8 (so the moment of
  // 2e-8 stands), reaction force 10, reaction moment 1e-11.
  precise.JointDisplacements.Redim(3);
  precise.JointDisplacements(1) = 1e-2;
  precise.MemberEndForces.Redim(1, 6);
  precise.MemberEndForces(1, 1) = 5;
  precise.SupportReactions.Redim(3);
  precise.SupportReactions(1) = 10;
  for (const auto& r : rows) {
    if (r.array == 'd') precise.JointDisplacements(r.index) = r.precise;
    if (r.array == 'q') precise.MemberEndForces(1, r.index) = r.precise;
    if (r.array == 'r') precise.SupportReactions(r.index) = r.precise;
  }
  // Every stored value starts at 1, so a kept one is seen unchanged.
  model.JointDisplacements.Redim(3);
  model.MemberEndForces.Redim(1, 6);
  model.SupportReactions.Redim(3);
  for (int i = 1; i <= 3; ++i) model.JointDisplacements(i) = model.SupportReactions(i) = 1;
  for (int i = 1; i <= 6; ++i) model.MemberEndForces(1, i) = 1;

  StoreExactZeros(model, precise);
  for (const auto& r : rows) {
    const float stored = r.array == 'd'   ? model.JointDisplacements(r.index)
                         : r.array == 'q' ? model.MemberEndForces(1, r.index)
                                          : model.SupportReactions(r.index);
    EXPECT_EQ(stored, r.zeroed ? 0.0f : 1.0f) << r.array << r.index;
  }
  EXPECT_EQ(model.JointDisplacements(1), 1.0f);
  EXPECT_EQ(model.MemberEndForces(1, 1), 1.0f);
}

}  // namespace
}  // namespace stavelorn
