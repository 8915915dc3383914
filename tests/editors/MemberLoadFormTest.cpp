// The sign note of each kind of member load, against the convention the fixed-end forces use: a
// positive transverse or axial load acts against its local axis (as gravity on a member whose
// local y points up), a positive couple in the member's x-y plane turns clockwise, and a couple
// about local y turns so that it bends the member as that couple does in its own plane.
#include "editors/MemberLoadForm.h"

#include <gtest/gtest.h>

namespace stavelorn {
namespace {

TEST(MemberLoadForm, TheSignNoteSaysWhichWayAPositiveValueActs) {
  const std::pair<MemberLoadKind, const char*> notes[] = {
      {MemberLoadKind::Concentrated, "A positive P acts opposite to the local y-axis."},
      {MemberLoadKind::Couple,
       "A positive M turns about the local z-axis against the right-hand rule."},
      {MemberLoadKind::Linear, "Positive w1 and w2 act opposite to the local y-axis."},
      {MemberLoadKind::AxialUniform, "A positive w acts opposite to the local x-axis."},
      {MemberLoadKind::Torque,
       "A positive T turns about the local x-axis against the right-hand rule."},
      {MemberLoadKind::CoupleY,
       "A positive M turns about the local y-axis by the right-hand rule."},
      {MemberLoadKind::UniformZ, "A positive w acts opposite to the local z-axis."},
  };
  for (const auto& [kind, note] : notes) EXPECT_EQ(LoadSignNote(InfoOf(kind)), note);
}

}  // namespace
}  // namespace stavelorn
