#include "web/PageHelp.h"

#include <vector>

#include "app/HelpPages.h"
#include "app/MenuRoutes.h"
#include "reports/JsonText.h"
#include "web/PageJson.h"

namespace stavelorn {

namespace {

// The page of the browser edition itself, shipped with the page beside the desktop's pages.
constexpr char kBrowserEditionPage[] = "browser-edition";
constexpr char kBrowserEditionCaption[] = "The Browser Edition";

// The page's views by the desktop window that shows the same; the drawing alone is the main
// window's.
constexpr char kMainWindow[] = "mcas";
const struct {
  const char* View;
  const char* Window;
} kViewWindows[] = {
    {"Disp", "Disp"},
    {"MbForce", "MbForce"},
    {"Reac", "Reac"},
    {"diagrams", kMainWindow},
    {"member", "MemberDiagrams"},
    {"steps", "MethodSteps"},
    {"influence", "InfluenceLines"},
    {"report", "PrintPreview"},
    {"help", "Help"},
    {"criticalLoad", "BucklingModes"},
    {"secondOrder", "SecondOrder"},
    {"stabilityOptions", "StabilityOptions"},
    {"movingLoad", "InfluenceLines"},
};

struct HelpMenuEntry {
  std::string Caption;
  std::string Page;
};

std::vector<HelpPage> PagesOf(const std::string& folder) {
  std::vector<std::string> problems;
  return ReadHelpPages(folder, problems);
}

}  // namespace

std::string HelpMenuJson() {
  std::vector<HelpMenuEntry> entries{{"Contents", "index"}};
  for (MenuItem item : {MenuItem::MnuHelpStart, MenuItem::MnuHelpSigns, MenuItem::MnuHelpExample,
                        MenuItem::MnuHelpKeys})
    entries.push_back({MenuItemName(item), RouteOf(item).Page});
  entries.push_back({kBrowserEditionCaption, kBrowserEditionPage});
  return "{\"items\": " +
         JsonArray(entries,
                   [](const HelpMenuEntry& entry) {
                     return "{\"caption\": " + JsonString(entry.Caption) +
                            ", \"page\": " + JsonString(entry.Page) + "}";
                   }) +
         ", \"window\": {\"caption\": " + JsonString(MenuItemName(MenuItem::MnuHelpWindow)) +
         ", \"key\": " + JsonString(MenuItemOf(MenuItem::MnuHelpWindow).Shortcuts) +
         "}, \"about\": " + JsonString(MenuItemName(MenuItem::MnuHelpAbout)) + "}";
}

std::string HelpPageOfView(const std::string& view) {
  const char* window = kMainWindow;
  for (const auto& row : kViewWindows)
    if (view == row.View) window = row.Window;
  return HelpPageOfWindow(window);
}

std::string AboutJson(const std::string& examplesAddress, const std::string& helpAddress) {
  return "{\"title\": " + JsonString(MenuItemName(MenuItem::MnuHelpAbout)) +
         ", \"text\": " + JsonString(AboutText(examplesAddress, helpAddress)) + "}";
}

std::string HelpContentsJson(const std::string& folder) {
  return JsonArray(PagesOf(folder), [](const HelpPage& page) {
    return "{\"id\": " + JsonString(page.Id) + ", \"title\": " + JsonString(page.Title) + "}";
  });
}

std::string HelpSearchJson(const std::string& folder, const std::string& query) {
  return JsonArray(SearchHelpPages(PagesOf(folder), query), JsonString);
}

}  // namespace stavelorn
