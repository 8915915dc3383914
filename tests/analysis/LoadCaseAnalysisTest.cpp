// Load cases by superposition: every example's loads split into two cases (and an empty third)
// give, summed by a combination, the results of the loads analysed together; a factored
// combination gives the results of its combined loads analysed as one case; in both precisions.
// Combinations and envelopes are also checked to the bit against their plain definitions.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "analysis/AnalysisRun.h"
#include "model/LoadCombination.h"
#include "reports/ResultEnvelope.h"
#include "reports/ShownResults.h"
#include "support/CaseNames.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

using testing::ExampleModel;

template <typename T>
void TakeRows(const Array<T>& from, const std::vector<int>& rows, Array<T>& to) {
  to.Redim(static_cast<int>(rows.size()));
  for (std::size_t i = 0; i < rows.size(); ++i) to(static_cast<int>(i) + 1) = from(rows[i]);
}
template <typename T>
void TakeRows(const Table<T>& from, const std::vector<int>& rows, Table<T>& to) {
  to.Redim(static_cast<int>(rows.size()), from.Cols());
  for (std::size_t i = 0; i < rows.size(); ++i)
    for (int c = 1; c <= from.Cols(); ++c) to(static_cast<int>(i) + 1, c) = from(rows[i], c);
}

// Every other record of each load section: the odd ones or the even ones.
LoadSet HalfOfTheLoads(const LoadSet& all, bool odd) {
  LoadSet half;
  auto take = [odd](std::int16_t count, std::int16_t& taken, const auto& joints, auto& toJoints,
                    const auto& values, auto& toValues) {
    std::vector<int> rows;
    for (int r = odd ? 1 : 2; r <= count; r += 2) rows.push_back(r);
    taken = static_cast<std::int16_t>(rows.size());
    TakeRows(joints, rows, toJoints);
    TakeRows(values, rows, toValues);
  };
  take(all.JointLoadCount, half.JointLoadCount, all.JointLoadJoints, half.JointLoadJoints,
       all.JointLoadValues, half.JointLoadValues);
  take(all.MemberLoadCount, half.MemberLoadCount, all.MemberLoadInfo, half.MemberLoadInfo,
       all.MemberLoadValues, half.MemberLoadValues);
  take(all.SettlementCount, half.SettlementCount, all.SettlementJoints, half.SettlementJoints,
       all.SettlementValues, half.SettlementValues);
  take(all.TempChangeCount, half.TempChangeCount, all.TempChangeMembers, half.TempChangeMembers,
       all.TempChangeValues, half.TempChangeValues);
  take(all.FabErrorCount, half.FabErrorCount, all.FabErrorMembers, half.FabErrorMembers,
       all.FabErrorValues, half.FabErrorValues);
  return half;
}

// The example with its loads in three cases: the odd records, the even ones, none; and two
// combinations, the plain sum and a factored one.
ModelStore SplitIntoCases(const ModelStore& example) {
  ModelStore split = example;
  split.LoadCases = {{"Odd", HalfOfTheLoads(example, true)},
                     {"Even", HalfOfTheLoads(example, false)},
                     {"None", LoadSet()}};
  static_cast<LoadSet&>(split) = split.LoadCases[0].Loads;
  split.Combinations = {{"Sum", {1, 1, 0}}, {"Factored", {1.5f, -0.5f, 2}}};
  return split;
}

// Every value of the three result arrays agrees with the reference within `tolerance` of the
// largest magnitude of its kind.
void ExpectSameResults(const StructureResults& reference, const StructureResults& results,
                       double tolerance, const std::string& what) {
  ASSERT_TRUE(results.Complete()) << what;
  auto compare = [&](auto read, int size, const char* kind) {
    double largest = 0;
    for (int i = 1; i <= size; ++i)
      largest = std::max(largest, std::abs(static_cast<double>(read(reference, i))));
    for (int i = 1; i <= size; ++i)
      EXPECT_NEAR(read(results, i), read(reference, i), tolerance * std::max(largest, 1e-12))
          << what << ", " << kind << " " << i;
  };
  const int forces = reference.MemberEndForces.Rows() * reference.MemberEndForces.Cols();
  const int columns = reference.MemberEndForces.Cols();
  compare([](const StructureResults& r, int i) { return r.JointDisplacements(i); },
          reference.JointDisplacements.Size(), "displacement");
  compare(
      [columns](const StructureResults& r, int i) {
        return r.MemberEndForces((i - 1) / columns + 1, (i - 1) % columns + 1);
      },
      forces, "end force");
  compare([](const StructureResults& r, int i) { return r.SupportReactions(i); },
          reference.SupportReactions.Size(), "reaction");
}

