// Hostile models, where a careless engine crashes, and models too large for the memory at hand.
// (A nearly aligned pair of bars is the conditioning test's shallow truss; a joint where every
// member end is hinged, whose rotation must be held, is the leaning column of the critical-load
// test.)

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "analysis/Analysis.h"
#include "analysis/GeneratedStructures.h"
#include "analysis/MemoryGuard.h"
#include "support/SampleModels.h"
#include "support/StructureTexts.h"

namespace stavelorn {
namespace {

using testing::ModelFromText;

TEST(HostileModels, FailWithoutCrashing) {
  // Two bars meeting at joint 2, pinned at their feet (two-bars-on-pins.str).
  const std::string truss = testing::SmallProject("two-bars-on-pins");
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

  ModelStore farEnd = ModelFromText(testing::SmallProject("linear-load-from-the-far-end"));
  EXPECT_EQ(Analyze(farEnd).AnalysisStatus, kSolutionFailed)
      << "a linear load starting at the far end";

  // Two bars each carrying 2e38 into joint 3: every end force is a single-precision number, but
  // not the reaction they add up to, the last one stored.
  ModelStore overflow = ModelFromText(testing::SmallProject("reaction-beyond-any-number"));
  EXPECT_EQ(Analyze(overflow).AnalysisStatus, kSolutionFailed) << "a reaction beyond any number";

  ModelStore huge;
  huge.Reset();
  huge.SetStructType("SFrame");
  huge.JointCount = 6000;
  EXPECT_THROW(Analyze(huge), std::length_error);
}

// The memory an analysis needs, worked out here: the tower's 270 unknowns with a half-bandwidth
// of 11 need the double band (each row from its diagonal to the band's edge) and, unless double
// precision is chosen, the full float matrix; an unstable beam's mechanism is sought in the full
// double matrix of its 3 unknowns. An analysis fits exactly the memory it needs, not a byte less.
TEST(MemoryGuard, RefusesAnAnalysisOnlyWhenItsMatricesDoNotFit) {
  const std::uint64_t band = 270 * 12 * sizeof(double), full = 270 * 270 * sizeof(float);
  const struct {
    ModelStore model;
    AnalysisPrecision precision;
    std::uint64_t needed;
    const char* unknowns;
  } cases[] = {
      {PlaneFrameGrid(2, 30), AnalysisPrecision::Single, band + full, "270 unknowns"},
      {PlaneFrameGrid(2, 30), AnalysisPrecision::Double, band, "270 unknowns"},
      {testing::ModelFromText(testing::SmallProject("beam-on-one-roller")),
       AnalysisPrecision::Single, 3 * 3 * sizeof(double), "3 unknowns"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MemoryRefusal(c.model, c.needed, c.precision), "") << c.unknowns;
    EXPECT_EQ(MemoryRefusal(c.model, 0, c.precision), "") << "unknown memory is taken as enough";
    const std::string refusal = MemoryRefusal(c.model, c.needed - 1, c.precision);
    EXPECT_NE(refusal.find(std::string("The analysis of ") + c.unknowns), std::string::npos)
        << refusal;
  }
}

}  // namespace
}  // namespace stavelorn
