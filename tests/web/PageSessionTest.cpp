// The browser page's session against the batch tool: for every example the report and the
// drawing the page shows are the tool's, and every answer is JSON the page can read.
#include "web/PageSession.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "cli/ToolRun.h"
#include "reports/JsonReader.h"
#include "support/SampleModels.h"
#include "support/StructureTexts.h"

namespace stavelorn {
namespace {

TEST(PageSession, ShowsEveryExampleAsTheBatchToolPrintsAndDrawsIt) {
  for (const std::string name : testing::kExampleNames) {
    SCOPED_TRACE(name);
    PageSession page;
    const JsonValue opened = ParseJson(page.Open(name + ".str", testing::ExampleText(name)));
    EXPECT_EQ(opened["opened"].text, "true");
    EXPECT_TRUE(opened["messages"].items.empty());
    const std::string path = testing::SourcePath("examples/" + name + ".str");
    // The picture the batch tool draws with `options`.
    const auto drawn = [&](std::vector<std::string> options) {
      const std::string picture = testing::ScratchFile(name + ".svg", "");
      std::filesystem::remove(picture);
      options.insert(options.begin(), {path, "--picture", picture});
      EXPECT_EQ(testing::RunTool(options).status, 0);
      return testing::ReadWholeFile(picture);
    };
    EXPECT_EQ(opened["svg"].text, drawn({}));

    const JsonValue analysed = ParseJson(page.Analyze(false));
    EXPECT_EQ(analysed["complete"].text, "true");
    EXPECT_EQ(analysed["messages"][0]["title"].text, "Analysis Results");
    EXPECT_EQ(analysed["report"].text, testing::RunTool({path}).out);
    EXPECT_EQ(analysed["svg"].text, drawn({"--deformed"}));
    ASSERT_EQ(analysed["tables"].items.size(), 3u);
    // Each row of Member Forces names the member a double-click on it opens: the number its
    // first cell shows, each member's rows in turn.
    const JsonValue& forces = analysed["tables"][1]["cells"];
    const JsonValue& rowMembers = analysed["forceRowMembers"];
    ASSERT_EQ(rowMembers.items.size() + 1, forces.items.size());
    int previous = 0;
    for (std::size_t row = 0; row < rowMembers.items.size(); ++row) {
      const int member = std::stoi(rowMembers[row].text);
      EXPECT_TRUE(member == previous || member == previous + 1) << "row " << row + 1;
      const std::string shown = forces[row + 1][0].text;
      if (shown.find_first_not_of(' ') != std::string::npos) {
        EXPECT_EQ(std::stoi(shown), member) << "row " << row + 1;
      }
      previous = member;
    }
    for (const JsonValue& diagram : analysed["diagrams"].items) {
      const std::string quantity = diagram["name"].text;
      EXPECT_EQ(page.DiagramPicture(quantity), drawn({"--deformed", "--diagram", quantity}))
          << quantity;
    }
    EXPECT_EQ(page.DiagramPicture("Q"), "");
    EXPECT_NE(page.PickText("joint", 1).find("Joint 1"), std::string::npos);
    EXPECT_NE(page.PickText("member", 1).find("Member 1"), std::string::npos);
  }
}

// A frame on a roller turned by 30 degrees (frame-on-an-inclined-roller.str): a fourth table
// holds its reactions in its own axes, the batch tool's JSON's "supportReactionsLocal".
TEST(PageSession, ATurnedSupportsReactionsInItsOwnAxesFollowTheGlobalOnes) {
  const std::string project = testing::SmallProject("frame-on-an-inclined-roller");
  PageSession page;
  page.Open("inclined.str", project);
  const JsonValue analysed = ParseJson(page.Analyze(false));
  ASSERT_EQ(analysed["tables"].items.size(), 4u);
  const JsonValue& local = analysed["tables"][3];
  EXPECT_EQ(local["caption"].text, "Support Reactions in the Supports' Axes");
  ASSERT_EQ(local["cells"].items.size(), 2u);  // the headings and joint 3
  const testing::ToolRun tool =
      testing::RunTool({"--json", testing::ScratchFile("inclined.str", project)});
  const JsonValue json = ParseJson(tool.out);
  const JsonValue& expected = json["supportReactionsLocal"][0];
  EXPECT_EQ(local["cells"][1][0].text, "3");
  for (std::size_t k = 0; k < 3; ++k) {
    const double value = expected["values"][k].Number();
    EXPECT_NEAR(std::stod(local["cells"][1][k + 1].text), value, 1e-4 * (1 + std::fabs(value)));
  }
}

TEST(PageSession, RefusesWhatItCannotReadAndKeepsTheProjectOpen) {
  PageSession page;
  page.Open("portal-frame.str", testing::ExampleText("portal-frame"));
  const JsonValue refused = ParseJson(page.Open("broken.str",
                                                "\x7f"
                                                "ELF\x01\x02\x03"));
  EXPECT_EQ(refused["opened"].text, "false");
  EXPECT_EQ(refused["messages"][0]["title"].text, "File_Reading Error");
  EXPECT_FALSE(refused["messages"][0]["text"].text.empty());
  EXPECT_EQ(refused["title"].text,
            ParseJson(page.Open("p.str", testing::ExampleText("portal-frame")))["title"].text);
  EXPECT_EQ(page.PickText("joint", 999), "");
  EXPECT_EQ(page.PickText("support", 1), "");
}

TEST(PageSession, DrawsTheMechanismOfAStructureThatCanMove) {
  PageSession page;
  page.Open("collinear.str", testing::CollinearTruss());
  const JsonValue failed = ParseJson(page.Analyze(false));
  EXPECT_EQ(failed["complete"].text, "false");
  EXPECT_EQ(failed["messages"][0]["title"].text, "Analysis Results");
  EXPECT_EQ(failed["messages"][0]["style"].text, "stop");
  EXPECT_NE(failed["svg"].text.find("Mechanism"), std::string::npos);
  EXPECT_TRUE(failed["tables"].items.empty());
  EXPECT_EQ(page.DiagramPicture("N"), "");
}

TEST(PageSession, TheMultiplierBoxRedrawsTheShapeOrSaysWhyNot) {
  PageSession page;
  page.Open("portal-frame.str", testing::ExampleText("portal-frame"));
  const std::string automatic = ParseJson(page.Analyze(false))["multiplier"].text;
  const JsonValue refused = ParseJson(page.EnterMultiplier("twelve"));
  EXPECT_EQ(refused["messages"][0]["title"].text, "Deflection Multiplier");
  EXPECT_EQ(refused["multiplier"].text, automatic);
  const JsonValue taken = ParseJson(page.EnterMultiplier("12"));
  EXPECT_TRUE(taken["messages"].items.empty());
  EXPECT_NE(taken["svg"].text.find("\u00d7 12<"), std::string::npos);
}

// "Show:" offers the desktop's choices; each case and combination fills the tables with the
// numbers of the batch tool's --case, and the method steps follow a case but not a combination.
TEST(PageSession, ShowChoosesTheCaseWhoseNumbersTheTablesShow) {
  const std::string path = testing::ScratchFile("page-cases.str", testing::kThreeCaseFrame);
  PageSession page;
  page.Open("page-cases.str", testing::kThreeCaseFrame);
  const JsonValue analysed = ParseJson(page.Analyze(false));
  ASSERT_EQ(analysed["complete"].text, "true");
  const std::vector<std::string> names{"Dead", "Live", "Wind", "1.2D+1.6L", "1.2D+L+W"};
  ASSERT_EQ(analysed["shown"].items.size(), names.size() + 1) << "and the envelope";
  EXPECT_EQ(analysed["shownIndex"].text, "0");
  const std::string firstStep = page.MethodStep(4, -1);
  for (std::size_t choice = 0; choice < names.size(); ++choice) {
    SCOPED_TRACE(names[choice]);
    const JsonValue shown = ParseJson(page.ChooseShown(static_cast<int>(choice)));
    EXPECT_EQ(shown["shownIndex"].Number(), static_cast<double>(choice));
    const JsonValue native =
        ParseJson(testing::RunTool({"--json", "--case", names[choice], path}).out);
    const JsonValue& rows = shown["tables"][0]["cells"];
    const JsonValue& expected = native["jointDisplacements"];
    ASSERT_EQ(rows.items.size(), expected.items.size() + 1);
    for (std::size_t j = 0; j < expected.items.size(); ++j)
      for (std::size_t k = 0; k < expected[j]["values"].items.size(); ++k) {
        const double value = expected[j]["values"][k].Number();
        EXPECT_NEAR(std::stod(rows[j + 1][k + 1].text), value, 5.001e-5 * std::abs(value) + 1e-37);
      }
    const std::string step = page.MethodStep(4, -1);
    EXPECT_EQ(step.empty(), choice >= 3) << "a combination has no steps";
    if (choice > 0 && choice < 3) {
      EXPECT_NE(step, firstStep) << "{P} and {d} of the case";
    }
  }
  EXPECT_EQ(ParseJson(page.ChooseShown(5))["tables"].items.size(), 3u) << "the envelope";
  EXPECT_EQ(page.ChooseShown(6), "");
  EXPECT_EQ(page.ChooseShown(-1), "");
}

}  // namespace
}  // namespace stavelorn
