// The batch tool's --picture: the drawing it writes beside the report, and what it refuses.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "cli/ToolRun.h"
#include "model/Version.h"
#include "support/Golden.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

using testing::Occurrences;
using testing::RunTool;
using testing::ScratchFile;
using testing::ToolRun;

// The picture asked for, with its deformed shape (one curve per member, or the mechanism's) and
// its diagram only when asked, beside a report left as it is, the multiplier named with a
// deformed shape (the picture's layout, title and caption are in the saved picture's golden
// file); what it cannot draw is refused, and no file is left behind. It replaces an earlier
// picture of any version, never another file.
TEST(BatchPicture, DrawsWhatIsAskedOrRefusesAndLeavesNoFileBehind) {
  const std::string svg = ScratchFile("picture.svg", "");
  const std::filesystem::path dir = std::filesystem::path(svg).parent_path();
  const std::string portal = testing::SourcePath("examples/portal-frame.str");
  const std::string space = testing::SourcePath("examples/space-frame.str");
  const std::string roller =
      ScratchFile("roller.str", testing::CollinearTruss() + "\"Supports\",1, 1,0,1");
  const std::string broken = ScratchFile("broken.str", "\"t\",\"PFrame\"\n\"Joints\",2, 0,0");
  const std::string earlier = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg>\n<metadata>" +
                              std::string(kProgramName) + " 0.9.0</metadata>\n</svg>\n";
  const std::string project = testing::ReadWholeFile(portal);
  const struct {
    std::vector<std::string> args;
    int status;
    std::string err;
    int deformed = 0, diagrams = 0;          // groups of each in the picture written
    std::optional<std::string> before = {};  // the file at the picture's path before the run
  } cases[] = {
      {{"--json", "--picture", svg, portal}, 0, ""},
      {{"--json", "--picture", svg, "--diagram", "M", "--deformed", portal}, 0, "", 3, 3},
      {{"--picture", svg, "--deformed", roller}, 3, "Statically", 2},
      {{"--deformed", portal}, 64, "go with --picture"},
      {{"--picture", svg, "--diagram", portal}, 64, "usage"},
      {{"--picture", svg, "--diagram", "Vz", portal}, 64, "has no diagram Vz (it has N, V, M)"},
      {{"--json", "--picture", svg, "--diagram", "M", space}, 0, "", 0, 8},
      {{"--picture", svg, broken}, 2, "is not a project this program can read"},
      {{"--json", "--picture", svg, portal}, 0, "", 0, 0, earlier},
      {{"--json", "--picture", svg, portal}, 74, "\"" + svg + "\" is not a picture", 0, 0, project},
  };
  for (const auto& c : cases) {
    std::filesystem::remove(svg);
    if (c.before) std::ofstream(svg, std::ios::binary) << *c.before;
    const ToolRun run = RunTool(c.args);
    SCOPED_TRACE(run.err);
    EXPECT_EQ(run.status, c.status);
    EXPECT_NE(run.err.find(c.err), std::string::npos);
    const bool written = c.status == 0 || c.status == 3;
    ASSERT_EQ(std::filesystem::exists(svg), written || c.before);
    if (!written && c.before) {
      EXPECT_EQ(testing::ReadWholeFile(svg), *c.before) << "left as it was";
    }
    EXPECT_TRUE(c.status != 0 || run.out == RunTool({"--json", c.args.back()}).out)
        << "the report is left as it is";
    if (!written) continue;
    const std::string text = testing::ReadWholeFile(svg);
    EXPECT_EQ(text.find("deflections \u00d7 ") != std::string::npos, c.deformed && c.status == 0);
    EXPECT_EQ(Occurrences(text, "<g class=\"deformed\" data-member="), c.deformed);
    EXPECT_EQ(Occurrences(text, "<g class=\"diagram\""), c.diagrams);
  }
  std::filesystem::remove(svg);
  for (const auto& entry : std::filesystem::directory_iterator(dir))
    EXPECT_EQ(entry.path().string().find(".saving-"), std::string::npos) << entry.path();
  // A space frame's M and V are the diagrams of Mz and Vy, as the influence lines read them.
  const auto drawn = [&](const char* quantity) {
    RunTool({"--picture", svg, "--diagram", quantity, space});
    return testing::ReadWholeFile(svg);
  };
  EXPECT_EQ(drawn("M"), drawn("Mz"));
  EXPECT_EQ(drawn("V"), drawn("Vy"));
  EXPECT_NE(drawn("V"), drawn("Vz"));
}

}  // namespace
}  // namespace stavelorn
