// The direction every view words a member load by ("P = 10 (in local -y)") must be the
// way the load acts in the analysis. The oracle is the member's fixed-end forces: the ends of a
// member held fixed push back against the load, so the load is minus the resultant of its
// fixed-end forces, taken about the beginning joint. That sign is read for every kind on every
// type that carries it, from the forces alone, never from the load-kind table.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>

#include "analysis/EquilibriumCheck.h"
#include "analysis/MethodTrail.h"
#include "model/LoadSymbols.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

using testing::Vec;

// One member of length 4 along global X, on each type that carries member loads.
struct MemberOfType {
  const char* type;
  const char* joints;
  const char* material;
  const char* section;
  const char* roll;  // what the member record ends with
};

const MemberOfType kTypes[] = {
    {"Beam", "0, 4", "200000000,0.000012", "0.0002", ""},
    {"PFrame", "0,0, 4,0", "200000000,0.000012", "0.01,0.0002", ""},
    {"Grid", "0,0, 4,0", "200000000,80000000,0.000012", "0.0002,0.00005", ""},
    {"SFrame", "0,0,0, 4,0,0", "200000000,80000000,0.000012", "0.01,0.0002,0.0001,0.00005", ",0"},
};

constexpr double kLength = 4;

// The load itself, in local axes: minus the resultant of the fixed-end forces {Qf} about the
// beginning joint (an end force at x = L adds L·x × F to the moment).
testing::Wrench LoadFromFixedEndForces(const std::string& type, const std::vector<double>& qf) {
  const std::string& components = testing::ComponentsOf(type);
  const std::size_t n = components.size();
  testing::Wrench reaction;
  for (std::size_t i = 0; i < qf.size(); ++i) {
    const char c = components[i % n];
    const bool atEnd = i >= n;
    if (std::isupper(static_cast<unsigned char>(c))) {
      reaction.moment[static_cast<std::size_t>(c - 'X')] += qf[i];
      continue;
    }
    const std::size_t axis = static_cast<std::size_t>(c - 'x');
    reaction.force[axis] += qf[i];
    if (atEnd && axis == 1) reaction.moment[2] += kLength * qf[i];
    if (atEnd && axis == 2) reaction.moment[1] -= kLength * qf[i];
  }
  return {testing::Add({}, reaction.force, -1), testing::Add({}, reaction.moment, -1)};
}

TEST(LoadDirection, EveryKindActsTheWayItsWordsSay) {
  // The words in brackets after the magnitudes, as the list, the tooltip, the method's steps
  // and the drawing show them.
  const std::regex worded(R"(\((in|about) local ([+-])([xyz])\)$)");
  for (const MemberOfType& member : kTypes) {
    for (const MemberLoadKindInfo* kind : AcceptedLoadKinds(KindOfStructure(member.type))) {
      const std::string label = MemberLoadLabel(*kind, {10, 3, 1, 0.5});
      SCOPED_TRACE(std::string(member.type) + ", " + kind->LongName + ": " + label);
      std::smatch words;
      ASSERT_TRUE(std::regex_search(label, words, worded));
      const bool couple = words[1] == "about";
      const double sign = words[2] == "-" ? -1 : 1;
      const std::size_t axis = static_cast<std::size_t>(words[3].str()[0] - 'x');

      std::string held;
      for (std::size_t k = 0; k < testing::ComponentsOf(member.type).size(); ++k) held += ",1";
      const ModelStore model = testing::ModelFromText(
          "\"direction\",\"" + std::string(member.type) + "\"\n\"Joints\",2, " + member.joints +
          "\n\"Supports\",1, 1" + held + "\n\"Materials\",1, " + member.material +
          "\n\"Cross-Sections\",1, " + member.section + "\n\"Members\",1, 1,2,1,1" + member.roll +
          "\n\"Member Loads\",1, 1," + std::to_string(static_cast<int>(kind->Kind)) +
          ",10,3,1,0.5\n");
      const MethodTrail steps = RecordMemberSteps(model);
      ASSERT_EQ(steps.Members.size(), 1u);
      const testing::Wrench load =
          LoadFromFixedEndForces(member.type, steps.Members[0].LocalFixedEndForces);

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
