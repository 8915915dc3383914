// The page's method steps, member windows and help: every step walked with Next, the structure
// step's marks following the member chosen, each member's own window, and the help menu over the
// pages the page ships.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "app/HelpPages.h"
#include "app/MethodSteps.h"
#include "cli/ToolRun.h"
#include "reports/JsonReader.h"
#include "support/SampleModels.h"
#include "web/PageHelp.h"
#include "web/PageSession.h"

namespace stavelorn {
namespace {

PageSession AnalysedExample(const std::string& name) {
  PageSession page;
  page.Open(name + ".str", testing::ExampleText(name));
  page.Analyze(false);
  return page;
}

int Count(const JsonValue& value) {
  return static_cast<int>(value.items.size());
}

// Every table is named, and its cells, tips and marks lie within its labelled rows and columns.
void ExpectTablesInShape(const JsonValue& step) {
  for (const JsonValue& table : step["tables"].items) {
    SCOPED_TRACE(table["title"].text);
    EXPECT_FALSE(table["title"].text.empty());
    const int rows = Count(table["rows"]), cols = Count(table["columns"]);
    ASSERT_EQ(Count(table["cells"]), rows);
    ASSERT_EQ(Count(table["tips"]), rows);
    for (int r = 0; r < rows; ++r) {
      EXPECT_EQ(Count(table["cells"][r]), cols);
      EXPECT_EQ(Count(table["tips"][r]), cols);
    }
    for (const JsonValue& mark : table["marked"].items) {
      EXPECT_LT(mark[0].Number(), rows);
      EXPECT_LT(mark[1].Number(), cols);
    }
    EXPECT_EQ(std::count(table["copy"].text.begin(), table["copy"].text.end(), '\n'), rows);
  }
}

// Every example's steps are the desktop's (tests/app/MethodStepsTest.cpp); the page walks them.
TEST(PageSteps, NextWalksTheNumberingEveryMemberTheStructureAndTheChecks) {
  const PageSession page = AnalysedExample("portal-frame");
  JsonValue step = ParseJson(page.MethodStep(0, -1));
  const int members = Count(step["members"]);
  ASSERT_GT(members, 0);
  ASSERT_EQ(Count(step["steps"]), members + 3);
  EXPECT_EQ(step["back"].text, "false");
  EXPECT_EQ(step["tables"][0]["title"].text, kNumberingCaption);  // as the desktop's window
  for (int at = 0; at < members + 3; ++at) {
    step = ParseJson(page.MethodStep(at, -1));
    EXPECT_EQ(step["step"].Number(), at);
    EXPECT_EQ(step["heading"].text, step["steps"][static_cast<std::size_t>(at)].text);
    EXPECT_EQ(step["next"].text, at + 1 < members + 3 ? "true" : "false");
    EXPECT_FALSE(step["precisionNote"].text.empty());
    ExpectTablesInShape(step);
    EXPECT_TRUE(at > members || !step["notes"].items.empty()) << at;
    if (at >= 1 && at <= members) {
      EXPECT_EQ(step["heading"].text,
                "2 " + step["members"][static_cast<std::size_t>(at - 1)].text);
      EXPECT_EQ(Count(step["tables"]), 9);
      EXPECT_EQ(step["notes"][0].text.rfind("Length L = ", 0), 0u);
    }
  }
  EXPECT_EQ(step["heading"].text, "4 Checks");
  EXPECT_EQ(ParseJson(page.MethodStep(-7, -1))["step"].Number(), 0);
  EXPECT_EQ(ParseJson(page.MethodStep(members + 9, -1))["step"].Number(), members + 2);
  EXPECT_GT(Count(step["lines"]), members);
  EXPECT_TRUE(step["tables"].items.empty());
}

// The structure step's [S] and the checks' {d} hold the batch tool's --trail, an empty cell where
// [S] holds a zero.
TEST(PageSteps, TheStructureStepsMatricesAreTheBatchToolsTrail) {
  const PageSession page = AnalysedExample("portal-frame");
  const JsonValue trail = ParseJson(
      testing::RunTool({"--json", "--trail", testing::SourcePath("examples/portal-frame.str")})
          .out)["trail"];
  const int structure = Count(trail["members"]) + 1;
  const JsonValue step = ParseJson(page.MethodStep(structure, -1));
  const JsonValue& stiffness = step["tables"][0]["cells"];
  const JsonValue& loads = step["tables"][1]["cells"];
  const JsonValue& expected = trail["structureStiffness"];
  ASSERT_EQ(Count(stiffness), Count(expected));
  for (std::size_t r = 0; r < expected.items.size(); ++r) {
    for (std::size_t c = 0; c < expected[r].items.size(); ++c) {
      const double value = expected[r][c].Number();
      if (value == 0) {
        EXPECT_EQ(stiffness[r][c].text, "") << r << "," << c;
      } else {
        EXPECT_NEAR(std::stod(stiffness[r][c].text), value, 5.001e-5 * std::abs(value));
      }
    }
    const double d = trail["displacements"][r].Number();
    EXPECT_NEAR(std::stod(loads[r][Count(loads[r]) - 1].text), d, 5.001e-5 * std::abs(d) + 1e-30);
  }
  // A beam held at every coordinate has no [S] to show, only its loads.
  PageSession held;
  held.Open("held.str",
            testing::FileText(testing::ModelFromFile("tests/reports/golden/held-beam.str")));
  held.Analyze(false);
  EXPECT_EQ(Count(ParseJson(held.MethodStep(2, -1))["tables"]), 1);
}

// Only the structure step marks cells of [S], those the member chosen adds; a number past the
// last member marks none.
TEST(PageSteps, TheStructureStepMarksTheChosenMembersCells) {
  const PageSession page = AnalysedExample("portal-frame");
  const JsonValue first = ParseJson(page.MethodStep(0, -1));
  const int last = Count(first["steps"]) - 1, members = Count(first["members"]);
  const JsonValue unmarked = ParseJson(page.MethodStep(last - 1, -1));
  EXPECT_EQ(unmarked["heading"].text, "3 Structure");
  EXPECT_EQ(unmarked["marking"].text, "true");
  EXPECT_EQ(ParseJson(page.MethodStep(last, -1))["marking"].text, "false");
  EXPECT_TRUE(unmarked["tables"][0]["marked"].items.empty());
  EXPECT_EQ(ParseJson(page.MethodStep(last - 1, members))["marked"].Number(), -1);
  const JsonValue chosen = ParseJson(page.MethodStep(last - 1, 0));
  EXPECT_EQ(chosen["marked"].Number(), 0);
  EXPECT_FALSE(chosen["tables"][0]["marked"].items.empty());
}

TEST(PageSteps, NothingIsShownBeforeACompleteAnalysis) {
  PageSession page;
  const std::string portal = testing::ExampleText("portal-frame");
  for (const std::string& text : {std::string(), portal, testing::CollinearTruss()}) {
    if (!text.empty()) page.Open("shown.str", text);
    if (text != portal) page.Analyze(false);
    EXPECT_EQ(page.MethodStep(0, -1), "") << text;
    EXPECT_EQ(page.MemberDiagrams(1), "") << text;
  }
}

TEST(PageSteps, EachMembersOwnWindowShowsThatMembersTableAndDrawing) {
  const PageSession page = AnalysedExample("portal-frame");
  EXPECT_EQ(page.MemberDiagrams(0), "");
  EXPECT_EQ(page.MemberDiagrams(4), "") << "the portal frame has three members";
  const JsonValue window = ParseJson(page.MemberDiagrams(3));
  EXPECT_EQ(window["caption"].text, "Member 3 Internal Forces");
  EXPECT_GT(Count(window["table"]["cells"]), 2);
  EXPECT_EQ(window["svg"].text.rfind("<?xml", 0), 0u);
}

std::vector<HelpPage> ShippedHelpPages() {
  std::vector<std::string> problems;
  std::vector<HelpPage> pages = ReadHelpPages(testing::SourcePath("docs/help"), problems);
  for (HelpPage& page : ReadHelpPages(testing::SourcePath("web/help"), problems))
    pages.push_back(std::move(page));
  EXPECT_TRUE(problems.empty()) << problems.front();
  return pages;
}

TEST(PageHelp, EveryHelpMenuItemOpensAPageTheSiteShipsAndTheirLinksLead) {
  const std::vector<HelpPage> pages = ShippedHelpPages();
  std::set<std::string> ids;
  for (const HelpPage& page : pages) ids.insert(page.Id);
  const JsonValue menu = ParseJson(HelpMenuJson());
  for (const JsonValue& item : menu["items"].items)
    EXPECT_EQ(ids.count(item["page"].text), 1u) << item["page"].text;
  // The page's own help (web/help: the browser edition) is in its menu.
  EXPECT_NE(HelpMenuJson().find("\"page\": \"" + pages.back().Id + "\""), std::string::npos);
  // The pictures are drawn at build time; the links between pages must lead to a page.
  std::vector<std::string> broken = BrokenHelpLinks(pages, {});
  broken.erase(std::remove_if(broken.begin(), broken.end(),
                              [](const std::string& b) {
                                return b.find(": no picture ") != std::string::npos;
                              }),
               broken.end());
  EXPECT_TRUE(broken.empty()) << broken.front();
}

// F1 opens the page of the desktop window showing what the view shows (the main window's when
// none does), and About gives the site's addresses.
// The contents list every page the folder holds, and a search finds a page by its title.
TEST(PageHelp, TheContentsListEveryPageAndASearchFindsOneByItsTitle) {
  const JsonValue contents = ParseJson(HelpContentsJson(testing::SourcePath("docs/help")));
  const std::vector<HelpPage> pages = ShippedHelpPages();
  ASSERT_GT(contents.items.size(), 20u);
  const JsonValue& last = contents[contents.items.size() - 1];
  const auto shipped = [&](const JsonValue& entry) {
    return std::any_of(pages.begin(), pages.end(), [&](const HelpPage& page) {
      return page.Id == entry["id"].text && page.Title == entry["title"].text;
    });
  };
  EXPECT_TRUE(shipped(contents[0]) && shipped(last)) << last["id"].text;
  const std::string found = HelpSearchJson(testing::SourcePath("docs/help"), last["title"].text);
  EXPECT_NE(found.find("\"" + last["id"].text + "\""), std::string::npos) << found;
  EXPECT_EQ(HelpSearchJson(testing::SourcePath("docs/help"), "zqxwv"), "[]");
}

TEST(PageHelp, HelpOnThisWindowAndAbout) {
  EXPECT_EQ(HelpPageOfView("member"), "member-diagrams");
  EXPECT_EQ(HelpPageOfView("Disp "), "main-window");
  const JsonValue about = ParseJson(AboutJson("http://site/examples/", "http://site/help/"));
  EXPECT_NE(about["text"].text.find("Examples: http://site/examples/"), std::string::npos);
}

}  // namespace
}  // namespace stavelorn
