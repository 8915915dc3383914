// The page's method steps, member windows and help against what the desktop's rules say of them:
// every step of every example walked with Next, the numbering's shading against the numbering's
// own note, [S] symmetric with its member's cells marked in pairs, each member's own window, and
// the help menu and contents over the pages the page ships.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>

#include "app/HelpPages.h"
#include "cli/ToolRun.h"
#include "model/Version.h"
#include "reports/JsonReader.h"
#include "support/SampleModels.h"
#include "web/PageHelp.h"
#include "web/PageSession.h"

namespace stavelorn {
namespace {

const char* const kExamples[] = {"continuous-beam", "grid-floor",  "portal-frame",
                                 "roof-truss",      "space-frame", "space-truss-tower"};

PageSession AnalysedExample(const std::string& name) {
  PageSession page;
  page.Open(name + ".str",
            testing::ReadWholeFile(testing::SourcePath("examples/" + name + ".str")));
  page.Analyze(false);
  return page;
}

int Count(const JsonValue& value) {
  return static_cast<int>(value.items.size());
}

// Every table's cells, tips and marks lie within its labelled rows and columns.
void ExpectTablesInShape(const JsonValue& step) {
  for (const JsonValue& table : step["tables"].items) {
    SCOPED_TRACE(table["title"].text);
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

TEST(PageSteps, NextWalksTheNumberingEveryMemberTheStructureAndTheChecks) {
  for (const std::string name : kExamples) {
    SCOPED_TRACE(name);
    const PageSession page = AnalysedExample(name);
    JsonValue step = ParseJson(page.MethodStep(0, -1));
    const int members = Count(step["members"]);
    ASSERT_GT(members, 0);
    ASSERT_EQ(Count(step["steps"]), members + 3);
    EXPECT_EQ(step["back"].text, "false");
    EXPECT_EQ(step["title"].text, "The Method, Step by Step");
    for (int at = 0; at < members + 3; ++at) {
      step = ParseJson(page.MethodStep(at, -1));
      EXPECT_EQ(step["step"].Number(), at);
      EXPECT_EQ(step["heading"].text, step["steps"][static_cast<std::size_t>(at)].text);
      EXPECT_EQ(step["next"].text, at + 1 < members + 3 ? "true" : "false");
      EXPECT_FALSE(step["precisionNote"].text.empty());
      ExpectTablesInShape(step);
      if (at >= 1 && at <= members) {
        EXPECT_EQ(step["heading"].text,
                  "2 " + step["members"][static_cast<std::size_t>(at - 1)].text);
        EXPECT_EQ(Count(step["tables"]), 9);
        EXPECT_FALSE(step["notes"].items.empty());
      }
    }
    EXPECT_EQ(step["heading"].text, "4 Checks");
    EXPECT_GT(Count(step["lines"]), members);
    EXPECT_TRUE(step["tables"].items.empty());
  }
}

// The numbering's note names the free and the restrained coordinates; the shaded cells must be
// exactly the restrained ones.
TEST(PageSteps, TheNumberingShadesExactlyTheRestrainedCoordinates) {
  for (const std::string name : kExamples) {
    SCOPED_TRACE(name);
    const JsonValue step = ParseJson(AnalysedExample(name).MethodStep(-7, -1));
    EXPECT_EQ(step["step"].Number(), 0);
    EXPECT_EQ(step["shade"].text, "restrained");
    const std::string note = step["notes"][0].text;
    int free = 0, all = 0;
    ASSERT_EQ(std::sscanf(note.c_str(), "Free coordinates 1 to %d", &free), 1) << note;
    ASSERT_EQ(std::sscanf(note.substr(note.find("(shaded)")).c_str(), "(shaded) %*d to %d", &all),
              1);
    const JsonValue& table = step["tables"][0];
    std::set<std::pair<int, int>> marked;
    for (const JsonValue& mark : table["marked"].items)
      marked.insert({static_cast<int>(mark[0].Number()), static_cast<int>(mark[1].Number())});
    EXPECT_EQ(static_cast<int>(marked.size()), all - free);
    for (int r = 0; r < Count(table["cells"]); ++r)
      for (int c = 0; c < Count(table["columns"]); ++c) {
        const std::string cell = table["cells"][r][c].text;
        if (cell.empty()) continue;
        EXPECT_EQ(std::stoi(cell) > free, marked.count({r, c}) == 1) << r << "," << c;
      }
  }
}

TEST(PageSteps, TheStructureStepMarksTheChosenMembersCellsOfASymmetricStiffness) {
  const PageSession page = AnalysedExample("portal-frame");
  const int last = Count(ParseJson(page.MethodStep(0, -1))["steps"]) - 1;
  const JsonValue unmarked = ParseJson(page.MethodStep(last - 1, -1));
  EXPECT_EQ(unmarked["heading"].text, "3 Structure");
  EXPECT_EQ(unmarked["marking"].text, "true");
  EXPECT_EQ(ParseJson(page.MethodStep(last, -1))["marking"].text, "false");
  EXPECT_TRUE(unmarked["tables"][0]["marked"].items.empty());
  EXPECT_EQ(ParseJson(page.MethodStep(last - 1, 99))["marked"].Number(), -1);
  std::set<std::pair<int, int>> union_of_marks;
  for (int member = 0; member < Count(unmarked["members"]); ++member) {
    const JsonValue step = ParseJson(page.MethodStep(last - 1, member));
    EXPECT_EQ(step["marked"].Number(), member);
    const JsonValue& stiffness = step["tables"][0];
    const int n = Count(stiffness["rows"]);
    ASSERT_EQ(Count(stiffness["columns"]), n);
    for (int r = 0; r < n; ++r)
      for (int c = 0; c < n; ++c)
        EXPECT_EQ(stiffness["cells"][r][c].text, stiffness["cells"][c][r].text);
    std::set<std::pair<int, int>> marks;
    for (const JsonValue& mark : stiffness["marked"].items)
      marks.insert({static_cast<int>(mark[0].Number()), static_cast<int>(mark[1].Number())});
    EXPECT_FALSE(marks.empty()) << member;
    for (const auto& [r, c] : marks) EXPECT_EQ(marks.count({c, r}), 1u);
    union_of_marks.insert(marks.begin(), marks.end());
  }
  // Every non-zero cell of [S] was added by some member.
  const JsonValue& stiffness = unmarked["tables"][0];
  for (int r = 0; r < Count(stiffness["rows"]); ++r)
    for (int c = 0; c < Count(stiffness["rows"]); ++c)
      if (!stiffness["cells"][r][c].text.empty()) {
        EXPECT_EQ(union_of_marks.count({r, c}), 1u);
      }
}

TEST(PageSteps, NothingIsShownBeforeACompleteAnalysis) {
  PageSession page;
  EXPECT_EQ(page.MethodStep(0, -1), "");
  EXPECT_EQ(page.MemberDiagrams(1), "");
  page.Open("portal-frame.str",
            testing::ReadWholeFile(testing::SourcePath("examples/portal-frame.str")));
  EXPECT_EQ(page.MethodStep(0, -1), "");
  EXPECT_EQ(page.MemberDiagrams(1), "");
  page.Open("collinear.str", testing::CollinearTruss());
  page.Analyze(false);
  EXPECT_EQ(page.MethodStep(0, -1), "");
  EXPECT_EQ(page.MemberDiagrams(1), "");
}

TEST(PageSteps, EachMembersOwnWindowShowsThatMembersTableAndDrawing) {
  for (const std::string name : kExamples) {
    SCOPED_TRACE(name);
    const PageSession page = AnalysedExample(name);
    const int members = Count(ParseJson(page.MethodStep(0, -1))["members"]);
    EXPECT_EQ(page.MemberDiagrams(0), "");
    EXPECT_EQ(page.MemberDiagrams(members + 1), "");
    for (const int member : {1, members}) {
      const JsonValue window = ParseJson(page.MemberDiagrams(member));
      EXPECT_EQ(window["caption"].text, "Member " + std::to_string(member) + " Internal Forces");
      EXPECT_EQ(window["table"]["caption"].text, window["caption"].text);
      EXPECT_GT(Count(window["table"]["cells"]), 2);
      EXPECT_EQ(window["svg"].text.rfind("<?xml", 0), 0u);
    }
  }
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
  EXPECT_EQ(menu["items"][0]["caption"].text, "Contents");
  EXPECT_EQ(menu["items"][1]["caption"].text, "Getting Started");
  for (const JsonValue& item : menu["items"].items)
    EXPECT_EQ(ids.count(item["page"].text), 1u) << item["page"].text;
  // The pictures are drawn at build time; the links between pages must lead to a page.
  std::vector<std::string> broken = BrokenHelpLinks(pages, {});
  broken.erase(std::remove_if(broken.begin(), broken.end(),
                              [](const std::string& b) {
                                return b.find(": no picture ") != std::string::npos;
                              }),
               broken.end());
  EXPECT_TRUE(broken.empty()) << broken.front();
}

TEST(PageHelp, HelpOnThisWindowOpensThePageOfTheDesktopWindowShowingTheSame) {
  const struct Case {
    const char* view;
    const char* page;
  } cases[] = {
      {"Disp", "joint-displacements"},
      {"MbForce", "member-forces"},
      {"Reac", "reactions"},
      {"member", "member-diagrams"},
      {"steps", "step-by-step"},
      {"report", "printing"},
      {"help", "help"},
      {"diagrams", "main-window"},
      {"", "main-window"},
      {"Disp ", "main-window"},
  };
  for (const Case& c : cases) EXPECT_EQ(HelpPageOfView(c.view), c.page) << '"' << c.view << '"';
  const JsonValue menu = ParseJson(HelpMenuJson());
  EXPECT_EQ(menu["window"]["caption"].text, "Help on This Window");
  EXPECT_EQ(menu["window"]["key"].text, "F1");
  EXPECT_EQ(menu["about"].text, "About STAVELORN");
  const JsonValue about = ParseJson(AboutJson("http://site/examples/", "http://site/help/"));
  EXPECT_EQ(about["title"].text, menu["about"].text);
  for (const std::string& said : {std::string("STAVELORN ") + ProgramVersion(),
                                  std::string("Examples: http://site/examples/"),
                                  std::string("Help pages: http://site/help/")})
    EXPECT_NE(about["text"].text.find(said), std::string::npos) << said;
}

TEST(PageHelp, ContentsAndFindListThePagesAsTheHelpWindowDoes) {
  const std::string folder = testing::SourcePath("docs/help");
  const JsonValue contents = ParseJson(HelpContentsJson(folder));
  std::vector<std::string> problems;
  const std::vector<HelpPage> pages = ReadHelpPages(folder, problems);
  ASSERT_EQ(contents.items.size(), pages.size());
  EXPECT_EQ(contents[0]["title"].text, "Contents");
  for (std::size_t i = 0; i < pages.size(); ++i) EXPECT_EQ(contents[i]["id"].text, pages[i].Id);
  const JsonValue found = ParseJson(HelpSearchJson(folder, "stiffness matrix"));
  EXPECT_FALSE(found.items.empty());
  EXPECT_LT(found.items.size(), pages.size());
  EXPECT_TRUE(ParseJson(HelpSearchJson(folder, "zqxwv")).items.empty());
  EXPECT_TRUE(ParseJson(HelpContentsJson(folder + "/missing")).items.empty());
}

}  // namespace
}  // namespace stavelorn
