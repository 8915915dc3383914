// --variants on the command line: the variants and their key written into a new folder, named on
// standard output, in the units asked for, which the tool converts a named project to as it does
// for its reports (a folder that holds anything is refused by the writer,
// with the exit status the tool returns, in the class variants' test; the usage errors of its
// options are among the batch tool's refusals).
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "cli/ToolRun.h"

namespace stavelorn {
namespace {

namespace fs = std::filesystem;
using testing::RunTool;

// The example roof truss with the apex's height varied, named in kN and m.
std::string Template() {
  return testing::ScratchFile(
      "roof.str", testing::ExampleText("roof-truss") +
                      "\"Variations\",1\r\n\"Joints\",7,2,2.5,3.5,0.25\r\n\"Units\",1\r\n"
                      "\"kN\",\"m\",\"C\"\r\n");
}

TEST(VariantsBatch, WritesTheVariantsInTheUnitsAskedFor) {
  const std::string folder = (fs::path(Template()).parent_path() / "class").string();
  fs::remove_all(folder);
  const testing::ToolRun run =
      RunTool({"--variants", "3", "--seed", "11", "--units", "N,mm", Template(), folder});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, folder + "/roof-01.str\n" + folder + "/roof-02.str\n" + folder +
                         "/roof-03.str\n" + folder + "/key.json\n");
  for (const char* name : {"roof-01.str", "roof-02.str", "roof-03.str"}) {
    const ModelStore variant = testing::ModelFromText(testing::ReadWholeFile(folder + "/" + name));
    EXPECT_EQ(variant.Units, NamedUnits(ForceUnit::N, LengthUnit::mm, TemperatureUnit::C))
        << "an omitted TEMP keeps the template's";
    // The height drawn in millimetres, on the grid 2500, 2750, ... 3500.
    const float height = variant.JointCoords(7, 2);
    EXPECT_EQ(std::fmod(height, 250.0f), 0.0f) << height;
    EXPECT_TRUE(height >= 2500 && height <= 3500) << height;
  }
  fs::remove_all(folder);
}

}  // namespace
}  // namespace stavelorn
