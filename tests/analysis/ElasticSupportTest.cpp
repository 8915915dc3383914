// Springs and turned supports against closed forms and statics: a cantilever on springs; and
// every example made elastic (a settling support's base on springs among them) and turned stays
// in equilibrium. (A beam on a roller inclined to the axes, its reactions in both axes, its
// displacements and end forces, is the elastic supports report's golden file.)
#include <gtest/gtest.h>

#include <string>

#include "analysis/Analysis.h"
#include "analysis/CriticalLoad.h"
#include "analysis/EquilibriumCheck.h"
#include "analysis/ModelCheck.h"
#include "analysis/SecondOrder.h"
#include "analysis/SupportResults.h"
#include "support/CaseNames.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

using testing::ModelFromText;

constexpr double kE = 2e8, kI = 2e-4;

StructureResults Solved(const ModelStore& model) {
  EXPECT_TRUE(CheckModel(model).empty()) << CheckModel(model).front();
  const StructureResults results = Analyze(model);
  EXPECT_EQ(results.AnalysisStatus, kAnalysisComplete);
  return results;
}

// A beam cantilevered from joint 1 (length 5, EI = 2E+08 · 2E-04), held rigidly unless `springs`
// (file lines) hold some of its base's coordinates, a load P = 10 down at the tip.
std::string Cantilever(const std::string& springs) {
  return testing::OneMemberText("Beam", false, springs + "\"Joint Loads\",1\n2,-10,0\n");
}

// Closed forms of a load P = 10 at the tip of a cantilever of length L = 5 whose base is held by
// springs: the tip drops by PL³/3EI plus P/k of a translational spring and PL²/k of a rotational
// one; the springs carry the base's reactions P and P·L (-k·d, d from the settled base), and pass
// the static stability count as restraints, each one an unknown.
TEST(ElasticSupport, ACantileverOnSpringsAddsEachSpringsFlexibility) {
  const double P = 10, L = 5, bending = P * L * L * L / (3 * kE * kI);
  const struct {
    const char* springs;
    int dofs, restrained;
    double tip;
  } cases[] = {
      {"\"Support Springs\",1\n1,2,10000\n", 3, 1, bending + P * L * L / 1e4},
      {"\"Support Springs\",2\n1,1,2000\n1,2,10000\n", 4, 0, bending + P / 2000 + P * L * L / 1e4},
      // A base that settles by s carries the spring's end with it: the tip drops s more.
      {"\"Support Springs\",1\n1,1,500\n\"Support Displacements\",1\n1,-0.02,0\n", 3, 1,
       bending + P / 500 + 0.02},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.springs);
    const ModelStore model = ModelFromText(Cantilever(c.springs));
    const StructureResults r = Solved(model);
    EXPECT_EQ(r.DofCount, c.dofs);
    EXPECT_EQ(r.RestrainedCount, c.restrained);
    EXPECT_NEAR(DisplacementInGlobalAxes(model, r, 2, 1), -c.tip, 1e-6);
    EXPECT_NEAR(ReactionInGlobalAxes(model, r, 1, 1), P, 1e-4);
    EXPECT_NEAR(ReactionInGlobalAxes(model, r, 1, 2), P * L, 1e-4);
  }
}

// A beam pinned at joint 1 and fixed at joint 2, whose fixed end turns by 0.004: the pinned end
// turns back by half of it, whatever the beam's stiffness (4θA + 2θB = 0).
TEST(ElasticSupport, APinnedEndTurnsBackByHalfTheSettledTurnOfTheFixedEnd) {
  const ModelStore model = ModelFromText(
      R"("Propped","Beam", "Joints",2, 0, 5, "Supports",2, 1,1,0, 2,1,1, "Materials",1, 2E8,0, )"
      R"("Cross-Sections",1, 2E-4, "Members",1, 1,2,1,1, "Support Displacements",1, 2,0,0.004)");
  EXPECT_NEAR(testing::Displacement(model, Solved(model), 1, 2), -0.002, 1e-9);
}

// The divided members of the stability analyses stand on rigid square supports, so a frame on
// springs or a turned support is refused by name rather than solved on the wrong supports.
TEST(ElasticSupport, TheStabilityAnalysesRefuseSpringsAndTurnedSupports) {
  const ModelStore frame = testing::OnSpringsAndTurned(testing::ExampleModel("portal-frame"));
  const StructureResults r = Solved(frame);
  const CriticalLoads critical = ComputeCriticalLoads(frame, r, 1, 4);
  EXPECT_FALSE(critical.Solved);
  EXPECT_NE(critical.Message.find("springs"), std::string::npos) << critical.Message;
  ModelStore turned = frame;
  turned.SpringCount = 0;
  const SecondOrderRun second = AnalyzeSecondOrder(turned, Solved(turned), 4);
  EXPECT_NE(second.Message.find("turned support"), std::string::npos) << second.Message;
}

class ElasticExamples : public ::testing::TestWithParam<const char*> {};

TEST_P(ElasticExamples, EveryTypeOnSpringsAndTurnedSupportsIsInEquilibrium) {
  const ModelStore model = testing::OnSpringsAndTurned(testing::ExampleModel(GetParam()));
  const StructureResults r = Solved(model);
  EXPECT_LT(testing::EquilibriumResidual(model, r), 1e-4);
  // Every spring is an unknown: as many more free coordinates as the same supports held rigidly.
  ModelStore rigid = model;
  rigid.SpringCount = 0;
  EXPECT_EQ(r.DofCount, Analyze(rigid).DofCount + model.SpringCount);
}

INSTANTIATE_TEST_SUITE_P(Examples, ElasticExamples, ::testing::ValuesIn(testing::kExampleNames),
                         testing::NamedCases());

}  // namespace
}  // namespace stavelorn
