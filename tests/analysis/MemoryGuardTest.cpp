#include <gtest/gtest.h>

#include "analysis/GeneratedStructures.h"
#include "analysis/MemoryGuard.h"
#include "support/SampleModels.h"
#include "support/StructureTexts.h"

namespace stavelorn {
namespace {

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