class LoadCaseAnalysis : public ::testing::TestWithParam<const char*> {};

TEST_P(LoadCaseAnalysis, CombinationsAreTheSuperpositionOfTheirCases) {
  // Also on springs and a turned support, whose reactions and settled bases superpose alike.
  for (const bool elastic : {false, true})
    for (AnalysisPrecision precision : {AnalysisPrecision::Single, AnalysisPrecision::Double}) {
      const ModelStore example = elastic ? testing::OnSpringsAndTurned(ExampleModel(GetParam()))
                                         : ExampleModel(GetParam());
      const ModelStore split = SplitIntoCases(example);
      const std::string what = std::string(GetParam()) + (elastic ? ", elastic" : "") +
                               (precision == AnalysisPrecision::Double ? ", double" : "");
      const AnalysisRun run = CheckAndAnalyze(split, 0, false, precision);
      ASSERT_FALSE(run.Rejected) << what << ": " << run.RejectionText;
      ASSERT_EQ(run.LoadCases.size(), 3u);
      ASSERT_EQ(run.Combinations.size(), 2u);
      const double tolerance = precision == AnalysisPrecision::Double ? 1e-6 : 2e-4;
      // Each case as a project of its own.
      for (int c = 1; c <= 3; ++c) {
        const AnalysisRun alone =
            CheckAndAnalyze(ModelWithLoads(split, split.LoadsOfCase(c)), 0, false, precision);
        ExpectSameResults(alone.Results, run.LoadCases[static_cast<std::size_t>(c - 1)].Results,
                          tolerance, what + ", case " + std::to_string(c));
      }
      const AnalysisRun together = CheckAndAnalyze(example, 0, false, precision);
      ExpectSameResults(together.Results, run.Combinations[0].Results, tolerance, what + ", sum");
      const AnalysisRun factored = CheckAndAnalyze(
          ModelWithLoads(split, CombinedLoads(split, split.Combinations[1].Factors)), 0, false,
          precision);
      ExpectSameResults(factored.Results, run.Combinations[1].Results, tolerance,
                        what + ", factored");
    }
}

