// Structures whose answers are known in closed form, one or more for every structure type.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "analysis/Analysis.h"
#include "analysis/EquilibriumCheck.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

using testing::Displacement;
using testing::EquilibriumResidual;
using testing::ModelFromText;
using testing::Reaction;

// Relative tolerance for single-precision results of well-conditioned structures.
constexpr double kRel = 2e-5;

ModelStore Analysed(const std::string& text) {
  ModelStore m = ModelFromText(text);
  Analyze(m);
  EXPECT_EQ(m.AnalysisStatus, kAnalysisComplete);
  return m;
}

TEST(ClosedForm, BeamCantileverTipLoadDeflectsPL3Over3EI) {
  // L = 4, EI = 2e4, P = 10 downward at the tip.
  const ModelStore m = Analysed(R"("Cantilever","Beam"
"Joints",2, 0, 4
"Supports",1, 1,1,1
"Materials",1, 200000000,0.000012
"Cross-Sections",1, 0.0001
"Members",1, 1,2,1,1
"Joint Loads",1, 2,-10,0
)");
  EXPECT_NEAR(Displacement(m, 2, 1), -10.0 * 64 / (3 * 2e4), kRel * 0.0107);
  EXPECT_NEAR(Displacement(m, 2, 2), -10.0 * 16 / (2 * 2e4), kRel * 0.004);
  EXPECT_NEAR(Reaction(m, 1, 1), 10, 10 * kRel);
  EXPECT_NEAR(Reaction(m, 1, 2), 40, 40 * kRel) << "the wall holds the moment P·L";
}

TEST(ClosedForm, FixedFixedUniformLoadGivesEndMomentsWL2Over12) {
  // Two members of 3 between fixed ends, w = 2 on both: end moments w·6²/12 = 6, midspan
  // deflection w·6⁴/(384·EI), midspan moment w·6²/24 = 3 (sagging).
  const ModelStore m = Analysed(R"("Fixed-fixed","Beam"
"Joints",3, 0, 3, 6
"Supports",2, 1,1,1, 3,1,1
"Materials",1, 200000000,0.000012
"Cross-Sections",1, 0.0001
"Members",2, 1,2,1,1, 2,3,1,1
"Member Loads",2, 1,3,2,0,0,0, 2,3,2,0,0,0
)");
  EXPECT_NEAR(Displacement(m, 2, 1), -2.0 * 1296 / (384 * 2e4), kRel * 3.4e-4);
  EXPECT_NEAR(m.MemberEndForces(1, 1), 6, 6 * kRel);
  EXPECT_NEAR(m.MemberEndForces(1, 2), 6, 6 * kRel);
  EXPECT_NEAR(m.MemberEndForces(1, 4), 3, 3 * kRel);
  EXPECT_NEAR(m.MemberEndForces(2, 4), -6, 6 * kRel);
  EXPECT_NEAR(Reaction(m, 3, 2), -6, 6 * kRel);
}

TEST(ClosedForm, DeterminateTrussForcesFollowFromStaticsAndDeflectionFromVirtualWork) {
  // Triangle of span 6 and rise 4 under 10 at the apex; EA = 1e5. Diagonals carry 6.25 in
  // compression, the tie 3.75 in tension; apex deflection sum(N·n·L)/EA = 47.5/EA.
  const ModelStore m = Analysed(R"("Triangle","PTruss"
"Joints",3, 0,0, 6,0, 3,4
"Supports",2, 1,1,1, 2,0,1
"Materials",1, 100000,0
"Cross-Sections",1, 1
"Members",3, 1,2,1,1, 1,3,1,1, 2,3,1,1
"Joint Loads",1, 3,0,-10
)");
  EXPECT_NEAR(m.MemberEndForces(1, 1), -3.75, 3.75 * kRel)
      << "a tie shows a negative force at its beginning";
  EXPECT_NEAR(m.MemberEndForces(2, 1), 6.25, 6.25 * kRel);
  EXPECT_NEAR(m.MemberEndForces(3, 1), 6.25, 6.25 * kRel);
  EXPECT_NEAR(Displacement(m, 3, 2), -47.5e-5, 47.5e-5 * kRel);
  EXPECT_NEAR(Displacement(m, 2, 1), 3.75 * 6 / 1e5, 2.25e-4 * kRel);
  EXPECT_NEAR(Reaction(m, 1, 2), 5, 5 * kRel);
}

TEST(ClosedForm, RestrainedBarIsCompressedByTheElongationItCannotMake) {
  // Bars of 3 and 2 between fixed points, EA = 2e6; member 1 would lengthen by d = 1.8 mm (50
  // degrees on 3, or made too long), so both carry N = -d·EA/5 and the middle joint moves by
  // -N·2/EA.
  for (const char* action :
       {"\"Temperature Changes\",1, 1,50", "\"Fabrication Errors\",1, 1,0.0018"}) {
    SCOPED_TRACE(action);
    const ModelStore m = Analysed(std::string(R"("Restrained bar","PTruss"
"Joints",3, 0,0, 3,0, 5,0
"Supports",3, 1,1,1, 2,0,1, 3,1,1
"Materials",1, 200000000,0.000012
"Cross-Sections",1, 0.01
"Members",2, 1,2,1,1, 2,3,1,1
)") + action + "\n");
    const double n = -0.0018 * 2e6 / 5;
    EXPECT_NEAR(m.MemberEndForces(1, 1), -n, -n * kRel);
    EXPECT_NEAR(m.MemberEndForces(2, 1), -n, -n * kRel);
    EXPECT_NEAR(m.MemberEndForces(2, 3), n, -n * kRel);
    EXPECT_NEAR(Displacement(m, 2, 1), -n * 2 / 2e6, -n * 2 / 2e6 * kRel);
  }
}

// Member 1 along X (4), member 2 along Z (3), P = 10 at the tip; EI = 4e4 (Iz = 2e-4), GJ = 8e3:
// the tip falls P·4³/3EI + P·3³/3EI + (P·3)·4·3/GJ, member 1 twisting under the torque P·3.
// Rolled by 90 degrees, member 1 bends in the vertical plane about its local y axis, with Iy.
TEST(ClosedForm, RollAngleDecidesWhichInertiaCarriesTheLoad) {
  for (int roll : {0, 90}) {
    SCOPED_TRACE(roll);
    const ModelStore m = Analysed(R"("Space L","SFrame"
"Joints",3, 0,0,0, 4,0,0, 4,0,3
"Supports",1, 1,1,1,1,1,1,1
"Materials",1, 200000000,80000000,0.000012
"Cross-Sections",1, 0.01,0.0002,0.0001,0.0001
"Members",2, 1,2,1,1,)" + std::to_string(roll) +
                                  R"(, 2,3,1,1,0
"Joint Loads",1, 3,0,-10,0,0,0,0
)");
    const double ei1 = roll == 90 ? 2e4 : 4e4;
    const double tip = 10.0 * 64 / (3 * ei1) + 10.0 * 27 / 1.2e5 + 10.0 * 3 * 4 * 3 / 8e3;
    EXPECT_NEAR(Displacement(m, 3, 2), -tip, tip * kRel);
    EXPECT_NEAR(Displacement(m, 3, 1), 0, tip * kRel);
    EXPECT_NEAR(Displacement(m, 3, 3), 0, tip * kRel);
    EXPECT_NEAR(EquilibriumResidual(m), 0, 1e-5);
  }
}

}  // namespace
}  // namespace stavelorn
