#include "support/StructureTexts.h"

namespace stavelorn::testing {

std::string PortalFrameText(const std::string& area, const std::string& inertia) {
  return R"("Portal","PFrame"
"Joints",4, 0,0, 0,5, 4,5, 4,0
"Supports",2, 1,1,1,1, 4,1,1,1
"Materials",1, 200000000,0
"Cross-Sections",1, )" +
         area + "," + inertia + R"(
"Members",3, 1,2,1,1, 2,3,1,1, 4,3,1,1
"Joint Loads",1, 2,10,0,0
)";
}

const char* const kShallowTwoBarTruss = R"("Shallow","PTruss"
"Joints",3, 0,0, 1000,1, 2000,0
"Supports",2, 1,1,1, 3,1,1
"Materials",1, 200000,0
"Cross-Sections",1, 100
"Members",2, 1,2,1,1, 2,3,1,1
"Joint Loads",1, 2,0,-1
)";

const char* const kBeamOnOneRoller = R"("B","Beam"
"Joints",2, 0, 4
"Supports",1, 1,1,0
"Materials",1, 200,0
"Cross-Sections",1, 1
"Members",1, 1,2,1,1
)";

const char* const kColumnHingedAtBothEnds = R"("C","PFrame"
"Joints",2, 0,0, 0,5
"Supports",1, 2,1,1,0
"Materials",1, 200,0
"Cross-Sections",1, 1,1
"Members",1, 1,2,1,1
"Member Releases",1, 1,3
)";

const char* const kOverBracedBesideUnbraced = R"("Panels","PTruss"
"Joints",6, 0,0, 3,0, 6,0, 0,3, 3,3, 6,3
"Supports",2, 1,1,1, 3,0,1
"Materials",1, 200000000,0
"Cross-Sections",1, 0.01
"Members",9, 1,2,1,1, 2,3,1,1, 4,5,1,1, 5,6,1,1, 1,4,1,1, 2,5,1,1, 3,6,1,1, 1,5,1,1, 2,4,1,1
"Joint Loads",1, 6,1,-1
)";

}  // namespace stavelorn::testing
