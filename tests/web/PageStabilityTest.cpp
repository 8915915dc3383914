// The page's Stability menu: Critical Load offered for frames alone with a picture of each mode,
// the second-order tables holding the batch tool's --second-order end forces beside the
// first-order ones, and the options form refusing what the desktop's dialog refuses.
#include "web/PageStability.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "cli/ToolRun.h"
#include "reports/JsonReader.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

void ExpectCellNear(const JsonValue& cell, double expected) {
  EXPECT_NEAR(std::stod(cell.text), expected, 5.001e-5 * std::abs(expected) + 1e-30);
}

// Critical Load is offered for an analysed frame alone: a row with the batch tool's --buckling
// factor and a picture for each mode.
TEST(PageStability, CriticalLoadIsOfferedForAnAnalysedFrameAloneWithARowAndAPictureEachMode) {
  const struct {
    const char* example;
    bool offered;
  } cases[] = {{"portal-frame", true}, {"continuous-beam", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.example);
    PageSession page;
    PageStability stability(page);
    page.Open(c.example, testing::ExampleText(c.example));
    EXPECT_EQ(ParseJson(stability.Menu())["offered"].text, "false") << "before an analysis";
    page.Analyze(false);
    EXPECT_EQ(ParseJson(stability.Menu())["offered"].text, c.offered ? "true" : "false");
    if (!c.offered) {
      EXPECT_EQ(stability.CriticalLoad() + stability.SecondOrder(), "");
      continue;
    }
    const JsonValue found = ParseJson(stability.CriticalLoad());
    const std::size_t modes = found["modes"].items.size();
    const JsonValue& rows = found["table"]["cells"];
    const JsonValue factors = ParseJson(
        testing::RunTool({"--json", "--buckling", testing::SourcePath("examples/portal-frame.str")})
            .out)["buckling"]["loadFactors"];
    ASSERT_EQ(rows.items.size(), modes + 1);
    EXPECT_EQ(found["table"]["label1"].text.rfind("Portal frame", 0), 0u) << "the project's title";
    ASSERT_EQ(factors.items.size(), modes);
    for (std::size_t i = 0; i < modes; ++i) {
      EXPECT_EQ(rows[i + 1][0].text, std::to_string(i + 1));
      ExpectCellNear(rows[i + 1][1], factors[i].Number());
      EXPECT_NE(found["table"]["copy"].text.find(rows[i + 1][1].text), std::string::npos);
      EXPECT_EQ(found["modes"][i].text.rfind("Mode " + std::to_string(i + 1) + ":", 0), 0u);
      const std::string picture = stability.BucklingModePicture(static_cast<int>(i) + 1);
      EXPECT_NE(picture.find("Mode " + std::to_string(i + 1) + ": load factor"), std::string::npos);
    }
    EXPECT_EQ(stability.BucklingModePicture(0), "");
    EXPECT_EQ(stability.BucklingModePicture(static_cast<int>(modes) + 1), "");
  }
}

// The portal frame as it is, and with its loads forty times over, past its critical factor 35.35.
TEST(PageStability, SecondOrderTablesHoldTheBatchToolsRunsOrItsStopMessage) {
  const std::string plain = testing::ExampleText("portal-frame");
  std::string overloaded = plain;
  for (const auto& [was, is] :
       {std::pair{"2,12,0,0", "2,480,0,0"}, std::pair{"2,3,25,0,0,0", "2,3,1000,0,0,0"},
        std::pair{"2,1,40,0,2,0", "2,1,1600,0,2,0"}})
    overloaded.replace(overloaded.find(was), std::string(was).size(), is);
  for (const bool settles : {true, false}) {
    const std::string& text = settles ? plain : overloaded;
    SCOPED_TRACE(settles ? "as loaded" : "overloaded");
    PageSession page;
    PageStability stability(page);
    page.Open("frame.str", text);
    page.Analyze(false);
    EXPECT_EQ(stability.SecondOrderPictures(0), "") << "before a run";
    const JsonValue run = ParseJson(stability.SecondOrder());
    const testing::ToolRun tool =
        testing::RunTool({"--json", "--second-order", testing::ScratchFile("frame.str", text)});
    if (!settles) {
      EXPECT_EQ(tool.status, 4);
      EXPECT_EQ(run["messages"][0]["style"].text, "stop");
      EXPECT_EQ(run["messages"][0]["title"].text, "Second-Order Analysis");
      EXPECT_EQ(stability.SecondOrderPictures(0), "");
      continue;
    }
    EXPECT_TRUE(run["messages"].items.empty());
    const JsonValue json = ParseJson(tool.out);
    const JsonValue& forces = run["tables"][1]["table"]["cells"];
    const std::size_t perMember = json["memberEndForces"][0]["values"].items.size();
    ASSERT_EQ(forces.items.size(), 1 + json["memberEndForces"].items.size() * perMember);
    for (std::size_t row = 1; row < forces.items.size(); ++row) {
      const std::size_t member = (row - 1) / perMember, column = (row - 1) % perMember;
      ExpectCellNear(
          forces[row][2],
          json["secondOrder"]["firstOrder"]["memberEndForces"][member]["values"][column].Number());
      ExpectCellNear(forces[row][3], json["memberEndForces"][member]["values"][column].Number());
    }
    const std::size_t drawings = run["drawings"].items.size();
    EXPECT_EQ(drawings, 4u) << "the deformed shape and N, V, M";
    for (int c = 0; c < static_cast<int>(drawings); ++c)  // the shape, then each diagram alone
      EXPECT_EQ(ParseJson(stability.SecondOrderPictures(c))["second"].text.find("\"deformed\"") !=
                    std::string::npos,
                c == 0);
    EXPECT_EQ(stability.SecondOrderPictures(static_cast<int>(drawings)), "");
    EXPECT_NE(stability.SecondOrderPictures(1), stability.SecondOrderPictures(3));  // N and M
    EXPECT_EQ(run["second"].text, ParseJson(stability.SecondOrderPictures(0))["second"].text);
  }
}

// The form's rules are the dialog's (StabilityOptionsForm); here: a refusal names its field and
// changes nothing, and the options taken are those the next Critical Load runs with.
TEST(PageStability, TheOptionsFormRefusesNamingTheFieldOrSetsTheNextCriticalLoad) {
  PageSession page;
  PageStability stability(page);
  page.Open("portal-frame.str", testing::ExampleText("portal-frame"));
  page.Analyze(false);
  const JsonValue refused = ParseJson(stability.ChooseOptions({"8", "21"}));
  EXPECT_EQ(refused["field"].text, "1");
  EXPECT_EQ(refused["messages"][0]["title"].text, "Invalid Entry");
  EXPECT_EQ(ParseJson(stability.OptionsForm())["fields"][0]["text"].text, "4") << "unchanged";
  EXPECT_EQ(ParseJson(stability.ChooseOptions({"8", "5"}))["field"].text, "-1");
  const JsonValue found = ParseJson(stability.CriticalLoad());
  EXPECT_EQ(found["pieces"].text, "Multiples of the project's loads, each member in 8 pieces.");
  EXPECT_EQ(found["modes"].items.size(), 5u);
}

}  // namespace
}  // namespace stavelorn
