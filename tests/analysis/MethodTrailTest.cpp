// The method's trail against independent oracles. The structure's [S] as the trail records it,
// entry by entry over the whole matrix, against each member's own [K] scattered at its code
// numbers and each spring's k on the diagonal; in both precisions (the double-precision run holds
// only a band of [S]); and the solution {d} against [S]{d} = {P}.
//
// The direction every view words a member load by ("P = 10 (in local -y)") must be the
// way the load acts in the analysis. The oracle is the member's fixed-end forces: the ends of a
// member held fixed push back against the load, so the load is minus the resultant of its
// fixed-end forces, taken about the beginning joint. That sign is read for every kind on every
// type that carries it, from the forces alone, never from the load-kind table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "analysis/AnalysisRun.h"
#include "analysis/EquilibriumCheck.h"
#include "analysis/GeneratedStructures.h"
#include "analysis/MethodTrail.h"
#include "analysis/TrailEquilibrium.h"
#include "model/LoadSymbols.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

void ExpectAssembledAndSolved(const MethodTrail& trail) {
  const int n = trail.DofCount;
  ASSERT_TRUE(trail.HasStiffness());
  std::vector<double> sum(static_cast<std::size_t>(n) * static_cast<std::size_t>(n));
  auto at = [n](int code, int other) {
    return static_cast<std::size_t>(code - 1) * static_cast<std::size_t>(n) +
           static_cast<std::size_t>(other - 1);
  };
  for (const TrailMember& m : trail.Members) {
    const TrailMatrix& k =
        m.SupportAxesStiffness.Rows > 0 ? m.SupportAxesStiffness : m.GlobalStiffness;
    for (std::size_t a = 0; a < m.CodeNumbers.size(); ++a)
      for (std::size_t b = 0; b < m.CodeNumbers.size(); ++b)
        if (m.CodeNumbers[a] <= n && m.CodeNumbers[b] <= n)
          sum[at(m.CodeNumbers[a], m.CodeNumbers[b])] +=
              k(static_cast<int>(a), static_cast<int>(b));
  }
  for (const TrailSpring& spring : trail.Springs)
    if (spring.Code <= n) sum[at(spring.Code, spring.Code)] += spring.Stiffness;
  for (int i = 1; i <= n; ++i) {
    double residual = trail.LoadVector[static_cast<std::size_t>(i - 1)], size = 0;
    for (int j = 1; j <= n; ++j) {
      // [S] is positive definite: no entry is larger than the larger of its two diagonals.
      const double scale = std::max(std::fabs(sum[at(i, i)]), std::fabs(sum[at(j, j)]));
      ASSERT_NEAR(trail.Stiffness(i - 1, j - 1), sum[at(i, j)], 1e-5 * scale) << i << ", " << j;
      const double term = trail.Stiffness(i - 1, j - 1) * trail.Displacements[j - 1];
      residual -= term;
      size += std::fabs(term);
    }
    EXPECT_LE(std::fabs(residual), 1e-4 * size + 1e-12) << "row " << i;
  }
}

TEST(TrailAssembly, TheStiffnessIsTheMembersAndSpringsAndItSolvesTheLoads) {
  for (const char* name : testing::kExampleNames)
    for (const bool elastic : {false, true})
      for (const AnalysisPrecision precision :
           {AnalysisPrecision::Single, AnalysisPrecision::Double}) {
        SCOPED_TRACE(std::string(name) + (elastic ? " on springs" : "") +
                     (precision == AnalysisPrecision::Double ? ", double" : ""));
        ModelStore model = testing::ExampleModel(name);
        if (elastic) model = testing::OnSpringsAndTurned(model);
        const AnalysisRun run = CheckAndAnalyze(model, AvailableMemoryBytes(), true, precision);
        ASSERT_TRUE(run.Trail);
        ExpectAssembledAndSolved(*run.Trail);
        // The equilibrium checks open with a heading, which sums nothing.
        EXPECT_EQ(TrailEquilibrium(model, run.Results, *run.Trail).front().Scale, 0);
      }
}

// The trail keeps [S] up to three hundred unknowns, and not one more.
TEST(TrailAssembly, TheStiffnessIsKeptUpToThreeHundredUnknowns) {
  ModelStore frame = PlaneFrameGrid(9, 10);
  for (const int unknowns : {300, 301}) {
    if (unknowns == 301) frame.Supports(1, 4) = 0;
    const AnalysisRun run = CheckAndAnalyze(frame);
    ASSERT_EQ(run.Trail->DofCount, unknowns);
    EXPECT_EQ(run.Trail->HasStiffness(), unknowns == 300);
  }
}

using testing::Vec;

// The load itself, in local axes: minus the resultant of the fixed-end forces {Qf} about the
// beginning joint (an end force at x = L adds L·x × F to the moment).
testing::Wrench LoadFromFixedEndForces(const std::string& type, const std::vector<double>& qf,
                                       double length) {
  const auto half = qf.begin() + static_cast<std::ptrdiff_t>(qf.size() / 2);
  const testing::Wrench a = testing::WrenchOf(type, {qf.begin(), half});
  const testing::Wrench b = testing::WrenchOf(type, {half, qf.end()});
  const Vec arm = {0, -length * b.force[2], length * b.force[1]};  // L·x × F at the end
  return {testing::Add(testing::Add({}, a.force, -1), b.force, -1),
          testing::Add(testing::Add(testing::Add({}, a.moment, -1), b.moment, -1), arm, -1)};
}

TEST(LoadDirection, EveryKindActsTheWayItsWordsSay) {
  // The words in brackets after the magnitudes, as the list, the tooltip, the method's steps
  // and the drawing show them.
  const std::regex worded(R"(\((in|about) local ([+-])([xyz])\)$)");
  for (const char* type : {"Beam", "PFrame", "Grid", "SFrame"}) {
    for (const MemberLoadKindInfo* kind : AcceptedLoadKinds(KindOfStructure(type))) {
      const std::string label = MemberLoadLabel(*kind, {10, 3, 1, 0.5});
      SCOPED_TRACE(std::string(type) + ", " + kind->LongName + ": " + label);
      std::smatch words;
      ASSERT_TRUE(std::regex_search(label, words, worded));
      const bool couple = words[1] == "about";
      const double sign = words[2] == "-" ? -1 : 1;
      const std::size_t axis = static_cast<std::size_t>(words[3].str()[0] - 'x');

      const ModelStore model = testing::ModelFromText(testing::OneMemberText(
          type, false,
          "\"Member Loads\",1, 1," + std::to_string(static_cast<int>(kind->Kind)) + ",10,3,1,0.5"));
      const MethodTrail steps = RecordMemberSteps(model);
      ASSERT_EQ(steps.Members.size(), 1u);
      const testing::Wrench load =
          LoadFromFixedEndForces(type, steps.Members[0].LocalFixedEndForces,
                                 testing::Norm(testing::Add(testing::Position(model, 2),
                                                            testing::Position(model, 1), -1)));

      // The named component carries the load's sign; a force has no other component, a couple
      // no force at all and no moment about another axis.
      const Vec& acting = couple ? load.moment : load.force;
      EXPECT_GT(sign * acting[axis], 1) << acting[0] << ", " << acting[1] << ", " << acting[2];
      for (std::size_t other = 0; other < 3; ++other) {
        if (other != axis) {
          EXPECT_NEAR(acting[other], 0, 1e-3) << "component " << other;
        }
        if (couple) {
          EXPECT_NEAR(load.force[other], 0, 1e-3) << "force " << other;
        }
      }
    }
  }
}

}  // namespace
}  // namespace stavelorn
