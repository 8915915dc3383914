#include "support/StructureTexts.h"

#include "support/SampleModels.h"

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

std::string SmallProject(const std::string& name) {
  return ReadWholeFile(SourcePath("tests/analysis/golden/" + name + ".str"));
}

}  // namespace stavelorn::testing
