// The help pages as the build makes them from docs/help: every window and Help menu item has a
// page, every link and picture resolves, every placeholder is filled, the sign conventions hold
// every sentence the program words them by, and the worked example's reactions balance its loads.
#include <gtest/gtest.h>

#include <sstream>

#include "app/HelpBuild.h"
#include "app/HelpPages.h"
#include "app/MenuRoutes.h"
#include "editors/MemberLoadForm.h"
#include "graphics/SvgPicture.h"
#include "model/MemberLoadKind.h"
#include "support/SampleModels.h"
#include "support/ScriptedMessages.h"

namespace stavelorn {
namespace {

struct BuiltHelp {
  std::vector<std::string> problems;
  std::vector<HelpPage> pages;  // filled
  std::vector<HelpPicture> pictures;
  std::vector<std::string> messages;
};

const BuiltHelp& Built() {
  static const BuiltHelp built = [] {
    BuiltHelp b;
    HelpSources sources;
    sources.WorkedExample = testing::ExampleModel("portal-frame");
    for (const HelpPage& page : ReadHelpPages(testing::SourcePath("docs/help"), b.problems))
      b.pages.push_back({page.Id, page.Title, FillHelpPage(page, sources, b.problems)});
    ScriptedMessages messages;
    b.pictures = HelpPictures(sources, messages);
    for (const auto& shown : messages.Log()) b.messages.push_back(shown.Title + ": " + shown.Text);
    return b;
  }();
  return built;
}

const std::string& PageText(const std::string& id) {
  for (const HelpPage& page : Built().pages)
    if (page.Id == id) return page.Text;
  static const std::string none;
  ADD_FAILURE() << "no page " << id;
  return none;
}

TEST(HelpPages, EveryPageFillsAndEveryLinkAndPictureResolves) {
  const BuiltHelp& built = Built();
  EXPECT_TRUE(built.problems.empty()) << built.problems.front();
  EXPECT_TRUE(built.messages.empty()) << built.messages.front();
  std::vector<std::string> names;
  for (const HelpPicture& picture : built.pictures) {
    names.push_back(picture.Name);
    EXPECT_TRUE(IsPictureOfThisProgram(picture.Svg)) << picture.Name;
  }
  const std::vector<std::string> broken = BrokenHelpLinks(built.pages, names);
  EXPECT_TRUE(broken.empty()) << broken.front();
  // Both pictures of each of the six types are shown on a page.
  std::string allPictures;
  for (const HelpPage& page : built.pages)
    for (const std::string& target : HelpPictureTargets(page.Text)) allPictures += target + "\n";
  for (const std::string& name : names)
    EXPECT_NE(allPictures.find(name), std::string::npos) << name << " is on no page";
}

TEST(HelpPages, EveryWindowAndEveryHelpMenuItemHasAPage) {
  std::vector<std::string> ids;
  for (const HelpPage& page : Built().pages) ids.push_back(page.Id);
  auto has = [&ids](const std::string& id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
  };
  for (const WindowHelpRow& row : WindowHelpTable()) EXPECT_TRUE(has(row.Page)) << row.Window;
  for (const MenuItemInfo& info : MenuItems())
    if (*RouteOf(info.Item).Page) {
      EXPECT_TRUE(has(RouteOf(info.Item).Page)) << info.Name;
    }
  EXPECT_TRUE(has("index"));
  EXPECT_EQ(HelpPageOfWindow("a message box"), "main-window");
  // The keys table: its heading, its rule and a row "| item | keys |" for each item with keys.
  const std::string& keys = PageText("keyboard-shortcuts");
  const auto keyed = std::count_if(MenuItems().begin(), MenuItems().end(),
                                   [](const MenuItemInfo& info) { return *info.Shortcuts; });
  EXPECT_EQ(std::count(keys.begin(), keys.end(), '|'), 3 * (2 + keyed));
}

// A placeholder the build does not know, or with an argument it does not take, stays and is
// named with its page and line.
TEST(HelpPages, APlaceholderThatNamesNothingIsNamedWithItsLine) {
  HelpSources sources;
  sources.WorkedExample = testing::ExampleModel("portal-frame");
  for (const std::string line :
       {"{{numbering 1}}", "{{signs XFrame}}", "{{member 4}}", "{{member-forces 0}}",
        "{{menu-keys 1}}", "{{support-signs x}}", "{{nothing}}"}) {
    std::vector<std::string> problems;
    EXPECT_EQ(FillHelpPage({"p", "P", "# P\n" + line + "\n"}, sources, problems),
              "# P\n" + line + "\n");
    EXPECT_EQ(problems, std::vector<std::string>{"p.md line 2: no placeholder \"" + line + "\""});
  }
  sources.WorkedExample.MemberCount = 0;  // a worked example with no method to show
  std::vector<std::string> problems;
  EXPECT_EQ(FillHelpPage({"p", "P", "{{numbering}}\n"}, sources, problems), "{{numbering}}\n");
}

// The sentences are the ones the entry dialog and the diagrams word the conventions by.
TEST(HelpPages, SignConventionsHoldEveryTypesSentences) {
  const std::string& page = PageText("sign-conventions");
  for (const StructTypeInfo& type : AllStructTypes()) {
    EXPECT_NE(page.find(std::string("## ") + type.Name + "\n"), std::string::npos) << type.Code;
    EXPECT_NE(page.find(type.DiagramSide), std::string::npos) << type.Code;
    for (const MemberLoadKindInfo* kind : AcceptedLoadKinds(type.Kind))
      EXPECT_NE(page.find(LoadSignNote(*kind)), std::string::npos) << kind->LongName;
  }
}

// Statics, not the program's arithmetic: the reactions the page prints balance the wind of 12
// at joint 2 and the roof loads of 25 x 8 and 40.
TEST(HelpPages, WorkedExampleReactionsBalanceTheLoads) {
  const std::string& page = PageText("worked-example");
  const std::size_t table = page.find("| Joint |");
  ASSERT_NE(table, std::string::npos);
  std::istringstream rows(page.substr(table));
  double sumX = 0, sumY = 0;
  int joints = 0;
  for (std::string line; std::getline(rows, line) && line.rfind("|", 0) == 0;) {
    std::istringstream cells(line);
    char bar;
    double joint, x, y;
    if (!(cells >> bar >> joint >> bar >> x >> bar >> y)) continue;  // headings
    sumX += x;
    sumY += y;
    ++joints;
  }
  EXPECT_EQ(joints, 2);
  // Five significant digits a reaction.
  EXPECT_NEAR(sumX, -12, 2e-3);
  EXPECT_NEAR(sumY, 25 * 8 + 40, 2e-2);
  for (int member = 1; member <= 3; ++member)
    EXPECT_NE(page.find("Member " + std::to_string(member) + ":"), std::string::npos);
}

// The method in its order: each member's [k], [T], [K], {Qf} and {Ff}; [S]; {P}; each member's
// {v}, {u}, {Q} and {F}; the two checks. Every bold caption of the page, none empty.
TEST(HelpPages, WorkedExampleShowsEveryStepInTheMethodsOrder) {
  std::istringstream lines(PageText("worked-example"));
  std::string heads;
  for (std::string line; std::getline(lines, line);)
    if (line.rfind("**", 0) == 0) heads += line.substr(2, line.find_first_of(" *", 2) - 2) + " ";
  const std::string member = "[k] [T] [K] {Qf} {Ff} ", forces = "{v} {u} {Q} {F} ";
  // A table heads its columns: the numbering's joint coordinates.
  EXPECT_NE(PageText("worked-example").find("|  | X trans. | Y trans. | Z rot. |\n"),
            std::string::npos);
  EXPECT_EQ(heads, "Structure " + member + member + member + "[S] {P} " + forces + forces + forces +
                       "Each The ");
  std::istringstream rows(PageText("worked-example"));  // every row as wide as its table's heading
  std::size_t bars = 0;
  for (std::string line; std::getline(rows, line);) {
    const std::size_t count = std::count(line.begin(), line.end(), '|');
    EXPECT_TRUE(count == 0 || bars == 0 || count == bars) << line;
    bars = count;
  }
}

TEST(HelpPages, LinksTitlesAndSearchOverSmallPages) {
  const std::vector<HelpPage> pages = {
      {"a", "Alpha", "# Alpha\nSee [b](b.md), [web](https://x.org), [top](#top).\n"},
      {"b", "Beta", "# Beta\n![P](pictures/p.svg) ![Q](pictures/q.svg) [gone](c.md)\n"},
  };
  EXPECT_EQ(HelpPageTitle("# Alpha  \ntext"), "Alpha");
  EXPECT_EQ(HelpPageTitle("Alpha\n"), "");
  EXPECT_EQ(
      BrokenHelpLinks(pages, {"pictures/p.svg"}),
      (std::vector<std::string>{"b.md: no picture \"pictures/q.svg\"", "b.md: no page \"c.md\""}));
  const struct {
    const char* query;
    std::vector<std::string> found;
  } searches[] = {{"", {"a", "b"}}, {"BETA", {"b"}}, {"see web", {"a"}}, {"alpha gone", {}}};
  for (const auto& s : searches) EXPECT_EQ(SearchHelpPages(pages, s.query), s.found) << s.query;
}

}  // namespace
}  // namespace stavelorn
