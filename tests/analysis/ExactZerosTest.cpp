// The exact-zero rule on every example: single-precision results kept bit for bit but for those
// that statics makes zero.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "analysis/Analysis.h"
#include "analysis/AnalysisRun.h"
#include "analysis/ExactZeros.h"
#include "support/CaseNames.h"
#include "support/SampleModels.h"
#include "support/StructureTexts.h"

namespace stavelorn {
namespace {

class ExampleTrail : public ::testing::TestWithParam<const char*> {};

// Results that are zero in exact arithmetic: the zero-force bars of the roof truss (by the
// method of joints, a bar meeting a joint where the other bars are collinear and unloaded) and
// the moment at the pinned base of the portal frame.
const std::map<std::string, std::vector<std::pair<int, int>>> kExactZeros = {
    {"roof-truss", {{9, 1}, {9, 3}, {11, 1}, {11, 3}}}, {"portal-frame", {{3, 3}}}};

// The guard keeps a textbook structure's single-precision results bit for bit, but for the
// results zero by statics, which read 0 and leave every other value as it was.
TEST_P(ExampleTrail, TheGuardKeepsTheSinglePrecisionResultsButReadsExactZerosAsZero) {
  ModelStore plain = testing::ExampleModel(GetParam());
  const AnalysisRun run = CheckAndAnalyze(plain);
  ASSERT_EQ(run.Results.AnalysisStatus, kAnalysisComplete);
  const StructureResults single = Analyze(plain);
  StructureResults zeroed = single;
  StoreExactZeros(plain, AnalyzeInPrecision<double>(plain), zeroed);
  EXPECT_EQ(run.AccuracyNote, "");
  EXPECT_EQ(run.Results.JointDisplacements, zeroed.JointDisplacements);
  EXPECT_EQ(run.Results.MemberEndForces, zeroed.MemberEndForces);
  EXPECT_EQ(run.Results.SupportReactions, zeroed.SupportReactions);
  if (kExactZeros.count(GetParam()))
    for (const auto& [member, end] : kExactZeros.at(GetParam())) {
      EXPECT_EQ(run.Results.MemberEndForces(member, end), 0.0f) << member;
      EXPECT_NE(single.MemberEndForces(member, end), 0.0f) << "round-off before the rule";
    }
  const Table<float>& q = zeroed.MemberEndForces;
  for (int m = 1; m <= q.Rows(); ++m)
    for (int i = 1; i <= q.Cols(); ++i)
      if (q(m, i) != 0) {
        EXPECT_EQ(q(m, i), single.MemberEndForces(m, i)) << m << "," << i;
      }
  for (int n = 1; n <= zeroed.DofCount; ++n)
    if (zeroed.JointDisplacements(n) != 0) {
      EXPECT_EQ(zeroed.JointDisplacements(n), single.JointDisplacements(n)) << n;
    }
  EXPECT_EQ(zeroed.SupportReactions, single.SupportReactions);
}

// A zero by statics at a joint's last coordinate: the middle support of two equal spans under
// equal loads (two-equal-spans.str) does not turn, and that rotation reads 0 where single
// precision leaves round-off.
TEST(ExactZeros, TheLastCoordinateOfAJointReadsItsZeroToo) {
  ModelStore beam = testing::ModelFromText(testing::SmallProject("two-equal-spans"));
  const StructureResults single = Analyze(beam);
  const AnalysisRun run = CheckAndAnalyze(beam);
  const int middle = run.Results.CoordNumbers(4);  // joint 2's rotation
  ASSERT_LE(middle, run.Results.DofCount);
  EXPECT_NE(single.JointDisplacements(middle), 0.0f) << "round-off before the rule";
  EXPECT_EQ(run.Results.JointDisplacements(middle), 0.0f);
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleTrail, ::testing::ValuesIn(testing::kExampleNames),
                         testing::NamedCases());

}  // namespace
}  // namespace stavelorn
