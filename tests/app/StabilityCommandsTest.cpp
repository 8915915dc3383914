// Stability > Critical Load… and Second-Order Analysis: offered after an analysis of a plane or
// space frame, and what their messages say (the menus of each type and phase, where Stability
// shows, are in tests/app/golden/menu-states.txt).

#include "app/ProjectCommandsFixture.h"

namespace stavelorn {
namespace {

using M = MenuItem;

TEST_F(ProjectCommandsTest, StabilityIsOfferedForAnalysedFramesAndTellsItsFactors) {
  OpenCopyOf("portal-frame.str");
  AnalyzeQuietly();
  ASSERT_TRUE(Shown(M::MnuStability));
  const std::size_t before = messages_.Log().size();
  commands_.Run(M::MnuCriticalLoad);
  commands_.Run(M::MnuSecondOrder);
  ASSERT_EQ(messages_.Log().size(), before + 2);
  const auto& critical = messages_.Log()[before];
  EXPECT_EQ(critical.Title, "Critical Load");
  EXPECT_NE(critical.Text.find("Mode 1: load factor 35.352\nMode 2: load factor 118.19\n"),
            std::string::npos)
      << critical.Text;
  const auto& second = messages_.Log()[before + 1];
  EXPECT_EQ(second.Title, "Second-Order Analysis");
  // The sway of the top: 0.01444 first order, amplified by about 1/(1 - 1/35.35).
  EXPECT_NE(second.Text.find("Joint 2 X Translation: 0.014441 first order, 0.014914 second "
                             "order, amplification 1.0328"),
            std::string::npos)
      << second.Text;
}

}  // namespace
}  // namespace stavelorn
