// Project texts of small structures that several tests analyse, each kept once.
#pragma once

#include <string>

namespace stavelorn::testing {

// A plane portal fixed at both feet, columns 5 m (members 1 and 3) and beam 4 m (member 2),
// E = 2E+08, pushed sideways by 10 at joint 2, with the section's area and inertia as written.
std::string PortalFrameText(const std::string& area, const std::string& inertia);

// Two bars from (0, 0) and (2000, 0) meeting at (1000, 1), pinned at their feet, loaded by -1 in
// Y at the apex.
extern const char* const kShallowTwoBarTruss;

// Mechanisms: a beam on one roller (turns about it); a column pinned at its head, hinged at both
// ends (its foot swings in X); an over-braced truss panel beside an unbraced one (sways).
extern const char* const kBeamOnOneRoller;
extern const char* const kColumnHingedAtBothEnds;
extern const char* const kOverBracedBesideUnbraced;

}  // namespace stavelorn::testing
