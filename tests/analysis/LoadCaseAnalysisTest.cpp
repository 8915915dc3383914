// Load cases by superposition: every example's loads split into two cases (and an empty third)
// give, summed by a combination, the results of the loads analysed together; a factored
// combination gives the results of its combined loads analysed as one case; in both precisions.
// Envelopes are also checked against their plain definition.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "analysis/AnalysisRun.h"
#include "analysis/CaseTrail.h"
#include "analysis/ModelCheck.h"
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

// Each value of `values` agrees with `reference` within `tolerance` of the largest magnitude of
// the reference (exactly with 0).
void ExpectSameValues(const std::vector<double>& reference, const std::vector<double>& values,
                      double tolerance, const std::string& what) {
  ASSERT_EQ(values.size(), reference.size()) << what;
  double largest = 1e-30;
  for (double value : reference) largest = std::max(largest, std::abs(value));
  for (std::size_t i = 0; i < values.size(); ++i)
    EXPECT_NEAR(values[i], reference[i], tolerance * largest) << what << " [" << i << "]";
}

std::vector<double> ValuesOf(const Array<float>& a) {
  return {a.Data(), a.Data() + a.Size()};
}
std::vector<double> ValuesOf(const Table<float>& t) {
  return {t.Data(), t.Data() + t.Rows() * t.Cols()};
}

// Every value of the three result arrays agrees with the reference within `tolerance` of the
// largest magnitude of its kind.
void ExpectSameResults(const StructureResults& reference, const StructureResults& results,
                       double tolerance, const std::string& what) {
  ASSERT_TRUE(results.Complete()) << what;
  ExpectSameValues(ValuesOf(reference.JointDisplacements), ValuesOf(results.JointDisplacements),
                   tolerance, what + ", displacements");
  ExpectSameValues(ValuesOf(reference.MemberEndForces), ValuesOf(results.MemberEndForces),
                   tolerance, what + ", end forces");
  ExpectSameValues(ValuesOf(reference.SupportReactions), ValuesOf(results.SupportReactions),
                   tolerance, what + ", reactions");
}

// A case's own method steps beside the shared matrices are the trail of that case analysed alone.
void ExpectSameTrail(const MethodTrail& alone, const MethodTrail& ofCase, double tolerance,
                     const std::string& what) {
  EXPECT_EQ(ofCase.DoublePrecision, alone.DoublePrecision) << what;
  EXPECT_EQ(ofCase.DoublePrecisionChosen, alone.DoublePrecisionChosen) << what;
  ExpectSameValues(alone.Stiffness.Values, ofCase.Stiffness.Values, tolerance, what + ", [S]");
  ExpectSameValues(alone.JointLoads, ofCase.JointLoads, tolerance, what + ", joint loads");
  ExpectSameValues(alone.FixedEndPart, ofCase.FixedEndPart, tolerance, what + ", -sum {Ff}");
  ExpectSameValues(alone.LoadVector, ofCase.LoadVector, tolerance, what + ", {P}");
  ExpectSameValues(alone.Displacements, ofCase.Displacements, tolerance, what + ", {d}");
  ASSERT_EQ(ofCase.Members.size(), alone.Members.size()) << what;
  for (std::size_t m = 0; m < alone.Members.size(); ++m) {
    const TrailMember &a = alone.Members[m], &c = ofCase.Members[m];
    const std::string member = what + ", member " + std::to_string(m + 1);
    ExpectSameValues(a.Transformation.Values, c.Transformation.Values, tolerance, member + " [T]");
    ExpectSameValues(a.GlobalStiffness.Values, c.GlobalStiffness.Values, tolerance,
                     member + " [K]");
    ExpectSameValues(a.SupportAxesStiffness.Values, c.SupportAxesStiffness.Values, tolerance,
                     member + " [Tn][K][Tn]T");
    ExpectSameValues(a.LocalFixedEndForces, c.LocalFixedEndForces, tolerance, member + " {Qf}");
    ExpectSameValues(a.GlobalFixedEndForces, c.GlobalFixedEndForces, tolerance, member + " {Ff}");
    ExpectSameValues(a.LocalEndDisplacements, c.LocalEndDisplacements, tolerance, member + " {u}");
    ExpectSameValues(a.LocalEndForces, c.LocalEndForces, tolerance, member + " {Q}");
    ExpectSameValues(a.GlobalEndForces, c.GlobalEndForces, tolerance, member + " {F}");
  }
}

class LoadCaseAnalysis : public ::testing::TestWithParam<const char*> {};

