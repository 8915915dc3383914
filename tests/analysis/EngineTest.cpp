// Hostile models, where a careless engine crashes. (A nearly aligned pair of bars is the
// conditioning test's shallow truss; a joint where every member end is hinged, whose rotation
// must be held, is the leaning column of the critical-load test.)

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "analysis/Analysis.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

using testing::ModelFromText;

// Two bars meeting at joint 2, pinned at their feet.
const char* const kPair =
    R"("Pair","PTruss", "Joints",3, 0,0, 3,4, 6,0, "Supports",2, 1,1,1, )"
    R"(3,1,1, "Materials",1, 200000000,0, "Cross-Sections",1, 0.01, "Members",2, 1,2,1,1, )"
    R"(2,3,1,1, "Joint Loads",1, 2,0,-1, )";

TEST(HostileModels, FailWithoutCrashing) {
  const std::string truss = kPair;
  ModelStore outside = ModelFromText(truss);
  outside.MemberProps(2, 2) = 4;  // a joint that does not exist
  EXPECT_THROW(Analyze(outside), std::out_of_range);

  ModelStore zeroLength = ModelFromText(truss);
  zeroLength.JointCoords(2, 1) = 0, zeroLength.JointCoords(2, 2) = 0;
  EXPECT_EQ(Analyze(zeroLength).AnalysisStatus, kSolutionFailed) << "0/0 in the member matrices";

  // Between two supports a member of no length solves (nothing of it is free), but its end
  // forces are 0/0: no result either.
  ModelStore heldZero = ModelFromText(truss + "\"Supports\",3, 1,1,1, 2,1,1, 3,1,1\n");
  heldZero.JointCoords(2, 1) = 0, heldZero.JointCoords(2, 2) = 0;
  EXPECT_EQ(Analyze(heldZero).AnalysisStatus, kSolutionFailed);

  ModelStore farEnd = ModelFromText(
      R"("Held","Beam", "Joints",2, 0, 4, "Supports",2, 1,1,1, 2,1,1, )"
      R"("Materials",1, 1,0, "Cross-Sections",1, 1, "Members",1, 1,2,1,1, "Member Loads",1, )"
      R"(1,4,1,1,4,0)");
  EXPECT_EQ(Analyze(farEnd).AnalysisStatus, kSolutionFailed)
      << "a linear load starting at the far end";

  // Two bars each carrying 2e38 into joint 3: every end force is a single-precision number, but
  // not the reaction they add up to, the last one stored.
  ModelStore overflow = ModelFromText(
      R"("Overflow","PTruss", "Joints",3, 0,-1, 0,1, 0,0, "Supports",3, 1,1,0, 2,1,0, 3,1,1, )"
      R"("Materials",1, 200000000,0, "Cross-Sections",1, 0.01, "Members",2, 1,3,1,1, 3,2,1,1, )"
      R"("Joint Loads",2, 1,0,-2E+38, 2,0,-2E+38)");
  EXPECT_EQ(Analyze(overflow).AnalysisStatus, kSolutionFailed) << "a reaction beyond any number";

  ModelStore huge;
  huge.Reset();
  huge.SetStructType("SFrame");
  huge.JointCount = 6000;
  EXPECT_THROW(Analyze(huge), std::length_error);
}

}  // namespace
}  // namespace stavelorn