// To the bit: each combination entry is Σ factor·value over every case, zero factors included,
// in case order and double precision, rounded once; and each envelope entry is the greatest
// (least) of the sources' shown values, from the first source that gives it.
TEST_P(LoadCaseAnalysis, CombinationsAreExactSumsAndEnvelopesTheirSourcesExtremes) {
  const ModelStore split = SplitIntoCases(ExampleModel(GetParam()));
  const AnalysisRun run = CheckAndAnalyze(split, 0, false, AnalysisPrecision::Double);
  ASSERT_EQ(run.Combinations.size(), 2u);
  for (const CaseResults& combination : run.Combinations) {
    SCOPED_TRACE(combination.Name);
    auto sum = [&](auto entry) {
      double total = 0;
      for (std::size_t c = 0; c < run.LoadCases.size(); ++c)
        total += static_cast<double>(combination.Factors[c]) *
                 static_cast<double>(entry(run.LoadCases[c].Results));
      return static_cast<float>(total);
    };
    const StructureResults& r = combination.Results;
    for (int i = 1; i <= r.JointDisplacements.Size(); ++i)
      EXPECT_EQ(r.JointDisplacements(i),
                sum([i](const StructureResults& c) { return c.JointDisplacements(i); }));
    for (int m = 1; m <= r.MemberEndForces.Rows(); ++m)
      for (int k = 1; k <= r.MemberEndForces.Cols(); ++k)
        EXPECT_EQ(r.MemberEndForces(m, k),
                  sum([m, k](const StructureResults& c) { return c.MemberEndForces(m, k); }));
    for (int i = 1; i <= r.SupportReactions.Size(); ++i)
      EXPECT_EQ(r.SupportReactions(i),
                sum([i](const StructureResults& c) { return c.SupportReactions(i); }));
  }
  for (const std::vector<CaseResults>* sources : {&run.LoadCases, &run.Combinations}) {
    const ResultEnvelope envelope = EnvelopeOf(split, *sources, false);
    std::vector<ShownResults> shown;
    for (const CaseResults& source : *sources)
      shown.push_back(ShownResultsOf(ModelWithLoads(split, source.Loads), source.Results));
    auto expectExtremes = [&](const TableEnvelope& table, ResultRows ShownResults::*rows) {
      ASSERT_EQ(table.Max.size(), (shown[0].*rows).size());
      for (std::size_t r = 0; r < table.Max.size(); ++r)
        for (std::size_t k = 0; k < table.Max[r].second.size(); ++k) {
          std::size_t maxBy = 0, minBy = 0;
          for (std::size_t s = 1; s < shown.size(); ++s) {
            const float v = (shown[s].*rows)[r].second[k];
            if (v > (shown[maxBy].*rows)[r].second[k]) maxBy = s;
            if (v < (shown[minBy].*rows)[r].second[k]) minBy = s;
          }
          EXPECT_EQ(table.Max[r].second[k], (shown[maxBy].*rows)[r].second[k]);
          EXPECT_EQ(table.Min[r].second[k], (shown[minBy].*rows)[r].second[k]);
          EXPECT_EQ(table.MaxBy[r][k], static_cast<int>(maxBy));
          EXPECT_EQ(table.MinBy[r][k], static_cast<int>(minBy));
        }
    };
    expectExtremes(envelope.Displacements, &ShownResults::Displacements);
    expectExtremes(envelope.EndForces, &ShownResults::EndForces);
    expectExtremes(envelope.Reactions, &ShownResults::Reactions);
  }
}

INSTANTIATE_TEST_SUITE_P(Examples, LoadCaseAnalysis,
                         ::testing::Values("continuous-beam", "roof-truss", "portal-frame",
                                           "space-truss-tower", "grid-floor", "space-frame"),
                         testing::NamedCases());

// A structure that cannot stand fails every case alike, and a load case's own fault is named
// after its case.
TEST(LoadCaseAnalysisFailures, AMechanismFailsEveryCaseAndACaseFaultNamesItsCase) {
  ModelStore split = SplitIntoCases(ExampleModel("portal-frame"));
  ModelStore loose = split;
  for (int s = 1; s <= loose.SupportCount; ++s)
    for (int k = 2; k <= loose.CoordsPerJoint + 1; ++k) loose.Supports(s, k) = 0;
  loose.Supports(1, 2) = 1;
  const AnalysisRun failed = CheckAndAnalyze(loose, 0, false, AnalysisPrecision::Double);
  ASSERT_FALSE(failed.Rejected) << failed.RejectionText;
  EXPECT_EQ(failed.Results.AnalysisStatus, kNotStable);
  for (const CaseResults& c : failed.LoadCases) EXPECT_EQ(c.Results.AnalysisStatus, kNotStable);
  for (const CaseResults& c : failed.Combinations) EXPECT_EQ(c.Results.AnalysisStatus, kNotStable);

  split.LoadCases[2].Loads.JointLoadCount = 1;
  split.LoadCases[2].Loads.JointLoadJoints.Redim(1);
  split.LoadCases[2].Loads.JointLoadJoints(1) = 99;
  split.LoadCases[2].Loads.JointLoadValues.Redim(1, split.CoordsPerJoint);
  const AnalysisRun rejected = CheckAndAnalyze(split);
  ASSERT_TRUE(rejected.Rejected);
  EXPECT_NE(rejected.RejectionText.find("Load case \"None\": "), std::string::npos)
      << rejected.RejectionText;
}

}  // namespace
}  // namespace stavelorn
