// Project texts of small structures that several tests analyse, each kept once.
#pragma once

#include <string>

namespace stavelorn::testing {

// A plane portal fixed at both feet, columns 5 m (members 1 and 3) and beam 4 m (member 2),
// E = 2E+08, pushed sideways by 10 at joint 2, with the section's area and inertia as written.
std::string PortalFrameText(const std::string& area, const std::string& inertia);

// The project tests/analysis/golden/NAME.str, one of the small structures several tests analyse:
// "shallow-two-bar-truss", two bars from (0, 0) and (2000, 0) meeting at (1000, 1), pinned at their
// feet, loaded by -1 in Y at the apex; and mechanisms: "beam-on-one-roller" (turns about it),
// "column-hinged-at-both-ends", pinned at its head (its foot swings in X), and
// "over-braced-beside-unbraced", a truss panel beside an unbraced one (sways); and others each
// described by the test that analyses it.
std::string SmallProject(const std::string& name);

}  // namespace stavelorn::testing