TEST_P(LoadCaseAnalysis, CombinationsAreTheSuperpositionOfTheirCases) {
  // Also on springs and a turned support, whose reactions and settled bases superpose alike.
  for (const bool elastic : {false, true})
    for (AnalysisPrecision precision : {AnalysisPrecision::Single, AnalysisPrecision::Double}) {
      ModelStore example = elastic ? testing::OnSpringsAndTurned(ExampleModel(GetParam()))
                                   : ExampleModel(GetParam());
      // Spread loads stop short of their end joint (b), which a combination's loads keep.
      for (int r = 1; r <= example.MemberLoadCount; ++r) example.MemberLoadValues(r, 4) = 0.5f;
      const ModelStore split = SplitIntoCases(example);
      const std::string what = std::string(GetParam()) + (elastic ? ", elastic" : "") +
                               (precision == AnalysisPrecision::Double ? ", double" : "");
      const AnalysisRun run = CheckAndAnalyze(split, 0, true, precision);
      ASSERT_FALSE(run.Rejected) << what << ": " << run.RejectionText;
      ASSERT_EQ(run.LoadCases.size(), 3u);
      ASSERT_EQ(run.Combinations.size(), 2u);
      const double tolerance = precision == AnalysisPrecision::Double ? 1e-6 : 2e-4;
      // Each case as a project of its own, its method steps too: to the bit in single precision,
      // where each case runs the method alone; its solution shares the factors in double.
      for (int c = 1; c <= 3; ++c) {
        const std::string which = what + ", case " + std::to_string(c);
        const CaseResults& ofCase = run.LoadCases[static_cast<std::size_t>(c - 1)];
        const AnalysisRun alone =
            CheckAndAnalyze(ModelWithLoads(split, split.LoadsOfCase(c)), 0, true, precision);
        ExpectSameResults(alone.Results, ofCase.Results, tolerance, which);
        ASSERT_EQ(ofCase.Steps != nullptr, c > 1) << which;
        // One [S] for the project, however many cases: a case's own steps in the same precision
        // keep none.
        if (c > 1 && ofCase.Steps->DoublePrecision == run.Trail->DoublePrecision) {
          EXPECT_EQ(ofCase.Steps->Stiffness.Rows, 0) << which;
        }
        if (c > 1)
          ExpectSameTrail(*alone.Trail, TrailOfCase(*run.Trail, *ofCase.Steps, ofCase.Results),
                          precision == AnalysisPrecision::Double ? 1e-9 : 0.0, which);
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

// Each envelope entry is the greatest (least) of the sources' shown values, from the first source
// that gives it.
TEST_P(LoadCaseAnalysis, EnvelopesAreTheirSourcesExtremes) {
  const ModelStore split = SplitIntoCases(ExampleModel(GetParam()));
  const AnalysisRun run = CheckAndAnalyze(split, 0, false, AnalysisPrecision::Double);
  ASSERT_EQ(run.Combinations.size(), 2u);
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

INSTANTIATE_TEST_SUITE_P(Examples, LoadCaseAnalysis, ::testing::ValuesIn(testing::kExampleNames),
                         testing::NamedCases());

// The other case of a two-case project is solved as a case of its own: a load too large for any
// number on the member held at both ends leaves every displacement a number but not its end
// forces, and fails that case and the combination, in either precision, while the shown case
// stands.
TEST(LoadCaseAnalysisFailures, TheOtherOfTwoCasesFailsAlone) {
  ModelStore two = testing::ModelFromText(
      R"("Two cases","PFrame", "Joints",3, 0,0, 4,0, 4,3, "Supports",2, 1,1,1,1, 2,1,1,1, )"
      R"("Materials",1, 2E+08,1.2E-05, "Cross-Sections",1, 0.01,0.0002, )"
      R"("Members",2, 1,2,1,1, 2,3,1,1, "Load Cases",2, "Sway","Deck", )"
      R"("Load Case",1, "Joint Loads",1, 3,10,0,0, "Load Case",2, "Member Loads",1, 1,3,5,0,0,0, )"
      R"("Load Combinations",1, "Both",1,1)");
  two.LoadCases[1].Loads.MemberLoadValues(1, 1) = INFINITY;
  for (AnalysisPrecision precision : {AnalysisPrecision::Single, AnalysisPrecision::Double}) {
    const AnalysisRun run = CheckAndAnalyze(two, 0, false, precision);
    ASSERT_FALSE(run.Rejected) << run.RejectionText;
    EXPECT_EQ(run.Results.AnalysisStatus, kAnalysisComplete);
    EXPECT_EQ(run.LoadCases[0].Results.AnalysisStatus, kAnalysisComplete);
    EXPECT_EQ(run.LoadCases[1].Results.AnalysisStatus, kSolutionFailed);
    EXPECT_EQ(run.Combinations[0].Results.AnalysisStatus, kSolutionFailed);
  }
}

// A combination of cases not all complete takes the status of the first that is not; one whose
// factors do not match the cases (none solved, or a case more than solved) has no results.
TEST(LoadCaseAnalysisFailures, ACombinationTakesTheStatusOfItsFirstIncompleteCase) {
  const ModelStore model = testing::ModelFromText(testing::kThreeCaseFrame);
  const struct {
    std::vector<int> cases;
    int combined;
  } rows[] = {
      {{kAnalysisComplete, kSolutionFailed, kNotStable}, kSolutionFailed},
      {{kNotStable, kAnalysisComplete, kSolutionFailed}, kNotStable},
      {{kAnalysisComplete, kAnalysisComplete}, kNoResults},
      {{}, kNoResults},
  };
  for (const auto& row : rows) {
    std::vector<CaseResults> cases(row.cases.size());
    for (std::size_t c = 0; c < cases.size(); ++c)
      cases[c].Results.AnalysisStatus = static_cast<std::int16_t>(row.cases[c]);
    const std::vector<CaseResults> combined = CombineCases(model, cases);
    ASSERT_EQ(combined.size(), 2u);
    for (const CaseResults& c : combined)
      EXPECT_EQ(c.Results.AnalysisStatus, row.combined) << c.Name << ", " << cases.size();
  }
}

void SetJointRecords(std::int16_t& count, Array<std::int16_t>& joints, std::vector<int> numbers) {
  count = static_cast<std::int16_t>(numbers.size());
  joints.Redim(count);
  for (int r = 1; r <= count; ++r) joints(r) = static_cast<std::int16_t>(numbers[r - 1U]);
}

// The structure is checked once and each other case for its loads alone: its faults are those
// the checks find in that case as a project of its own, named after the case, but for the ones
// the shown case has too, named once. Faults are planted in every load section.
TEST(LoadCaseAnalysisFailures, AnotherCasesFaultsAreThoseOfThatCaseAlone) {
  ModelStore split = SplitIntoCases(ExampleModel("portal-frame"));
  const int perJoint = split.CoordsPerJoint;
  // Shown and "None" alike: joint load 1 at a joint that does not exist.
  for (LoadSet* loads : {static_cast<LoadSet*>(&split), &split.LoadCases[2].Loads}) {
    SetJointRecords(loads->JointLoadCount, loads->JointLoadJoints, {99});
    loads->JointLoadValues.Redim(1, perJoint);
  }
  LoadSet& none = split.LoadCases[2].Loads;
  // At joint 2, which is no support, and twice at joint 1.
  SetJointRecords(none.SettlementCount, none.SettlementJoints, {2, 1, 1});
  none.SettlementValues.Redim(3, perJoint);
  none.SettlementValues(1, 1) = 0.01f;
  none.MemberLoadCount = 2;
  none.MemberLoadInfo.Redim(2, 2);
  none.MemberLoadValues.Redim(2, 4);
  none.MemberLoadInfo(1, 1) = 9, none.MemberLoadInfo(1, 2) = 1;
  none.MemberLoadInfo(2, 1) = 2, none.MemberLoadInfo(2, 2) = 1;
  none.MemberLoadValues(2, 3) = 30.0f;  // beyond the 8 m of member 2
  SetJointRecords(none.TempChangeCount, none.TempChangeMembers, {7});
  none.TempChangeValues.Redim(1);
  LoadSet& even = split.LoadCases[1].Loads;
  SetJointRecords(even.FabErrorCount, even.FabErrorMembers, {0});
  even.FabErrorValues.Redim(1);

  std::vector<std::string> expected = CheckModel(split);
  const std::size_t shown = expected.size();
  for (int c = 2; c <= 3; ++c)
    for (const std::string& problem : CheckModel(ModelWithLoads(split, split.LoadsOfCase(c))))
      if (std::find(expected.begin(), expected.begin() + static_cast<long>(shown), problem) ==
          expected.begin() + static_cast<long>(shown))
        expected.push_back("Load case \"" + split.LoadCaseName(c) + "\": " + problem);
  EXPECT_EQ(shown, 1u);
  EXPECT_EQ(expected.size(), shown + 6) << "each planted fault found once";
  EXPECT_EQ(CheckModelAndCases(split), expected);
  const AnalysisRun rejected = CheckAndAnalyze(split);
  EXPECT_EQ(rejected.RejectionText, InputDataErrorText(expected));
}

}  // namespace
}  // namespace stavelorn
