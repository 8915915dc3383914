// The direction every view words a member load by ("P = 10 (in local -y)") must be the
// way the load acts in the analysis. The oracle is the member's fixed-end forces: the ends of a
// member held fixed push back against the load, so the load is minus the resultant of its
// fixed-end forces, taken about the beginning joint. That sign is read for every kind on every
// type that carries it, from the forces alone, never from the load-kind table.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "analysis/EquilibriumCheck.h"
#include "analysis/MethodTrail.h"
#include "model/LoadSymbols.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

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
