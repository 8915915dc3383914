#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "analysis/AccuracyGuard.h"
#include "analysis/Analysis.h"
#include "analysis/AnalysisRun.h"
#include "analysis/GeneratedStructures.h"
#include "model/ProjectFile.h"
#include "reports/BatchReport.h"
#include "reports/MiniJson.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

// Largest difference between the stored displacements and a double-precision solution, over the
// largest displacement of that solution.
double DistanceFromDoublePrecision(const ModelStore& model) {
  AnalysisResults<double> exact = AnalyzeInPrecision<double>(model);
  double largest = 0, difference = 0;
  for (int n = 1; n <= exact.DofCount; ++n) {
    largest = std::max(largest, std::fabs(exact.JointDisplacements(n)));
    difference =
        std::max(difference, std::fabs(model.JointDisplacements(n) - exact.JointDisplacements(n)));
  }
  return difference / largest;
}

struct Slender {
  const char* name;
  ModelStore (*build)();
};

// Tall and slender frames whose single-precision solution is visibly wrong: the guard must show
// the double-precision numbers instead, and say so.
TEST(AccuracyGuard, SlenderStructuresGetDoublePrecisionResults) {
  const Slender cases[] = {
      {"plane tower 5 x 101 joints", [] { return PlaneFrameGrid(4, 100); }},
      {"plane frame 10 x 51 joints", [] { return PlaneFrameGrid(9, 50); }},
      {"space tower 2 x 2 x 51 joints", [] { return SpaceFrameLattice(2, 2, 50); }},
      {"space lattice 6 x 6 x 6 joints", [] { return SpaceFrameLattice(6, 6, 5); }},
  };
  for (const Slender& c : cases) {
    ModelStore model = c.build();
    AnalysisResults<float> single = AnalyzeInPrecision<float>(model);
    AnalysisResults<double> exact = AnalyzeInPrecision<double>(model);
    ASSERT_EQ(single.AnalysisStatus, kAnalysisComplete) << c.name;
    EXPECT_GT(DisplacementDisagreement(model, single, exact), kAccuracyThreshold) << c.name;

    AnalysisRun run = CheckAndAnalyze(model);
    ASSERT_FALSE(run.Rejected) << c.name << ": " << run.RejectionText;
    EXPECT_EQ(model.AnalysisStatus, kAnalysisComplete) << c.name;
    EXPECT_TRUE(run.UsedDoublePrecision) << c.name;
    EXPECT_LE(DistanceFromDoublePrecision(model), 1e-5) << c.name;
    EXPECT_NE(run.AccuracyNote.find("double-precision solution"), std::string::npos);
    // The trail is that of the double-precision run, the one whose results are stored.
    ASSERT_TRUE(run.Trail) << c.name;
    EXPECT_TRUE(run.Trail->DoublePrecision) << c.name;
    for (int i = 1; i <= exact.DofCount; ++i)
      ASSERT_EQ(run.Trail->Displacements[static_cast<std::size_t>(i - 1)],
                exact.JointDisplacements(i))
          << c.name;
  }
}

TEST(AccuracyGuard, TheNoteSaysHowFarApartTheSolutionsWere) {
  EXPECT_NE(AccuracyNoteText(0.0123).find("by up to 1.23 % of the largest displacement"),
            std::string::npos);
  EXPECT_NE(AccuracyNoteText(INFINITY).find("single-precision solution of the equations failed"),
            std::string::npos);
}

TEST(AccuracyGuard, TheBatchToolNamesThePrecisionOfItsNumbers) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() / "stavelorn-tower.str";
  std::string text;
  ASSERT_FALSE(ProjectFileText(PlaneFrameGrid(4, 100), text));
  std::ofstream(file, std::ios::binary) << text;
  const struct {
    std::string path;
    const char* precision;
  } cases[] = {{file.string(), "double"},
               {testing::SourcePath("examples/roof-truss.str"), "single"}};
  for (const auto& c : cases) {
    std::ostringstream out, err;
    ASSERT_EQ(RunBatchReport({"--json", c.path}, out, err), 0) << err.str();
    EXPECT_EQ(ParseJson(out.str())["precision"].text, c.precision) << c.path;
    EXPECT_EQ(err.str().find("Analysis Accuracy") != std::string::npos,
              std::string(c.precision) == "double");
  }
  std::filesystem::remove(file);
}

TEST(MemoryGuard, AModelWhoseMatricesCannotFitIsRefusedBeforeAnything) {
  // 1,500 unknowns: 9,000,000 bytes for the single-precision matrix and 1,500 rows of 35
  // doubles (a half-bandwidth of 17) for the double-precision band. The supports hold the other
  // 15 of the 1,515 joint coordinates: what counts is the unknowns, so the model still fits.
  ModelStore model = PlaneFrameGrid(4, 100);
  const std::uint64_t tight = StiffnessMatrixBytes(1500, 17) + 1;
  EXPECT_EQ(MemoryRefusal(model, tight), "");
  EXPECT_NE(MemoryRefusal(model, tight - 2), "");
  AnalysisRun run = CheckAndAnalyze(model, 8u << 20);
  EXPECT_TRUE(run.Rejected);
  EXPECT_NE(
      run.RejectionText.find("needs 8 MB for the stiffness matrix, more than this computer has"),
      std::string::npos)
      << run.RejectionText;
  EXPECT_EQ(model.AnalysisStatus, kNoResults);
  EXPECT_FALSE(CheckAndAnalyze(model, 10u << 20).Rejected);
}

TEST(MemoryGuard, CountsTheMatricesAsTheyAreAllocated) {
  const struct {
    std::uint64_t unknowns, halfBandwidth, bytes;
  } cases[] = {
      {32767, 32766, 32767ull * 32767ull * 12ull},  // a full band: both matrices in full
      {1500, 17, 1500ull * 1500ull * 4ull + 1500ull * 35ull * 8ull},
      {10, 4, 10 * 10 * 4 + 10 * 9 * 8},
      {10, 5, 10 * 10 * 12},  // a band of 11 would be wider than the row
      {0, 0, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(StiffnessMatrixBytes(c.unknowns, c.halfBandwidth), c.bytes) << c.unknowns;
}

}  // namespace
}  // namespace stavelorn
